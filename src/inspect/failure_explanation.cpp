#include "inspect/failure_explanation.h"

#include <optional>
#include <span>
#include <vector>

#include "algebra/project_operator.h"
#include "conditions/comparison_operator.h"
#include "inspect/attribute_texts.h"
#include "inspect/attribute_walk.h"
#include "model/edit_distance.h"
#include "model/fatal_error.h"
#include "model/message_catalogue.h"
#include "query/program_text.h"
#include "query/textbook_parser.h"
#include "text/text_helpers.h"

namespace qerix {

namespace {

// The fixed messages of the faults this explains, in the language of the
// run: a field number past the record's end, and a comparison of two types.
bool isFieldNumberMessage(std::string_view message) {
  return message == textOf(Text::getValueMessage) || message == textOf(Text::setValueMessage);
}

bool isTypeMismatchMessage(std::string_view message) { return message == textOf(Text::typeMismatchMessage); }

// The "(" left open, or the ")" that closes none, in a prefix query; counted
// in characters, as the reader sees them, not bytes.
std::string unbalancedParenthesis(std::string_view query) {
  std::vector<std::size_t> open;
  for (std::size_t index = 0; index < query.size(); ++index) {
    if (query[index] == '(') {
      open.push_back(index);
    } else if (query[index] == ')') {
      if (open.empty()) {
        const std::string_view upToIt = query.substr(0, index + 1);
        return textOf(Text::surplusParenthesisExplanation,
                      {std::to_string(characterCount(upToIt)), quotedText(upToIt)});
      }
      open.pop_back();
    }
  }
  if (open.empty()) return "";
  // The innermost "(" left open: the form whose ")" was forgotten most likely.
  const std::size_t at = open.back();
  std::size_t start = at;
  while (start > 0 && query[start - 1] != '(' && query[start - 1] != ',' && query[start - 1] != ' ') --start;
  return textOf(Text::openParenthesisExplanation,
                {std::to_string(characterCount(query.substr(0, at + 1))), quotedText(query.substr(start))});
}

std::string_view setOperationName(std::string_view keyword) {
  if (keyword == "union") return textOf(Text::unionName);
  if (keyword == "minus") return textOf(Text::minusName);
  if (keyword == "intersect") return textOf(Text::intersectName);
  return "";
}

class Explainer {
 public:
  explicit Explainer(std::string_view message) : fixed(message) {}

  void look(TreeNode<AlgebraOperator>& node, const Relation* left, const Relation* right, std::string_view formText) {
    if (found) return;
    const std::string form = formText.empty() ? std::string() : textOf(Text::inOperation, {quotedText(formText)});
    if (const auto* project = dynamic_cast<const ProjectOperator*>(node.payload.get()); project && left) {
      if (!isFieldNumberMessage(fixed)) return;
      for (const std::string& name : project->getAttributeNames()) {
        if (left->getAttributes().countAttributesFound(name, project->getNameLookup()) > 0) continue;
        found = textOf(Text::projectExplanation,
                       {form, quotedText(name), listText(left->getAttributes().getAttributeNames())}) +
                didYouMean(name, left->getAttributes().getAttributeNames());
        return;
      }
    }
    const std::string_view setName = setOperationName(node.payload->getKeyword());
    if (!setName.empty() && left && right) {
      const AttributeList& first = left->getAttributes();
      const AttributeList& second = right->getAttributes();
      bool matching = first.getAttributeCount() == second.getAttributeCount();
      for (int position = 1; matching && position <= first.getAttributeCount(); ++position) {
        matching = first.getAttributeType(position) == second.getAttributeType(position);
      }
      if (!matching) {
        found = textOf(Text::setOperationExplanation, {setName, form, headerText(first), headerText(second)});
      }
      return;
    }
    if (ConditionTree* condition = node.payload->getCondition(); condition && left && isTypeMismatchMessage(fixed)) {
      AttributeList attributes = left->getAttributes();
      if (right) attributes.addAttributes(right->getAttributes());
      lookAtComparisons(condition->getRoot(), attributes, form);
    }
  }

  const std::optional<std::string>& explanation() const { return found; }

 private:
  void lookAtComparisons(const TreeNode<LogicalOperator>& node, const AttributeList& attributes,
                         const std::string& form) {
    if (found) return;
    if (node.payload->getKind() == ConditionKind::comparison) {
      const auto& comparison = static_cast<const ComparisonOperator&>(*node.payload);
      const int first = attributes.findAttribute(comparison.getOperand1(), NameLookup::qualified);
      const int second = attributes.findAttribute(comparison.getOperand2(), NameLookup::qualified);
      if (first > 0 && second > 0 && attributes.getAttributeType(first) != attributes.getAttributeType(second)) {
        const std::string compared = std::string(comparison.getName()) + "(" + comparison.getOperand1() + "," +
                                     comparison.getOperand2() + ")";
        found = textOf(Text::comparisonExplanation,
                       {form, quotedText(compared), quotedText(attributes.getAttributeType(first)),
                        quotedText(comparison.getOperand1()), quotedText(attributes.getAttributeType(second)),
                        quotedText(comparison.getOperand2())});
      }
      return;
    }
    if (node.left) lookAtComparisons(*node.left, attributes, form);
    if (node.right) lookAtComparisons(*node.right, attributes, form);
  }

  std::string_view fixed;
  std::optional<std::string> found;
};

}  // namespace

std::string explainFailure(const LoadedInput& input, const std::string& message) {
  const std::string& query = input.query;
  const bool program = startsProgram(query);
  const bool textbook = !program && isTextbookQuery(query);
  if (!program && !textbook) {
    std::string unbalanced = unbalancedParenthesis(query);
    if (!unbalanced.empty()) return unbalanced;
  }
  AttributeWalk walk(query, input.relations, QueryLanguage::extended);
  Explainer explainer(message);
  walk.walk([&](TreeNode<AlgebraOperator>& node, const Relation* left, const Relation* right, std::string_view form,
                std::size_t /*formIndex*/) { explainer.look(node, left, right, form); });
  return explainer.explanation().value_or("");
}

}  // namespace qerix
