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
    CatalogueEntry{Text::inOperation, " a {1} muveletben",
                   " in {1}"},
    CatalogueEntry{Text::projectExplanation, "Hibas projekcio{1}: az operandusnak nincs {2} attributuma, csak ezek: {3}",
                   "Wrong projection{1}: its operand has no attribute {2}, only these: {3}"},
    CatalogueEntry{Text::setOperationExplanation, "Hibas {1}{2}: a ket operandus attributumai nem illeszkednek: {3} es {4}; azonos szamu es sorrendben azonos tipusu attributum kell.",
                   "Wrong {1}{2}: the attributes of the two operands do not match: {3} and {4}; both need as many attributes, of the same types in the same order."},
    CatalogueEntry{Text::unionName, "unio",
                   "union"},
    CatalogueEntry{Text::minusName, "kulonbseg",
                   "minus"},
    CatalogueEntry{Text::intersectName, "metszet",
                   "intersect"},
    CatalogueEntry{Text::comparisonExplanation, "Hibas feltetel{1}: a {2} a(z) {3} tipusu {4} attributumot a(z) {5} tipusu {6} attributummal hasonlitja; csak azonos tipusu attributumok hasonlithatok ossze.",
                   "Wrong condition{1}: {2} compares the attribute {4} of type {3} with the attribute {6} of type {5}; only attributes of the same type compare."},
    CatalogueEntry{Text::openParenthesisExplanation, "Hibas kifejezes: a {1}. karakternel nyitott \"(\" sehol nincs lezarva: {2}",
                   "Wrong expression: the \"(\" opened at character {1} is never closed: {2}"},
    CatalogueEntry{Text::surplusParenthesisExplanation, "Hibas kifejezes: a {1}. karakternel allo \")\" nem zar le \"(\"-t: {2}",
                   "Wrong expression: the \")\" at character {1} closes no \"(\": {2}"},
    CatalogueEntry{Text::naturalJoinWarning, "a {1} termeszetes illesztes {2} attributumon illeszt: {3}; ha csak egyikre gondolt, a tobbit nevezze at vagy hagyja el (project) elotte.",
                   "the natural join {1} matches on {2} attributes: {3}; if you meant only one, rename or project away the others first."},
    CatalogueEntry{Text::unionPadsWarning, "a {1} masodik operandusanak kevesebb attributuma van, mint az elsonek: {2} es {3}; a hianyzo ertekeket uresen hagyja.",
                   "the second operand of {1} has fewer attributes than the first: {2} and {3}; the missing values are left empty."},
    CatalogueEntry{Text::setComparesPartlyWarning, "a {1} masodik operandusanak kevesebb attributuma van, mint az elsonek: {2} es {3}; a rekordokat csak reszben veti ossze.",
                   "the second operand of {1} has fewer attributes than the first: {2} and {3}; the records are compared only in part."},
    CatalogueEntry{Text::setMixesTypesWarning, "a {1} {2}. attributumaban kulonbozo tipusok allnak: {3} es {4}; az eredmeny az elso operandus tipusait kapja.",
                   "{1} has different types in attribute {2}: {3} and {4}; the result takes the first operand's types."},
    CatalogueEntry{Text::divideLeavesWarning, "a {1} eredmenyeben tobb attributum marad: {2}; az osztandoban csak a hanyados es az oszto attributumai alljanak (project).",
                   "the result of {1} keeps several attributes: {2}; the dividend should hold only the quotient's and the divisor's attributes (project)."},
    CatalogueEntry{Text::renameOneAttributeWarning, "a {1} csak az elso attributumot nevezi at ({2} helyett {3}), a relaciot nem; a relacio neve: rename(..., {4}({5})).",
                   "{1} renames only the first attribute ({2} to {3}), not the relation; to name the relation: rename(..., {4}({5}))."},
    CatalogueEntry{Text::headerWithoutTypesWarning, "a {1} relacio fejleceben tipus nelkul all: {2}; tipusa a neve lett, ezert szovegkent hasonlitja: irja \"nev int\" vagy \"nev string\" alakban.",
                   "the header of relation {1} gives no type for: {2}; each got its name as its type and compares as text: write \"name int\" or \"name string\"."},
    CatalogueEntry{Text::secondQueryWarning, "a {1} nevu relacio fejlece masodik lekerdezesnek latszik: egy input file egy lekerdezest tartalmaz, az elso nem ures sort, a tobbi sort relacionak olvassa.",
                   "the header of relation {1} looks like a second query: an input file holds one query, its first non-empty line, and the other lines are read as relations."},
    CatalogueEntry{Text::literalOtherCaseWarning, "a {1} a {2} erteket keresi, de a {3} relacio {4} ertekei kozott csak mas betumerettel all ({5}): a kis- es nagybetuket megkulonbozteti.",
                   "{1} looks for the value {2}, but the values of {4} in relation {3} hold it only in another case ({5}): case matters."},
    CatalogueEntry{Text::commentLineWarning, "a lekerdezes sora megjegyzesnek latszik, de az input file elso nem ures sora maga a lekerdezes, megjegyzes nincs: {1}",
                   "the query line looks like a comment, but the first non-empty line of the input file is the query itself; there are no comments: {1}"},
    CatalogueEntry{Text::borrowedKeywordWarning, "a {1} nem kulcsszo, ezert relacionevnek olvasta: {2}",
                   "{1} is no keyword, so it was read as a relation name: {2}"},
    CatalogueEntry{Text::withExtendedOption, " (a -x kapcsoloval)",
                   " (with -x)"},
    CatalogueEntry{Text::noSharedAttribute, "nincs kozos attributum",
                   "no shared attribute"},
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
