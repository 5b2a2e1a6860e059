#include "conditions/logical_operators.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "support/builders.h"

namespace qerix {
namespace {

using test::conditionValues;
using test::makeRelation;

// Records with a and b being 0,0 / 0,1 / 1,0 / 1,1.
std::unique_ptr<Relation> allPairs() { return makeRelation("R(a int, b int)", {"0,0", "0,1", "1,0", "1,1"}); }

TEST(LogicalOperators, AndOrNotFollowTheirChildrenForEveryRecord) {
  const auto relation = allPairs();
  EXPECT_EQ(conditionValues("AND(EQ(a,1),EQ(b,1))", *relation), "FFFT");
  EXPECT_EQ(conditionValues("OR(EQ(a,1),EQ(b,1))", *relation), "FTTT");
  EXPECT_EQ(conditionValues("NOT(EQ(a,1))", *relation), "TTFF");
  EXPECT_EQ(conditionValues("AND(NOT(EQ(a,1)),OR(EQ(b,1),EQ(a,1)))", *relation), "FTFF");
}

TEST(LogicalOperators, NotIgnoresItsSecondArgument) {
  const auto relation = allPairs();
  EXPECT_EQ(conditionValues("NOT(EQ(a,1),EQ(b,1))", *relation), "TTFF");
  EXPECT_EQ(conditionValues("NOT(EQ(a,1),b)", *relation), "TTFF");
}

TEST(LogicalOperators, DeepNestingEvaluatesEveryLevel) {
  const auto relation = allPairs();
  std::string condition = "EQ(a,1)";
  for (int level = 0; level < 999; ++level) condition = "NOT(" + condition + ")";
  EXPECT_EQ(conditionValues(condition, *relation), "TTFF");
  condition = "EQ(b,1)";
  for (int level = 0; level < 998; ++level) condition = "AND(" + condition + ",NEQ(a,5))";
  EXPECT_EQ(conditionValues(condition, *relation), "FTFT");
}

// An operand fixed at true ('T'), false ('F') or unknown ('U').
class Fixed : public LogicalOperator {
 public:
  explicit Fixed(char value) {
    result = value == 'T';
    unknown = value == 'U';
  }
  void evaluate(const LogicalOperator*, const LogicalOperator*, const Record&) override {}
  ConditionKind getKind() const override { return ConditionKind::other; }
};

// The node's value over each pair of TFU operands, left first.
template <class Node>
std::string threeValued() {
  const auto relation = allPairs();
  const Record record = relation->getRecord(0);
  std::string values;
  for (const char left : std::string_view("TFU")) {
    for (const char right : std::string_view("TFU")) {
      const Fixed first(left);
      const Fixed second(right);
      Node node;
      node.evaluate(&first, &second, record);
      values += node.isUnknown() ? 'U' : (node.getResult() ? 'T' : 'F');
      if (node.isUnknown() && node.getResult()) values += '!';
    }
  }
  return values;
}

TEST(LogicalOperators, FalseBeatsUnknownInAndTrueInOr) {
  EXPECT_EQ(threeValued<AndOperator>(), "TFUFFFUFU");
  EXPECT_EQ(threeValued<OrOperator>(), "TTTTFUTUU");
  EXPECT_EQ(threeValued<NotOperator>(), "FFFTTTUUU");
}

TEST(LogicalOperators, FreshNodesAreFalse) {
  EXPECT_FALSE(AndOperator().getResult());
  EXPECT_FALSE(OrOperator().getResult());
  EXPECT_FALSE(NotOperator().getResult());
  EXPECT_FALSE(DummyCondition().getResult());
}

TEST(LogicalOperators, PrintTheirNameAndOperands) {
  class Unnamed : public LogicalOperator {
   public:
    void evaluate(const LogicalOperator*, const LogicalOperator*, const Record&) override {}
    ConditionKind getKind() const override { return ConditionKind::other; }
  };
  NotOperator withOperand;
  withOperand.addOperand("x");
  std::ostringstream out;
  AndOperator().print(out);
  OrOperator().print(out);
  withOperand.print(out);
  DummyCondition().print(out);
  Unnamed().print(out);
  EXPECT_EQ(out.str(), "AND\nOR\nNOT: x, \nDUMMY\nDefault Logical Operator\n");
}

}  // namespace
}  // namespace qerix
