// The query parser on arbitrary query text (a program's statements too), over
// a few fixed relations:
// it must build a tree or end with a FatalError, and the tree must print and
// evaluate. The loaded relations must come out of every query unchanged,
// since table references work on copies of them. A query the textbook
// parser accepts must translate into one the prefix parser accepts.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>

#include "algebra/algebra_operator.h"
#include "algebra/dummy_operator.h"
#include "fuzz_budget.h"
#include "model/fatal_error.h"
#include "model/relation.h"
#include "query/expression_parser.h"
#include "query/query_parser.h"
#include "query/textbook_parser.h"

namespace {

struct TableData {
  std::string_view name;
  std::initializer_list<std::pair<std::string_view, std::string_view>> attributes;  // type, name
  std::initializer_list<std::string_view> records;
};

// Names the golden queries use, so that seeds find their tables; types that
// matter (int, a type that only looks like int, text), repeated names, a
// relation without records and one without attributes.
const TableData tables[] = {
    {"R", {{"int", "a"}, {"string", "b"}, {"int", "c"}}, {"1,x,3", "-2,,030", "1,x,3", "2147483647,Kiss Bela,-1"}},
    {"S", {{"int", "a"}, {"string", "d"}}, {"1,y", "+3,x"}},
    {"T", {{"int ", "a"}, {"string", "b"}, {"string", "b"}}, {"1,p,q", ",,"}},
    {"Emp", {{"string", "name"}, {"int", "age"}, {"string", "dept"}}, {"Anna,34,Sales", "Bela,28,IT"}},
    {"Dept", {{"string", "dept"}, {"int", "floor"}}, {"Sales,2", "IT,5"}},
    {"E", {{"int", "a"}}, {}},
    {"N", {}, {"", ""}},
    // Nulls (the line feed) and a decimal attribute, as -x loads them.
    {"P", {{"decimal", "p"}, {"string", "b"}, {"int", "a"}}, {"3.5,x,1", "\n,y,\n", "-0.25,\n,2", "3.50,x,1"}},
};

constexpr std::uint64_t mostRecords = 4;  // of any table above

qerix::RelationList loadTables() {
  qerix::RelationList relations;
  for (const TableData& table : tables) {
    auto relation = std::make_unique<qerix::Relation>();
    relation->setName(table.name);
    for (const auto& [type, name] : table.attributes) relation->addAttribute(type, name);
    relation->readDecimalTypes();
    for (const std::string_view record : table.records) relation->appendNewRecord(record);
    relations.push_back(std::move(relation));
  }
  return relations;
}

std::string printAll(const qerix::RelationList& relations) {
  std::ostringstream out;
  for (const auto& relation : relations) relation->printTo(out);
  return out.str();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const qerix::RelationList relations = loadTables();
  static const std::string loadedText = printAll(relations);
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  qerix::AlgebraTree tree(std::make_unique<qerix::DummyOperator>());
  try {
    // The extended language holds the basic one: every form is reached.
    qerix::parseQuery(tree, text, relations, qerix::QueryLanguage::extended);
    std::ostringstream out;
    qerix::PrintVisitor<qerix::AlgebraOperator> printer(out);
    tree.walkPreOrder(printer);
    if (qerix::fuzz::isWithinBudget(text, mostRecords)) {
      qerix::EvaluateVisitor evaluator;
      tree.walkPostOrder(evaluator);
      if (const qerix::Relation* result = tree.getRoot().payload->getResult()) result->printTo(out);
    }
  } catch (const qerix::FatalError&) {
    // The query was refused with a message, or evaluation ended the run.
  }
  // Whatever the textbook parser accepts, the prefix parser must accept as
  // it stands: the notations build the same trees.
  std::string translated;
  try {
    translated = qerix::translateTextbook(text);
  } catch (const qerix::FatalError&) {
    translated.clear();
  }
  if (!translated.empty()) {
    qerix::AlgebraTree prefixTree(std::make_unique<qerix::DummyOperator>());
    try {
      qerix::parseExpression(prefixTree, translated, relations, qerix::QueryLanguage::extended);
    } catch (const qerix::FatalError& error) {
      std::fprintf(stderr, "expression_fuzzer: the prefix form of a textbook query was refused: %s\n", error.what());
      std::abort();
    }
  }
  if (printAll(relations) != loadedText) {
    std::fprintf(stderr, "expression_fuzzer: a loaded relation changed\n");
    std::abort();
  }
  return 0;
}
