#include "driver/relation_loader.h"

#include <gtest/gtest.h>

#include <string>

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

}  // namespace
}  // namespace qerix
