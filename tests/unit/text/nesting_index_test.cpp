#include "text/nesting_index.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "text/text_helpers.h"

namespace qerix {
namespace {

// How the query's warnings found the ")" closing a form's "(" before the
// index: by reading from it.
std::size_t closingByReading(std::string_view text, std::size_t open) {
  long depth = 0;
  for (std::size_t position = open; position < text.size(); ++position) {
    if (text[position] == '(') ++depth;
    if (text[position] == ')' && --depth == 0) return position;
  }
  return std::string_view::npos;
}

std::string randomText(std::mt19937& random, std::size_t length) {
  static constexpr std::string_view alphabet = "(),a ";
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
  std::string text;
  for (std::size_t index = 0; index < length; ++index) text += alphabet[pick(random)];
  return text;
}

// Every part of random texts, with an index as deep as the parsers use, one
// so shallow that most depths are read byte by byte, and none at all.
TEST(NestingIndex, FindsWhatReadingEveryByteFinds) {
  std::mt19937 random(20260417);
  std::uniform_int_distribution<std::size_t> lengths(0, 140);
  for (int round = 0; round < 150; ++round) {
    const std::string text = randomText(random, lengths(random));
    for (const int deepest : {maxNestingDepth + 1, 2, 0}) {
      const NestingIndex commas(text, ',', deepest);
      const NestingIndex closings(text, ')', deepest);
      for (std::size_t start = 0; start <= text.size(); start += 1 + start % 3) {
        for (std::size_t end = start; end <= text.size(); end += 1 + end % 5) {
          const std::string_view part = std::string_view(text).substr(start, end - start);
          ASSERT_EQ(findTopLevelComma(commas, part), findTopLevelComma(part)) << '"' << part << '"';
          for (int tries = 0; tries < 3; ++tries) {
            const std::size_t open = std::uniform_int_distribution<std::size_t>(0, part.size())(random);
            ASSERT_EQ(findClosingParenthesis(closings, part, open), closingByReading(part, open))
                << '"' << part << "\" from " << open;
          }
        }
      }
    }
  }
}

TEST(NestingIndex, ReadsPartsOfOtherTexts) {
  const std::string text = "f(a,b),c";
  const NestingIndex commas(text, ',');
  const std::string copy = text;
  EXPECT_EQ(findTopLevelComma(commas, copy), 6U);
  EXPECT_EQ(findTopLevelComma(commas, std::string_view(copy).substr(2)), 1U);
  EXPECT_EQ(findTopLevelComma(commas, std::string_view()), std::string_view::npos);
}

// Below and beyond the indexed depths: a ")" without its "(", and nesting
// deeper than the parsers go.
TEST(NestingIndex, AnswersAtEveryDepth) {
  std::string text = "),x,";
  for (int level = 0; level < 3000; ++level) text += "f(";
  text += "a,b";
  for (int level = 0; level < 3000; ++level) text += ",c)";
  const NestingIndex commas(text, ',');
  const NestingIndex closings(text, ')');
  for (std::size_t start = 0; start < text.size(); start += 97) {
    const std::string_view part = std::string_view(text).substr(start);
    ASSERT_EQ(findTopLevelComma(commas, part), findTopLevelComma(part)) << start;
    ASSERT_EQ(findClosingParenthesis(closings, part, 0), closingByReading(part, 0)) << start;
  }
}

}  // namespace
}  // namespace qerix
