#ifndef QERIX_TESTS_SUPPORT_BUILDERS_H
#define QERIX_TESTS_SUPPORT_BUILDERS_H

#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "driver/run.h"
#include "model/fatal_error.h"
#include "model/relation.h"
#include "query/expression_parser.h"

namespace qerix::test {

// A relation held in memory, made from a header line and record lines as the
// loader reads them (readHeader, recordText); a line with too many values
// ends the run with the setValue message, as it does in a file.
std::unique_ptr<Relation> makeRelation(std::string_view header, std::initializer_list<std::string_view> recordLines);

template <class... Relations>
RelationList relationList(Relations... relations) {
  RelationList list;
  (list.push_back(std::move(relations)), ...);
  return list;
}

// The relation in the result format, as printTo writes it.
std::string printed(const Relation& relation);

// The record texts in order, whether in memory or still in their source.
std::string recordsOf(const Relation& relation);  // one text per line

// The message of the FatalError that `action` throws, or "(no fatal error)".
template <class Action>
std::string fatalMessageOf(Action&& action) {
  try {
    std::forward<Action>(action)();
  } catch (const FatalError& error) {
    return error.what();
  }
  return "(no fatal error)";
}

// The condition's value for each record of the relation, in order, as "T"
// or "F", from one condition tree bound to the relation's attributes. Where
// the CompiledCondition of that tree gives other values, both are shown.
std::string conditionValues(std::string_view condition, const Relation& relation);

// How a query is evaluated: as a run does, with the planner's rewrites, or
// node by node, each node's plain evaluation.
enum class Evaluation { planned, plain };

// Parses the query (with -x, perhaps a program) over the relations and
// evaluates it; the result is null when the query yields no relation.
std::unique_ptr<Relation> evaluateQuery(std::string_view query, const RelationList& relations,
                                        Evaluation evaluation = Evaluation::planned,
                                        QueryLanguage language = QueryLanguage::basic);

// What a run would show of the query: the printed result, "null", or
// "fatal: " and the message.
std::string queryOutcome(std::string_view query, const RelationList& relations,
                         Evaluation evaluation = Evaluation::planned, QueryLanguage language = QueryLanguage::basic);

// A fresh folder, removed with everything in it when the object goes.
class TempFolder {
 public:
  TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder();

  std::filesystem::path path(std::string_view name) const { return root / name; }
  std::filesystem::path write(std::string_view name, std::string_view content) const;  // the file's path
  std::string read(std::string_view name) const;  // "(missing)" when there is no such file

 private:
  std::filesystem::path root;
};

// What a whole run of qerix gave: its exit status, what the console got on
// both streams, and the output file.
struct RunOutcome {
  int status = 0;
  std::string console;
  std::string errors;
  std::string output;
};

// Runs qerix in-process, its options (-x) before input.txt and output.txt of
// `folder`, input.txt holding `input`.
RunOutcome runOnInput(const TempFolder& folder, const std::string& input, const std::vector<std::string>& options = {},
                      const RunSettings& settings = {});

// The relations of an input file loaded as a run loads them, from a regular
// file, so that their records stay in the file; the echo is what the output
// file received.
struct LoadedFile {
  std::string query;
  RelationList relations;
  std::string echo;
};
LoadedFile loadFile(const std::filesystem::path& path, QueryLanguage language = QueryLanguage::basic);

// The relations of an input file, with their records left in the file or,
// as a run over a pipe holds them, brought into memory.
RelationList loadRelations(const std::filesystem::path& path, bool inMemory);

// The relations of `input` read through a FIFO in `folder`, which the loader
// cannot read again: every record is copied to memory as it is loaded.
RelationList loadThroughPipe(TempFolder& folder, const std::string& input);

}  // namespace qerix::test

#endif  // QERIX_TESTS_SUPPORT_BUILDERS_H
