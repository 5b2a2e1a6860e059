#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "inspect/inspected_query.h"
#include "support/builders.h"
#include "tools/check_command.h"

namespace qerix {
namespace {

using test::TempFolder;

TEST(CheckReportNames, AFileNameWithALineEndStaysOnItsOwnLine) {
  const TempFolder folder;
  const std::string model = folder.write("model.txt", "R\n\nR(a int)\n1\n").string();
  const std::string answer = folder.write("anna\nkovacs.txt", "R\n").string();
  for (const bool tsv : {false, true}) {
    std::vector<std::string_view> arguments{model, answer};
    if (tsv) arguments.insert(arguments.begin(), "--tsv");
    std::ostringstream console;
    std::ostringstream errors;
    EXPECT_EQ(runCheck(arguments, console, errors), 0) << errors.str();
    const std::string report = console.str();
    EXPECT_EQ(report.find("anna\nkovacs"), std::string::npos) << report;
    EXPECT_NE(report.find("anna\\x0Akovacs.txt"), std::string::npos) << report;
  }
}

TEST(StepColumns, ComeFromTheResultInTheOrderItsHeaderPrints) {
  const TempFolder folder;
  // Attribute names with a blank and a comma, which no split of the header can tell apart.
  const std::string input =
      folder.write("input.txt", "rename(R,N(z q, b, a))\n\nR(c int, b string, a string)\n1,x,y\n").string();
  InspectedQuery query(input, QueryLanguage::basic, 10);
  query.load();
  ASSERT_EQ(query.evaluateSteps(), "");
  const NodeStep& root = query.getSteps().of(*query.getTree().getRoot().left);
  EXPECT_EQ(root.header, "N(a string, b string, z q int)");
  std::vector<std::string> columns;
  for (const NodeStep::Column& column : root.columns) columns.push_back(column.name + "|" + column.type);
  EXPECT_EQ(columns, (std::vector<std::string>{"a|string", "b|string", "z q|int"}));
}

}  // namespace
}  // namespace qerix
