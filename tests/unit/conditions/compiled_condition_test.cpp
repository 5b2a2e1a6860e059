#include "conditions/compiled_condition.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "conditions/condition_parser.h"
#include "conditions/logical_operators.h"
#include "model/record.h"
#include "support/builders.h"

namespace qerix {
namespace {

using test::conditionValues;
using test::makeRelation;

// Values that "int" and text comparisons tell apart differently.
const std::vector<std::string> sampleValues = {"7", "007", "-3", " 5", "x", "", "2147483648", "abc", "+7", "5x"};

std::string randomOperand(std::mt19937& random) {
  static const std::vector<std::string> names = {"a", "b", "c", "d", "e", "A"};
  if (random() % 2 == 0) return names[random() % names.size()];
  return sampleValues[random() % sampleValues.size()];
}

std::string randomCondition(std::mt19937& random, int depth) {
  static const char* const comparisons[] = {"EQ", "NEQ", "LT", "LTE", "GT", "GTE"};
  const unsigned choice = depth == 0 ? 0 : random() % 5;
  switch (choice) {
    case 1:
      return "AND(" + randomCondition(random, depth - 1) + "," + randomCondition(random, depth - 1) + ")";
    case 2:
      return "OR(" + randomCondition(random, depth - 1) + "," + randomCondition(random, depth - 1) + ")";
    case 3:
      return "NOT(" + randomCondition(random, depth - 1) + ")";
    case 4:
      return "NOT(" + randomCondition(random, depth - 1) + "," + randomCondition(random, depth - 1) + ")";
    default:
      return std::string(comparisons[random() % 6]) + "(" + randomOperand(random) + "," + randomOperand(random) + ")";
  }
}

TEST(CompiledCondition, AgreesWithTheTreeOnRandomConditions) {
  // Two "int" and two text attributes, and a repeated name: a name finds its first attribute.
  std::vector<std::string> lines;
  std::mt19937 random(20261208);
  for (int index = 0; index < 40; ++index) {
    std::string line;
    for (int field = 0; field < 5; ++field) {
      if (field > 0) line += ',';
      line += sampleValues[random() % sampleValues.size()];
    }
    lines.push_back(line);
  }
  auto relation = makeRelation("R(a int, b string, c int, d string, a string)", {});
  for (const std::string& line : lines) relation->appendNewRecord(line);
  int compared = 0;
  for (int round = 0; round < 600; ++round) {
    const std::string condition = randomCondition(random, static_cast<int>(random() % 4));
    std::string values;
    try {
      values = conditionValues(condition, *relation);
    } catch (const FatalError&) {
      continue;  // two attributes of different types
    }
    // conditionValues shows both evaluations where they differ.
    EXPECT_EQ(values.find("compiled"), std::string::npos) << condition << ": " << values;
    ++compared;
  }
  EXPECT_GT(compared, 300);  // most conditions bind: only two attributes of different types end the run
}

// Nulls make comparisons unknown, which NOT keeps unknown and AND and OR
// combine as SQL does; decimals compare by value. Both evaluations agree.
TEST(CompiledCondition, AgreesWithTheTreeOnNullsAndDecimals) {
  const std::vector<std::string> values = {"\n", "7", "-3", "3.50", "3.5", "x", "", "-.5", "10.25"};
  std::vector<std::string> lines;
  std::mt19937 random(20261210);
  for (int index = 0; index < 40; ++index) {
    std::string line;
    for (int field = 0; field < 4; ++field) {
      if (field > 0) line += ',';
      std::string value = values[random() % values.size()];
      // The decimal attribute holds decimals or nulls only, as loading makes sure.
      if (field == 2 && value != "\n" && value.find_first_of("x") != std::string::npos) value = "0";
      if (field == 2 && value.empty()) value = "1";
      line += value;
    }
    lines.push_back(line);
  }
  auto relation = makeRelation("R(a int, b string, c decimal, d string)", {});
  relation->readDecimalTypes();
  for (const std::string& line : lines) relation->appendNewRecord(line);
  int compared = 0;
  for (int round = 0; round < 600; ++round) {
    const std::string condition = randomCondition(random, static_cast<int>(random() % 4));
    std::string shown;
    try {
      shown = conditionValues(condition, *relation);
    } catch (const FatalError&) {
      continue;  // mismatched types, or a decimal compared with a text literal
    }
    EXPECT_EQ(shown.find("compiled"), std::string::npos) << condition << ": " << shown;
    ++compared;
  }
  EXPECT_GT(compared, 200);
}

TEST(CompiledCondition, UnknownIsNeitherTrueNorFalse) {
  auto relation = makeRelation("R(a int, b string)", {});
  relation->appendNewRecord("\n,x");
  for (const auto& [condition, kept] : std::vector<std::pair<std::string, std::string>>{
           {"EQ(a,1)", "F"}, {"NOT(EQ(a,1))", "F"}, {"OR(EQ(a,1),EQ(b,x))", "T"},
           {"AND(EQ(a,1),EQ(b,y))", "F"}, {"NOT(AND(EQ(a,1),EQ(b,y)))", "T"},
           {"NOT(OR(EQ(a,1),EQ(b,y)))", "F"}, {"EQ(b,b)", "T"}}) {
    EXPECT_EQ(conditionValues(condition, *relation), kept) << condition;
  }
}

// Only a field holds a null: a literal that reads like one is compared as
// written, by both evaluations.
TEST(CompiledCondition, ALiteralIsNeverNull) {
  auto relation = makeRelation("R(a int, b string)", {});
  for (const char* record : {"1,x", "\n,\n", "-5,y", "0,z"}) relation->appendNewRecord(record);
  // An "int" literal reads as a number, and a line break as 0.
  EXPECT_EQ(conditionValues("GT(a,\n)", *relation), "TFFF");
  EXPECT_EQ(conditionValues("EQ(a,\n)", *relation), "FFFT");
  EXPECT_EQ(conditionValues("NEQ(b,\n)", *relation), "TFTT");
}

TEST(CompiledCondition, ReadsFieldsAnywhereInTheRecord) {
  const auto relation = makeRelation("R(a string, b int, c string, d int)", {"x,1,y,2", "y,2,x,1", ",,,"});
  EXPECT_EQ(conditionValues("AND(EQ(c,y),GT(d,b))", *relation), "TFF");
  // Found from the end of the record: the last field, the last two, an empty one.
  EXPECT_EQ(conditionValues("EQ(d,2)", *relation), "TFF");
  EXPECT_EQ(conditionValues("AND(EQ(c,x),LT(d,2))", *relation), "FTF");
  EXPECT_EQ(conditionValues("GT(d,0)", *relation), "TTF");
  EXPECT_EQ(conditionValues("OR(EQ(d,0),LT(b,2))", *relation), "TFT");
  EXPECT_EQ(conditionValues("EQ(1,1)", *relation), "FFF");  // two literals stay false
  EXPECT_EQ(conditionValues("NOT(EQ(1,1))", *relation), "TTT");
}

// A node kind the compiled form does not know is left to the tree.
class FirstValueIsX : public LogicalOperator {
 public:
  ConditionKind getKind() const override { return ConditionKind::other; }
  void evaluate(const LogicalOperator* /*left*/, const LogicalOperator* /*right*/, const Record& record) override {
    result = record.getValue(1) == "x";
  }
};

TEST(CompiledCondition, LeavesUnknownNodesToTheTree) {
  const auto relation = makeRelation("R(a string, b int)", {"x,1", "y,2", "x,3"});
  ConditionTree tree(std::make_unique<DummyCondition>());
  tree.insertChild(std::make_unique<OrOperator>());
  tree.insertChild(std::make_unique<FirstValueIsX>());
  tree.setCurrent(tree.getRoot().left.get());
  parseCondition(tree, "EQ(b,3)");
  bindCondition(tree, relation->getAttributes());
  CompiledCondition compiled(tree);
  std::string values;
  for (RecordScanner scanner(*relation); scanner.next();) values += compiled.holdsFor(scanner.getCurrent()) ? 'T' : 'F';
  EXPECT_EQ(values, "TFT");
}

}  // namespace
}  // namespace qerix
