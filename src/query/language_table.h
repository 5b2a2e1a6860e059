#ifndef QERIX_QUERY_LANGUAGE_TABLE_H
#define QERIX_QUERY_LANGUAGE_TABLE_H

#include <memory>
#include <span>
#include <string_view>

#include "algebra/algebra_operator.h"
#include "conditions/condition_table.h"
#include "text/spelling_list.h"

namespace qerix {

// The one description of the query language: every operator and condition
// form with its spellings in each notation (the condition forms in
// conditions/condition_table.h, below the operators that take them). The parsers, the tools'
// warnings and views, and the page all read it, so a form added here is
// known everywhere at once.
//
// Spellings that have alternatives list them separated by one blank; the
// first is the one the printers write.

// What follows an operator's keyword in the prefix notation, after its first
// operand: another operand, or a parameter of the kind named.
enum class OperatorForm {
  withCondition,       // select(E,C)
  withAttributeList,   // project(E,a,b)
  withRenameList,      // rename(E,N(a,b))
  withRelationName,    // renamerelation(E,N)
  withRenamePairs,     // renameattribute(E,a<-b,c<-d)
  withGroupingList,    // group(E,a,COUNT(*)->n)
  binary,              // union(E1,E2)
  binaryOrCondition,   // join(E1,E2) or join(E1,E2,C)
  unary,               // distinct(E)
  withSortList,        // sort(E,a DESC,b)
};

using MakeOperator = std::unique_ptr<AlgebraOperator> (*)();
using SetParameter = void (*)(AlgebraOperator& node, std::string_view text);

struct OperatorEntry {
  std::string_view keyword;  // prefix, lower-case, its "(" directly after it; the node's getKeyword
  std::string_view symbols;  // the textbook's Unicode signs
  std::string_view words;    // the textbook's ASCII spellings
  std::string_view latex;    // the LaTeX commands
  OperatorForm form;
  bool needsExtended;        // a keyword only with -x
  int precedence;            // infix operators: higher binds tighter; 0 for the unary ones
  MakeOperator make;
  MakeOperator makeWithCondition;  // the node of the form with a condition, if it has one
  SetParameter setParameter;       // hands over the condition, list or rename list
};

std::span<const OperatorEntry> operatorEntries();

// The assignment of a named result, in the order the printers prefer.
inline constexpr std::string_view assignmentSymbols = "\xE2\x86\x90";  // ←
inline constexpr std::string_view assignmentWords = "<- :=";
inline constexpr std::string_view assignmentLatex = "\\leftarrow";

// The entry whose prefix keyword this is (with -x: the extended ones too).
const OperatorEntry* findOperatorKeyword(std::string_view keyword, bool extended);
// The entry whose node says this keyword (getKeyword), if any.
const OperatorEntry* findOperatorByNode(std::string_view nodeKeyword);

}  // namespace qerix

#endif  // QERIX_QUERY_LANGUAGE_TABLE_H
