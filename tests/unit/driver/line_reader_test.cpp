#include "driver/line_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace qerix {
namespace {

struct ReadResult {
  std::vector<std::string> lines;
  std::string echo;
};

ReadResult readAll(const std::string& input) {
  std::istringstream in(input);
  std::ostringstream echo;
  ReadResult result;
  {
    LineReader reader(in, echo);
    std::string_view line;
    while (reader.readLine(line)) result.lines.emplace_back(line);
    EXPECT_TRUE(line.empty());
  }
  result.echo = echo.str();
  return result;
}

TEST(LineReader, DropsOneCarriageReturnAtALineEnd) {
  const ReadResult result = readAll("a\r\nb\nc\n\r\n\r\r\nx\ry\nlast\r");
  EXPECT_EQ(result.lines, (std::vector<std::string>{"a", "b", "c", "", "\r", "x\ry", "last"}));
  EXPECT_EQ(result.echo, "a\nb\nc\n\n\r\nx\ry\nlast\n");
}

TEST(LineReader, EchoesMixedLineEndsExactlyAcrossReadBlocks) {
  std::mt19937 random(3);
  std::string input;
  std::vector<std::string> lines;
  std::string echo;
  for (int count = 0; count < 30000; ++count) {
    std::string line(random() % 60, 'a' + static_cast<char>(count % 26));
    if (count % 5000 == 1) line = std::string(300000, 'L');  // longer than a read block
    input += line + (random() % 4 == 0 ? "\r\n" : "\n");
    echo += line + "\n";
    lines.push_back(std::move(line));
  }
  const ReadResult result = readAll(input);
  EXPECT_TRUE(result.lines == lines);
  EXPECT_TRUE(result.echo == echo);
}

TEST(LineReader, NonEmptyLineSkipsEmptyOnesAndPendingEchoIsWrittenOnTheWayOut) {
  std::istringstream in("\n\r\nquery\nnext\nunread\n");
  std::ostringstream echo;
  {
    LineReader reader(in, echo);
    std::string_view line;
    ASSERT_TRUE(reader.readNonEmptyLine(line));
    EXPECT_EQ(line, "query");
    EXPECT_EQ(reader.position(), 9U);
    ASSERT_TRUE(reader.readLine(line));
  }
  EXPECT_EQ(echo.str(), "\n\nquery\nnext\n");

  std::istringstream blank("\n\n");
  std::ostringstream blankEcho;
  LineReader reader(blank, blankEcho);
  std::string_view line = "stale";
  EXPECT_FALSE(reader.readNonEmptyLine(line));
  EXPECT_TRUE(line.empty());
}

// The lines of `input` as the splitter should give them: split at each line
// feed, one carriage return dropped at a line's end, a last line without a
// line feed kept when it is not empty.
struct SplitLine {
  std::string line;
  std::string raw;
  std::size_t commas = 0;
};

std::vector<SplitLine> referenceLines(std::string_view input) {
  std::vector<SplitLine> lines;
  while (!input.empty()) {
    const std::size_t lineFeed = input.find('\n');
    const std::size_t rawSize = lineFeed == std::string_view::npos ? input.size() : lineFeed + 1;
    SplitLine split;
    split.raw = input.substr(0, rawSize);
    split.line = input.substr(0, lineFeed == std::string_view::npos ? rawSize : lineFeed);
    if (!split.line.empty() && split.line.back() == '\r') split.line.pop_back();
    split.commas = static_cast<std::size_t>(std::count(split.line.begin(), split.line.end(), ','));
    lines.push_back(std::move(split));
    input.remove_prefix(rawSize);
  }
  return lines;
}

std::vector<SplitLine> splitterLines(const std::string& input, std::size_t offset = 0,
                                     std::uint64_t limit = LineSplitter::unlimited) {
  std::istringstream in(input);
  in.seekg(static_cast<std::streamoff>(offset));
  LineSplitter splitter(in, limit);
  std::vector<SplitLine> lines;
  std::uint64_t rawBytes = 0;
  std::string_view line;
  while (splitter.next(line)) {
    lines.push_back({std::string(line), std::string(splitter.rawLine()), splitter.commaCount()});
    rawBytes += splitter.rawLine().size();
    EXPECT_EQ(splitter.consumed(), rawBytes);
  }
  EXPECT_TRUE(line.empty());
  EXPECT_FALSE(splitter.failed());
  return lines;
}

void expectSameLines(const std::vector<SplitLine>& actual, const std::vector<SplitLine>& expected,
                     const std::string& context) {
  ASSERT_EQ(actual.size(), expected.size()) << context;
  for (std::size_t index = 0; index < actual.size(); ++index) {
    // Whole lines may be long: report where they differ, not their bytes.
    EXPECT_TRUE(actual[index].line == expected[index].line) << context << ", line " << index;
    EXPECT_TRUE(actual[index].raw == expected[index].raw) << context << ", line " << index;
    EXPECT_EQ(actual[index].commas, expected[index].commas) << context << ", line " << index;
  }
}

TEST(LineSplitter, CommaAndLineFeedAtEveryOffsetOfAWord) {
  // Every line length up to three words, with a comma (or ",-", whose xor
  // with commas leaves 0x01 next to a zero byte) at each place in it.
  for (std::size_t lead = 0; lead < 8; ++lead) {
    std::string input(lead, 'p');
    for (std::size_t length = 0; length <= 24; ++length) {
      for (std::size_t comma = 0; comma < length; ++comma) {
        std::string line(length, comma % 3 == 0 ? '\x80' : 'x');
        line[comma] = ',';
        if (comma + 1 < length) line[comma + 1] = comma % 2 == 0 ? '-' : '\0';
        input += line + (length % 5 == 0 ? "\r\n" : "\n");
      }
    }
    input += ",,\n,\r";
    expectSameLines(splitterLines(input), referenceLines(input), "lead " + std::to_string(lead));
  }
}

TEST(LineSplitter, RandomBytesAgreeWithAPlainSplit) {
  std::mt19937 random(1207);
  const std::string alphabet = {',',    ',',    ',',    '\n',   '\n',   '\r', '-', '\0', '\x01',
                                '\x2D', '\x80', '\xFF', '\xAC', '\x8A', 'a',  ' ', '+',  '7'};
  for (int round = 0; round < 300; ++round) {
    std::string input(random() % 200, ' ');
    for (char& byte : input) byte = alphabet[random() % alphabet.size()];
    if (round % 3 == 0) input += '\n';
    expectSameLines(splitterLines(input), referenceLines(input), "round " + std::to_string(round));
  }
}

TEST(LineSplitter, LinesAcrossAndLongerThanTheReadBlock) {
  // Short lines so that block ends cut them at every offset, then lines of
  // more than one and more than two read blocks, the last without a line feed.
  std::mt19937 random(99);
  std::string input;
  while (input.size() < 700000) {
    std::string line(random() % 23, 'v');
    for (char& byte : line) {
      if (random() % 4 == 0) byte = ',';
    }
    input += line + (random() % 3 == 0 ? "\r\n" : "\n");
  }
  auto longLine = [&](std::size_t length) {
    std::string line(length, '\x80');
    for (std::size_t index = random() % 11; index < length; index += 1 + random() % 13) line[index] = ',';
    return line;
  };
  input += longLine(300000) + "\n\n" + longLine(600000) + "\r\n,\n" + longLine(270000) + "\r";
  expectSameLines(splitterLines(input), referenceLines(input), "long lines");
}

TEST(LineSplitter, ReadsOnlyUpToTheLimitFromTheStartingPosition) {
  std::mt19937 random(5);
  const std::string alphabet = ",,\n\r-x\x80";
  std::string input(3000, ' ');
  for (char& byte : input) byte = alphabet[random() % alphabet.size()];
  for (const std::size_t offset : {0, 1, 7, 13}) {
    for (const std::size_t limit : {0, 1, 7, 8, 9, 64, 1000, 2986}) {
      const std::string context = "offset " + std::to_string(offset) + ", limit " + std::to_string(limit);
      expectSameLines(splitterLines(input, offset, limit),
                      referenceLines(std::string_view(input).substr(offset, limit)), context);
    }
  }
}

}  // namespace
}  // namespace qerix
