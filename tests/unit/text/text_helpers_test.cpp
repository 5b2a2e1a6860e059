#include "text/text_helpers.h"

#include <gtest/gtest.h>

#include <string>

namespace qerix {
namespace {

std::string trimmed(std::string_view text) {
  trim(text);
  return std::string(text);
}

TEST(Trim, RemovesBlanksOnlyAtBothEnds) {
  EXPECT_EQ(trimmed("  ab c  "), "ab c");
  EXPECT_EQ(trimmed("\tx \t"), "\tx \t");
  EXPECT_EQ(trimmed(" \r"), "\r");
  EXPECT_EQ(trimmed("x"), "x");
}

TEST(Trim, AllBlankTextBecomesEmptyWithinTheText) {
  const std::string_view original = "   ";
  std::string_view text = original;
  trim(text);
  EXPECT_TRUE(text.empty());
  EXPECT_EQ(text.data(), original.data());  // still a view of the given bytes
  std::string_view empty;
  trim(empty);
  EXPECT_TRUE(empty.empty());
  EXPECT_TRUE(isBlank("  ") && isBlank(""));
  EXPECT_FALSE(isBlank(" \t "));
}

TEST(TopLevelComma, SkipsCommasInsideParentheses) {
  EXPECT_EQ(findTopLevelComma("A,B"), 1U);
  EXPECT_EQ(findTopLevelComma("f(a,b),c"), 6U);
  EXPECT_EQ(findTopLevelComma("f(a,(b,c)),d"), 10U);
  EXPECT_EQ(findTopLevelComma(",x"), 0U);
  EXPECT_EQ(findTopLevelComma("f(a,b)"), std::string_view::npos);
  EXPECT_EQ(findTopLevelComma(""), std::string_view::npos);
}

TEST(TopLevelComma, UnmatchedClosingParenthesisHidesLaterCommas) {
  EXPECT_EQ(findTopLevelComma("a),b"), std::string_view::npos);
  EXPECT_EQ(findTopLevelComma("),(,x"), 3U);
  EXPECT_EQ(findTopLevelComma("((a,b"), std::string_view::npos);
}

TEST(KeywordForm, HeadBeforeFirstParenthesisInnerDropsTheLastByte) {
  const KeywordForm select = splitKeywordForm("select(R,EQ(x,y))");
  EXPECT_TRUE(select.hasParenthesis);
  EXPECT_EQ(select.head, "select");
  EXPECT_EQ(select.inner, "R,EQ(x,y)");

  const KeywordForm bare = splitKeywordForm("R");
  EXPECT_FALSE(bare.hasParenthesis);
  EXPECT_EQ(bare.head, "R");
  EXPECT_TRUE(bare.inner.empty());

  const KeywordForm trailing = splitKeywordForm("f(a)b");
  EXPECT_EQ(trailing.head, "f");
  EXPECT_EQ(trailing.inner, "a)");
  EXPECT_EQ(splitKeywordForm("union(R,S]").inner, "R,S");
}

TEST(KeywordForm, ParenthesisAsLastOrSecondToLastByteGivesEmptyInner) {
  for (const char* text : {"f(", "f()", "(", "()"}) {
    const KeywordForm form = splitKeywordForm(text);
    EXPECT_TRUE(form.hasParenthesis) << text;
    EXPECT_TRUE(form.inner.empty()) << text;
  }
  EXPECT_EQ(splitKeywordForm("(x)").head, "");
  EXPECT_EQ(splitKeywordForm("(x)").inner, "x");
}

}  // namespace
}  // namespace qerix
