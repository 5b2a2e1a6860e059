#include "algebra/project_operator.h"

#include <array>
#include <optional>
#include <ostream>
#include <set>
#include <span>

#include "algebra/select_operator.h"
#include "conditions/compiled_condition.h"
#include "model/fatal_error.h"
#include "model/record_batches.h"
#include "model/record_index.h"
#include "model/record_order.h"
#include "model/record_values.h"
#include "model/text_arena.h"
#include "query/text_helpers.h"

namespace qerix {

namespace {

constexpr std::string_view blankNameMessage = "Hibas projekcio, ures attributumnev: ";

// Appends the values at the given positions (ascending, from 1), joined by commas.
void appendProjection(std::string_view values, const std::vector<int>& positions, std::string& out) {
  ValueCursor cursor(values);
  int fieldno = 0;
  for (const int position : positions) {
    std::string_view value;
    while (fieldno < position) {
      value = cursor.next();
      ++fieldno;
    }
    if (position != positions.front()) out += ',';
    out += value;
  }
}

// The distinct projections of records, sorted. Of each set of equal
// projections only the last one stays. Records are projected a few at a
// time, so that the waits for the index's memory overlap (see
// RecordIndex::hashBatch).
//
// While most projections turn out distinct, the index costs more than it
// spares: past a size, at that share, projections are only gathered, and
// sorting brings equal ones together, where the last of each run stays.
class DistinctProjections {
 public:
  // `positions`: ascending, from 1; `types` are those of the projected fields.
  DistinctProjections(const AttributeList& types, std::vector<int> positions)
      : projectedTypes(types), kept(std::move(positions)), distinct(types, types.getAttributeCount(), 1024) {}

  void add(std::string_view values) {
    if (gathering) {
      projection.clear();
      appendProjection(values, kept, projection);
      gathered.push_back(projectedText->store(projection));
      return;
    }
    appendProjection(values, kept, batch.startText());
    if (batch.full()) addBatch();
  }

  // The projections go to the result, sorted, with the arena that holds their text.
  void moveTo(Relation& result) {
    addBatch();
    result.keepTextAlive(projectedText);
    if (!gathering) {
      result.appendRecordTexts(distinct.takeTexts());
      result.sortRecords();
      return;
    }
    const int fieldCount = projectedTypes.getAttributeCount();
    stableSortRecords(gathered, projectedTypes, fieldCount);
    std::size_t distinctCount = 0;
    for (std::size_t index = 0; index < gathered.size(); ++index) {
      const bool laterEqual = index + 1 < gathered.size() &&
                              compareValues(projectedTypes, fieldCount, gathered[index], gathered[index + 1]) == 0;
      if (!laterEqual) gathered[distinctCount++] = gathered[index];
    }
    gathered.resize(distinctCount);
    result.appendRecordTexts(std::move(gathered));
  }

 private:
  // Past this many distinct projections, three in four of them distinct: gather.
  static constexpr std::size_t gatherAfter = std::size_t{1} << 16;

  void addBatch() {
    const std::span<const std::string_view> projected = batch.texts();
    distinct.hashBatch(projected, hashes);
    for (std::size_t index = 0; index < projected.size(); ++index) {
      if (const auto found = distinct.find(projected[index], hashes[index])) {
        if (distinct.at(*found) != projected[index]) distinct.replace(*found, projectedText->store(projected[index]));
      } else {
        distinct.add(projectedText->store(projected[index]), hashes[index]);
      }
    }
    projectedCount += projected.size();
    batch.clear();
    if (distinct.size() >= gatherAfter && distinct.size() * 4 > projectedCount * 3) {
      // The texts so far come first in the order of their first projection,
      // each the last projection equal to it: sorting keeps them before the
      // later equal ones.
      gathered = distinct.takeTexts();
      gathering = true;
    }
  }

  const AttributeList& projectedTypes;
  const std::vector<int> kept;
  RecordIndex distinct;
  std::shared_ptr<TextArena> projectedText = std::make_shared<TextArena>();
  TextBatch batch;
  std::array<std::size_t, recordBatchSize> hashes{};
  std::size_t projectedCount = 0;
  bool gathering = false;
  std::vector<std::string_view> gathered;  // the projections, once gathering
  std::string projection;
};

// The positions (ascending, from 1) and the attributes of the input's fields
// that the names pick; position 0 stands for a name the input lacks.
struct Projected {
  std::vector<int> positions;
  AttributeList attributes;

  bool lacksAName() const { return !positions.empty() && positions.front() == 0; }
};

Projected projectedFields(const Relation& input, const std::vector<std::string>& names) {
  std::set<int> positions;
  for (const std::string& name : names) positions.insert(input.getAttributeIndex(name));
  Projected projected{std::vector<int>(positions.begin(), positions.end()), {}};
  for (const int position : projected.positions) {
    projected.attributes.addAttribute(input.getAttributeType(position), input.getAttributeName(position));
  }
  return projected;
}

}  // namespace

class ProjectOperator::ProjectionWhileLoading : public RecordWatcher {
 public:
  ProjectionWhileLoading(const std::vector<std::string>& names, ConditionTree* selectCondition)
      : attributeNames(names), filter(selectCondition) {}

  bool begin(const Relation& relation) override {
    projections.reset();
    test.reset();
    watched.reset();
    // A missing name or a mismatch of types is for the evaluation to report.
    Projected projected = projectedFields(relation, attributeNames);
    if (projected.lacksAName()) return false;
    if (filter) {
      if (!tryBindCondition(*filter, relation.getAttributes())) return false;
      test.emplace(*filter);
    }
    loading = &relation;
    types = std::move(projected.attributes);
    projections.emplace(types, std::move(projected.positions));
    return true;
  }

  void offer(std::string_view values) override {
    if (test && !test->holdsFor(Record(*loading, values))) return;
    projections->add(values);
  }

  void end(const Relation& relation) override {
    if (projections) watched = std::make_unique<Relation>(relation);
  }

  // Moves the projections to `result` if they were made of `input`'s records,
  // filtered or not as asked.
  bool moveTo(Relation& result, const Relation& input, bool filtered) {
    if (!watched || !input.sharesSourceWith(*watched) || filtered != (filter != nullptr)) return false;
    projections->moveTo(result);
    return true;
  }

 private:
  const std::vector<std::string>& attributeNames;
  ConditionTree* const filter;
  const Relation* loading = nullptr;
  std::optional<CompiledCondition> test;
  AttributeList types;  // of the projected fields
  std::optional<DistinctProjections> projections;
  std::unique_ptr<Relation> watched;  // shares the records the projections were made of
};

ProjectOperator::ProjectOperator() = default;

ProjectOperator::~ProjectOperator() = default;

void ProjectOperator::setAttributeNames(std::string_view text) {
  const std::string_view wholeText = text;
  while (!text.empty()) {
    trim(text);
    if (text.empty()) fatal(blankNameMessage, wholeText);
    const std::size_t comma = text.find(',');
    attributeNames.emplace_back(text.substr(0, comma));
    text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
  }
}

void ProjectOperator::print(std::ostream& out) const {
  out << "Project: ";
  for (std::size_t index = 0; index < attributeNames.size(); ++index) {
    if (index > 0) out << ", ";
    out << attributeNames[index];
  }
  out << '\n';
}

RecordWatcher& ProjectOperator::watchInputWhileLoading(ConditionTree* selectCondition) {
  whileLoading = std::make_unique<ProjectionWhileLoading>(attributeNames, selectCondition);
  return *whileLoading;
}

void ProjectOperator::evaluate(AlgebraOperator* left, AlgebraOperator* /*right*/) {
  // Over a select whose input is unread, test its condition here: one pass
  // over that input instead of one to select and another to project.
  std::optional<CompiledCondition> filter;
  std::unique_ptr<Relation> input;
  if (auto* select = dynamic_cast<SelectOperator*>(left)) {
    input = select->takeUnreadInput();
    if (input) filter.emplace(select->getCondition());
  }
  if (!input) input = takeOperand(left);
  if (!input) return;
  Projected projected = projectedFields(*input, attributeNames);
  result = std::make_unique<Relation>(projected.attributes);
  if (input->isEmpty()) return;
  if (whileLoading && whileLoading->moveTo(*result, *input, filter.has_value())) return;
  // Copying the first record (the first that passes the filter) reads field 0.
  const bool readsFieldZero = projected.lacksAName();
  if (readsFieldZero && !filter) failGetValue();

  DistinctProjections projections(result->getAttributes(), std::move(projected.positions));
  for (RecordScanner scanner(*input); scanner.next();) {
    if (filter && !filter->holdsFor(scanner.getCurrent())) continue;
    if (readsFieldZero) failGetValue();
    projections.add(scanner.getCurrent().getValues());
  }
  projections.moveTo(*result);
}

}  // namespace qerix
