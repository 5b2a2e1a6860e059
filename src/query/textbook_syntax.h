#ifndef QERIX_QUERY_TEXTBOOK_SYNTAX_H
#define QERIX_QUERY_TEXTBOOK_SYNTAX_H

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "query/language_table.h"

namespace qerix {

// What a leaf of a textbook query names, for the checks that can only be
// made once the relations are known: that a relation is loaded, that a word
// of a condition is an attribute of its operand, that a quoted text is a
// literal even where an attribute bears its name, that a name of a project
// list or an old name of a rename by name finds one attribute.
enum class LeafRole { text, relation, literal, attribute, listedName };

// A leaf with a role, in the order the prefix query writes them.
struct SourceNote {
  LeafRole role = LeafRole::text;
  std::size_t offset = 0;  // in the textbook query
};

// A query as the textbook parser reads it, before it is written in the
// prefix notation: an operator or condition form with its parts in prefix
// order (operands, then the parameter), or a leaf text (a relation name, an
// operand, a list).
struct SyntaxNode {
  static std::unique_ptr<SyntaxNode> leaf(std::string_view text, LeafRole role = LeafRole::text,
                                          std::size_t offset = 0);
  // A leaf that holds several names, each with its note.
  static std::unique_ptr<SyntaxNode> list(std::string_view text, std::vector<SourceNote> names);
  static std::unique_ptr<SyntaxNode> operation(const OperatorEntry& entry, std::unique_ptr<SyntaxNode> first,
                                               std::unique_ptr<SyntaxNode> second,
                                               std::unique_ptr<SyntaxNode> parameter);
  static std::unique_ptr<SyntaxNode> condition(const ConditionEntry& entry, std::unique_ptr<SyntaxNode> first,
                                               std::unique_ptr<SyntaxNode> second);

  // keyword(part,part,...), or the leaf's text; the notes of the leaves
  // with a role, in the order written, when `notes` is given.
  void writePrefix(std::string& out, std::vector<SourceNote>* notes = nullptr) const;

  std::string_view keyword;  // empty for a leaf
  std::string text;
  std::vector<std::unique_ptr<SyntaxNode>> parts;
  int depth = 0;  // nested forms of its kind: operators, or condition forms
  std::vector<SourceNote> leafNotes;  // of a leaf, of the names it holds
};

// The spelling of `word` in the language that is closest to it, when it is
// close enough to be a slip of the keyboard; empty otherwise.
std::string_view closestOperatorWord(std::string_view word, bool includeWords);

}  // namespace qerix

#endif  // QERIX_QUERY_TEXTBOOK_SYNTAX_H
