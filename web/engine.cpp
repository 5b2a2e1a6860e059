// The engine of the browser page: qerix, qerix-tree --json and qerix-check,
// each run on texts the page hands over, through files of the module's own
// memory file system, as the programs run on files of a disk. Each returns
// one JSON text, valid until the next call.

#include <emscripten.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/telling_run.h"
#include "model/message_catalogue.h"
#include "tools/check_command.h"
#include "tools/language_json.h"
#include "tools/tree_command.h"

namespace {

const std::string folder = "/qerix";
const std::string inputPath = "input.txt";
const std::string outputPath = "output.txt";

std::string& lastAnswer() {
  static std::string answer;
  return answer;
}

// The files live in one folder, the current one, so that messages and
// reports name them by their own names.
void writeFile(const std::string& path, std::string_view text) {
  std::filesystem::create_directories(folder);
  std::filesystem::current_path(folder);
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(text.data(), static_cast<std::streamsize>(text.size()));
}

// What the page's language asks of the programs: --lang en or --lang hu,
// before their other options.
void addLanguage(std::vector<std::string_view>& arguments, int english) {
  arguments.insert(arguments.begin(), {"--lang", english ? "en" : "hu"});
}

// Texts that are not UTF-8 show the replacement character; the page reads
// the output file's bytes themselves from the file system.
const char* answer(const nlohmann::json& json) {
  lastAnswer() = json.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
  return lastAnswer().c_str();
}

}  // namespace

extern "C" {

// qerix --lang en|hu [-x --no-warnings] input.txt output.txt: the exit status and the console's two
// streams. The output file stays at /qerix/output.txt, for the page to read
// when it is asked for: it holds the whole input again.
EMSCRIPTEN_KEEPALIVE const char* qerixRun(const char* input, int extended, int english) {
  writeFile(inputPath, input);
  std::filesystem::remove(outputPath);
  std::vector<std::string_view> arguments{inputPath, outputPath};
  // With -x the message of a failed run explains it; the page lists the
  // warnings from qerixTree, so the run does not write them again.
  if (extended) arguments.insert(arguments.begin(), {"-x", "--no-warnings"});
  addLanguage(arguments, english);
  std::ostringstream console;
  std::ostringstream errors;
  const int status = qerix::runTelling(arguments, console, errors);
  return answer({{"status", status}, {"stdout", console.str()}, {"stderr", errors.str()}});
}

// qerix-tree --lang en|hu [-x] --json --steps --rows N input: its JSON, the exit status
// and the message on standard error.
EMSCRIPTEN_KEEPALIVE const char* qerixTree(const char* input, int extended, int rows, int english) {
  writeFile(inputPath, input);
  const std::string rowText = std::to_string(rows);
  std::vector<std::string_view> arguments{"--json", "--steps", "--rows", rowText, inputPath};
  if (extended) arguments.insert(arguments.begin(), "-x");
  addLanguage(arguments, english);
  std::ostringstream console;
  std::ostringstream errors;
  const int status = qerix::runTree(arguments, console, errors);
  nlohmann::json tree;
  try {
    tree = nlohmann::json::parse(console.str());
  } catch (const nlohmann::json::exception&) {
    tree = nullptr;
  }
  return answer({{"status", status}, {"tree", tree}, {"stderr", errors.str()}});
}

// qerix-check --lang en|hu [-x] model answer: the report, the gradebook line and the exit
// status. The model is a whole input file, the answer a query.
EMSCRIPTEN_KEEPALIVE const char* qerixCheck(const char* model, const char* answerQuery, int extended, int english) {
  const std::string modelPath = "model.txt";
  const std::string answerPath = "answer.txt";
  writeFile(modelPath, model);
  writeFile(answerPath, answerQuery);
  nlohmann::json result;
  for (const bool tsv : {false, true}) {
    std::vector<std::string_view> arguments{modelPath, answerPath};
    if (tsv) arguments.insert(arguments.begin(), "--tsv");
    if (extended) arguments.insert(arguments.begin(), "-x");
    addLanguage(arguments, english);
    std::ostringstream console;
    std::ostringstream errors;
    const int status = qerix::runCheck(arguments, console, errors);
    result[tsv ? "tsv" : "report"] = console.str();
    result["status"] = status;
    result["stderr"] = errors.str();
  }
  return answer(result);
}

// The programs' texts that the page shows itself, in Hungarian or English:
// a run without a result, and what a tree node's own result says.
EMSCRIPTEN_KEEPALIVE const char* qerixTexts(int english) {
  const qerix::Language language = english ? qerix::Language::english : qerix::Language::hungarian;
  using qerix::Text;
  return answer({{"emptyResult", std::string(qerix::textOf(Text::emptyResultMessage, language))},
                 {"noResult", std::string(qerix::textOf(Text::stepNoResult, language))},
                 {"notEvaluated", std::string(qerix::textOf(Text::stepNotEvaluated, language))},
                 {"failed", std::string(qerix::textOf(Text::stepFailed, language))},
                 {"records", std::string(qerix::textOf(Text::stepRecords, language))},
                 {"outOfMemory", std::string(qerix::textOf(Text::outOfMemoryMessage, language))}});
}

// The language table: every operator and condition with its spellings in
// each notation, for the editor's highlighting and its symbols.
EMSCRIPTEN_KEEPALIVE const char* qerixLanguage() {
  std::ostringstream table;
  qerix::writeLanguageJson(table);
  return answer(nlohmann::json::parse(table.str()));
}

}  // extern "C"
