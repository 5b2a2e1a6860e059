#include "driver/node_steps.h"

#include <new>
#include <sstream>
#include <stdexcept>

#include "model/fatal_error.h"
#include "model/message_catalogue.h"
#include "model/record_limit.h"

namespace qerix {

NodeStep describeResult(const Relation& result, std::size_t rows, bool extended) {
  NodeStep step;
  step.outcome = NodeStep::Outcome::result;
  step.recordCount = result.getRecordCount();
  // The records as printTo formats them, of a copy that holds only those shown.
  Relation shown(result.getAttributes());
  shown.setName(result.getName());
  for (RecordScanner scanner(result); scanner.next() && shown.getRecordCount() < rows;) {
    shown.appendNewRecord(scanner.getCurrent().getValues());
  }
  std::ostringstream printed;
  shown.printTo(printed, extended);
  std::istringstream lines(printed.str());
  std::getline(lines, step.header);
  for (std::string line; std::getline(lines, line);) step.firstRecords.push_back(line);
  const AttributeList& attributes = result.getAttributes();
  for (const int position : positionsByName(attributes)) {
    step.columns.push_back({std::string(attributes.getAttributeName(position)),
                            std::string(attributes.getAttributeType(position))});
  }
  return step;
}

void NodeSteps::evaluate(AlgebraTree& tree) { evaluateBelow(tree.getRoot()); }

void NodeSteps::evaluateBelow(TreeNode<AlgebraOperator>& node) {
  if (node.left) evaluateBelow(*node.left);
  if (node.right) evaluateBelow(*node.right);
  NodeStep& step = steps[&node];
  try {
    node.payload->evaluate(node.leftPayload(), node.rightPayload());
  } catch (const FatalError& error) {
    step.outcome = NodeStep::Outcome::failed;
    step.message = error.what();
    throw;
  } catch (const std::bad_alloc&) {
    step.outcome = NodeStep::Outcome::failed;
    step.message = textOf(Text::outOfMemoryMessage);
    throw;
  } catch (const std::length_error&) {
    step.outcome = NodeStep::Outcome::failed;
    step.message = textOf(Text::outOfMemoryMessage);
    throw;
  }
  const Relation* result = node.payload->getResult();
  if (!result) {
    step.outcome = NodeStep::Outcome::noResult;
    return;
  }
  step = describeResult(*result, rows, writesExtended);
  // After the step is kept: it shows the result that went past the limit.
  RecordLimit::check(result->getRecordCount());
}

const NodeStep& NodeSteps::of(const TreeNode<AlgebraOperator>& node) const {
  const auto found = steps.find(&node);
  return found == steps.end() ? notEvaluated : found->second;
}

}  // namespace qerix
