#include "driver/line_reader.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace qerix
