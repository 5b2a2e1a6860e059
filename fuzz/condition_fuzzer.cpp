// The condition parser on arbitrary condition text: it must build a tree or
// end with a FatalError, and the tree must print, bind and evaluate against
// every record of a small relation. The compiled form of the tree must give
// the same value for every record.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string_view>

#include "conditions/compiled_condition.h"
#include "conditions/condition_parser.h"
#include "conditions/condition_tree.h"
#include "conditions/logical_operators.h"
#include "model/fatal_error.h"
#include "model/record.h"
#include "model/relation.h"

namespace {

// int, text, an "int" with a trailing blank (text, and a type mismatch
// against the int ones), a repeated name; values at the ends of the int
// range, empty, signed, with leading zeros and blanks.
std::unique_ptr<qerix::Relation> makeRelation() {
  auto relation = std::make_unique<qerix::Relation>();
  relation->setName("R");
  relation->addAttribute("int", "a");
  relation->addAttribute("string", "b");
  relation->addAttribute("int", "c");
  relation->addAttribute("int ", "d");
  relation->addAttribute("string", "b");
  relation->appendNewRecord("1,x,3,1,y");
  relation->appendNewRecord("-2147483648,Kiss Bela,2147483647, 030,");
  relation->appendNewRecord(",,,,");
  relation->appendNewRecord("+30,kiss,030,abc,Kis");
  return relation;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::unique_ptr<qerix::Relation> relation = makeRelation();
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  qerix::ConditionTree tree(std::make_unique<qerix::DummyCondition>());
  try {
    qerix::parseCondition(tree, text);
    std::ostringstream out;
    qerix::PrintVisitor<qerix::LogicalOperator> printer(out);
    tree.walkPreOrder(printer);
    qerix::bindCondition(tree, relation->getAttributes());
    qerix::CompiledCondition compiled(tree);
    for (const std::string_view values : relation->getRecordTexts()) {
      const qerix::Record record(*relation, values);
      const bool holds = qerix::evaluateCondition(tree, record);
      if (compiled.holdsFor(record) != holds) {
        std::fprintf(stderr, "condition_fuzzer: the compiled condition differs on \"%.*s\"\n",
                     static_cast<int>(values.size()), values.data());
        std::abort();
      }
      out << holds;
    }
  } catch (const qerix::FatalError&) {
    // Refused with a message, or a type mismatch ended the run.
  }
  return 0;
}
