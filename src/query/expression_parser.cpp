#include "query/expression_parser.h"

#include <array>
#include <memory>
#include <string>

#include "algebra/table_operator.h"
#include "model/fatal_error.h"
#include "model/message_catalogue.h"
#include "query/language_table.h"
#include "query/textbook_notes.h"
#include "query/textbook_parser.h"
#include "text/nesting_index.h"
#include "text/nesting_limit.h"
#include "text/text_helpers.h"

namespace qerix {

namespace {

class ExpressionParser {
 public:
  ExpressionParser(AlgebraTree& target, const RelationList& loaded, QueryLanguage queryLanguage,
                   const NestingIndex& queryCommas)
      : tree(target), relations(loaded), language(queryLanguage), commas(queryCommas) {}

  // A trimmed, non-empty expression.
  void parse(std::string_view text, int depth);

  // The two argument texts of a keyword form, not yet trimmed.
  struct Operands {
    std::string_view first;
    std::string_view second;
    std::string_view enclosing;  // the whole form, for messages
    int depth;
  };

  void parseBinary(const Operands& operands, MakeOperator make) {
    auto& node = tree.insertChild(make());
    parseOperand(operands.first, operands);
    tree.setCurrent(&node);
    parseOperand(operands.second, operands);
  }

  // The parameter goes to the node once its operand's subtree is complete.
  void parseWithParameter(const Operands& operands, const OperatorEntry& entry) {
    AlgebraOperator& node = *tree.insertChild(entry.make()).payload;
    parseOperand(operands.first, operands);
    entry.setParameter(node, operands.second);
  }

  // A form of two operands and, after another comma at the top level, a
  // condition: the entry's plain node, or its node with a condition.
  void parseWithOptionalCondition(const Operands& operands, const OperatorEntry& entry) {
    const std::size_t comma = findTopLevelComma(commas, operands.second);
    if (comma == std::string_view::npos) {
      parseBinary(operands, entry.make);
      return;
    }
    auto& treeNode = tree.insertChild(entry.makeWithCondition());
    parseOperand(operands.first, operands);
    tree.setCurrent(&treeNode);
    parseOperand(operands.second.substr(0, comma), operands);
    entry.setParameter(*treeNode.payload, operands.second.substr(comma + 1));
  }

  void parseForm(const Operands& operands, const OperatorEntry& entry) {
    switch (entry.form) {
      case OperatorForm::binary:
        parseBinary(operands, entry.make);
        return;
      case OperatorForm::binaryOrCondition:
        parseWithOptionalCondition(operands, entry);
        return;
      case OperatorForm::unary:
        tree.insertChild(entry.make());
        parseOperand(operands.first, operands);
        return;
      case OperatorForm::withCondition:
      case OperatorForm::withSortList:
      case OperatorForm::withAttributeList:
      case OperatorForm::withRenameList:
      case OperatorForm::withRelationName:
      case OperatorForm::withRenamePairs:
      case OperatorForm::withGroupingList:
        parseWithParameter(operands, entry);
        return;
    }
  }

 private:
  void parseOperand(std::string_view text, const Operands& operands) {
    trim(text);
    if (text.empty()) fatal(textOf(Text::emptyOperandMessage), operands.enclosing);
    parse(text, operands.depth);
  }

  AlgebraTree& tree;
  const RelationList& relations;
  QueryLanguage language;
  const NestingIndex& commas;  // of the whole query
};

void ExpressionParser::parse(std::string_view text, int depth) {
  const KeywordForm form = splitKeywordForm(text);
  // Any head that is no keyword of the language in use is a relation name.
  const OperatorEntry* keyword = findOperatorKeyword(form.head, language == QueryLanguage::extended);
  if (!keyword) {
    auto table = std::make_unique<TableOperator>(relations);
    table->setName(text);
    tree.insertChild(std::move(table));
    return;
  }
  if (!form.hasParenthesis) fatal(textOf(Text::expressionMissingParenthesisMessage), text);
  if (depth > maxNestingDepth) fatal(textOf(Text::expressionTooDeepMessage), text);
  const std::size_t comma = findTopLevelComma(commas, form.inner);
  if (keyword->form == OperatorForm::unary) {
    // Its one operand is the whole argument, commas and all.
    parseForm({form.inner, {}, text, depth + 1}, *keyword);
    return;
  }
  if (comma == std::string_view::npos) fatal(textOf(Text::expressionMissingCommaMessage), text);
  const Operands operands{form.inner.substr(0, comma), form.inner.substr(comma + 1), text, depth + 1};
  parseForm(operands, *keyword);
}

// Every node of the parsed query.
void acceptQualifiedNames(TreeNode<AlgebraOperator>& node) {
  node.payload->acceptQualifiedNames();
  if (node.left) acceptQualifiedNames(*node.left);
  if (node.right) acceptQualifiedNames(*node.right);
}

}  // namespace

void parseExpression(AlgebraTree& tree, std::string_view text, const RelationList& relations, QueryLanguage language) {
  if (text.empty()) fatal(textOf(Text::noQueryMessage));
  std::string_view query = text;
  trim(query);
  if (query.empty()) fatal(textOf(Text::blankQueryMessage), text);
  TreeNode<AlgebraOperator>& above = *tree.getCurrent();
  const bool besideAnother = above.left != nullptr;
  if (language == QueryLanguage::extended && isTextbookQuery(query)) {
    // The textbook notation stands for a prefix query: the same nodes, texts and messages.
    std::vector<SourceNote> notes;
    const std::string prefixQuery = translateTextbook(query, &notes);
    // The prefix text is read once, however deeply it nests.
    const NestingIndex commas(prefixQuery, ',');
    ExpressionParser(tree, relations, language, commas).parse(prefixQuery, 1);
    // What the prefix text cannot say: which names are relations, attributes or literals.
    applyTextbookNotes(besideAnother ? *above.right : *above.left, notes, query);
  } else {
    // Each form's arguments are found at its depth: the query is read once,
    // however deeply it nests.
    const NestingIndex commas(query, ',');
    ExpressionParser(tree, relations, language, commas).parse(query, 1);
  }
  if (language == QueryLanguage::extended) acceptQualifiedNames(besideAnother ? *above.right : *above.left);
}

}  // namespace qerix
