#include "conditions/comparison_operator.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "conditions/comparison_operators.h"
#include "support/builders.h"

namespace qerix {
namespace {

using test::conditionValues;
using test::fatalMessageOf;
using test::makeRelation;

constexpr std::string_view typeMismatchMessage = "Nem azonos a ket attributum tipusa!";

TEST(Comparison, EachOperatorInIntAndTextMode) {
  // The values 10, 9 and 007: as "int" against 9 they are greater, equal and
  // less, against 7 greater, greater and equal; as text against "9" less,
  // equal and less, against "7" less, greater and less.
  const auto numbers = makeRelation("R(v int)", {"10", "9", "007"});
  const auto texts = makeRelation("R(v string)", {"10", "9", "007"});
  struct Case {
    std::string name;
    const char* intAgainst9;
    const char* textAgainst9;
    const char* intAgainst7;
    const char* textAgainst7;
  };
  const Case cases[] = {
      {"EQ", "FTF", "FTF", "FFT", "FFF"},  {"NEQ", "TFT", "TFT", "TTF", "TTT"}, {"LT", "FFT", "TFT", "FFF", "TFT"},
      {"LTE", "FTT", "TTT", "FFT", "TFT"}, {"GT", "TFF", "FFF", "TTF", "FTF"},  {"GTE", "TTF", "FTF", "TTT", "FTF"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(conditionValues(c.name + "(v,9)", *numbers), c.intAgainst9) << c.name;
    EXPECT_EQ(conditionValues(c.name + "(v,9)", *texts), c.textAgainst9) << c.name;
    EXPECT_EQ(conditionValues(c.name + "(v,7)", *numbers), c.intAgainst7) << c.name;
    EXPECT_EQ(conditionValues(c.name + "(v,7)", *texts), c.textAgainst7) << c.name;
  }
}

TEST(Comparison, ALiteralOnTheLeftKeepsTheWrittenDirection) {
  const auto relation = makeRelation("R(v int, t string)", {"99,Kis", "100,Kiss", "101,kiss"});
  EXPECT_EQ(conditionValues("GTE(100,v)", *relation), "TTF");
  EXPECT_EQ(conditionValues("LT(100,v)", *relation), "FFT");
  EXPECT_EQ(conditionValues("LT(t,Kiss)", *relation), "TFF");
  EXPECT_EQ(conditionValues("GT(Kiss,t)", *relation), "TFF");
}

TEST(Comparison, TwoLiteralsStayFalse) {
  const auto relation = makeRelation("R(v int)", {"1", "2"});
  EXPECT_EQ(conditionValues("EQ(1,1)", *relation), "FF");
  EXPECT_EQ(conditionValues("NEQ(1,2)", *relation), "FF");
  EXPECT_EQ(conditionValues("GTE(x,x)", *relation), "FF");
  EXPECT_EQ(conditionValues("EQ(V,1)", *relation), "FF");  // names match exactly
  EXPECT_EQ(conditionValues("NOT(EQ(1,1))", *relation), "TT");
}

TEST(Comparison, TwoAttributesOfTheSameType) {
  const auto numbers = makeRelation("R(a int, b int)", {"07,7", "8,9", "x,0"});
  EXPECT_EQ(conditionValues("EQ(a,b)", *numbers), "TFT");
  EXPECT_EQ(conditionValues("LT(a,b)", *numbers), "FTF");
  const auto texts = makeRelation("R(a t, b t)", {"07,7", "b,ab"});
  EXPECT_EQ(conditionValues("LT(a,b)", *texts), "TF");
  EXPECT_EQ(conditionValues("EQ(a,a)", *texts), "TT");
}

TEST(Comparison, AttributesOfDifferentTypesAreFatalWhenBound) {
  const auto relation = makeRelation("R(a int, b string, c int , d INT)", {"1,1,1,1"});
  for (const char* condition : {"EQ(a,b)", "LT(b,a)", "EQ(a,c)", "NEQ(a,d)", "OR(EQ(a,1),GT(c,a))"}) {
    EXPECT_EQ(fatalMessageOf([&] { conditionValues(condition, *relation); }), typeMismatchMessage) << condition;
  }
  // The blank-ended type is text when compared with a literal: "1" < "10".
  EXPECT_EQ(conditionValues("LT(c,10)", *relation), "T");
  EXPECT_EQ(conditionValues("GT(c,9)", *relation), "F");
}

TEST(Comparison, PrintsItsNameAndOperands) {
  EqOperator equal;
  equal.addOperand("kor");
  equal.addOperand("30");
  GteOperator onlyFirst;
  onlyFirst.addOperand("a");
  const LtOperator none;
  std::ostringstream out;
  equal.print(out);
  onlyFirst.print(out);
  none.print(out);
  EXPECT_EQ(out.str(), "EQ: kor, 30\nGTE: a, \nLT\n");
  EXPECT_FALSE(equal.getResult());
}

}  // namespace
}  // namespace qerix
