#include "tools/answer_file.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "driver/line_reader.h"
#include "driver/relation_loader.h"

namespace qerix {

namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

bool isCommentLine(std::string_view line) {
  const std::size_t first = line.find_first_not_of(" \t");
  if (first == std::string_view::npos) return false;
  line.remove_prefix(first);
  return line.starts_with('#') || line.starts_with("--");
}

// The text without its byte order mark, CRs before line ends and comment
// lines. A comment line goes altogether, not as an empty line, so that a
// comment inside a program does not end it.
std::string withoutSavingMarks(std::string_view text) {
  if (text.starts_with(byteOrderMark)) text.remove_prefix(byteOrderMark.size());
  std::string kept;
  kept.reserve(text.size());
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (isCommentLine(line)) continue;
    kept += line;
    kept += '\n';
  }
  return kept;
}

}  // namespace

AnswerText answerFromText(std::string_view text, QueryLanguage language) {
  std::istringstream lines(withoutSavingMarks(text));
  std::ostream discard(nullptr);
  LineReader reader(lines, discard);
  AnswerText answer;
  answer.query = readQuery(reader, language == QueryLanguage::extended);
  if (answer.query.find_first_not_of(" \t") == std::string::npos) {
    answer.state = AnswerText::State::empty;
    answer.query.clear();
  }
  return answer;
}

AnswerText readAnswerFile(std::string_view path, QueryLanguage language) {
  AnswerText unreadable{AnswerText::State::unreadable, {}};
  std::error_code error;
  if (!std::filesystem::is_regular_file(std::filesystem::path(path), error)) return unreadable;
  std::ifstream file{std::filesystem::path(path), std::ios::binary};
  if (!file) return unreadable;
  const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  if (file.bad()) return unreadable;
  return answerFromText(text, language);
}

}  // namespace qerix
