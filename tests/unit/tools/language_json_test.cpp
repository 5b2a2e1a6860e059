#include "tools/language_json.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "query/language_table.h"

namespace qerix {
namespace {

// The page reads every entry of the table, in the table's order, with every
// spelling the parsers accept.
TEST(LanguageJson, HoldsEveryEntryWithItsSpellings) {
  std::ostringstream out;
  writeLanguageJson(out);
  const nlohmann::json json = nlohmann::json::parse(out.str());
  ASSERT_EQ(json["operators"].size(), operatorEntries().size());
  for (std::size_t index = 0; index < operatorEntries().size(); ++index) {
    const OperatorEntry& entry = operatorEntries()[index];
    const nlohmann::json& written = json["operators"][index];
    EXPECT_EQ(written["keyword"], std::string(entry.keyword));
    EXPECT_EQ(written["extended"], entry.needsExtended);
    for (const auto& symbol : written["symbols"]) EXPECT_TRUE(isSpelledAs(entry.symbols, symbol.get<std::string>()));
    EXPECT_EQ(written["latex"][0], std::string(firstSpelling(entry.latex)));
  }
  ASSERT_EQ(json["conditions"].size(), conditionEntries().size());
  EXPECT_EQ(json["operators"][5]["words"], nlohmann::json::array({"minus", "-"}));
  EXPECT_EQ(json["assignment"]["words"], nlohmann::json::array({"<-", ":="}));
}

}  // namespace
}  // namespace qerix
