#include "model/letter_case.h"

#include <gtest/gtest.h>

namespace qerix {
namespace {

// Only ASCII letters change case: a UTF-8 name keeps its bytes, so "Élet"
// and "élet" are different names, and a shorter text never equals a longer one.
TEST(LetterCase, OnlyAsciiLettersChangeCase) {
  EXPECT_EQ(lowered("Dolgozó ÁB_1"), "dolgozó Áb_1");
  EXPECT_EQ(raised("desc, név"), "DESC, NéV");
  EXPECT_TRUE(equalsIgnoringCase("Desc", "DESC"));
  EXPECT_TRUE(equalsIgnoringCase("aSc", "asc"));
  EXPECT_FALSE(equalsIgnoringCase("DES", "DESC"));
  EXPECT_FALSE(equalsIgnoringCase("DESCENDING", "DESC"));
  EXPECT_FALSE(equalsIgnoringCase("Élet", "élet"));
  EXPECT_FALSE(equalsIgnoringCase("[", "{"));  // no arithmetic on bytes that are no letters
}

}  // namespace
}  // namespace qerix
