#include "model/name_check.h"

#include <string>
#include <vector>

#include "model/edit_distance.h"
#include "model/fatal_error.h"

namespace qerix {

namespace {

[[noreturn]] void failUnknownName(std::string_view name, std::string_view place, const AttributeList& attributes,
                                  NameLookup lookup, std::string_view message) {
  std::vector<std::string_view> candidates = attributes.getAttributeNames();
  const std::vector<std::string> qualified =
      lookup == NameLookup::qualified ? attributes.getQualifiedNames() : std::vector<std::string>();
  candidates.insert(candidates.end(), qualified.begin(), qualified.end());
  fatal(std::string(message) + std::string(place) + "): " + quotedText(name) + didYouMean(name, candidates));
}

[[noreturn]] void failSharedName(std::string_view name, std::string_view place, const AttributeList& attributes,
                                 NameLookup lookup, std::string_view message) {
  const std::vector<std::string> meant =
      lookup == NameLookup::qualified ? attributes.qualifiedNamesTellingApart(name) : std::vector<std::string>();
  fatal(std::string(message) + std::string(place) + "): " + quotedText(name) + didYouMeanOneOf(meant));
}

}  // namespace

int findOnlyAttribute(const AttributeList& attributes, std::string_view name, NameLookup lookup, std::string_view place,
                      const NameFaultMessages& messages) {
  const int position = attributes.findAttribute(name, lookup);
  if (position == 0) failUnknownName(name, place, attributes, lookup, messages.unknown);
  if (attributes.countAttributesFound(name, lookup) > 1) {
    failSharedName(name, place, attributes, lookup, messages.shared);
  }
  return position;
}

}  // namespace qerix
