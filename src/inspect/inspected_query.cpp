#include "inspect/inspected_query.h"

#include "driver/input_file.h"
#include "inspect/data_warnings.h"
#include "inspect/text_warnings.h"
#include "model/fatal_error.h"

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

std::vector<std::string> InspectedQuery::findWarnings() const {
  std::vector<std::string> warnings;
  EditBudget budget(inspectionEditBudget);
  DataWarnings data(getInput(), language, budget, warnings);
  data.checkFile();
  TextWarnings(getInput().relations, language, budget, warnings).checkQuery(getInput().query);
  if (pipeline.isParsed()) data.checkConditions();
  return warnings;
}

std::string InspectedQuery::evaluateSteps() {
  return failureOf([&] { pipeline.evaluate(); }, outOfMemoryMessage).value_or("");
}

}  // namespace qerix
