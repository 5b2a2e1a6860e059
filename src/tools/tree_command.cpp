#include "tools/tree_command.h"

#include <charconv>
#include <optional>
#include <ostream>
#include <string>

#include "driver/run.h"
#include "inspect/inspected_query.h"
#include "model/fatal_error.h"
#include "model/message_catalogue.h"
#include "tools/tree_json.h"
#include "tools/tree_notation.h"
#include "tools/tree_views.h"

namespace qerix {

namespace {

constexpr std::size_t defaultRows = 10;

struct TreeRequest {
  std::string_view inputPath;
  enum class Format { text, dot, json, notation } format = Format::text;
  Notation notation = Notation::prefix;  // with Format::notation
  QueryLanguage language = QueryLanguage::basic;
  bool steps = false;
  std::size_t rows = defaultRows;
};

// Options come first, each once, the input file last. An input file whose
// name begins with "-" is written as ./-name, so that a mistyped option is
// never taken for a file.
TreeRequest readArguments(std::span<const std::string_view> arguments) {
  // Each run starts in the programs' own language, whatever ran before it.
  applyLanguageOption(arguments);
  TreeRequest request;
  if (arguments.empty() || arguments.back().starts_with("-")) fatal(textOf(Text::treeUsageMessage));
  request.inputPath = arguments.back();
  bool formatGiven = false;
  bool extendedGiven = false;
  bool languageGiven = false;
  std::optional<std::string_view> rows;
  const auto options = arguments.first(arguments.size() - 1);
  for (std::size_t index = 0; index < options.size(); ++index) {
    const std::string_view option = options[index];
    if ((option == "--dot" || option == "--json") && !formatGiven) {
      formatGiven = true;
      request.format = option == "--dot" ? TreeRequest::Format::dot : TreeRequest::Format::json;
    } else if (option == "--as" && !formatGiven && index + 1 < options.size() &&
               readNotation(options[index + 1], request.notation)) {
      // The query is read as qerix -x reads it: the notations are those of -x.
      formatGiven = true;
      request.format = TreeRequest::Format::notation;
      request.language = QueryLanguage::extended;
      ++index;
    } else if (isExtendedOption(option) && !extendedGiven) {
      extendedGiven = true;
      request.language = QueryLanguage::extended;
    } else if (option == "--lang" && !languageGiven && index + 1 < options.size() &&
               languageNamed(options[index + 1])) {
      languageGiven = true;
      ++index;
    } else if (option == "--steps" && !request.steps) {
      request.steps = true;
    } else if (option == "--rows" && !rows && index + 1 < options.size()) {
      rows = options[++index];
    } else {
      fatal(textOf(Text::treeUsageMessage));
    }
  }
  if (request.format == TreeRequest::Format::notation && request.steps) fatal(textOf(Text::treeUsageMessage));
  if (rows) {
    if (!request.steps) fatal(textOf(Text::treeUsageMessage));
    const char* end = rows->data() + rows->size();
    const auto [stop, error] = std::from_chars(rows->data(), end, request.rows);
    if (rows->empty() || error != std::errc() || stop != end) fatal(textOf(Text::badRowsMessage), *rows);
  }
  return request;
}

// Writes what was asked; the message that ended the evaluation, or "".
// `jsonWritten` tells whether JSON went out, also when the query was refused.
std::string writeTree(const TreeRequest& request, std::ostream& console, bool& jsonWritten) {
  InspectedQuery query(request.inputPath, request.language, request.rows);
  try {
    query.load();
  } catch (const FatalError& error) {
    if (!query.isLoaded()) throw;
    // What the texts show may say why the query was refused.
    const std::vector<std::string> warnings = query.findWarnings();
    if (request.format == TreeRequest::Format::json) {
      writeTreeJson({query.getInput().query, request.language == QueryLanguage::extended, nullptr, nullptr, warnings,
                     error.what(), 1},
                    console);
      jsonWritten = true;
    } else {
      for (const std::string& warning : warnings) console << warning << '\n';
    }
    throw;
  }
  if (request.format == TreeRequest::Format::notation) {
    console << writeInNotation(query.getTree(), request.notation, query.getInput().relations) << '\n';
    console.flush();
    if (!console) fatal(textOf(Text::treeWriteFailedMessage));
    return "";
  }
  const std::string failure = request.steps ? query.evaluateSteps() : "";
  const NodeSteps* steps = request.steps ? &query.getSteps() : nullptr;
  NodeNotes notes;
  const std::vector<std::string> warnings = query.findWarnings(&notes);
  switch (request.format) {
    case TreeRequest::Format::json:
      writeTreeJson({query.getInput().query, request.language == QueryLanguage::extended, &query.getTree(), steps,
                     warnings, failure, failure.empty() ? 0 : 1, &notes},
                    console);
      jsonWritten = true;
      break;
    case TreeRequest::Format::dot:
      writeTreeDot(query.getTree(), steps, console, &notes);
      // Comments, so that the file still draws.
      for (const std::string& warning : warnings) console << "// " << warning << '\n';
      break;
    case TreeRequest::Format::notation:
    case TreeRequest::Format::text:
      writeTreeText(query.getTree(), steps, console, &notes);
      for (const std::string& warning : warnings) console << warning << '\n';
      break;
  }
  console.flush();
  if (!console) fatal(textOf(Text::treeWriteFailedMessage));
  return failure;
}

}  // namespace

int runTree(std::span<const std::string_view> arguments, std::ostream& console, std::ostream& errors) {
  std::optional<TreeRequest> request;
  std::string evaluationFailure;
  bool jsonWritten = false;
  auto failure = failureOf(
      [&] {
        request = readArguments(arguments);
        evaluationFailure = writeTree(*request, console, jsonWritten);
      },
      textOf(Text::readingOutOfMemoryMessage));
  console.flush();
  // A refused input still gives JSON, for the page that reads it.
  if (failure && !jsonWritten && request && request->format == TreeRequest::Format::json) {
    writeTreeJson({"", request->language == QueryLanguage::extended, nullptr, nullptr, {}, *failure, 1}, console);
    console.flush();
  }
  if (!failure && !evaluationFailure.empty()) failure = evaluationFailure;
  if (!failure) return 0;
  errors << *failure << '\n' << std::flush;
  return 1;
}

}  // namespace qerix
