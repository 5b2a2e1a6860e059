#include "driver/run.h"

#include <exception>
#include <filesystem>
#include <fstream>
#include <memory>
#include <ostream>
#include <streambuf>
#include <string>
#include <vector>

#include "algebra/dummy_operator.h"
#include "driver/input_file.h"
#include "driver/line_reader.h"
#include "driver/relation_loader.h"
#include "exec/pieces/scheduler.h"
#include "model/fatal_error.h"
#include "plan/planner.h"
#include "query/expression_parser.h"

namespace qerix {

namespace {

constexpr std::string_view usageMessage = "Hasznalat: qerix <input_file> <output_file>";
constexpr std::string_view sameFileMessage = "Az output file nem lehet azonos az input file-lal: ";
constexpr std::string_view cannotOpenOutputMessage = "Nem sikerult irasra megnyitni az output file-t: ";
constexpr std::string_view writeFailedMessage = "Nem sikerult kiirni az output file-t: ";
constexpr std::string_view consoleFailedMessage = "Nem sikerult kiirni az eredmenyt a standard kimenetre.";
constexpr std::string_view emptyResultMessage = "Meg ures az eredmeny...";

// Writes everything to two streams, so that the result is formatted once for
// both the output file and the console.
class TeeBuffer : public std::streambuf {
 public:
  TeeBuffer(std::ostream& firstStream, std::ostream& secondStream) : first(firstStream), second(secondStream) {}

 protected:
  std::streamsize xsputn(const char* bytes, std::streamsize count) override {
    first.write(bytes, count);
    second.write(bytes, count);
    return count;
  }
  int_type overflow(int_type character) override {
    if (traits_type::eq_int_type(character, traits_type::eof())) return traits_type::not_eof(character);
    const char byte = traits_type::to_char_type(character);
    xsputn(&byte, 1);
    return character;
  }

 private:
  std::ostream& first;
  std::ostream& second;
};

// Writing the output would truncate the input before it is read.
void requireDistinctFiles(std::string_view inputPath, std::string_view outputPath) {
  std::error_code error;
  if (std::filesystem::equivalent(std::filesystem::path(inputPath), std::filesystem::path(outputPath), error)) {
    fatal(sameFileMessage, outputPath);
  }
}

// Parallel work as the settings ask, for one run.
class ParallelWork {
 public:
  explicit ParallelWork(bool parallel) : before(Scheduler::isParallel()) { Scheduler::setParallel(parallel); }
  ParallelWork(const ParallelWork&) = delete;
  ParallelWork& operator=(const ParallelWork&) = delete;
  ~ParallelWork() { Scheduler::setParallel(before); }

 private:
  bool before;
};

// `qerix <input_file> <output_file>`, or with -x (--extended) before them for
// the textbook operators; anything else is the usage error.
struct Invocation {
  std::string_view inputPath;
  std::string_view outputPath;
  QueryLanguage language = QueryLanguage::basic;
};

Invocation readArguments(std::span<const std::string_view> arguments) {
  if (arguments.size() == 2) return {arguments[0], arguments[1]};
  if (arguments.size() == 3 && (arguments[0] == "-x" || arguments[0] == "--extended")) {
    return {arguments[1], arguments[2], QueryLanguage::extended};
  }
  fatal(usageMessage);
}

void execute(std::span<const std::string_view> arguments, std::ofstream& outputFile, std::ostream& console,
             const RunSettings& settings) {
  const Invocation invocation = readArguments(arguments);
  const std::string_view inputPath = invocation.inputPath;
  const std::string_view outputPath = invocation.outputPath;

  InputFile inputFile(inputPath);
  requireDistinctFiles(inputPath, outputPath);
  outputFile.open(std::string(outputPath), std::ios::out | std::ios::trunc);
  if (!outputFile.is_open()) fatal(cannotOpenOutputMessage, outputPath);

  LoadedInput input;
  AlgebraTree tree(std::make_unique<DummyOperator>());
  {
    LineReader reader(inputFile.stream(), outputFile);
    input.query = readQuery(reader);
    // The query is parsed before the relations are read, so that operators
    // that read a relation once do it while it is loaded. A malformed query
    // is still reported only once every relation has been read and checked.
    std::exception_ptr parseFailure;
    try {
      parseExpression(tree, input.query, input.relations, invocation.language);
    } catch (...) {
      parseFailure = std::current_exception();
    }
    const QueryPlan plan = parseFailure || !settings.rewrites ? QueryPlan() : Planner::plan(tree);
    input.relations = loadRelations(reader, inputFile, plan.watchedWhileLoading);
    if (parseFailure) std::rethrow_exception(parseFailure);
  }

  EvaluateVisitor evaluator;
  tree.walkPostOrder(evaluator);

  outputFile << '\n';
  if (const Relation* result = tree.getRoot().payload->getResult()) {
    TeeBuffer both(outputFile, console);
    std::ostream out(&both);
    result->printTo(out);
  } else {
    console << emptyResultMessage << '\n';
  }
  console.flush();
  outputFile.flush();
  if (!outputFile) fatal(writeFailedMessage, outputPath);
  // A result that did not reach the console is not a completed run either.
  if (!console) fatal(consoleFailedMessage);
}

}  // namespace

int run(std::span<const std::string_view> arguments, std::ostream& console, std::ostream& errors,
        const RunSettings& settings) {
  const ParallelWork parallelWork(settings.parallel);
  std::ofstream outputFile;
  const auto failure = failureOf([&] { execute(arguments, outputFile, console, settings); }, outOfMemoryMessage);
  console.flush();
  outputFile.flush();
  if (!failure) return 0;
  errors << *failure << '\n' << std::flush;
  return 1;
}

}  // namespace qerix
