#include "support/builders.h"

#include <stdlib.h>
#include <sys/stat.h>

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "algebra/dummy_operator.h"
#include "conditions/compiled_condition.h"
#include "conditions/condition_parser.h"
#include "conditions/logical_operators.h"
#include "driver/input_file.h"
#include "driver/line_reader.h"
#include "driver/relation_loader.h"
#include "exec/pieces/record_pieces.h"
#include "model/record.h"
#include "plan/planner.h"
#include "query/query_parser.h"

namespace qerix::test {

std::unique_ptr<Relation> makeRelation(std::string_view header, std::initializer_list<std::string_view> recordLines) {
  auto relation = std::make_unique<Relation>();
  readHeader(header, *relation);
  std::string scratch;
  for (const std::string_view line : recordLines) {
    const auto text = recordText(line, relation->getAttributeCount(), scratch);
    if (!text) failSetValue();
    relation->appendNewRecord(*text);
  }
  return relation;
}

std::string printed(const Relation& relation) {
  std::ostringstream out;
  relation.printTo(out);
  return out.str();
}

std::string recordsOf(const Relation& relation) {
  std::string texts;
  for (RecordScanner scanner(relation); scanner.next();) texts += std::string(scanner.getCurrent().getValues()) + "\n";
  return texts;
}

std::string conditionValues(std::string_view condition, const Relation& relation) {
  ConditionTree tree(std::make_unique<DummyCondition>());
  parseCondition(tree, condition);
  bindCondition(tree, relation.getAttributes());
  CompiledCondition compiled(tree);
  std::string values;
  std::string compiledValues;
  std::string fullRecordValues;  // found from the record's end where that is shorter
  for (RecordScanner scanner(relation); scanner.next();) {
    values += evaluateCondition(tree, scanner.getCurrent()) ? 'T' : 'F';
    compiledValues += compiled.holdsFor(scanner.getCurrent()) ? 'T' : 'F';
    fullRecordValues += compiled.holdsForFullRecord(scanner.getCurrent()) ? 'T' : 'F';
  }
  // A compiled condition that disagrees with the tree makes every comparison fail.
  if (compiledValues != values) values += " but compiled " + compiledValues;
  if (fullRecordValues != values) values += " but compiled on full records " + fullRecordValues;
  return values;
}

std::unique_ptr<Relation> evaluateQuery(std::string_view query, const RelationList& relations, Evaluation evaluation,
                                        QueryLanguage language) {
  AlgebraTree tree(std::make_unique<DummyOperator>());
  parseQuery(tree, query, relations, language);
  if (evaluation == Evaluation::planned) Planner::plan(tree);
  EvaluateVisitor evaluator;
  tree.walkPostOrder(evaluator);
  return tree.getRoot().payload->takeResult();
}

std::string queryOutcome(std::string_view query, const RelationList& relations, Evaluation evaluation,
                         QueryLanguage language) {
  try {
    const auto result = evaluateQuery(query, relations, evaluation, language);
    return result ? printed(*result) : "null";
  } catch (const FatalError& error) {
    return std::string("fatal: ") + error.what();
  }
}

TempFolder::TempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "qerix-unit-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  root = pattern;
}

TempFolder::~TempFolder() {
  std::error_code error;
  std::filesystem::remove_all(root, error);
}

std::filesystem::path TempFolder::write(std::string_view name, std::string_view content) const {
  std::ofstream file(path(name), std::ios::binary | std::ios::trunc);
  file.write(content.data(), static_cast<std::streamsize>(content.size()));
  return path(name);
}

std::string TempFolder::read(std::string_view name) const {
  std::ifstream file(path(name), std::ios::binary);
  if (!file.is_open()) return "(missing)";
  std::ostringstream content;
  content << file.rdbuf();
  return content.str();
}

RunOutcome runOnInput(const TempFolder& folder, const std::string& input, const std::vector<std::string>& options,
                      const RunSettings& settings) {
  std::vector<std::string> arguments = options;
  arguments.push_back(folder.write("input.txt", input).string());
  arguments.push_back(folder.path("output.txt").string());
  const std::vector<std::string_view> views(arguments.begin(), arguments.end());
  std::ostringstream console;
  std::ostringstream errors;
  const int status = run(views, console, errors, settings);
  return {status, console.str(), errors.str(), folder.read("output.txt")};
}

LoadedFile loadFile(const std::filesystem::path& path, QueryLanguage language) {
  InputFile input(path.string());
  std::ostringstream echo;
  LoadedInput loaded;
  {
    LineReader reader(input.stream(), echo);
    loaded = loadInput(reader, input, language == QueryLanguage::extended);
  }
  return {loaded.query, std::move(loaded.relations), echo.str()};
}

RelationList loadRelations(const std::filesystem::path& path, bool inMemory) {
  RelationList relations = loadFile(path).relations;
  if (inMemory) {
    for (const auto& relation : relations) materialize(*relation);
  }
  return relations;
}

RelationList loadThroughPipe(TempFolder& folder, const std::string& input) {
  const std::filesystem::path pipe = folder.path("pipe");
  std::filesystem::remove(pipe);
  if (mkfifo(pipe.c_str(), 0600) != 0) throw std::runtime_error("mkfifo failed");
  std::thread writer([&] { std::ofstream(pipe, std::ios::binary) << input; });
  RelationList relations = loadRelations(pipe, false);
  writer.join();
  return relations;
}

}  // namespace qerix::test
