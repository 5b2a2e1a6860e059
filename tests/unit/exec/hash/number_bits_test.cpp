#include "exec/hash/number_bits.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <map>
#include <random>

namespace qerix {
namespace {

TEST(NumberBits, KeepsEveryNumbersBitsWhileGrowingAsAMapWould) {
  std::mt19937 random(7);
  NumberBits bits;
  std::map<std::int32_t, std::uint32_t> expected;
  auto add = [&](std::int32_t number, std::uint32_t added) {
    bits.add(number, added);
    expected[number] |= added;
  };
  // The ends of the range and zero, then numbers in a run and scattered, each a few times.
  add(std::numeric_limits<std::int32_t>::min(), 1);
  add(std::numeric_limits<std::int32_t>::max(), 2);
  add(0, 4);
  for (int round = 0; round < 3; ++round) {
    for (std::int32_t number = -5000; number < 45000; number += 1 + static_cast<std::int32_t>(random() % 3)) {
      add(number, std::uint32_t{1} << (random() % 32));
    }
    for (int count = 0; count < 20000; ++count) add(static_cast<std::int32_t>(random()), 1U << (random() % 32));
  }
  EXPECT_EQ(bits.size(), expected.size());
  std::size_t visited = 0;
  bits.forEach([&](std::int32_t number, std::uint32_t found) {
    ++visited;
    EXPECT_EQ(found, expected.at(number)) << number;
  });
  EXPECT_EQ(visited, expected.size());
  for (const auto& [number, found] : expected) EXPECT_EQ(bits.bitsOf(number), found) << number;
  EXPECT_EQ(bits.bitsOf(-5001), 0U);
  EXPECT_EQ(bits.bitsOf(std::numeric_limits<std::int32_t>::min() + 1), 0U);
}

TEST(NumberBits, ARoomyTableFindsNothingUntilNumbersAreAdded) {
  NumberBits bits(100000);
  EXPECT_EQ(bits.size(), 0U);
  EXPECT_EQ(bits.bitsOf(0), 0U);
  bits.add(0, 8);
  bits.add(0, 1);
  EXPECT_EQ(bits.size(), 1U);
  EXPECT_EQ(bits.bitsOf(0), 9U);
}

}  // namespace
}  // namespace qerix
