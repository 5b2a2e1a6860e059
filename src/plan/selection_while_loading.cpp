#include "plan/selection_while_loading.h"

namespace qerix {

SelectionWhileLoading::SelectionWhileLoading(ConditionTree& condition) : tested(condition) {}

SelectionWhileLoading::~SelectionWhileLoading() = default;

std::optional<std::string_view> SelectionWhileLoading::prepare(std::string_view values) {
  selection->offer(Record(loadingRelation(), values));
  return std::nullopt;
}

std::unique_ptr<Relation> SelectionWhileLoading::resultFor(const Relation& input) {
  auto selected = std::make_unique<Relation>(input.getAttributes());
  selection->moveTo(*selected, input);
  return selected;
}

bool SelectionWhileLoading::start(const Relation& relation) {
  selection.reset();
  // A mismatch of types is for the select's own evaluation to report.
  if (!tryBindCondition(tested, relation.getAttributes())) return false;
  selection.emplace(tested, RecordFilter::Input::inFile);
  return true;
}

}  // namespace qerix
