#ifndef QERIX_DRIVER_QUERY_PIPELINE_H
#define QERIX_DRIVER_QUERY_PIPELINE_H

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string_view>

#include "algebra/algebra_operator.h"
#include "driver/node_steps.h"
#include "driver/relation_loader.h"
#include "query/expression_parser.h"

namespace qerix {

class InputFile;

// How a run evaluates its query: for tests that compare a run with every
// rewrite of the planner and all parallel work against the plain evaluation
// on one thread, and for tools that show one step at a time. Not an option
// of the program: its result is the same bytes either way.
struct RunSettings {
  bool rewrites = true;
  bool parallel = true;
};

struct PipelineOptions {
  QueryLanguage language = QueryLanguage::basic;
  RunSettings settings;
  // Where the input file's lines go as they are read (qerix's output file);
  // null drops them.
  std::ostream* echo = nullptr;
  // Keeps each node's own result, with up to this many records: every node
  // then runs its plain evaluation on one thread, one after another, whatever
  // the settings say.
  std::optional<std::size_t> stepRows;
  // The most records any one node's result may hold; past it evaluation
  // stops with RecordLimitExceeded, not a FatalError. None for qerix: only a
  // grader sets it, to stop an answer that runs away.
  std::optional<std::uint64_t> recordLimit;
};

// Every stage of a query, in the one order all programs share: text, tree,
// plan, load, evaluate. A program stops where it needs to (after parse, or
// after load) and reads what the stages left: the input, the tree, the
// result, each node's steps. Stages end the run with a FatalError, as qerix
// reports it.
class QueryPipeline {
 public:
  // Over the relations of an input file that load reads.
  explicit QueryPipeline(const PipelineOptions& options);
  // Over relations loaded before, which outlive the pipeline and never
  // change: many queries over one data set (the model and every answer).
  QueryPipeline(const PipelineOptions& options, const RelationList& loadedBefore);
  QueryPipeline(const QueryPipeline&) = delete;
  QueryPipeline& operator=(const QueryPipeline&) = delete;
  ~QueryPipeline();

  // Text to tree, planned unless rewrites are off. Once per pipeline.
  void parse(std::string_view query);

  // The whole input file of a pipeline of its own: the query line, parsed
  // and planned first, so that work is done while the relations are read;
  // then every relation, each line echoed and checked. The first fault ends
  // the run, a malformed query only once every relation was read and
  // checked. Evaluates nothing.
  void load(InputFile& input);

  // Evaluates the parsed tree, after load where the pipeline loads. With a
  // record limit, throws RecordLimitExceeded where a result outgrows it.
  void evaluate();

  bool isParsed() const { return parsed; }
  // Every relation was read and checked: a fault load ends with is the query's.
  bool isLoaded() const { return loaded; }
  // The query line and relations that load read (empty before).
  const LoadedInput& getInput() const { return input; }
  AlgebraTree& getTree() { return tree; }
  const AlgebraTree& getTree() const { return tree; }
  // After evaluate: the root's result, null when it has none.
  const Relation* getResult() const;
  // After evaluate with stepRows.
  const NodeSteps& getSteps() const { return *steps; }

 private:
  PipelineOptions options;
  // Declared in this order: the table references point into the relations.
  LoadedInput input;
  const RelationList& relations;  // input.relations, or those loaded before
  AlgebraTree tree;
  bool parsed = false;
  bool loaded = false;
  std::unique_ptr<NodeSteps> steps;
};

}  // namespace qerix

#endif  // QERIX_DRIVER_QUERY_PIPELINE_H
