#include "driver/run.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <ostream>
#include <streambuf>
#include <string>

#include "driver/input_file.h"
#include "model/fatal_error.h"
#include "model/message_catalogue.h"

namespace qerix {

namespace {

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
    fatal(textOf(Text::sameFileMessage), outputPath);
  }
}

// `qerix <input_file> <output_file>`, with -x (--extended) before them for
// the textbook operators and --lang en|hu for the language of the messages,
// each at most once and in any order; anything else is the usage error.
struct Invocation {
  std::string_view inputPath;
  std::string_view outputPath;
  QueryLanguage language = QueryLanguage::basic;
};

Invocation readArguments(std::span<const std::string_view> arguments) {
  // Each run starts in the programs' own language, whatever ran before it.
  applyLanguageOption(arguments);
  Invocation invocation;
  bool languageGiven = false;
  std::size_t index = 0;
  // An option given a second time is read as a file, as before --lang: a
  // file named -x is still `qerix -x -x out.txt`.
  while (index < arguments.size()) {
    const std::string_view option = arguments[index];
    if (isExtendedOption(option) && invocation.language == QueryLanguage::basic) {
      invocation.language = QueryLanguage::extended;
      ++index;
    } else if (option == "--lang" && !languageGiven) {
      if (index + 1 == arguments.size() || !languageNamed(arguments[index + 1])) fatal(textOf(Text::qerixUsageMessage));
      languageGiven = true;
      index += 2;
    } else {
      break;
    }
  }
  // `qerix -x in.txt` left out the output file: read as the input "-x" and
  // the output "in.txt", it would write over the input the user meant.
  // A file of that name is still ./-x.
  if (arguments.size() - index != 2) fatal(textOf(Text::qerixUsageMessage));
  invocation.inputPath = arguments[index];
  invocation.outputPath = arguments[index + 1];
  return invocation;
}

// The file and the pipeline outlive execute, for the listener: records may
// stay in the file.
struct RunState {
  std::unique_ptr<InputFile> inputFile;
  std::unique_ptr<QueryPipeline> pipeline;
};

void execute(std::span<const std::string_view> arguments, std::ofstream& outputFile, std::ostream& console,
             const RunSettings& settings, RunState& state) {
  const Invocation invocation = readArguments(arguments);
  const std::string_view inputPath = invocation.inputPath;
  const std::string_view outputPath = invocation.outputPath;

  state.inputFile = std::make_unique<InputFile>(inputPath);
  InputFile& inputFile = *state.inputFile;
  requireDistinctFiles(inputPath, outputPath);
  outputFile.open(std::string(outputPath), std::ios::out | std::ios::trunc);
  if (!outputFile.is_open()) fatal(textOf(Text::cannotOpenOutputMessage), outputPath);

  PipelineOptions options;
  options.language = invocation.language;
  options.settings = settings;
  options.echo = &outputFile;
  state.pipeline = std::make_unique<QueryPipeline>(options);
  QueryPipeline& pipeline = *state.pipeline;
  pipeline.load(inputFile);
  pipeline.evaluate();

  outputFile << '\n';
  if (const Relation* result = pipeline.getResult()) {
    TeeBuffer both(outputFile, console);
    std::ostream out(&both);
    result->printTo(out, invocation.language == QueryLanguage::extended);
  } else {
    console << textOf(Text::emptyResultMessage) << '\n';
  }
  console.flush();
  outputFile.flush();
  if (!outputFile) fatal(textOf(Text::writeFailedMessage), outputPath);
  // A result that did not reach the console is not a completed run either.
  if (!console) fatal(textOf(Text::consoleFailedMessage));
}

}  // namespace

int run(std::span<const std::string_view> arguments, std::ostream& console, std::ostream& errors,
        const RunSettings& settings, RunListener* listener) {
  std::ofstream outputFile;
  RunState state;
  const auto failure = failureOf([&] { execute(arguments, outputFile, console, settings, state); },
                                 textOf(Text::outOfMemoryMessage));
  console.flush();
  outputFile.flush();
  if (!failure) {
    if (listener) {
      listener->completed(*state.pipeline, errors);
      errors.flush();
    }
    return 0;
  }
  errors << (listener ? listener->explain(state.pipeline.get(), *failure) : *failure) << '\n' << std::flush;
  return 1;
}

bool isExtendedOption(std::string_view argument) { return argument == "-x" || argument == "--extended"; }

}  // namespace qerix
