#include "driver/input_file.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "support/builders.h"

namespace qerix {
namespace {

constexpr std::string_view inputText = "R\n\nR(a int, b s)\n1,x\n2,y\n";

std::string changedMessage(const std::filesystem::path& path) {
  return "Az input file megvaltozott a futas kozben: " + quotedText(path.string());
}

TEST(InputFile, RecordsLeftInTheFileAreReadAgainUnchanged) {
  const test::TempFolder folder;
  const auto loaded = test::loadFile(folder.write("input.txt", inputText));
  EXPECT_EQ(test::queryOutcome("union(R,R)", loaded.relations), "(a int, b s)\n1,x\n2,y\n");
  EXPECT_EQ(test::recordsOf(*loaded.relations[0]), "1,x\n2,y\n");
}

TEST(InputFile, AChangeAfterLoadingEndsTheRunInsteadOfGivingOtherRecords) {
  const test::TempFolder folder;
  const std::filesystem::path path = folder.write("input.txt", inputText);
  const auto grown = test::loadFile(path);
  folder.write("input.txt", std::string(inputText) + "3,z\n");
  EXPECT_EQ(test::queryOutcome("R", grown.relations), "fatal: " + changedMessage(path));

  // Same size, other bytes, a later modification time.
  const auto rewritten = test::loadFile(folder.write("input.txt", inputText));
  const auto written = std::filesystem::last_write_time(path);
  folder.write("input.txt", "R\n\nR(a int, b s)\n1,x\n2,\xFF\n");
  std::filesystem::last_write_time(path, written + std::chrono::seconds(2));
  EXPECT_EQ(test::queryOutcome("select(R,EQ(a,2))", rewritten.relations), "fatal: " + changedMessage(path));

  const auto removed = test::loadFile(folder.write("input.txt", inputText));
  std::filesystem::remove(path);
  EXPECT_EQ(test::queryOutcome("project(R,b)", removed.relations), "fatal: " + changedMessage(path));
}

}  // namespace
}  // namespace qerix
