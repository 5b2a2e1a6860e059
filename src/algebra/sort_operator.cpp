#include "algebra/sort_operator.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <ostream>

#include "exec/pieces/record_pieces.h"
#include "exec/pieces/scheduler.h"
#include "model/fatal_error.h"
#include "model/letter_case.h"
#include "model/message_catalogue.h"
#include "model/null_value.h"
#include "model/record_order.h"
#include "model/record_values.h"
#include "model/tuning.h"
#include "text/text_helpers.h"

namespace qerix {

namespace {

// The order of the records' keys; positions break no ties, stable sorting does.
class KeyOrder {
 public:
  KeyOrder(const Relation& records, const std::vector<int>& positions, const std::vector<bool>& descending)
      : width(positions.size()), directions(descending) {
    for (const int position : positions) kinds.push_back(records.getAttributes().getKind(position));
    const auto& texts = records.getRecordTexts();
    values.reserve(texts.size() * width);
    std::vector<std::string_view> fields;
    for (const std::string_view text : texts) {
      splitValues(text, records.getAttributeCount(), fields);
      for (const int position : positions) values.push_back(fields[indexOf(position)]);
    }
  }

  bool operator()(std::uint32_t left, std::uint32_t right) const {
    for (std::size_t key = 0; key < width; ++key) {
      const std::string_view leftValue = values[left * width + key];
      const std::string_view rightValue = values[right * width + key];
      std::weak_ordering order = std::weak_ordering::equivalent;
      if (isNull(leftValue) || isNull(rightValue)) {
        order = !isNull(leftValue) <=> !isNull(rightValue);
      } else {
        order = compareValue(leftValue, rightValue, kinds[key]);
      }
      if (order != 0) return directions[key] ? order > 0 : order < 0;
    }
    return false;
  }

 private:
  std::size_t width;
  std::vector<bool> directions;
  std::vector<ValueKind> kinds;
  std::vector<std::string_view> values;  // width values per record, in the records' order
};

// The record numbers in sorted order: in two pieces at once when there are
// many, merged so that of equal records the first piece's come first.
std::vector<std::uint32_t> sortedOrder(std::size_t count, const KeyOrder& keys) {
  // The sorts copy their comparison freely: a reference to the keys, not the keys.
  const auto order = [&keys](std::uint32_t left, std::uint32_t right) { return keys(left, right); };
  std::vector<std::uint32_t> numbers(count);
  std::iota(numbers.begin(), numbers.end(), 0U);
  if (count < tuning::parallelFrom || Scheduler::pieceCount() < 2) {
    std::stable_sort(numbers.begin(), numbers.end(), order);
    return numbers;
  }
  const auto middle = numbers.begin() + static_cast<std::ptrdiff_t>(count / 2);
  Scheduler::forEachPiece(2, [&](std::size_t piece) {
    if (piece == 0) {
      std::stable_sort(numbers.begin(), middle, order);
    } else {
      std::stable_sort(middle, numbers.end(), order);
    }
  });
  std::vector<std::uint32_t> merged(count);
  std::merge(numbers.begin(), middle, middle, numbers.end(), merged.begin(), order);
  return merged;
}

}  // namespace

void SortOperator::setSortList(std::string_view text) {
  keys.clear();
  std::string_view rest = text;
  while (true) {
    const std::size_t comma = rest.find(',');
    std::string_view item = rest.substr(0, comma);
    trim(item);
    const std::size_t blank = item.find_first_of(" \t");
    SortKey key;
    key.name = item.substr(0, blank);
    if (blank != std::string_view::npos) {
      std::string_view direction = item.substr(blank);
      trim(direction);
      if (equalsIgnoringCase(direction, "DESC")) {
        key.descending = true;
      } else if (!equalsIgnoringCase(direction, "ASC")) {
        fatal(textOf(Text::sortMalformedListMessage), text);
      }
    }
    if (key.name.empty()) fatal(textOf(Text::sortMalformedListMessage), text);
    keys.push_back(std::move(key));
    if (comma == std::string_view::npos) return;
    rest.remove_prefix(comma + 1);
  }
}

std::string SortOperator::getSortList() const {
  std::string list;
  for (const SortKey& key : keys) {
    if (!list.empty()) list += ',';
    list += key.name;
    if (key.descending) list += " DESC";
  }
  return list;
}

void SortOperator::print(std::ostream& out) const { out << "Sort: " << getSortList() << '\n'; }

void SortOperator::evaluate(AlgebraOperator* left, AlgebraOperator* /*right*/) {
  const std::unique_ptr<Relation> operand = takeOperand(left);
  if (!operand) return;
  std::vector<int> positions;
  std::vector<bool> descending;
  for (const SortKey& key : keys) {
    const int position = operand->getAttributes().findAttribute(key.name, lookup);
    if (position == 0) fatal(textOf(Text::sortUnknownAttributeMessage), key.name);
    positions.push_back(position);
    descending.push_back(key.descending);
  }
  result = std::make_unique<Relation>(operand->getAttributes());
  if (operand->isEmpty()) return;
  materialize(*operand);
  const KeyOrder order(*operand, positions, descending);
  const auto& texts = operand->getRecordTexts();
  std::vector<std::string_view> sorted;
  sorted.reserve(texts.size());
  for (const std::uint32_t number : sortedOrder(texts.size(), order)) sorted.push_back(texts[number]);
  result->shareTextOf(*operand);
  result->appendRecordTexts(std::move(sorted));
}

}  // namespace qerix
