#include "tools/assignment.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include <toml++/toml.h>

#include "model/fatal_error.h"
#include "model/message_catalogue.h"
#include "tools/answer_file.h"
#include "tools/operator_use.h"

namespace qerix {

namespace {

constexpr double longestSeconds = 3600;

// Reads the TOML tables into an Assignment, naming the file and the key of
// every fault. Keys no reader knows are faults too: a misspelt "forbiden"
// must not silently allow what the teacher meant to forbid.
class AssignmentReader {
 public:
  AssignmentReader(std::string_view assignmentPath, std::string_view assignmentFolder)
      : path(quotedText(assignmentPath)), folder(assignmentFolder) {}

  Assignment read(const toml::table& top) {
    Assignment assignment;
    requireKnownKeys(top, "", {"title", "extended", "limits", "data", "question"});
    assignment.title = textAt(top, "title", "", "");
    if (booleanAt(top, "extended", "", false)) assignment.language = QueryLanguage::extended;
    const AnswerLimits limits = limitsAt(top, "", AnswerLimits{});
    readDataSets(top, assignment);
    const toml::array* questions = arrayOfTables(top, "question");
    if (!questions || questions->empty()) fail(Text::assignmentMissingKeyFault, "question");
    for (std::size_t index = 0; index < questions->size(); ++index) {
      const std::string where = "question[" + std::to_string(index + 1) + "].";
      assignment.questions.push_back(readQuestion(*(*questions)[index].as_table(), where, assignment, limits));
    }
    return assignment;
  }

 private:
  void readDataSets(const toml::table& top, Assignment& assignment) {
    const toml::array* sets = arrayOfTables(top, "data");
    if (!sets || sets->empty()) fail(Text::assignmentMissingKeyFault, "data");
    for (std::size_t index = 0; index < sets->size(); ++index) {
      const toml::table& table = *(*sets)[index].as_table();
      const std::string where = "data[" + std::to_string(index + 1) + "].";
      requireKnownKeys(table, where, {"name", "file", "hidden"});
      DataSetEntry entry;
      entry.name = requiredText(table, "name", where);
      entry.path = pathOf(requiredText(table, "file", where));
      entry.hidden = booleanAt(table, "hidden", where, false);
      for (const DataSetEntry& earlier : assignment.dataSets) {
        if (earlier.name == entry.name) fail(Text::assignmentDuplicateFault, quotedText(entry.name));
      }
      assignment.dataSets.push_back(std::move(entry));
    }
  }

  Question readQuestion(const toml::table& table, const std::string& where, const Assignment& assignment,
                        const AnswerLimits& limits) {
    requireKnownKeys(table, where,
                     {"id", "title", "model", "model_file", "points", "compare", "data", "forbidden", "required",
                      "limits", "answer_file"});
    Question question;
    question.id = requiredText(table, "id", where);
    if (question.id.empty() || question.id.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                                             "0123456789-_.") != std::string::npos ||
        question.id.starts_with('.')) {
      badValue(where + "id", Text::expectIdentifier, quotedText(question.id));
    }
    if (assignment.findQuestion(question.id)) fail(Text::assignmentDuplicateFault, quotedText(question.id));
    question.title = textAt(table, "title", where, "");
    question.model = modelOf(table, where, assignment.language);
    question.points = numberAt(table, "points", where, 1, false);
    question.comparison = comparisonAt(table, where);
    question.forbidden = operatorsAt(table, "forbidden", where);
    question.required = operatorsAt(table, "required", where);
    question.limits = limitsAt(table, where, limits);
    question.answerFile = textAt(table, "answer_file", where, question.id + ".txt");
    const std::vector<std::string> names = textsAt(table, "data", where);
    for (const std::string& name : names) {
      const auto found = std::find_if(assignment.dataSets.begin(), assignment.dataSets.end(),
                                      [&](const DataSetEntry& set) { return set.name == name; });
      if (found == assignment.dataSets.end())
        fail(Text::assignmentNoDataSetFault, where + "data", quotedText(name));
      question.dataSets.push_back(static_cast<std::size_t>(found - assignment.dataSets.begin()));
    }
    if (!table.contains("data")) {
      for (std::size_t set = 0; set < assignment.dataSets.size(); ++set) question.dataSets.push_back(set);
    }
    if (question.dataSets.empty()) fail(Text::assignmentMissingKeyFault, where + "data");
    return question;
  }

  // The model answer, written in the file or in a file of its own.
  std::string modelOf(const toml::table& table, const std::string& where, QueryLanguage language) {
    const bool inline_ = table.contains("model");
    if (inline_ == table.contains("model_file")) fail(Text::assignmentMissingKeyFault, where + "model");
    AnswerText model;
    if (inline_) {
      model = answerFromText(requiredText(table, "model", where), language);
    } else {
      const std::string file = pathOf(requiredText(table, "model_file", where));
      model = readAnswerFile(file, language);
      if (model.state == AnswerText::State::unreadable) fatal(textOf(Text::unreadableMessage), file);
    }
    if (model.state != AnswerText::State::query) fail(Text::assignmentMissingKeyFault, where + "model");
    // A model that cannot be read is the teacher's fault, found before any answer is graded.
    try {
      operatorsUsed(model.query, language);
    } catch (const FatalError& error) {
      fail(Text::assignmentModelFault, where + "model", error.what());
    }
    return model.query;
  }

  Comparison comparisonAt(const toml::table& table, const std::string& where) {
    const std::string name = textAt(table, "compare", where, "bytes");
    if (name == "bytes") return Comparison::bytes;
    if (name == "records") return Comparison::records;
    if (name == "set") return Comparison::set;
    badValue(where + "compare", Text::expectComparison, quotedText(name));
  }

  std::vector<std::string> operatorsAt(const toml::table& table, std::string_view key, const std::string& where) {
    std::vector<std::string> keywords;
    for (const std::string& name : textsAt(table, key, where)) {
      const std::vector<std::string_view> named = operatorsNamed(name);
      if (named.empty()) fail(Text::assignmentNoOperatorFault, where + std::string(key), quotedText(name));
      for (const std::string_view keyword : named) {
        if (std::find(keywords.begin(), keywords.end(), keyword) == keywords.end()) keywords.emplace_back(keyword);
      }
    }
    return keywords;
  }

  AnswerLimits limitsAt(const toml::table& table, const std::string& where, AnswerLimits limits) {
    const toml::node* node = table.get("limits");
    if (!node) return limits;
    const toml::table* limitsTable = node->as_table();
    if (!limitsTable) badValue(where + "limits", Text::expectTable, sourceOf(*node));
    const std::string inside = where + "limits.";
    requireKnownKeys(*limitsTable, inside, {"seconds", "records"});
    limits.seconds = numberAt(*limitsTable, "seconds", inside, limits.seconds, true);
    if (limits.seconds > longestSeconds) badValue(inside + "seconds", Text::expectPositiveNumber, sourceOf(*node));
    const double records = numberAt(*limitsTable, "records", inside, static_cast<double>(limits.records), true);
    if (records < 1 || records > 1e15) badValue(inside + "records", Text::expectPositiveNumber, sourceOf(*node));
    limits.records = static_cast<std::uint64_t>(records);
    return limits;
  }

  const toml::array* arrayOfTables(const toml::table& table, std::string_view key) {
    const toml::node* node = table.get(key);
    if (!node) return nullptr;
    const toml::array* array = node->as_array();
    if (!array || !array->is_array_of_tables()) badValue(std::string(key), Text::expectTableArray, sourceOf(*node));
    return array;
  }

  std::string requiredText(const toml::table& table, std::string_view key, const std::string& where) {
    if (!table.contains(key)) fail(Text::assignmentMissingKeyFault, where + std::string(key));
    return textAt(table, key, where, "");
  }

  std::string textAt(const toml::table& table, std::string_view key, const std::string& where,
                     std::string fallback) {
    const toml::node* node = table.get(key);
    if (!node) return fallback;
    if (!node->is_string()) badValue(where + std::string(key), Text::expectText, sourceOf(*node));
    return **node->as_string();
  }

  std::vector<std::string> textsAt(const toml::table& table, std::string_view key, const std::string& where) {
    std::vector<std::string> texts;
    const toml::node* node = table.get(key);
    if (!node) return texts;
    const toml::array* array = node->as_array();
    if (!array) badValue(where + std::string(key), Text::expectTextList, sourceOf(*node));
    for (const toml::node& each : *array) {
      if (!each.is_string()) badValue(where + std::string(key), Text::expectTextList, sourceOf(*node));
      texts.push_back(**each.as_string());
    }
    return texts;
  }

  bool booleanAt(const toml::table& table, std::string_view key, const std::string& where, bool fallback) {
    const toml::node* node = table.get(key);
    if (!node) return fallback;
    if (!node->is_boolean()) badValue(where + std::string(key), Text::expectBoolean, sourceOf(*node));
    return **node->as_boolean();
  }

  double numberAt(const toml::table& table, std::string_view key, const std::string& where, double fallback,
                  bool positive) {
    const toml::node* node = table.get(key);
    if (!node) return fallback;
    const std::optional<double> number = node->value<double>();
    const Text expected = positive ? Text::expectPositiveNumber : Text::expectNonNegativeNumber;
    if (!number || !node->is_number() || !(positive ? *number > 0 : *number >= 0) || *number > 1e15)
      badValue(where + std::string(key), expected, sourceOf(*node));
    return *number;
  }

  void requireKnownKeys(const toml::table& table, const std::string& where,
                        std::initializer_list<std::string_view> known) {
    for (const auto& [key, node] : table) {
      if (std::find(known.begin(), known.end(), key.str()) == known.end())
        fail(Text::assignmentUnknownKeyFault, quotedText(where + std::string(key.str())));
    }
  }

  std::string pathOf(const std::string& file) const {
    const std::filesystem::path given(file);
    if (given.is_absolute() || folder.empty()) return file;
    return (std::filesystem::path(folder) / given).string();
  }

  static std::string sourceOf(const toml::node& node) {
    std::ostringstream text;
    node.visit([&text](const auto& value) { text << toml::toml_formatter(value); });
    return quotedText(text.str());
  }

  [[noreturn]] void badValue(const std::string& key, Text expected, const std::string& value) {
    fail(Text::assignmentBadValueFault, key, textOf(expected), value);
  }

  // The message names the file first, then what `first` and `second` fill in.
  [[noreturn]] void fail(Text message, std::string_view first, std::string_view second = {},
                         std::string_view third = {}) const {
    fatal(textOf(message, {path, first, second, third}));
  }

  std::string path;
  std::string folder;
};

}  // namespace

const Question* Assignment::findQuestion(std::string_view id) const {
  for (const Question& question : questions) {
    if (question.id == id) return &question;
  }
  return nullptr;
}

Assignment assignmentFromText(std::string_view text, std::string_view path, std::string_view folder) {
  toml::table top;
  try {
    top = toml::parse(text, std::string(path));
  } catch (const toml::parse_error& error) {
    fatal(textOf(Text::assignmentSyntaxFault,
                 {quotedText(path), std::to_string(error.source().begin.line), error.description()}));
  }
  Assignment assignment = AssignmentReader(path, folder).read(top);
  assignment.path = path;
  return assignment;
}

Assignment readAssignment(std::string_view path) {
  std::error_code error;
  const std::filesystem::path file(path);
  std::ifstream input;
  if (std::filesystem::is_regular_file(file, error)) input.open(file, std::ios::binary);
  if (!input) fatal(textOf(Text::unreadableMessage), path);
  const std::string text{std::istreambuf_iterator<char>(input), std::istreambuf_iterator<char>()};
  if (input.bad()) fatal(textOf(Text::unreadableMessage), path);
  return assignmentFromText(text, path, file.parent_path().string());
}

}  // namespace qerix
