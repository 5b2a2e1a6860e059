#ifndef QERIX_INSPECT_TEXT_WARNINGS_H
#define QERIX_INSPECT_TEXT_WARNINGS_H

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "model/edit_distance.h"
#include "model/relation.h"
#include "query/expression_parser.h"
#include "text/nesting_index.h"

namespace qerix {

// Texts of a query that qerix reads as the language defines, but that were
// most likely meant otherwise: a form whose last character is not its ")",
// text after a form's ")", a form with more arguments than it uses, a select
// or project given more than it uses, quotes around a literal, a keyword in
// the wrong case or with a blank before its "(", a relation name that
// matches no loaded relation. The query is walked as the parsers walk it.
class TextWarnings {
 public:
  TextWarnings(const RelationList& loaded, QueryLanguage language, EditBudget& budget,
               std::vector<std::string>& warnings);

  void checkQuery(std::string_view query);
  // A query line that begins as other tools begin a comment ("--", "#", ...);
  // what the other checks would say of it then only misleads.
  bool checkCommentLine(std::string_view query);
  // A program (with -x): each statement's expression, every name known from
  // the statement after its own on; a name that hides a loaded relation is
  // one more warning.
  void checkProgram(std::string_view program);

 private:
  // `depth` counts forms as the parsers do; past their limit nothing is walked.
  void checkExpression(std::string_view text, int depth);
  void checkCondition(std::string_view text, int depth);
  void checkOperand(std::string_view operand);
  // Found through the indexes of the query being checked.
  std::size_t topLevelComma(std::string_view part) const;
  std::string_view firstArgument(std::string_view part) const;  // up to its first top-level comma
  // The ")" that closes a form's first "(", or text after it.
  void checkEnding(std::string_view form);
  // The loaded relation name most like `name` (the same letters in another
  // case first), or "" when nothing is loaded or the budget is spent.
  std::string closestRelation(std::string_view name);

  const RelationList& relations;
  QueryLanguage language;
  EditBudget& budget;
  std::vector<std::string>& out;
  std::unordered_set<std::string_view> loadedNames;
  std::vector<std::string_view> relationNames;  // in the file's order
  // Each loaded name in lower case, with the first name that spells it so.
  std::unordered_map<std::string, std::string_view> loweredNames;
  std::optional<NestingIndex> commas;    // of the query being checked
  std::optional<NestingIndex> closings;  // its ")"
  // The answers of closestRelation so far: a query may name one relation many times.
  std::unordered_map<std::string, std::string> suggestions;
};

}  // namespace qerix

#endif  // QERIX_INSPECT_TEXT_WARNINGS_H
