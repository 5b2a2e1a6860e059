#include "model/letter_case.h"

#include <algorithm>

namespace qerix {

namespace {

char lowerLetter(char character) {
  return character >= 'A' && character <= 'Z' ? static_cast<char>(character - 'A' + 'a') : character;
}

char upperLetter(char character) {
  return character >= 'a' && character <= 'z' ? static_cast<char>(character - 'a' + 'A') : character;
}

}  // namespace

std::string lowered(std::string_view text) {
  std::string result(text);
  std::transform(result.begin(), result.end(), result.begin(), lowerLetter);
  return result;
}

std::string raised(std::string_view text) {
  std::string result(text);
  std::transform(result.begin(), result.end(), result.begin(), upperLetter);
  return result;
}

bool equalsIgnoringCase(std::string_view text, std::string_view other) {
  return std::equal(text.begin(), text.end(), other.begin(), other.end(),
                    [](char left, char right) { return lowerLetter(left) == lowerLetter(right); });
}

}  // namespace qerix
