#include "inspect/inspected_query.h"

#include <ostream>

#include "algebra/dummy_operator.h"
#include "driver/input_file.h"
#include "driver/line_reader.h"
#include "exec/pieces/scheduler.h"
#include "inspect/data_warnings.h"
#include "inspect/text_warnings.h"

namespace qerix {

namespace {

LoadedInput loadWithoutEcho(std::string_view inputPath) {
  InputFile file(inputPath);
  // A stream without a buffer drops whatever is written to it.
  std::ostream discard(nullptr);
  LineReader reader(file.stream(), discard);
  return loadInput(reader, file);
}

}  // namespace

InspectedQuery::InspectedQuery(std::string_view inputPath, QueryLanguage queryLanguage)
    : input(loadWithoutEcho(inputPath)), language(queryLanguage), tree(std::make_unique<DummyOperator>()) {}

void InspectedQuery::parse() {
  parseExpression(tree, input.query, input.relations, language);
  parsed = true;
}

InspectedQuery::~InspectedQuery() = default;

std::vector<std::string> InspectedQuery::findWarnings() const {
  std::vector<std::string> warnings;
  EditBudget budget(inspectionEditBudget);
  DataWarnings data(input, language, budget, warnings);
  data.checkFile();
  TextWarnings(input.relations, language, budget, warnings).checkQuery(input.query);
  if (parsed) data.checkConditions();
  return warnings;
}

std::string InspectedQuery::evaluateSteps(std::size_t shownRecords) {
  // One node after another, as the plain evaluation shows them.
  const bool wasParallel = Scheduler::isParallel();
  Scheduler::setParallel(false);
  steps = std::make_unique<NodeSteps>(shownRecords);
  std::string failure = steps->evaluate(tree);
  Scheduler::setParallel(wasParallel);
  return failure;
}

}  // namespace qerix
