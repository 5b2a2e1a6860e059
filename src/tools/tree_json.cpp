#include "tools/tree_json.h"

#include <nlohmann/json.hpp>
#include <ostream>
#include <sstream>

#include "model/fatal_error.h"
#include "query/language_table.h"
#include "tools/tree_views.h"

namespace qerix {

namespace {

using nlohmann::ordered_json;

// Bytes that are not UTF-8 would stop the JSON writer: those, and every byte
// outside printable ASCII, are written as \xNN, as the messages write them.
std::string jsonText(std::string_view text) {
  std::string result;
  for (const char character : text) {
    const auto byte = static_cast<unsigned char>(character);
    if ((byte >= 0x20 && byte < 0x7F) || character == '\n') {
      result += character;
    } else {
      appendEscapedByte(result, byte);
    }
  }
  return result;
}

const char* outcomeName(NodeStep::Outcome outcome) {
  switch (outcome) {
    case NodeStep::Outcome::notEvaluated:
      return "not evaluated";
    case NodeStep::Outcome::noResult:
      return "no result";
    case NodeStep::Outcome::result:
      return "result";
    case NodeStep::Outcome::failed:
      return "error";
  }
  return "";
}

ordered_json stepJson(const NodeStep& step) {
  ordered_json json;
  json["outcome"] = outcomeName(step.outcome);
  if (step.outcome == NodeStep::Outcome::result) {
    json["header"] = jsonText(step.header);
    ordered_json attributes = ordered_json::array();
    for (const NodeStep::Column& column : step.columns) {
      attributes.push_back({{"name", jsonText(column.name)}, {"type", jsonText(column.type)}});
    }
    json["attributes"] = attributes;
    json["count"] = step.recordCount;
    ordered_json records = ordered_json::array();
    for (const std::string& record : step.firstRecords) records.push_back(jsonText(record));
    json["records"] = records;
  }
  if (step.outcome == NodeStep::Outcome::failed) json["message"] = jsonText(step.message);
  return json;
}

ordered_json nodeJson(TreeNode<AlgebraOperator>& node, const NodeSteps* steps, const NodeNotes* notes) {
  ordered_json json;
  json["keyword"] = std::string(node.payload->getKeyword());
  // How the textbook writes the node, from the language table (a table
  // reference and the root have no sign).
  if (const OperatorEntry* entry = findOperatorByNode(node.payload->getKeyword())) {
    json["symbol"] = std::string(firstSpelling(entry->symbols));
    json["latex"] = std::string(firstSpelling(entry->latex));
  }
  json["text"] = jsonText(notedText(node, notes));
  if (steps) json["step"] = stepJson(steps->of(node));
  ordered_json children = ordered_json::array();
  if (node.left) children.push_back(nodeJson(*node.left, steps, notes));
  if (node.right) children.push_back(nodeJson(*node.right, steps, notes));
  json["children"] = children;
  return json;
}

}  // namespace

void writeTreeJson(const TreeReport& report, std::ostream& out) {
  ordered_json json;
  json["query"] = jsonText(report.query);
  json["extended"] = report.extended;
  json["tree"] = report.tree ? nodeJson(report.tree->getRoot(), report.steps, report.notes) : ordered_json();
  ordered_json warnings = ordered_json::array();
  for (const std::string& warning : report.warnings) warnings.push_back(jsonText(warning));
  json["warnings"] = warnings;
  json["error"] = report.error.empty() ? ordered_json() : ordered_json(jsonText(report.error));
  json["status"] = report.status;
  // On one line: indenting each level would make a deep tree's text grow with its depth squared.
  out << json.dump() << '\n';
}

}  // namespace qerix
