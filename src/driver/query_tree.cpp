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

constexpr std::string_view usageMessage = "Hasznalat: qerix-tree [--dot] <input_file>";
constexpr std::string_view writeFailedMessage = "Nem sikerult kiirni a fat a standard outputra.";
constexpr std::string_view outOfMemoryMessage = "Nincs eleg memoria a lekerdezes beolvasasahoz.";
constexpr std::string_view dotOption = "--dot";

struct TreeRequest {
  std::string_view inputPath;
  bool dot = false;
};

// An input file whose name begins with "--" is written as ./--name, so that a
// mistyped option is never taken for a file.
TreeRequest readArguments(std::span<const std::string_view> arguments) {
  if (arguments.size() == 1 && !arguments[0].starts_with("--")) return {arguments[0], false};
  if (arguments.size() == 2 && arguments[0] == dotOption) return {arguments[1], true};
  fatal(usageMessage);
}

LoadedInput loadWithoutEcho(std::string_view inputPath) {
  InputFile file(inputPath);
  // A stream without a buffer drops whatever is written to it.
  std::ostream discard(nullptr);
  LineReader reader(file.stream(), discard);
  return loadInput(reader, file);
}

void writeTree(const TreeRequest& request, std::ostream& console) {
  ParsedQuery query(request.inputPath);
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

ParsedQuery::ParsedQuery(std::string_view inputPath)
    : input(loadWithoutEcho(inputPath)), tree(std::make_unique<DummyOperator>()) {
  parseExpression(tree, input.query, input.relations);
}

int runTree(std::span<const std::string_view> arguments, std::ostream& console, std::ostream& errors) {
  const auto failure = failureOf([&] { writeTree(readArguments(arguments), console); }, outOfMemoryMessage);
  console.flush();
  if (!failure) return 0;
  errors << *failure << '\n' << std::flush;
  return 1;
}

}  // namespace qerix
