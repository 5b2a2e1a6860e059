#include "algebra/sort_operator.h"

#include <ostream>

#include "exec/pieces/record_pieces.h"
#include "exec/sort/key_sort.h"
#include "exec/views/ordered_records.h"
#include "model/fatal_error.h"
#include "model/letter_case.h"
#include "model/message_catalogue.h"
#include "text/text_helpers.h"

namespace qerix {

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
  std::shared_ptr<Relation> operand = takeOperand(left);
  if (!operand) return;
  std::vector<SortField> fields;
  for (const SortKey& key : keys) {
    const int position = operand->getAttributes().findAttribute(key.name, lookup);
    if (position == 0) fatal(textOf(Text::sortUnknownAttributeMessage), key.name);
    fields.push_back({position, operand->getAttributes().getKind(position), key.descending});
  }
  result = std::make_unique<Relation>(operand->getAttributes());
  if (operand->isEmpty()) return;
  materialize(*operand);
  std::vector<std::uint32_t> order = sortedByKeys(operand->getRecordTexts(), fields);
  result->setRecordSource(std::make_shared<OrderedRecords>(std::move(operand), std::move(order)));
}

}  // namespace qerix
