#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "inspect/failure_explanation.h"
#include "inspect/keyword_suggestions.h"
#include "inspect/query_warnings.h"
#include "query/language_table.h"
#include "support/builders.h"

namespace qerix {
namespace {

using test::makeRelation;
using test::relationList;

TEST(KeywordSuggestions, BorrowedWordsPointAtTheTablesKeyword) {
  const std::vector<std::pair<std::string_view, std::string_view>> expected = {
      {"difference", "minus"}, {"except", "minus"},      {"cross", "product"},     {"natjoin", "join"},
      {"Intersection", "intersect"}, {"sigma", "select"}, {"pi", "project"},        {"division", "divide"},
      {"bowtie", "join"},     {"projct", "project"},     {"intersct", "intersect"}};
  for (const auto& [word, keyword] : expected) {
    const KeywordSuggestion suggestion = suggestKeyword(word);
    EXPECT_EQ(suggestion.keyword, keyword) << word;
    ASSERT_NE(findOperatorKeyword(suggestion.keyword, true), nullptr) << word;
    EXPECT_EQ(suggestion.needsExtended, findOperatorKeyword(suggestion.keyword, true)->needsExtended) << word;
  }
}

TEST(KeywordSuggestions, NamesAndFarWordsGetNone) {
  // Relation names, short words one edit from a keyword, and words two edits away are no slips.
  for (const std::string_view word : {"SP", "Emp", "Dept", "jon", "Sailors", "selections", "R.a", "", "min us"}) {
    EXPECT_TRUE(suggestKeyword(word).keyword.empty()) << word;
  }
}

TEST(KeywordSuggestions, AWordInOperatorPositionIsNotOfferedARelation) {
  const RelationList relations = relationList(makeRelation("SP(sno int, pno int)", {}), makeRelation("S(sno int)", {}));
  const auto warnings = findQueryWarnings("difference(SP,SP)", relations, QueryLanguage::basic);
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_EQ(warnings[0],
            "Figyelmeztetes: a \"difference\" nem kulcsszo, ezert relacionevnek olvasta: \"difference(SP,SP)\"; erre "
            "gondolt: \"minus\"?");
  const auto joins = findQueryWarnings("natjoin(SP,S)", relations, QueryLanguage::basic);
  ASSERT_EQ(joins.size(), 1u);
  EXPECT_NE(joins[0].find("erre gondolt: \"join\" (a -x kapcsoloval)?"), std::string::npos) << joins[0];
  // A name far from every relation gets no "did you mean".
  const auto far = findQueryWarnings("Suppliers", relations, QueryLanguage::basic);
  ASSERT_EQ(far.size(), 1u);
  EXPECT_EQ(far[0].find("erre gondolt"), std::string::npos) << far[0];
}

TEST(CommentLines, AQueryLineLikeACommentGetsOneWarning) {
  const RelationList relations = relationList(makeRelation("R(a int)", {}));
  for (const std::string_view line : {"-- all of R", "# R", "// R", "% R"}) {
    for (const QueryLanguage language : {QueryLanguage::basic, QueryLanguage::extended}) {
      const auto warnings = findQueryWarnings(line, relations, language);
      ASSERT_EQ(warnings.size(), 1u) << line;
      EXPECT_NE(warnings[0].find("megjegyzesnek latszik"), std::string::npos) << warnings[0];
    }
  }
}

LoadedInput inputOf(std::string query) {
  LoadedInput input;
  input.query = std::move(query);
  input.relations = relationList(makeRelation("R(a int, b string)", {"1,x"}), makeRelation("S(a int)", {"1"}));
  return input;
}

TEST(FailureExplanations, OnlyTheFaultsTheyKnowAndWhereTheTextSaysIt) {
  const std::string getValue = "Record::getValue (int fieldno ): nagy fieldno!";
  EXPECT_EQ(explainFailure(inputOf("project(R,bb)"), getValue),
            "Hibas projekcio a \"project(R,bb)\" muveletben: az operandusnak nincs \"bb\" attributuma, csak ezek: a, b; "
            "erre gondolt: \"b\"?");
  // A name that is nothing like one of the operand's gets the list without a guess.
  EXPECT_EQ(explainFailure(inputOf("project(R,color)"), getValue).find("erre gondolt"), std::string::npos);
  // Another fault of the same query is not what ended the run.
  EXPECT_EQ(explainFailure(inputOf("project(R,c)"), "Nem azonos a ket attributum tipusa!"), "");
  // The parentheses: the "(" that stays open counts from 1, the surplus ")" likewise.
  EXPECT_NE(explainFailure(inputOf("union(R,project(S,a)"), "x").find("a 6. karakternel nyitott"), std::string::npos);
  EXPECT_NE(explainFailure(inputOf("project(R,a))"), "x").find("a 13. karakternel allo \")\""), std::string::npos);
  // Counted in characters: "é" is two bytes but one character.
  EXPECT_NE(explainFailure(inputOf("project(R,é))"), "x").find("a 13. karakternel allo \")\""), std::string::npos);
  // A program's statements are not one form each: the message names no form, but still the attribute.
  const std::string program = explainFailure(inputOf("T <- project(R,c);\nT"), getValue);
  EXPECT_EQ(program.find("muveletben"), std::string::npos) << program;
  EXPECT_NE(program.find("nincs \"c\" attributuma"), std::string::npos) << program;
}

}  // namespace
}  // namespace qerix
