#ifndef QERIX_TOOLS_ASSIGNMENT_H
#define QERIX_TOOLS_ASSIGNMENT_H

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "query/expression_parser.h"
#include "tools/answer_rules.h"

namespace qerix {

// A data set the answers are checked on: an input file's relations.
struct DataSetEntry {
  std::string name;
  std::string path;     // as the assignment file gives it, from the assignment's folder
  bool hidden = false;  // its records and file name never reach a student
};

struct Question {
  std::string id;
  std::string title;
  std::string model;  // the model answer's query (either notation)
  double points = 1;
  Comparison comparison = Comparison::bytes;
  std::vector<std::size_t> dataSets;  // into Assignment::dataSets
  std::vector<std::string> forbidden;  // prefix keywords
  std::vector<std::string> required;
  AnswerLimits limits;
  std::string answerFile;  // the file of a submission folder that holds the answer
};

// What a teacher writes once: the questions, their model answers, points and
// rules, and the data sets they are checked on. Read from a TOML file
// (docs/grading.md has a complete example).
struct Assignment {
  std::string path;  // of the assignment file, for messages
  std::string title;
  QueryLanguage language = QueryLanguage::basic;
  std::vector<DataSetEntry> dataSets;
  std::vector<Question> questions;

  const Question* findQuestion(std::string_view id) const;
};

// Reads an assignment file. Every fault ends the run with a message that
// names the file and the key at fault.
Assignment readAssignment(std::string_view path);

// The same for the text of such a file; `folder` is where relative paths start.
Assignment assignmentFromText(std::string_view text, std::string_view path, std::string_view folder);

}  // namespace qerix

#endif  // QERIX_TOOLS_ASSIGNMENT_H
