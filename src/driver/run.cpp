#include "driver/run.h"

#include <filesystem>
#include <fstream>
#include <ostream>
#include <streambuf>
#include <string>

#include "driver/input_file.h"
#include "model/fatal_error.h"

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

// `qerix <input_file> <output_file>`, or with -x (--extended) before them for
// the textbook operators; anything else is the usage error.
struct Invocation {
  std::string_view inputPath;
  std::string_view outputPath;
  QueryLanguage language = QueryLanguage::basic;
};

bool isExtendedOption(std::string_view argument) { return argument == "-x" || argument == "--extended"; }

Invocation readArguments(std::span<const std::string_view> arguments) {
  // `qerix -x in.txt` left out the output file: read as the input "-x" and
  // the output "in.txt", it would write over the input the user meant.
  // A file of that name is still ./-x.
  if (arguments.size() == 2 && !isExtendedOption(arguments[0])) return {arguments[0], arguments[1]};
  if (arguments.size() == 3 && isExtendedOption(arguments[0])) {
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

  PipelineOptions options;
  options.language = invocation.language;
  options.settings = settings;
  options.echo = &outputFile;
  QueryPipeline pipeline(options);
  pipeline.load(inputFile);
  pipeline.evaluate();

  outputFile << '\n';
  if (const Relation* result = pipeline.getResult()) {
    TeeBuffer both(outputFile, console);
    std::ostream out(&both);
    result->printTo(out, invocation.language == QueryLanguage::extended);
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
  std::ofstream outputFile;
  const auto failure = failureOf([&] { execute(arguments, outputFile, console, settings); }, outOfMemoryMessage);
  console.flush();
  outputFile.flush();
  if (!failure) return 0;
  errors << *failure << '\n' << std::flush;
  return 1;
}

}  // namespace qerix
