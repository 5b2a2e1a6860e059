#include "inspect/inspected_query.h"

#include "driver/input_file.h"
#include "inspect/attribute_walk.h"
#include "inspect/query_warnings.h"
#include "model/fatal_error.h"
#include "model/message_catalogue.h"

namespace qerix {

namespace {

PipelineOptions inspectionOptions(QueryLanguage language, std::size_t stepRows) {
  PipelineOptions options;
  options.language = language;
  options.stepRows = stepRows;
  return options;
}

}  // namespace

InspectedQuery::InspectedQuery(std::string_view path, QueryLanguage queryLanguage, std::size_t stepRows)
    : inputPath(path), language(queryLanguage), pipeline(inspectionOptions(queryLanguage, stepRows)) {}

InspectedQuery::~InspectedQuery() = default;

void InspectedQuery::load() {
  InputFile file(inputPath);
  pipeline.load(file);
}

std::vector<std::string> InspectedQuery::findWarnings(NodeNotes* notes) {
  std::vector<std::string> texts;
  std::vector<std::string> warnings =
      findQueryWarnings(getInput().query, getInput().relations, language, true, notes ? &texts : nullptr);
  if (!notes || !pipeline.isParsed()) return warnings;
  // The walk's tree and this one were parsed from one text, unplanned: their pre-orders match.
  const std::vector<TreeNode<AlgebraOperator>*> nodes = nodesInTextOrder(getTree());
  if (nodes.size() != texts.size()) return warnings;
  for (std::size_t index = 0; index < nodes.size(); ++index) {
    if (!texts[index].empty()) notes->emplace(nodes[index], texts[index]);
  }
  return warnings;
}

std::string InspectedQuery::evaluateSteps() {
  return failureOf([&] { pipeline.evaluate(); }, textOf(Text::outOfMemoryMessage)).value_or("");
}

}  // namespace qerix
