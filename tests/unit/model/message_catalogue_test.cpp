#include "model/message_catalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace qerix {
namespace {

std::set<std::string> parametersOf(std::string_view text) {
  std::set<std::string> found;
  for (std::size_t index = 0; index + 2 < text.size(); ++index) {
    // {1} and {1|record|records} both use the first parameter.
    if (text[index] == '{' && (text[index + 2] == '}' || text[index + 2] == '|')) {
      found.insert("{" + std::string(1, text[index + 1]) + "}");
    }
  }
  return found;
}

// Every text exists in both languages, apart, with the same parameters, and
// the Hungarian one stays one plain-ASCII line as the programs always wrote.
TEST(MessageCatalogue, EveryTextHasBothLanguages) {
  for (int index = 0; index < static_cast<int>(Text::count); ++index) {
    const auto id = static_cast<Text>(index);
    const std::string_view hungarian = textOf(id, Language::hungarian);
    const std::string_view english = textOf(id, Language::english);
    SCOPED_TRACE(std::string(hungarian));
    EXPECT_FALSE(hungarian.empty());
    EXPECT_NE(hungarian, english);
    EXPECT_EQ(parametersOf(hungarian), parametersOf(english));
    for (const std::string_view text : {hungarian, english}) {
      for (const char byte : text) {
        EXPECT_TRUE(byte >= 0x20 && byte < 0x7F) << "not plain ASCII";
      }
    }
  }
}

TEST(MessageCatalogue, FillsParametersInTheCurrentLanguage) {
  EXPECT_EQ(currentLanguage(), Language::hungarian);
  EXPECT_EQ(textOf(Text::didYouMean, {"\"name\""}), "; erre gondolt: \"name\"?");
  setLanguage(Language::english);
  EXPECT_EQ(textOf(Text::didYouMean, {"\"name\""}), "; did you mean \"name\"?");
  EXPECT_EQ(textOf(Text::emptyResultMessage), "The result is still empty...");
  setLanguage(Language::hungarian);
  EXPECT_EQ(textOf(Text::emptyResultMessage), "Meg ures az eredmeny...");
}

// English counts agree with their word; Hungarian ones need not.
TEST(MessageCatalogue, CountsTakeTheWordThatAgrees) {
  setLanguage(Language::english);
  EXPECT_EQ(textOf(Text::stepRecords, {"(a int)", "1"}), "(a int): 1 record");
  EXPECT_EQ(textOf(Text::stepRecords, {"(a int)", "0"}), "(a int): 0 records");
  EXPECT_EQ(textOf(Text::verdictOtherRecords, {"1", "12"}), "1 record missing, 12 records too many");
  EXPECT_EQ(textOf(Text::stepMoreRecords, {"1"}), "... (1 more record)");
  setLanguage(Language::hungarian);
  EXPECT_EQ(textOf(Text::stepRecords, {"(a int)", "1"}), "(a int): 1 rekord");
}

TEST(MessageCatalogue, KnowsOnlyItsLanguageNames) {
  EXPECT_EQ(languageNamed("hu"), Language::hungarian);
  EXPECT_EQ(languageNamed("en"), Language::english);
  for (const std::string_view name : {"", "EN", "english", "de", "en "}) EXPECT_FALSE(languageNamed(name)) << name;
}

}  // namespace
}  // namespace qerix
