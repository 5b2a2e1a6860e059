#include "conditions/compiled_condition.h"

#include <algorithm>

#include "conditions/comparison_operator.h"
#include "model/null_value.h"
#include "model/record.h"
#include "model/record_order.h"
#include "model/record_values.h"
#include "model/relation.h"

namespace qerix {

namespace {
constexpr char unknownValue = 2;
}  // namespace

CompiledCondition::CompiledCondition(ConditionTree& condition) : tree(condition) {
  add(&condition.getRoot());
  values.resize(steps.size());
  fields.resize(static_cast<std::size_t>(lastPosition) + 1);
}

bool CompiledCondition::holdsFor(const Record& record) { return test(record, 0); }

bool CompiledCondition::holdsForFullRecord(const Record& record) {
  return test(record, record.getRelation().getAttributeCount());
}

void CompiledCondition::findFields(std::string_view text, int valueCount) {
  if (valueCount > 0 && valueCount - firstPosition + 1 < lastPosition) {
    // Fewer values lie behind the first one read than before the last one.
    const char* const begin = text.data();
    const char* end = begin + text.size();
    for (int position = valueCount; position >= firstPosition; --position) {
      const char* start = end;
      while (start != begin && start[-1] != ',') --start;
      if (position <= lastPosition) {
        fields[static_cast<std::size_t>(position)] = std::string_view(start, static_cast<std::size_t>(end - start));
      }
      end = start == begin ? begin : start - 1;
    }
    return;
  }
  ValueCursor cursor(text);
  for (int position = 1; position <= lastPosition; ++position)
    fields[static_cast<std::size_t>(position)] = cursor.next();
}

bool CompiledCondition::test(const Record& record, int valueCount) {
  if (!knowsEveryNode) return evaluateCondition(tree, record);
  findFields(record.getValues(), valueCount);
  for (std::size_t index = 0; index < steps.size(); ++index) {
    const Step& step = steps[index];
    switch (step.kind) {
      case Kind::constant:
        values[index] = step.value;
        break;
      case Kind::compare:
        values[index] = compare(step);
        break;
      case Kind::both: {
        const char left = values[step.left];
        const char right = values[step.right];
        values[index] = left == 0 || right == 0 ? 0 : (left == 1 && right == 1 ? 1 : unknownValue);
        break;
      }
      case Kind::either: {
        const char left = values[step.left];
        const char right = values[step.right];
        values[index] = left == 1 || right == 1 ? 1 : (left == 0 && right == 0 ? 0 : unknownValue);
        break;
      }
      case Kind::negation:
        values[index] = values[step.left] == unknownValue ? unknownValue : static_cast<char>(!values[step.left]);
        break;
    }
  }
  return values.back() == 1;
}

std::uint8_t CompiledCondition::orderBit(std::weak_ordering order) {
  if (order < 0) return 1;
  return order == 0 ? 2 : 4;
}

std::size_t CompiledCondition::add(const TreeNode<LogicalOperator>* node) {
  // The parser gives every node the children it reads; a node it could not
  // have made is left to evaluateCondition.
  Step step;
  const LogicalOperator* payload = node ? node->payload.get() : nullptr;
  if (payload == nullptr) {
    knowsEveryNode = false;
    steps.push_back(std::move(step));
    return steps.size() - 1;
  }
  switch (payload->getKind()) {
    case ConditionKind::root:
      return add(node->left.get());
    case ConditionKind::comparison: {
      const auto& comparison = static_cast<const ComparisonOperator&>(*payload);
      // Children of a comparison are evaluated but never read.
      if (comparison.getPosition1() == 0 && comparison.getPosition2() == 0) {
        step.value = comparison.getResult();  // two literals leave the value as it was
      } else {
        step.kind = Kind::compare;
        step.first = operandOf(comparison.getOperand1(), comparison.getPosition1());
        step.second = operandOf(comparison.getOperand2(), comparison.getPosition2());
        step.valueKind = comparison.getValueKind();
        for (const auto order :
             {std::weak_ordering::less, std::weak_ordering::equivalent, std::weak_ordering::greater}) {
          if (comparison.holds(order)) step.acceptedOrders |= orderBit(order);
        }
      }
      break;
    }
    case ConditionKind::negation:
      step.kind = Kind::negation;  // its second child does not count
      step.left = add(node->left.get());
      break;
    case ConditionKind::both:
    case ConditionKind::either:
      step.kind = payload->getKind() == ConditionKind::both ? Kind::both : Kind::either;
      step.left = add(node->left.get());
      step.right = add(node->right.get());
      break;
    case ConditionKind::other:
      knowsEveryNode = false;
      break;
  }
  steps.push_back(std::move(step));
  return steps.size() - 1;
}

CompiledCondition::Operand CompiledCondition::operandOf(const std::string& text, int position) {
  Operand operand;
  operand.position = position;
  if (position == 0) {
    operand.literal = text;
    operand.number = toInt32(text);
    operand.decimal = decimalOf(text);
  }
  lastPosition = std::max(lastPosition, position);
  if (position > 0) firstPosition = firstPosition == 0 ? position : std::min(firstPosition, position);
  return operand;
}

char CompiledCondition::compare(const Step& step) const {
  const auto field = [this](const Operand& operand) { return fields[static_cast<std::size_t>(operand.position)]; };
  if ((step.first.position > 0 && isNull(field(step.first))) ||
      (step.second.position > 0 && isNull(field(step.second)))) {
    return unknownValue;
  }
  std::weak_ordering order = std::weak_ordering::equivalent;
  if (step.valueKind == ValueKind::decimal) {
    const DecimalValue left = step.first.position > 0 ? decimalOf(field(step.first)) : step.first.decimal;
    const DecimalValue right = step.second.position > 0 ? decimalOf(field(step.second)) : step.second.decimal;
    order = left <=> right;
  } else if (step.valueKind == ValueKind::number) {
    const std::int32_t left = step.first.position > 0 ? toInt32(field(step.first)) : step.first.number;
    const std::int32_t right = step.second.position > 0 ? toInt32(field(step.second)) : step.second.number;
    order = left <=> right;
  } else {
    const std::string_view left = step.first.position > 0 ? field(step.first) : std::string_view(step.first.literal);
    const std::string_view right =
        step.second.position > 0 ? field(step.second) : std::string_view(step.second.literal);
    order = compareValue(left, right, ValueKind::text);
  }
  return static_cast<char>((step.acceptedOrders & orderBit(order)) != 0);
}

}  // namespace qerix
