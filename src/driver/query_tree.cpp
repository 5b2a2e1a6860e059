#include "driver/query_tree.h"

#include <ostream>

#include "algebra/dot_visitor.h"
#include "algebra/dummy_operator.h"
#include "driver/input_file.h"
#include "driver/line_reader.h"
#include "model/fatal_error.h"
#include "query/expression_parser.h"

namespace qerix {

namespace {

constexpr std::string_view usageMessage = "Hasznalat: qerix-tree [-x] [--dot] <input_file>";
constexpr std::string_view writeFailedMessage = "Nem sikerult kiirni a fat a standard outputra.";
constexpr std::string_view outOfMemoryMessage = "Nincs eleg memoria a lekerdezes beolvasasahoz.";
constexpr std::string_view dotOption = "--dot";

struct TreeRequest {
  std::string_view inputPath;
  bool dot = false;
  QueryLanguage language = QueryLanguage::basic;
};

// Options come first, each once, the input file last. An input file whose
// name begins with "-" is written as ./-name, so that a mistyped option is
// never taken for a file.
TreeRequest readArguments(std::span<const std::string_view> arguments) {
  TreeRequest request;
  if (arguments.empty() || arguments.back().starts_with("-")) fatal(usageMessage);
  request.inputPath = arguments.back();
  bool extendedGiven = false;
  for (const std::string_view option : arguments.first(arguments.size() - 1)) {
    if (option == dotOption && !request.dot) {
      request.dot = true;
    } else if ((option == "-x" || option == "--extended") && !extendedGiven) {
      extendedGiven = true;
      request.language = QueryLanguage::extended;
    } else {
      fatal(usageMessage);
    }
  }
  return request;
}

LoadedInput loadWithoutEcho(std::string_view inputPath) {
  InputFile file(inputPath);
  // A stream without a buffer drops whatever is written to it.
  std::ostream discard(nullptr);
  LineReader reader(file.stream(), discard);
  return loadInput(reader, file);
}

void writeTree(const TreeRequest& request, std::ostream& console) {
  ParsedQuery query(request.inputPath, request.language);
  if (request.dot) {
    writeDot(query.getTree(), console);
  } else {
    PrintVisitor<AlgebraOperator> printer(console);
    query.getTree().walkPreOrder(printer);
  }
  console.flush();
  if (!console) fatal(writeFailedMessage);
}

}  // namespace

ParsedQuery::ParsedQuery(std::string_view inputPath, QueryLanguage language)
    : input(loadWithoutEcho(inputPath)), tree(std::make_unique<DummyOperator>()) {
  parseExpression(tree, input.query, input.relations, language);
}

int runTree(std::span<const std::string_view> arguments, std::ostream& console, std::ostream& errors) {
  const auto failure = failureOf([&] { writeTree(readArguments(arguments), console); }, outOfMemoryMessage);
  console.flush();
  if (!failure) return 0;
  errors << *failure << '\n' << std::flush;
  return 1;
}

}  // namespace qerix
