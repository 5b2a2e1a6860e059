#include "tools/tree_notation.h"

#include <unordered_set>

#include "algebra/group_operator.h"
#include "algebra/named_rename_operators.h"
#include "algebra/named_result_operator.h"
#include "algebra/project_operator.h"
#include "algebra/rename_operator.h"
#include "algebra/sort_operator.h"
#include "algebra/table_operator.h"
#include "conditions/comparison_operator.h"
#include "model/fatal_error.h"
#include "model/message_catalogue.h"
#include "query/language_table.h"
#include "tools/grouping_notation.h"
#include "tools/notation_words.h"

namespace qerix {

namespace {

using Node = TreeNode<AlgebraOperator>;
using ConditionNode = TreeNode<LogicalOperator>;

class NotationPrinter {
 public:
  NotationPrinter(Notation chosen, const RelationList& relations) : notation(chosen) {
    for (const auto& relation : relations) {
      const AttributeList& attributes = relation->getAttributes();
      for (int position = 1; position <= attributes.getAttributeCount(); ++position) {
        knownAttributes.emplace(attributes.getAttributeName(position));
        knownQualifiedNames.insert(relation->getName() + "." + std::string(attributes.getAttributeName(position)));
      }
    }
  }

  void collectNames(const Node* node) {
    if (!node) return;
    const AlgebraOperator* payload = node->payload.get();
    if (const auto* project = dynamic_cast<const ProjectOperator*>(payload)) {
      for (const std::string& name : project->getAttributeNames()) knownAttributes.insert(name);
    } else if (const auto* rename = dynamic_cast<const RenameOperator*>(payload)) {
      for (const std::string& name : rename->getNewAttributeNames()) {
        knownAttributes.insert(name);
        knownQualifiedNames.insert(rename->getNewName() + "." + name);
      }
    } else if (const auto* renamed = dynamic_cast<const RelationRenameOperator*>(payload)) {
      namesWithoutList.insert(renamed->getNewName());
    } else if (const auto* named = dynamic_cast<const NamedResultOperator*>(payload)) {
      namesWithoutList.insert(named->getName());
    } else if (const auto* byName = dynamic_cast<const AttributeRenameOperator*>(payload)) {
      for (const auto& pair : byName->getPairs()) knownAttributes.insert(pair.first);
    } else if (const auto* group = dynamic_cast<const GroupOperator*>(payload)) {
      for (const std::string& key : group->getGroupingList().keys) knownAttributes.insert(key);
      for (const AggregateCall& call : group->getGroupingList().aggregates) knownAttributes.insert(call.resultName);
    }
    collectNames(node->left.get());
    collectNames(node->right.get());
  }

  // The statements, one per line, then the final query.
  void writeProgram(const Node& node) {
    if (const auto* named = dynamic_cast<const NamedResultOperator*>(node.payload.get())) {
      out += name(named->getName());
      out += ' ';
      out += spell(assignmentWords, assignmentSymbols, assignmentLatex);
      out += ' ';
      writeExpression(*node.left, 0);
      out += '\n';
      writeProgram(*node.right);
      return;
    }
    writeExpression(node, 0);
  }

  std::string take() { return std::move(out); }

 private:
  std::string_view spell(std::string_view words, std::string_view symbols, std::string_view latex) const {
    switch (notation) {
      case Notation::prefix:
        return firstSpelling(words);
      case Notation::textbook:
        return firstSpelling(symbols);
      case Notation::latex:
        break;
    }
    return firstSpelling(latex);
  }

  // A relation, attribute or result name.
  std::string name(std::string_view text) const {
    if (notation == Notation::prefix) return std::string(text);
    if (notation == Notation::textbook) {
      if (!isNameWord(text)) fatal(textOf(Text::cannotWriteMessage), text);
      return std::string(text);
    }
    return latexEscaped(text);
  }

  // `lowest`: the precedence below which a binary form needs parentheses.
  void writeExpression(const Node& node, int lowest) {
    const AlgebraOperator& payload = *node.payload;
    if (const auto* table = dynamic_cast<const TableOperator*>(&payload)) {
      out += name(table->getName());
      return;
    }
    const OperatorEntry& entry = *findOperatorByNode(payload.getKeyword());
    if (notation == Notation::prefix) {
      writePrefixForm(node, entry);
      return;
    }
    if (entry.form == OperatorForm::unary) {
      out += spell(entry.words, entry.symbols, entry.latex);
      out += '(';
      writeExpression(*node.left, 0);
      out += ')';
      return;
    }
    if (entry.precedence == 0) {
      out += spell(entry.words, entry.symbols, entry.latex);
      out += "_{";
      writeParameter(node, entry);
      out += "}(";
      writeExpression(*node.left, 0);
      out += ')';
      return;
    }
    const bool parenthesized = entry.precedence < lowest;
    if (parenthesized) out += '(';
    writeExpression(*node.left, entry.precedence);
    out += ' ';
    out += spell(entry.words, entry.symbols, entry.latex);
    if (ConditionTree* condition = node.payload->getCondition()) {
      out += "_{";
      writeCondition(*condition->getRoot().left, 0);
      out += '}';
    }
    out += ' ';
    // Left-associative: a right operand of the same precedence keeps its parentheses.
    writeExpression(*node.right, entry.precedence + 1);
    if (parenthesized) out += ')';
  }

  void writePrefixForm(const Node& node, const OperatorEntry& entry) {
    out += entry.keyword;
    out += '(';
    writeExpression(*node.left, 0);
    if (entry.form == OperatorForm::unary) {
      out += ')';
      return;
    }
    out += ',';
    if (node.right) {
      writeExpression(*node.right, 0);
      if (ConditionTree* condition = node.payload->getCondition()) {
        out += ',';
        writeCondition(*condition->getRoot().left, 0);
      }
    } else {
      writeParameter(node, entry);
    }
    out += ')';
  }

  void writeParameter(const Node& node, const OperatorEntry& entry) {
    switch (entry.form) {
      case OperatorForm::withAttributeList: {
        const auto& names = static_cast<const ProjectOperator&>(*node.payload).getAttributeNames();
        // The textbook notation reads no empty list back.
        if (names.empty() && notation == Notation::textbook) fatal(textOf(Text::cannotWriteMessage), "");
        writeNames(names, true);
        return;
      }
      case OperatorForm::withRenameList: {
        const auto& rename = static_cast<const RenameOperator&>(*node.payload);
        out += name(rename.getNewName());
        out += '(';
        writeNames(rename.getNewAttributeNames());
        out += ')';
        return;
      }
      case OperatorForm::withSortList: {
        const auto& keys = static_cast<const SortOperator&>(*node.payload).getSortKeys();
        for (std::size_t index = 0; index < keys.size(); ++index) {
          if (index > 0) out += ',';
          out += notation == Notation::textbook && isWrittenName(keys[index].name) ? keys[index].name
                                                                                 : name(keys[index].name);
          if (keys[index].descending) out += " DESC";
        }
        return;
      }
      case OperatorForm::withRelationName:
        out += name(static_cast<const RelationRenameOperator&>(*node.payload).getNewName());
        return;
      case OperatorForm::withRenamePairs: {
        const auto& pairs = static_cast<const AttributeRenameOperator&>(*node.payload).getPairs();
        const std::string_view arrow = spell(assignmentWords, assignmentSymbols, assignmentLatex);
        for (std::size_t index = 0; index < pairs.size(); ++index) {
          if (index > 0) out += ',';
          out += name(pairs[index].first);
          out += notation == Notation::latex ? " " + std::string(arrow) + " " : std::string(arrow);
          out += name(pairs[index].second);
        }
        return;
      }
      case OperatorForm::withGroupingList:
        out += groupingListText(static_cast<const GroupOperator&>(*node.payload).getGroupingList(), notation,
                                [this](std::string_view text) { return listedName(text); });
        return;
      default:
        writeCondition(*node.payload->getCondition()->getRoot().left, 0);
    }
  }

  // A project's list may hold qualified names, a rename's may not.
  void writeNames(const std::vector<std::string>& names, bool qualified = false) {
    for (std::size_t index = 0; index < names.size(); ++index) {
      if (index > 0) out += ',';
      out += qualified ? listedName(names[index]) : name(names[index]);
    }
  }

  // A name of a list that may hold qualified ones.
  std::string listedName(std::string_view text) const {
    return notation == Notation::textbook && isWrittenName(text) ? std::string(text) : name(text);
  }

  void writeCondition(const ConditionNode& node, int lowest) {
    const LogicalOperator& payload = *node.payload;
    const ConditionKind kind = payload.getKind();
    const ConditionEntry* entry = nullptr;
    for (const ConditionEntry& each : conditionEntries()) {
      const bool same = (kind == ConditionKind::both && each.form == ConditionForm::both) ||
                        (kind == ConditionKind::either && each.form == ConditionForm::either) ||
                        (kind == ConditionKind::negation && each.form == ConditionForm::negation) ||
                        (kind == ConditionKind::comparison &&
                         each.keyword == static_cast<const ComparisonOperator&>(payload).getName());
      if (same) entry = &each;
    }
    if (notation == Notation::prefix) {
      out += entry->keyword;
      out += '(';
      if (kind == ConditionKind::comparison) {
        const auto& comparison = static_cast<const ComparisonOperator&>(payload);
        out += prefixOperand(payload.getOperand1(), comparison.getOperandKind1());
        out += ',';
        out += prefixOperand(payload.getOperand2(), comparison.getOperandKind2());
      } else {
        writeCondition(*node.left, 0);
        if (node.right) {
          out += ',';
          writeCondition(*node.right, 0);
        }
      }
      out += ')';
      return;
    }
    const std::string_view sign = spell(entry->words, entry->symbols, entry->latex);
    if (kind == ConditionKind::comparison) {
      out += operand(payload.getOperand1());
      out += ' ';
      out += sign;
      out += ' ';
      out += operand(payload.getOperand2());
      return;
    }
    if (kind == ConditionKind::negation) {
      out += sign;
      const bool bare = node.left->payload->getKind() == ConditionKind::comparison;
      out += bare ? " " : "(";
      writeCondition(*node.left, 0);
      if (!bare) out += ')';
      return;
    }
    const bool parenthesized = entry->precedence < lowest;
    if (parenthesized) out += '(';
    writeCondition(*node.left, entry->precedence);
    out += ' ';
    out += sign;
    out += ' ';
    writeCondition(*node.right, entry->precedence + 1);
    if (parenthesized) out += ')';
  }

  // The prefix notation reads an operand that names an attribute (or, with
  // -x, an attribute a of R as "R.a") as the attribute, so a quoted text of
  // that name has no prefix form.
  std::string_view prefixOperand(std::string_view text, OperandKind kind) const {
    if (kind != OperandKind::literal) return text;
    const std::size_t dot = text.rfind('.');
    const bool qualified = dot != std::string_view::npos && knownAttributes.contains(std::string(text.substr(dot + 1)));
    if (qualified || knownAttributes.contains(std::string(text))) fatal(textOf(Text::cannotReadAsLiteralMessage), text);
    return text;
  }

  std::string operand(std::string_view text) const {
    if (isNumberText(text)) return std::string(text);
    if (knownAttributes.contains(std::string(text)) && isNameWord(text)) return name(text);
    if (isKnownQualifiedName(text)) return notation == Notation::latex ? latexEscaped(text) : std::string(text);
    if (notation == Notation::latex) return "\\text{'" + latexEscaped(text, false) + "'}";
    if (!isQuotable(text)) fatal(textOf(Text::cannotQuoteMessage), text);
    return "'" + std::string(text) + "'";
  }

  // R.a, where R is a relation or a rename that lists a, or a result or a
  // rename whose attributes the query does not list, and a an attribute.
  bool isKnownQualifiedName(std::string_view text) const {
    const std::size_t dot = text.find('.');
    if (dot == std::string_view::npos || !isWrittenName(text)) return false;
    return knownQualifiedNames.contains(std::string(text)) ||
           (namesWithoutList.contains(std::string(text.substr(0, dot))) &&
            knownAttributes.contains(std::string(text.substr(dot + 1))));
  }

  Notation notation;
  std::unordered_set<std::string> knownAttributes;
  std::unordered_set<std::string> knownQualifiedNames;
  std::unordered_set<std::string> namesWithoutList;
  std::string out;
};

}  // namespace

bool readNotation(std::string_view name, Notation& notation) {
  if (name == "prefix") {
    notation = Notation::prefix;
  } else if (name == "textbook") {
    notation = Notation::textbook;
  } else if (name == "latex") {
    notation = Notation::latex;
  } else {
    return false;
  }
  return true;
}

std::string writeInNotation(AlgebraTree& tree, Notation notation, const RelationList& relations) {
  NotationPrinter printer(notation, relations);
  const Node* query = tree.getRoot().left.get();
  if (!query) return "";
  printer.collectNames(query);
  printer.writeProgram(*query);
  return printer.take();
}

}  // namespace qerix
