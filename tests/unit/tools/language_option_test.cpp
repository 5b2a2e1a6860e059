#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "driver/run.h"
#include "model/message_catalogue.h"
#include "tools/check_command.h"
#include "tools/tree_command.h"

namespace qerix {
namespace {

using Program = std::function<int(std::span<const std::string_view>, std::ostream&, std::ostream&)>;

// All three programs read --lang by one rule: a known name after it sets the
// language of every message, the usage error included, even one found before
// it; an unknown name, or none, leaves them Hungarian.
TEST(LanguageOption, EveryProgramsUsageErrorIsInTheLanguageAsked) {
  const std::vector<std::pair<Program, Text>> programs = {
      {[](auto arguments, auto& console, auto& errors) { return run(arguments, console, errors); },
       Text::qerixUsageMessage},
      {runTree, Text::treeUsageMessage},
      {runCheck, Text::checkUsageMessage}};
  using Arguments = std::vector<std::string_view>;
  const std::vector<std::pair<Arguments, Language>> cases = {
      {{"--bogus", "--lang", "en", "x"}, Language::english},
      {{"--lang", "en"}, Language::english},
      {{"--lang", "hu", "--bogus", "x", "y"}, Language::hungarian},
      {{"--bogus", "--lang", "de", "x"}, Language::hungarian},
      {{"--bogus", "--lang", "x"}, Language::hungarian}};
  for (const auto& [program, usage] : programs) {
    for (const auto& [arguments, language] : cases) {
      std::ostringstream console;
      std::ostringstream errors;
      EXPECT_EQ(program(arguments, console, errors), 1);
      EXPECT_EQ(errors.str(), std::string(textOf(usage, language)) + "\n") << arguments.size();
      EXPECT_EQ(console.str(), "");
    }
  }
  setLanguage(Language::hungarian);
}

}  // namespace
}  // namespace qerix
