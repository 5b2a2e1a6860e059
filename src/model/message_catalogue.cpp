#include "model/message_catalogue.h"

#include <array>
#include <cassert>

namespace qerix {

namespace {

struct CatalogueEntry {
  Text id;
  std::string_view hungarian;
  std::string_view english;
};

// One line per text, in the order of `Text`.
constexpr std::array entries{
    CatalogueEntry{Text::qerixUsageMessage, "Hasznalat: qerix <input_file> <output_file>",
                   "Usage: qerix <input_file> <output_file>"},
    CatalogueEntry{Text::sameFileMessage, "Az output file nem lehet azonos az input file-lal: ",
                   "The output file must not be the input file: "},
    CatalogueEntry{Text::cannotOpenOutputMessage, "Nem sikerult irasra megnyitni az output file-t: ",
                   "Cannot open the output file for writing: "},
    CatalogueEntry{Text::writeFailedMessage, "Nem sikerult kiirni az output file-t: ",
                   "Cannot write the output file: "},
    CatalogueEntry{Text::consoleFailedMessage, "Nem sikerult kiirni az eredmenyt a standard kimenetre.",
                   "Cannot write the result to standard output."},
    CatalogueEntry{Text::emptyResultMessage, "Meg ures az eredmeny...", "The result is still empty..."},
    CatalogueEntry{Text::outOfMemoryMessage, "Nincs eleg memoria a lekerdezes vegrehajtasahoz.",
                   "Not enough memory to evaluate the query."},
    CatalogueEntry{Text::didYouMean, "; erre gondolt: {1}?", "; did you mean {1}?"},
    CatalogueEntry{Text::orBetweenNames, " vagy ", " or "},
};
static_assert(entries.size() == static_cast<std::size_t>(Text::count), "one entry per text");

constexpr bool inOrder() {
  for (std::size_t index = 0; index < entries.size(); ++index) {
    if (static_cast<std::size_t>(entries[index].id) != index) return false;
  }
  return true;
}
static_assert(inOrder(), "the entries follow the order of Text");

// Written once by a program's main before any work starts, read everywhere.
Language current = Language::hungarian;

}  // namespace

void setLanguage(Language language) { current = language; }

Language currentLanguage() { return current; }

std::optional<Language> languageNamed(std::string_view name) {
  if (name == "hu") return Language::hungarian;
  if (name == "en") return Language::english;
  return std::nullopt;
}

std::string_view textOf(Text id) { return textOf(id, current); }

std::string_view textOf(Text id, Language language) {
  const CatalogueEntry& entry = entries[static_cast<std::size_t>(id)];
  return language == Language::english ? entry.english : entry.hungarian;
}

std::string textOf(Text id, std::initializer_list<std::string_view> parameters) {
  const std::string_view pattern = textOf(id);
  std::string result;
  result.reserve(pattern.size());
  for (std::size_t index = 0; index < pattern.size(); ++index) {
    const char digit = index + 2 < pattern.size() ? pattern[index + 1] : '\0';
    if (pattern[index] == '{' && digit >= '1' && digit <= '9' && pattern[index + 2] == '}') {
      const auto number = static_cast<std::size_t>(digit - '1');
      assert(number < parameters.size() && "every parameter of a text is given");
      if (number < parameters.size()) result += *(parameters.begin() + number);
      index += 2;
    } else {
      result += pattern[index];
    }
  }
  return result;
}

}  // namespace qerix
