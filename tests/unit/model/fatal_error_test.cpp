#include "model/fatal_error.h"

#include <gtest/gtest.h>

#include <string>

namespace qerix {
namespace {

using namespace std::string_literals;

TEST(QuotedText, PrintableAsciiStaysOthersBecomeHexEscapes) {
  EXPECT_EQ(quotedText(""), "\"\"");
  EXPECT_EQ(quotedText(" a(b,c) ~"), "\" a(b,c) ~\"");
  EXPECT_EQ(quotedText("\t\r\n\x7F\x80\xFF"
                       "a\0"s),
            "\"\\x09\\x0D\\x0A\\x7F\\x80\\xFFa\\x00\"");
}

TEST(QuotedText, CutsAfterEightyBytes) {
  const std::string eighty(80, 'x');
  EXPECT_EQ(quotedText(eighty), "\"" + eighty + "\"");
  EXPECT_EQ(quotedText(eighty + "yz"), "\"" + eighty + "...\"");
  // The cut counts input bytes, before escaping.
  EXPECT_EQ(quotedText(std::string(79, 'x') + "\t\t"), "\"" + std::string(79, 'x') + "\\x09...\"");
}

}  // namespace
}  // namespace qerix
