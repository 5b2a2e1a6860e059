#include "algebra/project_operator.h"

#include <optional>
#include <ostream>
#include <set>

#include "algebra/distinct_projections.h"
#include "algebra/select_operator.h"
#include "conditions/compiled_condition.h"
#include "model/fatal_error.h"
#include "query/text_helpers.h"

namespace qerix {

namespace {

constexpr std::string_view blankNameMessage = "Hibas projekcio, ures attributumnev: ";

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

class ProjectOperator::ProjectionWhileLoading : public LoadingWork {
 public:
  ProjectionWhileLoading(const std::vector<std::string>& names, ConditionTree* selectCondition)
      : attributeNames(names), filter(selectCondition) {}

  // The loading thread tests the condition and projects, so that only
  // projections are handed over.
  std::optional<std::string_view> prepare(std::string_view values) override {
    if (test && !test->holdsForFullRecord(Record(loadingRelation(), values))) return std::nullopt;
    projection.clear();
    projections->project(values, projection);
    return projection;
  }
  void offer(std::string_view projected) override { projections->addProjection(projected); }

  // Moves the projections to `result` if they were made of `input`'s records,
  // filtered by the select's condition or not, as asked.
  bool moveTo(Relation& result, const Relation& input, bool filtered) {
    if (!isWorkOn(input) || filtered != (filter != nullptr)) return false;
    projections->moveTo(result);
    return true;
  }

 protected:
  bool start(const Relation& relation) override {
    projections.reset();
    test.reset();
    // A missing name or a mismatch of types is for the evaluation to report.
    Projected projected = projectedFields(relation, attributeNames);
    if (projected.lacksAName()) return false;
    if (filter) {
      if (!tryBindCondition(*filter, relation.getAttributes())) return false;
      test.emplace(*filter);
    }
    types = std::move(projected.attributes);
    projections.emplace(types, std::move(projected.positions));
    return true;
  }

  void complete() override { projections->finish(); }

 private:
  const std::vector<std::string>& attributeNames;
  ConditionTree* const filter;  // the select's condition, when the project is over a select
  std::optional<CompiledCondition> test;
  AttributeList types;  // of the projected fields
  std::optional<DistinctProjections> projections;
  std::string projection;  // of the record prepared last
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
