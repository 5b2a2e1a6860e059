#include "query/expression_parser.h"
#include "query/language_table.h"

#include <gtest/gtest.h>

#include <string>

#include "algebra/dummy_operator.h"
#include "model/fatal_error.h"
#include "support/builders.h"
#include "support/tree_dump.h"

namespace qerix {
namespace {

using test::dumpQuery;
using test::fatalMessageOf;

std::string repeated(std::string_view text, int count) {
  std::string result;
  for (int index = 0; index < count; ++index) result += text;
  return result;
}

// union(R,union(R,...R...)) with `levels` keyword forms.
std::string rightNestedUnion(int levels) { return repeated("union(R,", levels) + "R" + repeated(")", levels); }

std::string parseError(std::string_view query) {
  return fatalMessageOf([&] { dumpQuery(query); });
}

TEST(ExpressionParser, TableNamesAreTrimmedOfBlanksOnly) {
  EXPECT_EQ(dumpQuery("R"), "'R'");
  EXPECT_EQ(dumpQuery("  R  "), "'R'");
  EXPECT_EQ(dumpQuery("\tR "), "'\tR'");
  EXPECT_EQ(dumpQuery("a b"), "'a b'");
}

// Each keyword makes a node of its own: a keyword that reached the parser
// without a node class of its own would show here as another one.
TEST(ExpressionParser, EveryKeywordMakesItsOwnNode) {
  const RelationList none;
  for (const OperatorEntry& entry : operatorEntries()) {
    const std::string keyword(entry.keyword);
    const QueryLanguage language = entry.needsExtended ? QueryLanguage::extended : QueryLanguage::basic;
    AlgebraTree tree(std::make_unique<DummyOperator>());
    const std::string parameter = entry.form == OperatorForm::withRenamePairs    ? "a<-b"
                                  : entry.form == OperatorForm::withGroupingList ? "a,COUNT(*)"
                                                                                 : "EQ(a,b)";
    parseExpression(tree, keyword + "(R," + parameter + ")", none, language);
    ASSERT_NE(tree.getRoot().left, nullptr) << keyword;
    EXPECT_EQ(tree.getRoot().left->payload->getKeyword(), keyword);
    // Without -x an extended keyword is a relation name.
    AlgebraTree basic(std::make_unique<DummyOperator>());
    parseExpression(basic, keyword + "(R," + parameter + ")", none);
    EXPECT_EQ(basic.getRoot().left->payload->getKeyword(), entry.needsExtended ? "table" : keyword) << keyword;
  }
}

TEST(ExpressionParser, BinaryFormsTakeOperandsAtTheTopLevelComma) {
  EXPECT_EQ(dumpQuery("union(R,S)"), "Union('R','S')");
  EXPECT_EQ(dumpQuery("union( R , S )  "), "Union('R','S')");
  EXPECT_EQ(dumpQuery("minus(R,union(S,T))"), "Minus('R',Union('S','T'))");
  EXPECT_EQ(dumpQuery("union(product(R,S),T)"), "Union(Product('R','S'),'T')");
  EXPECT_EQ(dumpQuery("union(R,S]"), "Union('R','S')");
}

TEST(ExpressionParser, ParameterFormsPassTheRestOfTheArguments) {
  EXPECT_EQ(dumpQuery("select(R,EQ(x,y))"), "Select{DUMMY/   EQ: x, y}('R')");
  EXPECT_EQ(dumpQuery("project(R,x, y ,z)"), "Project[x|y |z]('R')");
  EXPECT_EQ(dumpQuery("project(R,)"), "Project[]('R')");
  EXPECT_EQ(dumpQuery("project(R,a, )"), "Project[a]('R')");
  EXPECT_EQ(dumpQuery("project(R,a,,b)"), "Project[a||b]('R')");
  EXPECT_EQ(dumpQuery("rename(R,N(p,q))"), "Rename[N(p,q)]('R')");
  EXPECT_EQ(dumpQuery("rename(R, S( x , y ))"), "Rename[S(x ,y)]('R')");
  EXPECT_EQ(dumpQuery("rename(R,x,y)"), "Rename[(x,y)]('R')");
}

TEST(ExpressionParser, NestedExamplesBuildTheirTrees) {
  EXPECT_EQ(dumpQuery("project(select(product(R,S),AND(EQ(x,y),GT(z,10))),x,z)"),
            "Project[x|z](Select{DUMMY/   AND/      EQ: x, y/      GT: z, 10}(Product('R','S')))");
  EXPECT_EQ(dumpQuery("rename(union(R, minus(R,S)), N(p,q))"), "Rename[N(p,q)](Union('R',Minus('R','S')))");
}

TEST(ExpressionParser, KeywordsAreExactLowerCaseWithTheirParenthesisAttached) {
  EXPECT_EQ(dumpQuery("Union(R,S)"), "'Union(R,S)'");
  EXPECT_EQ(dumpQuery("union (R,S)"), "'union (R,S)'");
  EXPECT_EQ(dumpQuery("SELECT(R,EQ(x,y))"), "'SELECT(R,EQ(x,y))'");
  EXPECT_EQ(dumpQuery("unions(R,S)"), "'unions(R,S)'");
}

TEST(ExpressionParser, RejectsMissingOrBlankQuery) {
  EXPECT_EQ(parseError(""), "Hianyzik a lekerdezes: az input file-ban nincs nem ures sor.");
  EXPECT_EQ(parseError("   "), "Ures a lekerdezes: \"   \"");
}

TEST(ExpressionParser, RejectsMalformedKeywordForms) {
  const std::string noParenthesis = "Hibas kifejezes, a kulcsszo utan hianyzik a zarojel: ";
  const std::string noComma = "Hibas kifejezes, hianyzik a vesszo az argumentumok kozul: ";
  const std::string emptyOperand = "Hibas kifejezes, ures operandus: ";
  EXPECT_EQ(parseError("union"), noParenthesis + "\"union\"");
  EXPECT_EQ(parseError("union(R,minus)"), noParenthesis + "\"minus\"");
  EXPECT_EQ(parseError("union(R)"), noComma + "\"union(R)\"");
  EXPECT_EQ(parseError("union(R,select(R))"), noComma + "\"select(R)\"");
  EXPECT_EQ(parseError("union()"), noComma + "\"union()\"");
  EXPECT_EQ(parseError("union("), noComma + "\"union(\"");
  EXPECT_EQ(parseError("product(\x01)"), noComma + "\"product(\\x01)\"");
  EXPECT_EQ(parseError("union(R,)"), emptyOperand + "\"union(R,)\"");
  EXPECT_EQ(parseError("  minus( ,S)  "), emptyOperand + "\"minus( ,S)\"");
  EXPECT_EQ(parseError("union(R,S"), emptyOperand + "\"union(R,S\"");
  EXPECT_EQ(parseError("project( ,a)"), emptyOperand + "\"project( ,a)\"");
}

TEST(ExpressionParser, RejectsBlankParameters) {
  EXPECT_EQ(parseError("select(R,)"), "Hibas feltetel, ures feltetel vagy argumentum: \"\"");
  EXPECT_EQ(parseError("select(R,  )"), "Hibas feltetel, ures feltetel vagy argumentum: \"  \"");
  EXPECT_EQ(parseError("project(R, )"), "Hibas projekcio, ures attributumnev: \" \"");
  EXPECT_EQ(parseError("rename(R,)"), "Hibas atnevezes, ures nev: \"\"");
  EXPECT_EQ(parseError("rename(R,S())"), "Hibas atnevezes, ures nev: \"S()\"");
  EXPECT_EQ(parseError("rename(R, S(x,))"), "Hibas atnevezes, ures nev: \" S(x,)\"");
  EXPECT_EQ(parseError("rename(R,S( ))"), "Hibas atnevezes, ures nev: \"S( )\"");
}

TEST(ExpressionParser, AcceptsAThousandLevelsAndRejectsTheNext) {
  EXPECT_EQ(parseError(rightNestedUnion(1000)), "(no fatal error)");
  const std::string leftNested = repeated("minus(", 1000) + "R" + repeated(",R)", 1000);
  EXPECT_EQ(parseError(leftNested), "(no fatal error)");

  const std::string tooDeep = "Tul melyen egymasba agyazott kifejezes (legfeljebb 1000 szint): ";
  EXPECT_EQ(parseError(rightNestedUnion(1001)), tooDeep + "\"union(R,R)\"");
  EXPECT_EQ(parseError("project(" + leftNested + ",a)"), tooDeep + "\"minus(R,R)\"");
}

TEST(ExpressionParser, LongQueriesFinish) {
  // Past the limit: the message quotes the first form too deep, cut.
  const std::string deep = rightNestedUnion(25000);
  ASSERT_GT(deep.size(), 200000U);
  EXPECT_EQ(parseError(deep),
            "Tul melyen egymasba agyazott kifejezes (legfeljebb 1000 szint): " + quotedText(rightNestedUnion(24000)));
  // Within the limit, with long names.
  const std::string name(200, 'n');
  const std::string wide = repeated("union(" + name + ",", 999) + name + repeated(")", 999);
  ASSERT_GT(wide.size(), 200000U);
  EXPECT_EQ(parseError(wide), "(no fatal error)");
}

}  // namespace
}  // namespace qerix
