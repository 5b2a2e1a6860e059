#include "driver/relation_loader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "support/builders.h"

namespace qerix {
namespace {

using test::fatalMessageOf;

std::string headerError(std::string_view line) {
  return fatalMessageOf([&] {
    Relation relation;
    readHeader(line, relation);
  });
}

std::string recordOf(std::string_view line, int attributeCount) {
  std::string scratch;
  const auto text = recordText(line, attributeCount, scratch);
  return text ? std::string(*text) : "(too many values)";
}

TEST(HeaderLine, EmptyAttributeListsAreFatal) {
  const std::string empty = "Hibas relacio fejlec, ures az attributumlista: ";
  const std::string missing = "Hibas relacio fejlec, vesszo utan hianyzik az attributum: ";
  EXPECT_EQ(headerError("R()"), empty + "\"R()\"");
  EXPECT_EQ(headerError("R(   )"), empty + "\"R(   )\"");
  EXPECT_EQ(headerError("R("), empty + "\"R(\"");
  EXPECT_EQ(headerError("R"), empty + "\"R\"");
  EXPECT_EQ(headerError("R(a int,)"), missing + "\"R(a int,)\"");
  EXPECT_EQ(headerError("R(a int, b int,  )"), missing + "\"R(a int, b int,  )\"");
}

TEST(RecordLine, TrailingCommaEndsTheLastValueAndMissingValuesAreEmpty) {
  EXPECT_EQ(recordOf("1,2", 2), "1,2");
  EXPECT_EQ(recordOf("1,2,", 2), "1,2");
  EXPECT_EQ(recordOf("1,,3", 3), "1,,3");
  EXPECT_EQ(recordOf("x", 3), "x,,");
  EXPECT_EQ(recordOf(",", 1), "");
  EXPECT_EQ(recordOf(",", 3), ",,");
  EXPECT_EQ(recordOf(" , ", 2), " , ");
  EXPECT_EQ(recordOf("1,2,,", 2), "(too many values)");
  EXPECT_EQ(recordOf("1,2,3", 2), "(too many values)");
}

TEST(LoadInput, RelationsOfAFileInOrder) {
  const test::TempFolder folder;
  const auto loaded = test::loadFile(folder.write(
      "input.txt",
      "\r\n\nquery text\r\n\n\nR(a int, b s, c t)\r\nx\r\n1,,3,\n   \nS(k s)\n\n\nE(e s)\nT(z s)\n\nU(u s)"));
  EXPECT_EQ(loaded.query, "query text");
  EXPECT_EQ(loaded.echo,
            "\n\nquery text\n\n\nR(a int, b s, c t)\nx\n1,,3,\n   \nS(k s)\n\n\nE(e s)\nT(z s)\n\nU(u s)\n");
  ASSERT_EQ(loaded.relations.size(), 3U);
  // A blank line is a record, and so is a header with no empty line before it.
  EXPECT_EQ(test::recordsOf(*loaded.relations[0]), "x,,\n1,,3\n   ,,\nS(k s),,\n");
  EXPECT_EQ(test::recordsOf(*loaded.relations[1]), "T(z s)\n");
  EXPECT_EQ(loaded.relations[1]->getName(), "E");
  EXPECT_EQ(loaded.relations[2]->getRecordCount(), 0U);
  // Records left in the file read the same every time.
  EXPECT_EQ(test::recordsOf(*loaded.relations[0]), "x,,\n1,,3\n   ,,\nS(k s),,\n");
}

// The form given the line's comma count, as the line splitter counts it,
// must agree with the one that counts them itself.
TEST(RecordLine, GivenCommaCountAgreesWithCountingThem) {
  const std::vector<std::string_view> lines = {"",    ",",     ",,",    "a",      "a,",    "a,b",     "a,b,",
                                               ",b,", "a,,b,", "\x80,", "-,-,-,", " , , ", "1,2,3,4", "1,2,3,4,"};
  for (const std::string_view line : lines) {
    for (int attributeCount = 1; attributeCount <= 5; ++attributeCount) {
      std::string counted;
      std::string given;
      const auto expected = recordText(line, attributeCount, counted);
      const auto commas = static_cast<std::size_t>(std::count(line.begin(), line.end(), ','));
      const auto actual = recordText(line, commas, attributeCount, given);
      ASSERT_EQ(actual.has_value(), expected.has_value()) << '"' << line << "\" " << attributeCount;
      if (expected) {
        EXPECT_EQ(*actual, *expected) << '"' << line << "\" " << attributeCount;
      }
    }
  }
  std::string scratch;
  EXPECT_EQ(recordText("a,b,", 2, 3, scratch), std::optional<std::string_view>("a,b,"));
  EXPECT_EQ(recordText(",", 1, 1, scratch), std::optional<std::string_view>(""));
  EXPECT_EQ(recordText("a,b,", 2, 2, scratch), std::optional<std::string_view>("a,b"));
  EXPECT_EQ(recordText("a,b,c", 2, 2, scratch), std::nullopt);
}

// Records with padding, trailing commas and values cut by the read blocks,
// read back from the file (where the splitter counts their commas) and from
// memory, are the texts the line-by-line form gives.
TEST(LoadInput, RecordsPastTheFirstReadBlockInFileAndInMemory) {
  std::mt19937 random(41);
  std::string input = "q\n\nR(a s, b s, c s, d s)\n";
  std::string expected;
  std::string scratch;
  for (int count = 0; count < 40000; ++count) {
    std::string line;
    const int values = 1 + static_cast<int>(random() % 4);
    for (int value = 0; value < values; ++value) {
      if (value > 0) line += ',';
      line += std::string(random() % 9, static_cast<char>(random() % 2 == 0 ? '-' : '\x80'));
    }
    if (random() % 3 == 0) line += ',';
    if (line.empty()) line = "x";
    const auto text = recordText(line, 4, scratch);
    ASSERT_TRUE(text) << line;
    expected += std::string(*text) + "\n";
    input += line + (count % 7 == 0 ? "\r\n" : "\n");
  }
  ASSERT_GT(input.size(), std::size_t{1} << 18);
  const test::TempFolder folder;
  const auto path = folder.write("input.txt", input);
  for (const bool inMemory : {false, true}) {
    const RelationList relations = test::loadRelations(path, inMemory);
    ASSERT_EQ(relations.size(), 1U);
    EXPECT_EQ(relations[0]->isInMemory(), inMemory);
    EXPECT_TRUE(test::recordsOf(*relations[0]) == expected) << "in memory: " << inMemory;
  }
}

}  // namespace
}  // namespace qerix
