#include "algebra/union_operator.h"

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "exec/pieces/record_pieces.h"
#include "exec/sort/merge_steps.h"
#include "exec/sort/record_sort.h"
#include "exec/views/merged_records.h"

namespace qerix {

namespace {

void appendAll(const Relation& source, Relation& target) {
  for (RecordScanner scanner(source); scanner.next();) target.appendCopy(scanner.getCurrent());
}

}  // namespace

void UnionOperator::print(std::ostream& out) const { out << "Union\n"; }

void UnionOperator::evaluate(AlgebraOperator* left, AlgebraOperator* right) {
  std::shared_ptr<Relation> first = takeOperand(left);
  std::shared_ptr<Relation> second = takeOperand(right);
  if (first && second) result = unite(std::move(first), std::move(second));
}

void UnionOperator::sortSecond(const Relation& first, Relation& second) {
  materialize(second);
  // Records sorted in memory are moved into that order, so that the merge
  // and whoever reads the result go through them front to back.
  sortRecords(second, first.getAttributes(), std::min(first.getAttributeCount(), second.getAttributeCount()));
}

std::unique_ptr<Relation> UnionOperator::unite(std::shared_ptr<Relation> first, std::shared_ptr<Relation> second) {
  auto united = std::make_unique<Relation>(first->getAttributes());
  if (first->isEmpty() || second->isEmpty()) {
    appendAll(*first, *united);
    appendAll(*second, *united);
    return united;
  }
  sortSecond(*first, *second);
  return mergeSorted(std::move(first), std::move(second));
}

std::unique_ptr<Relation> UnionOperator::mergeSorted(std::shared_ptr<Relation> first,
                                                     std::shared_ptr<Relation> second) {
  auto united = std::make_unique<Relation>(first->getAttributes());
  materialize(*first);
  sortRecords(*first);
  std::vector<MergedRecords::Step> steps;
  steps.reserve(first->getRecordCount() + second->getRecordCount());
  const auto& texts = first->getRecordTexts();
  std::size_t taken = 0;
  std::string unused;
  mergeSteps(*first, *second, second->getRecordTexts(), false, steps, unused, [&](std::string_view& values) {
    if (taken == texts.size()) return false;
    values = texts[taken++];
    return true;
  });
  const int width = first->getAttributeCount();
  united->setRecordSource(
      std::make_shared<MergedRecords>(std::move(first), std::move(second), std::move(steps), width));
  return united;
}

}  // namespace qerix
