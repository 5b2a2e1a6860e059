#ifndef QERIX_ALGEBRA_PROJECT_OPERATOR_H
#define QERIX_ALGEBRA_PROJECT_OPERATOR_H

#include <string>
#include <string_view>
#include <vector>

#include "algebra/algebra_operator.h"

namespace qerix {

// Keeps the named attributes (with -x, also by "R.a"), in the input's
// attribute order whatever order the list gives, each once; the records come
// out sorted and distinct. Of equal records (07 and 7 in an "int" field are
// equal) the last one stays.
// A name the input lacks stands for position 0: with records, the run ends
// with the getValue message. A list of the textbook notation is stricter:
// each name must find exactly one attribute (checkProjectNames).
class ProjectOperator : public AlgebraOperator {
 public:
  // Names separated by commas; blanks at a name's start are dropped, blanks
  // before a comma stay, and a comma at the end adds nothing. An all-blank
  // list ends the run.
  void setAttributeNames(std::string_view text);
  const std::vector<std::string>& getAttributeNames() const { return attributeNames; }
  void acceptQualifiedNames() override { lookup = NameLookup::qualified; }
  NameLookup getNameLookup() const { return lookup; }
  // From a textbook query: where each name stood ("1. sor 5. oszlop").
  void setNamePlaces(std::vector<std::string> places) { namePlaces = std::move(places); }
  const std::vector<std::string>& getNamePlaces() const { return namePlaces; }

  void print(std::ostream& out) const override;
  void evaluate(AlgebraOperator* left, AlgebraOperator* right) override;
  std::string_view getKeyword() const override { return "project"; }

  // The input's fields that names pick: their positions, ascending, from 1
  // (0 for a name the input lacks), and their attributes.
  struct Projection {
    std::vector<int> positions;
    AttributeList attributes;

    bool lacksAName() const { return !positions.empty() && positions.front() == 0; }
  };
  static Projection projectionOf(const AttributeList& input, const std::vector<std::string>& names, NameLookup lookup);

 private:
  std::vector<std::string> attributeNames;
  NameLookup lookup = NameLookup::plain;
  std::vector<std::string> namePlaces;  // empty for a prefix list
};

// Ends the run when a name of a textbook list (one with `places`, where each
// name stood) finds no attribute of `input`, or several; also for the nodes
// that take a project's place. A prefix list passes.
void checkProjectNames(const AttributeList& input, const std::vector<std::string>& names, NameLookup lookup,
                       const std::vector<std::string>& places);
// Whether checkProjectNames lets the names pass, without ending the run.
bool passesProjectNames(const AttributeList& input, const std::vector<std::string>& names, NameLookup lookup,
                        const std::vector<std::string>& places);

// Writes a project's line; also for the nodes that take a project's place.
void printProject(std::ostream& out, const std::vector<std::string>& attributeNames);

}  // namespace qerix

#endif  // QERIX_ALGEBRA_PROJECT_OPERATOR_H
