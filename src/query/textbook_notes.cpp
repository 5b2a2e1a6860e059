#include "query/textbook_notes.h"

#include <algorithm>
#include <numeric>
#include <string>

#include "algebra/named_rename_operators.h"
#include "algebra/project_operator.h"
#include "algebra/table_operator.h"
#include "conditions/comparison_operator.h"
#include "query/textbook_lexer.h"

namespace qerix {

namespace {

// describePosition of every note, in one pass over the text.
std::vector<std::string> placesOf(const std::vector<SourceNote>& notes, std::string_view text) {
  std::vector<std::size_t> order(notes.size());
  std::iota(order.begin(), order.end(), 0);
  std::sort(order.begin(), order.end(),
            [&](std::size_t first, std::size_t second) { return notes[first].offset < notes[second].offset; });
  std::vector<std::string> places(notes.size());
  PositionCounter counter(text);
  for (const std::size_t note : order) places[note] = counter.describe(notes[note].offset);
  return places;
}

OperandKind kindOf(LeafRole role) {
  return role == LeafRole::literal ? OperandKind::literal : OperandKind::attribute;
}

class NoteReader {
 public:
  NoteReader(const std::vector<SourceNote>& sourceNotes, std::vector<std::string> notePlaces)
      : notes(sourceNotes), places(std::move(notePlaces)) {}

  void visitOperators(TreeNode<AlgebraOperator>& node) {
    if (node.left) visitOperators(*node.left);
    if (node.right) visitOperators(*node.right);
    AlgebraOperator& payload = *node.payload;
    if (auto* table = dynamic_cast<TableOperator*>(&payload); table && next < notes.size()) {
      table->requireRelation(places[next++]);
    }
    if (auto* project = dynamic_cast<ProjectOperator*>(&payload)) {
      project->setNamePlaces(takePlaces(project->getAttributeNames().size()));
    }
    if (auto* rename = dynamic_cast<AttributeRenameOperator*>(&payload)) {
      rename->setOldNamePlaces(takePlaces(rename->getPairs().size()));
    }
    if (ConditionTree* condition = payload.getCondition()) visitConditions(&condition->getRoot());
  }

 private:
  // The places of a list's names, which come one after the other.
  std::vector<std::string> takePlaces(std::size_t count) {
    if (notes.size() - next < count) return {};
    std::vector<std::string> taken(places.begin() + static_cast<std::ptrdiff_t>(next),
                                   places.begin() + static_cast<std::ptrdiff_t>(next + count));
    next += count;
    return taken;
  }

  // Pre-order: a comparison's operands come right after its keyword.
  void visitConditions(TreeNode<LogicalOperator>* node) {
    if (!node) return;
    if (auto* comparison = dynamic_cast<ComparisonOperator*>(node->payload.get());
        comparison && next + 2 <= notes.size()) {
      OperandSource first{kindOf(notes[next].role), places[next]};
      OperandSource second{kindOf(notes[next + 1].role), places[next + 1]};
      next += 2;
      comparison->setOperandSources(std::move(first), std::move(second));
    }
    visitConditions(node->left.get());
    visitConditions(node->right.get());
  }

  const std::vector<SourceNote>& notes;
  std::vector<std::string> places;
  std::size_t next = 0;
};

}  // namespace

void applyTextbookNotes(TreeNode<AlgebraOperator>& parsed, const std::vector<SourceNote>& notes,
                        std::string_view query) {
  NoteReader(notes, placesOf(notes, query)).visitOperators(parsed);
}

}  // namespace qerix
