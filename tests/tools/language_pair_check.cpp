// Compares what a program wrote in Hungarian with what it wrote in English:
// both texts must hold the same lines, and every pair of lines that differ
// must be explained by the message catalogue, a Hungarian text where the
// English one of the same name stands, with parameters that are equal or
// explained in the same way. Anything else is a difference the language
// must not make. The rows of a table padded with blanks are compared cell
// by cell.
//
// usage: language_pair_check HUNGARIAN_FILE ENGLISH_FILE
//        language_pair_check --table   (the catalogue as "hu<TAB>en" lines)
// Exit status 0 when every line is explained; 1 with the first line that is
// not; 2 when the files cannot be read. Prints "differing N" on success,
// the number of line pairs that differed, so that a caller can tell that the
// languages differed at all.

#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/message_catalogue.h"

namespace {

using qerix::Language;
using qerix::Text;

// Where a pattern (a catalogue text, {1}... for its parameters) matches a
// text from `start`: the end of each match and the parameters it captured.
struct PatternMatch {
  std::size_t end;
  std::vector<std::string> parameters;
};

bool isParameter(std::string_view pattern, std::size_t at) {
  return at + 2 < pattern.size() && pattern[at] == '{' && (pattern[at + 2] == '}' || pattern[at + 2] == '|') &&
         pattern[at + 1] >= '1' && pattern[at + 1] <= '9';
}

// What a parameter adds after its value: nothing for {1}, a blank and the
// agreeing word for {1|record|records}; and where the pattern goes on.
std::pair<std::string, std::size_t> wordAfter(std::string_view pattern, std::size_t at, std::string_view value) {
  if (pattern[at + 2] == '}') return {"", at + 3};
  const std::size_t end = pattern.find('}', at);
  const std::string_view forms = pattern.substr(at + 3, end - at - 3);
  const std::size_t bar = forms.find('|');
  return {" " + std::string(value == "1" ? forms.substr(0, bar) : forms.substr(bar + 1)), end + 1};
}

void matchFrom(std::string_view pattern, std::size_t patternAt, std::string_view text, std::size_t textAt,
               std::vector<std::string>& captured, std::vector<PatternMatch>& found) {
  if (patternAt == pattern.size()) {
    found.push_back({textAt, captured});
    return;
  }
  if (isParameter(pattern, patternAt)) {
    const auto number = static_cast<std::size_t>(pattern[patternAt + 1] - '1');
    if (captured.size() <= number) captured.resize(number + 1);
    for (std::size_t end = textAt; end <= text.size(); ++end) {
      captured[number] = std::string(text.substr(textAt, end - textAt));
      const auto [word, next] = wordAfter(pattern, patternAt, captured[number]);
      if (text.substr(end, word.size()) == word) matchFrom(pattern, next, text, end + word.size(), captured, found);
    }
    return;
  }
  if (textAt < text.size() && text[textAt] == pattern[patternAt]) {
    matchFrom(pattern, patternAt + 1, text, textAt + 1, captured, found);
  }
}

class Explainer {
 public:
  // True when `hungarian` becomes `english` by putting, at some places, the
  // English text of a catalogue entry where its Hungarian text stands.
  bool explains(const std::string& hungarian, const std::string& english) {
    if (hungarian == english) return true;
    const auto key = std::make_pair(hungarian, english);
    if (const auto known = known_.find(key); known != known_.end()) return known->second;
    known_[key] = false;  // a text never explains itself through itself
    std::map<std::pair<std::size_t, std::size_t>, bool> tails;
    const bool result = explainsFrom(hungarian, 0, english, 0, tails);
    known_[key] = result;
    return result;
  }

 private:
  bool explainsFrom(const std::string& hungarian, std::size_t at, const std::string& english, std::size_t enAt,
                    std::map<std::pair<std::size_t, std::size_t>, bool>& tails) {
    if (at == hungarian.size() && enAt == english.size()) return true;
    const auto key = std::make_pair(at, enAt);
    if (const auto known = tails.find(key); known != tails.end()) return known->second;
    tails[key] = false;
    bool result = at < hungarian.size() && enAt < english.size() && hungarian[at] == english[enAt] &&
                  explainsFrom(hungarian, at + 1, english, enAt + 1, tails);
    for (int index = 0; !result && index < static_cast<int>(Text::count); ++index) {
      result = entryExplains(static_cast<Text>(index), hungarian, at, english, enAt, tails);
    }
    tails[key] = result;
    return result;
  }

  bool entryExplains(Text id, const std::string& hungarian, std::size_t at, const std::string& english,
                     std::size_t enAt, std::map<std::pair<std::size_t, std::size_t>, bool>& tails) {
    std::vector<PatternMatch> inHungarian;
    std::vector<std::string> captured;
    matchFrom(qerix::textOf(id, Language::hungarian), 0, hungarian, at, captured, inHungarian);
    if (inHungarian.empty()) return false;
    std::vector<PatternMatch> inEnglish;
    captured.clear();
    matchFrom(qerix::textOf(id, Language::english), 0, english, enAt, captured, inEnglish);
    for (const PatternMatch& first : inHungarian) {
      for (const PatternMatch& second : inEnglish) {
        if (first.parameters.size() != second.parameters.size()) continue;
        bool parametersMatch = true;
        for (std::size_t number = 0; parametersMatch && number < first.parameters.size(); ++number) {
          parametersMatch = explains(first.parameters[number], second.parameters[number]);
        }
        if (parametersMatch && explainsFrom(hungarian, first.end, english, second.end, tails)) return true;
      }
    }
    return false;
  }

  std::map<std::pair<std::string, std::string>, bool> known_;
};

// JSON writes a message's quotes and backslashes escaped.
std::string unescapedJson(std::string_view line) {
  std::string result;
  for (std::size_t index = 0; index < line.size(); ++index) {
    if (line[index] == '\\' && index + 1 < line.size() && (line[index + 1] == '"' || line[index + 1] == '\\')) ++index;
    result += line[index];
  }
  return result;
}

// A row of a table whose columns are padded with blanks to the widest cell:
// its cells, which a translation may make wider or narrower.
std::vector<std::string> cellsOf(std::string_view line) {
  std::vector<std::string> cells;
  std::size_t start = 0;
  while (start < line.size()) {
    std::size_t gap = line.find("  ", start);
    if (gap == std::string_view::npos) gap = line.size();
    cells.emplace_back(line.substr(start, gap - start));
    start = line.find_first_not_of(' ', gap);
    if (start == std::string_view::npos) break;
  }
  return cells;
}

bool explainsCells(Explainer& explainer, std::string_view hungarian, std::string_view english) {
  const std::vector<std::string> first = cellsOf(hungarian);
  const std::vector<std::string> second = cellsOf(english);
  if (first.size() < 2 || first.size() != second.size()) return false;
  for (std::size_t cell = 0; cell < first.size(); ++cell) {
    if (!explainer.explains(first[cell], second[cell])) return false;
  }
  return true;
}

bool readLines(const char* path, std::vector<std::string>& lines) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  for (std::string line; std::getline(file, line);) lines.push_back(line);
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc == 2 && std::string_view(argv[1]) == "--table") {
    for (int index = 0; index < static_cast<int>(Text::count); ++index) {
      const auto id = static_cast<Text>(index);
      std::cout << qerix::textOf(id, Language::hungarian) << '\t' << qerix::textOf(id, Language::english) << '\n';
    }
    return 0;
  }
  std::vector<std::string> hungarian;
  std::vector<std::string> english;
  if (argc != 3 || !readLines(argv[1], hungarian) || !readLines(argv[2], english)) {
    std::cerr << "usage: language_pair_check HUNGARIAN_FILE ENGLISH_FILE | --table\n";
    return 2;
  }
  if (hungarian.size() != english.size()) {
    std::cout << "the languages wrote " << hungarian.size() << " and " << english.size() << " lines\n";
    return 1;
  }
  Explainer explainer;
  std::size_t differing = 0;
  for (std::size_t line = 0; line < hungarian.size(); ++line) {
    if (hungarian[line] == english[line]) continue;
    ++differing;
    if (explainer.explains(hungarian[line], english[line]) ||
        explainer.explains(unescapedJson(hungarian[line]), unescapedJson(english[line])) ||
        explainsCells(explainer, hungarian[line], english[line])) {
      continue;
    }
    std::cout << "line " << line + 1 << " differs beyond the catalogue:\n  hu: " << hungarian[line]
              << "\n  en: " << english[line] << '\n';
    return 1;
  }
  std::cout << "differing " << differing << '\n';
  return 0;
}
