#ifndef QERIX_TOOLS_COUNTEREXAMPLE_INPUT_H
#define QERIX_TOOLS_COUNTEREXAMPLE_INPUT_H

#include <string>
#include <string_view>

#include "query/expression_parser.h"
#include "tools/counterexample.h"

namespace qerix {

// A counterexample as an input file of qerix, or why it cannot be one.
struct CounterexampleInput {
  std::string text;     // the file's bytes
  std::string problem;  // when not empty, the one line why no file is given, quoting the text at fault

  bool isWritten() const { return problem.empty(); }
};

// The answer as the query (a program's lines as they stand), an empty line,
// then each relation of the counterexample: its header line and its record
// lines, an empty line between two relations. qerix (with -x for the
// extended language) reads the file back into the same query and relations,
// record texts, nulls and types included; so it gives the example's outcome
// of the answer. Where some piece would read back otherwise (a query of more
// than one line outside a program, a null without -x, a header the loader
// splits otherwise), no file is given.
CounterexampleInput counterexampleInput(std::string_view answer, const Counterexample& example,
                                        QueryLanguage language);

}  // namespace qerix

#endif  // QERIX_TOOLS_COUNTEREXAMPLE_INPUT_H
