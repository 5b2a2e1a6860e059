#ifndef QERIX_PLAN_SELECTION_PROJECTION_BASE_H
#define QERIX_PLAN_SELECTION_PROJECTION_BASE_H

#include <memory>
#include <string>
#include <vector>

#include "algebra/algebra_operator.h"
#include "algebra/project_operator.h"
#include "conditions/compiled_condition.h"
#include "conditions/condition_tree.h"
#include "exec/sort/distinct_projections.h"

namespace qerix {

// What the nodes that stand for project(select(E,C),L) share: C and L, the
// checks of the two nodes made where they would make them, and the test and
// projection of each record. A rule that looks for one of these nodes looks
// for its own class, never for this one.
class SelectionProjectionBase : public AlgebraOperator {
 public:
  // `namePlaces`: the project's (ProjectOperator::getNamePlaces).
  SelectionProjectionBase(std::unique_ptr<ConditionTree> condition, std::vector<std::string> attributeNames,
                          NameLookup lookup, std::vector<std::string> namePlaces);
  ~SelectionProjectionBase() override;

  ConditionTree* getCondition() override { return condition.get(); }
  std::unique_ptr<ConditionTree> takeCondition() { return std::move(condition); }
  const std::vector<std::string>& getAttributeNames() const { return attributeNames; }
  NameLookup getNameLookup() const { return lookup; }
  const std::vector<std::string>& getNamePlaces() const { return namePlaces; }

  void print(std::ostream& out) const override;
  std::string_view getKeyword() const override { return "project"; }

 protected:
  // The projection of records with these attributes; the result, empty, gets
  // its attributes. C's names are checked first; with records C is bound, as
  // the select would bind it for the first, before L's names are checked.
  ProjectOperator::Projection prepare(const AttributeList& attributes, bool hasRecords);

  // Adds the record's projection when it passes. `readsFieldZero`: L lacks a
  // name, so copying the first record that passes ends the run.
  static void addWhenPasses(CompiledCondition& filter, const Record& record, bool readsFieldZero,
                            DistinctProjections& projections) {
    if (!filter.holdsFor(record)) return;
    if (readsFieldZero) failGetValue();
    projections.add(record.getValues());
  }

 private:
  std::unique_ptr<ConditionTree> condition;
  std::vector<std::string> attributeNames;
  NameLookup lookup;
  std::vector<std::string> namePlaces;
};

}  // namespace qerix

#endif  // QERIX_PLAN_SELECTION_PROJECTION_BASE_H
