#include "query/textbook_parser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "algebra/dummy_operator.h"
#include "query/expression_parser.h"
#include "query/language_table.h"
#include "support/builders.h"
#include "support/tree_dump.h"

namespace qerix {
namespace {

using test::fatalMessageOf;

// Every spelling of an alternatives list.
std::vector<std::string> spellingsOf(std::string_view alternatives) {
  std::vector<std::string> spellings;
  while (!alternatives.empty()) {
    const std::string_view spelling = firstSpelling(alternatives);
    spellings.emplace_back(spelling);
    alternatives.remove_prefix(std::min(alternatives.size(), spelling.size() + 1));
  }
  return spellings;
}

std::string dumpExtended(std::string_view query) {
  const RelationList none;
  AlgebraTree tree(std::make_unique<DummyOperator>());
  parseExpression(tree, query, none, QueryLanguage::extended);
  return test::dumpTree(*tree.getRoot().left);
}

// Each operator of the table, in every spelling, builds the tree its prefix
// form builds.
TEST(TextbookNotation, EveryOperatorSpellingMeansItsPrefixForm) {
  for (const OperatorEntry& entry : operatorEntries()) {
    const std::string keyword(entry.keyword);
    std::vector<std::string> spellings = spellingsOf(entry.symbols);
    for (const std::string& word : spellingsOf(entry.words)) spellings.push_back(word);
    for (const std::string& command : spellingsOf(entry.latex)) spellings.push_back(command);
    for (const std::string& spelling : spellings) {
      std::string textbook;
      std::string prefix;
      switch (entry.form) {
        case OperatorForm::withCondition:
          textbook = spelling + "_{a = 'x'}(R)";
          prefix = keyword + "(R,EQ(a,x))";
          break;
        case OperatorForm::withAttributeList:
          textbook = spelling + "_{a,b}(R)";
          prefix = keyword + "(R,a,b)";
          break;
        case OperatorForm::withRenameList:
          textbook = spelling + "_{N(a,b)}(R)";
          prefix = keyword + "(R,N(a,b))";
          break;
        case OperatorForm::withRelationName:
          textbook = spelling + "_{N}(R)";
          prefix = keyword + "(R,N)";
          break;
        case OperatorForm::withRenamePairs:
          textbook = spelling + "_{a←b, c<-d, e \\leftarrow f}(R)";
          prefix = keyword + "(R,a<-b,c<-d,e<-f)";
          break;
        case OperatorForm::withGroupingList:
          textbook = spelling + "_{a, COUNT(*)→n, SUM(b) -> s, m \\leftarrow MAX(c), AVG(d)}(R)";
          prefix = keyword + "(R,a,COUNT(*)->n,SUM(b)->s,MAX(c)->m,AVG(d))";
          break;
        case OperatorForm::binary:
          textbook = "R " + spelling + " S";
          prefix = keyword + "(R,S)";
          break;
        case OperatorForm::binaryOrCondition:
          textbook = "R " + spelling + "_{a < 3} S";
          prefix = keyword + "(R,S,LT(a,3))";
          EXPECT_EQ(translateTextbook("R " + spelling + " S"), keyword + "(R,S)") << spelling;
          break;
        case OperatorForm::unary:
          // "distinct(R)" is the prefix form itself; a blank keeps it textbook.
          textbook = spelling + " R";
          prefix = keyword + "(R)";
          break;
        case OperatorForm::withSortList:
          textbook = spelling + "_{a DESC, R.b, c asc}(R)";
          prefix = keyword + "(R,a DESC,R.b,c asc)";
          break;
      }
      ASSERT_TRUE(isTextbookQuery(textbook)) << textbook;
      EXPECT_EQ(translateTextbook(textbook), prefix) << spelling;
      EXPECT_EQ(dumpExtended(textbook), dumpExtended(prefix)) << spelling;
    }
  }
}

TEST(TextbookNotation, EveryConditionSpellingMeansItsPrefixForm) {
  for (const ConditionEntry& entry : conditionEntries()) {
    const std::string keyword(entry.keyword);
    std::vector<std::string> spellings = spellingsOf(entry.symbols);
    for (const std::string& word : spellingsOf(entry.words)) spellings.push_back(word);
    for (const std::string& command : spellingsOf(entry.latex)) spellings.push_back(command);
    for (const std::string& spelling : spellings) {
      std::string condition;
      std::string prefix;
      switch (entry.form) {
        case ConditionForm::comparison:
          condition = "a " + spelling + " 'x'";
          prefix = keyword + "(a,x)";
          break;
        case ConditionForm::negation:
          condition = spelling + " a = b";
          prefix = keyword + "(EQ(a,b))";
          break;
        case ConditionForm::both:
        case ConditionForm::either:
          condition = "a = b " + spelling + " c = 1";
          prefix = keyword + "(EQ(a,b),EQ(c,1))";
          break;
      }
      EXPECT_EQ(translateTextbook("σ_{" + condition + "}(R)"), "select(R," + prefix + ")") << spelling;
    }
  }
}

TEST(TextbookNotation, ArgumentBeforeOperandEqualsSubscript) {
  const std::string expected = "project(select(Emp,AND(GT(age,30),EQ(dept,Sales))),name)";
  EXPECT_EQ(translateTextbook("π_{name}(σ_{age>30 ∧ dept='Sales'}(Emp))"), expected);
  EXPECT_EQ(translateTextbook("π name (σ age > 30 and dept = 'Sales' (Emp))"), expected);
  EXPECT_EQ(translateTextbook("\\pi_{name}(\\sigma_{age > 30 \\land dept = 'Sales'}(Emp))"), expected);
  EXPECT_EQ(translateTextbook("pi name sigma age > 30 and dept = 'Sales' Emp"), expected);
}

TEST(TextbookNotation, PrecedenceAndAssociativity) {
  EXPECT_EQ(translateTextbook("R ∪ S − T"), "minus(union(R,S),T)");
  EXPECT_EQ(translateTextbook("R − S ∪ T"), "union(minus(R,S),T)");
  EXPECT_EQ(translateTextbook("R ∪ S ∩ T"), "union(R,intersect(S,T))");
  EXPECT_EQ(translateTextbook("R ∩ S × T"), "intersect(R,product(S,T))");
  EXPECT_EQ(translateTextbook("R ⋈ S ÷ T × U"), "product(divide(join(R,S),T),U)");
  EXPECT_EQ(translateTextbook("R ∪ (S − T)"), "union(R,minus(S,T))");
  EXPECT_EQ(translateTextbook("σ_{a=1}(R) × S"), "product(select(R,EQ(a,1)),S)");
  EXPECT_EQ(translateTextbook("σ_{a=1 ∨ b=2 ∧ c=3}(R)"), "select(R,OR(EQ(a,1),AND(EQ(b,2),EQ(c,3))))");
  EXPECT_EQ(translateTextbook("σ_{(a=1 ∨ b=2) ∧ ¬ c=3}(R)"), "select(R,AND(OR(EQ(a,1),EQ(b,2)),NOT(EQ(c,3))))");
  EXPECT_EQ(translateTextbook("σ_{a > -3.5}(R)"), "select(R,GT(a,-3.5))");
}

TEST(TextbookNotation, ErrorsNameLineColumnAndWhatWasExpected) {
  EXPECT_EQ(fatalMessageOf([] { translateTextbook("Emp jion Dept"); }),
            "Hibas kifejezes (1. sor 5. oszlop): muvelet vagy a lekerdezes vege kell itt, nem \"jion\"; erre gondolt: "
            "\"join\"?");
  EXPECT_EQ(fatalMessageOf([] { translateTextbook("σ_{a = 1}(R"); }),
            "Hibas kifejezes (1. sor 12. oszlop): \")\" kell itt, de veget ert a lekerdezes.");
  EXPECT_EQ(fatalMessageOf([] { translateTextbook("σ_{a = ' x'}(R)"); }),
            "Hibas feltetel (1. sor 8. oszlop): a szoveg nem lehet ures vagy feltetel kulcsszava, es nem tartalmazhat "
            "vesszot, zarojelet, sem a szelein szokozt: \" x\"");
  EXPECT_EQ(fatalMessageOf([] { translateTextbook("σ_{a = ''}(R)"); }).substr(0, 35),
            "Hibas feltetel (1. sor 8. oszlop): ");
  EXPECT_EQ(fatalMessageOf([] { translateTextbook("ρ_{(a)}(R)"); }),
            "Hibas kifejezes (1. sor 4. oszlop): uj relacionev (D), vele zarojelben az uj attributumnevek (D(a,b)) vagy "
            "uj<-regi nevparok kell itt, nem \"(\"");
  EXPECT_EQ(fatalMessageOf([] { translateTextbook("ρ_{a <- b, c}(R)"); }),
            "Hibas kifejezes (1. sor 13. oszlop): \"<-\" az uj es a regi attributumnev kozott kell itt, nem \"}\"");
}

// Names the prefix notation would read as keywords have no textbook form.
TEST(TextbookNotation, RefusesWhatThePrefixFormWouldReadAsKeywords) {
  EXPECT_EQ(fatalMessageOf([] { translateTextbook("σ_{a = 1}(select)"); }),
            "Hibas kifejezes (1. sor 11. oszlop): relacionev vagy \"(\" kell itt, nem \"select\"");
  EXPECT_NE(fatalMessageOf([] { translateTextbook("σ_{a = AND}(R)"); }), "");
  EXPECT_NE(fatalMessageOf([] { translateTextbook("σ_{a = 'EQ'}(R)"); }), "");
}

// A grouping list the tokens let through but the prefix list refuses is
// refused here already, with the prefix list's message.
TEST(TextbookNotation, RefusesTheGroupingListsThePrefixFormRefuses) {
  for (const std::string_view query :
       {"γ_{d, COUNT(DISTINTC c)}(R)", "γ_{d, MEDIAN(c)}(R)", "γ_{d, SUM(*)}(R)", "γ_{d, AVG(DISTINCT c)}(R)"}) {
    const std::string message = fatalMessageOf([&] { translateTextbook(query); });
    EXPECT_EQ(message.substr(0, 19), "Hibas csoportositas") << query << ": " << message;
  }
  EXPECT_EQ(translateTextbook("γ_{d, count(distinct c)→n}(R)"), "group(R,d,count(distinct c)->n)");
}

TEST(TextbookNotation, NestingIsLimitedWithoutDeepRecursion) {
  std::string deep;
  for (int level = 0; level < 1000; ++level) deep += "σ_{a=1}(";
  deep += "R";
  deep += std::string(1000, ')');
  EXPECT_EQ(translateTextbook(deep).substr(0, 7), "select(");
  std::string chain = "R";
  for (int count = 0; count < 1001; ++count) chain += " ∪ R";
  EXPECT_EQ(fatalMessageOf([&] { translateTextbook(chain); }).substr(0, 62),
            "Tul melyen egymasba agyazott kifejezes (legfeljebb 1000 szint)");
  const std::string parentheses = std::string(100000, '(') + "R" + std::string(100000, ')');
  EXPECT_NE(fatalMessageOf([&] { translateTextbook(parentheses); }).find("legfeljebb 1000 szint"), std::string::npos);
}

// Prefix queries never read as textbook ones: every keyword form, and texts
// that the prefix notation reads as relation names.
TEST(TextbookNotation, PrefixQueriesStayPrefix) {
  for (const std::string query :
       {"select(Emp,EQ(name,Ágnes))", "join (R,S)", "Intersect(R,S)", "semijoin", "R", "select(R,EQ(a,'x'))",
        "union(R,S)", "(R)"}) {
    EXPECT_FALSE(isTextbookQuery(query)) << query;
  }
  for (const std::string query : {"R ∪ S", "R join S", "R - S", "pi a R", "R jion S", "\\sigma_{a=1} R", "T <- R"}) {
    EXPECT_TRUE(isTextbookQuery(query)) << query;
  }
}

}  // namespace
}  // namespace qerix
