#include "query/program_parser.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "algebra/named_result_operator.h"
#include "algebra/table_operator.h"
#include "model/fatal_error.h"
#include "model/message_catalogue.h"
#include "query/expression_parser.h"
#include "query/language_table.h"
#include "query/program_text.h"
#include "query/textbook_notes.h"
#include "query/textbook_parser.h"
#include "text/nesting_limit.h"

namespace qerix {

namespace {

using NamedResults = std::unordered_map<std::string_view, const TreeNode<AlgebraOperator>*>;

// Points every reference to an earlier named result at its statement; the
// others may have meant one of `resultNames`, for their did-you-mean.
void bindReferences(TreeNode<AlgebraOperator>* node, const NamedResults& named,
                    const std::shared_ptr<const std::vector<std::string>>& resultNames) {
  if (!node) return;
  if (auto* table = dynamic_cast<TableOperator*>(node->payload.get())) {
    const auto found = named.find(table->getName());
    if (found != named.end()) {
      table->bindTo(*found->second);
    } else {
      table->offerResultNames(resultNames, resultNames->size());
    }
  }
  bindReferences(node->left.get(), named, resultNames);
  bindReferences(node->right.get(), named, resultNames);
}

void checkStatements(const std::vector<ProgramStatement>& statements) {
  for (std::size_t index = 0; index < statements.size(); ++index) {
    const ProgramStatement& statement = statements[index];
    const bool last = index + 1 == statements.size();
    if (statement.name.empty() && !last) fatal(textOf(Text::programNotAssignmentMessage), statement.text);
    if (!statement.name.empty() && last) fatal(textOf(Text::programMissingFinalQueryMessage), statement.text);
    if (!statement.name.empty() && statement.expression.empty())
      fatal(textOf(Text::programEmptyExpressionMessage), statement.text);
    if (isReservedName(statement.name)) fatal(textOf(Text::programReservedNameMessage), statement.name);
    if (index >= static_cast<std::size_t>(maxNestingDepth)) fatal(textOf(Text::programTooManyMessage), statement.text);
  }
}

// The expression under the tree's current node, in its own notation; its
// top node.
TreeNode<AlgebraOperator>& parseStatementExpression(AlgebraTree& tree, std::string_view text,
                                                    const ProgramStatement& statement, const RelationList& relations) {
  TreeNode<AlgebraOperator>& above = *tree.getCurrent();
  const bool besideAnother = above.left != nullptr;
  if (isTextbookQuery(statement.expression)) {
    // Positions in messages count from the program's first byte.
    std::vector<SourceNote> notes;
    const std::string prefix =
        translateTextbook(text.substr(0, statement.offset + statement.expression.size()), statement.offset, &notes);
    parseExpression(tree, prefix, relations, QueryLanguage::extended);
    // The names are checked as in a query of its own.
    applyTextbookNotes(besideAnother ? *above.right : *above.left, notes, text);
  } else {
    parseExpression(tree, statement.expression, relations, QueryLanguage::extended);
  }
  return besideAnother ? *above.right : *above.left;
}

}  // namespace

bool isReservedName(std::string_view name) {
  if (name.empty()) return false;
  if (findOperatorKeyword(name, true) || findConditionKeyword(name)) return true;
  for (const OperatorEntry& entry : operatorEntries()) {
    if (isSpelledAs(entry.words, name)) return true;
  }
  for (const ConditionEntry& entry : conditionEntries()) {
    if (isSpelledAs(entry.words, name)) return true;
  }
  return false;
}

void parseProgram(AlgebraTree& tree, std::string_view text, const RelationList& relations) {
  const std::vector<ProgramStatement> statements = splitProgram(text);
  checkStatements(statements);
  NamedResults named;
  const auto resultNames = std::make_shared<std::vector<std::string>>();
  for (const ProgramStatement& statement : statements) {
    if (statement.name.empty()) {
      bindReferences(&parseStatementExpression(tree, text, statement, relations), named, resultNames);
      return;
    }
    TreeNode<AlgebraOperator>& node = tree.insertChild(std::make_unique<NamedResultOperator>(statement.name));
    bindReferences(&parseStatementExpression(tree, text, statement, relations), named, resultNames);
    // Visible from the next statement on: "T <- T ..." reads the loaded T.
    named[statement.name] = &node;
    resultNames->emplace_back(statement.name);
    tree.setCurrent(&node);
  }
}

}  // namespace qerix
