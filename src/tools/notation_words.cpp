#include "tools/notation_words.h"

#include "query/program_parser.h"
#include "query/textbook_parser.h"

namespace qerix {

namespace {

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool isPlainWord(std::string_view text) {
  if (text.empty() || !isLetter(text.front())) return false;
  for (std::size_t index = 0; index < text.size(); ++index) {
    if (!isLetter(text[index]) && !isDigit(text[index])) return false;
    if (text[index] == '_' && index + 1 < text.size() && text[index + 1] == '{') return false;
  }
  return true;
}

bool isNameWord(std::string_view text) { return isPlainWord(text) && !isReservedName(text); }

bool isWrittenName(std::string_view text) {
  const std::size_t dot = text.find('.');
  if (dot == std::string_view::npos) return isNameWord(text);
  return isNameWord(text.substr(0, dot)) && isNameWord(text.substr(dot + 1));
}

bool isNumberText(std::string_view text) {
  if (text.starts_with('-')) text.remove_prefix(1);
  std::size_t index = 0;
  while (index < text.size() && isDigit(text[index])) ++index;
  if (index == 0) return false;
  if (index == text.size()) return true;
  if (text[index] != '.' || index + 1 == text.size()) return false;
  for (++index; index < text.size(); ++index) {
    if (!isDigit(text[index])) return false;
  }
  return true;
}

bool isQuotable(std::string_view literal) {
  return fitsPrefixOperand(literal) && literal.find_first_of("'\n") == std::string_view::npos;
}

std::string latexEscaped(std::string_view text, bool math) {
  std::string escaped;
  for (const char c : text) {
    switch (c) {
      case '_':
      case '#':
      case '$':
      case '%':
      case '&':
      case '{':
      case '}':
        escaped += '\\';
        escaped += c;
        break;
      case '~':
        escaped += "\\textasciitilde{}";
        break;
      case '^':
        escaped += "\\textasciicircum{}";
        break;
      case '\\':
        escaped += "\\textbackslash{}";
        break;
      case ' ':
        escaped += math ? "\\ " : " ";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

}  // namespace qerix
