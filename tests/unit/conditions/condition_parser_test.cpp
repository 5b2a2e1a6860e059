#include "conditions/condition_parser.h"

#include <gtest/gtest.h>

#include <string>

#include "support/builders.h"
#include "support/tree_dump.h"

namespace qerix {
namespace {

using test::dumpCondition;
using test::fatalMessageOf;

std::string parseError(std::string_view condition) {
  return fatalMessageOf([&] { dumpCondition(condition); });
}

std::string repeated(std::string_view text, int count) {
  std::string result;
  for (int index = 0; index < count; ++index) result += text;
  return result;
}

TEST(ConditionParser, CallsBecomeNodesUnderTheDummyRoot) {
  EXPECT_EQ(dumpCondition(" AND(EQ(varos,Pecs), GT(kor,30)) "), "DUMMY(AND(EQ[varos|Pecs],GT[kor|30]))");
  EXPECT_EQ(dumpCondition("OR(AND(EQ(a,1),EQ(b,2)),NEQ(c,3))"), "DUMMY(OR(AND(EQ[a|1],EQ[b|2]),NEQ[c|3]))");
  EXPECT_EQ(dumpCondition("AND(LT(a,1),OR(LTE(b,2),AND(GTE(c,3),NOT(EQ(d,4)))))"),
            "DUMMY(AND(LT[a|1],OR(LTE[b|2],AND(GTE[c|3],NOT(EQ[d|4])))))");
}

TEST(ConditionParser, OperandsKeepInnerBlanksCommasAndParentheses) {
  EXPECT_EQ(dumpCondition("EQ( nev , Kiss Bela )"), "DUMMY(EQ[nev|Kiss Bela])");
  EXPECT_EQ(dumpCondition("EQ(a,b,c)"), "DUMMY(EQ[a|b,c])");
  EXPECT_EQ(dumpCondition("EQ(f(x,y),z)"), "DUMMY(EQ[f(x,y)|z])");
  EXPECT_EQ(dumpCondition("EQ(a,b)x"), "DUMMY(EQ[a|b)])");
  EXPECT_EQ(dumpCondition("EQ(\ta,b\t)"), "DUMMY(EQ[\ta|b\t])");
}

TEST(ConditionParser, LowerCaseKeywordsAndSpacedCallsAreOperands) {
  EXPECT_EQ(dumpCondition("EQ(and,not(x))"), "DUMMY(EQ[and|not(x)])");
  EXPECT_EQ(dumpCondition("NEQ(EQ (a,b),DUMMY(c))"), "DUMMY(NEQ[EQ (a,b)|DUMMY(c)])");
}

TEST(ConditionParser, NotTakesOneConditionOrTwoArguments) {
  EXPECT_EQ(dumpCondition("NOT(EQ(a,1))"), "DUMMY(NOT(EQ[a|1]))");
  EXPECT_EQ(dumpCondition("NOT(EQ(a,1),x)"), "DUMMY(NOT[x|](EQ[a|1]))");
  EXPECT_EQ(dumpCondition("NOT(EQ(a,1),EQ(b,2))"), "DUMMY(NOT(EQ[a|1],EQ[b|2]))");
  // A call after an operand takes the free left place.
  EXPECT_EQ(dumpCondition("NOT(x,EQ(a,1))"), "DUMMY(NOT[x|](EQ[a|1]))");
}

TEST(ConditionParser, RejectsEmptyConditionsAndArguments) {
  const std::string empty = "Hibas feltetel, ures feltetel vagy argumentum: ";
  EXPECT_EQ(parseError(""), empty + "\"\"");
  EXPECT_EQ(parseError("   "), empty + "\"   \"");
  EXPECT_EQ(parseError("EQ(a,)"), empty + "\"EQ(a,)\"");
  EXPECT_EQ(parseError("EQ( ,b)"), empty + "\"EQ( ,b)\"");
  EXPECT_EQ(parseError("EQ(a,b"), empty + "\"EQ(a,b\"");
  EXPECT_EQ(parseError("NOT()"), empty + "\"NOT()\"");
  EXPECT_EQ(parseError("AND(EQ(a,1), )"), empty + "\"AND(EQ(a,1), )\"");
}

TEST(ConditionParser, RejectsCallsWithoutCommaOrParenthesis) {
  const std::string noComma = "Hibas feltetel, hianyzik a vesszo az argumentumok kozul: ";
  const std::string noParenthesis = "Hibas feltetel, a kulcsszo utan hianyzik a zarojel: ";
  EXPECT_EQ(parseError("EQ(a)"), noComma + "\"EQ(a)\"");
  EXPECT_EQ(parseError("EQ()"), noComma + "\"EQ()\"");
  EXPECT_EQ(parseError("AND(EQ(a,1),OR(EQ(b,2)))"), noComma + "\"OR(EQ(b,2))\"");
  EXPECT_EQ(parseError("EQ"), noParenthesis + "\"EQ\"");
  EXPECT_EQ(parseError("AND(NOT,EQ(a,1))"), noParenthesis + "\"NOT\"");
}

TEST(ConditionParser, RejectsLogicalNodesWithoutTheirConditions) {
  const std::string missing = "Hibas feltetel, hianyzik a reszfeltetel: ";
  EXPECT_EQ(parseError("x"), missing + "\"x\"");
  EXPECT_EQ(parseError(" and(EQ(a,1),EQ(b,2)) "), missing + "\"and(EQ(a,1),EQ(b,2))\"");
  EXPECT_EQ(parseError("AND(EQ(a,1),x)"), missing + "\"AND(EQ(a,1),x)\"");
  EXPECT_EQ(parseError("OR(a,b)"), missing + "\"OR(a,b)\"");
  EXPECT_EQ(parseError("NOT(x)"), missing + "\"NOT(x)\"");
  EXPECT_EQ(parseError("NOT(x,y)"), missing + "\"NOT(x,y)\"");
  EXPECT_EQ(parseError("AND(EQ(a,1),eq(b,2))"), missing + "\"AND(EQ(a,1),eq(b,2))\"");
}

TEST(ConditionParser, AcceptsAThousandLevelsAndRejectsTheNext) {
  EXPECT_EQ(parseError(repeated("NOT(", 999) + "EQ(a,1)" + repeated(")", 999)), "(no fatal error)");
  const std::string leftNested = repeated("AND(", 999) + "EQ(a,1)" + repeated(",EQ(b,2))", 999);
  EXPECT_EQ(parseError(leftNested), "(no fatal error)");

  const std::string tooDeep = "Tul melyen egymasba agyazott feltetel (legfeljebb 1000 szint): ";
  EXPECT_EQ(parseError(repeated("NOT(", 1000) + "EQ(a,1)" + repeated(")", 1000)), tooDeep + "\"EQ(a,1)\"");
  EXPECT_EQ(parseError("OR(EQ(c,3)," + leftNested + ")"), tooDeep + "\"EQ(a,1)\"");
}

}  // namespace
}  // namespace qerix
