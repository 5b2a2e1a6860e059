#include "driver/query_pipeline.h"

#include <cassert>
#include <exception>
#include <optional>
#include <ostream>

#include "algebra/dummy_operator.h"
#include "driver/input_file.h"
#include "driver/line_reader.h"
#include "exec/pieces/scheduler.h"
#include "model/record_limit.h"
#include "plan/planner.h"
#include "query/query_parser.h"

namespace qerix {

namespace {

// Steps show the tree as written, one node after another: no rewrites, one thread.
PipelineOptions withStepsPlain(PipelineOptions options) {
  if (options.stepRows) options.settings = {.rewrites = false, .parallel = false};
  return options;
}

// Parallel work as the options ask, for one stage.
class ParallelWork {
 public:
  explicit ParallelWork(bool parallel) : before(Scheduler::isParallel()) { Scheduler::setParallel(parallel); }
  ParallelWork(const ParallelWork&) = delete;
  ParallelWork& operator=(const ParallelWork&) = delete;
  ~ParallelWork() { Scheduler::setParallel(before); }

 private:
  bool before;
};

// Evaluates each node as EvaluateVisitor does, then holds its result to the
// record limit: the limit binds every result, not only the ones that grow
// past their operands.
class LimitedEvaluateVisitor : public TreeVisitor<AlgebraOperator> {
 public:
  void visit(TreeNode<AlgebraOperator>& node, int depth) override {
    plain.visit(node, depth);
    if (const Relation* result = node.payload->getResult()) RecordLimit::check(result->getRecordCount());
  }

 private:
  EvaluateVisitor plain;
};

}  // namespace

QueryPipeline::QueryPipeline(const PipelineOptions& pipelineOptions)
    : options(withStepsPlain(pipelineOptions)), relations(input.relations), tree(std::make_unique<DummyOperator>()) {}

QueryPipeline::QueryPipeline(const PipelineOptions& pipelineOptions, const RelationList& loadedBefore)
    : options(withStepsPlain(pipelineOptions)), relations(loadedBefore), tree(std::make_unique<DummyOperator>()) {}

QueryPipeline::~QueryPipeline() = default;

void QueryPipeline::parse(std::string_view query) {
  assert(!parsed && "a pipeline parses one query");
  parseQuery(tree, query, relations, options.language);
  parsed = true;
  // Nothing is loaded after this, so nothing is watched while loading.
  if (options.settings.rewrites) Planner::plan(tree);
}

void QueryPipeline::load(InputFile& file) {
  assert(&relations == &input.relations && "relations loaded before are not loaded again");
  const ParallelWork parallelWork(options.settings.parallel);
  // A stream without a buffer drops whatever is written to it.
  std::ostream discard(nullptr);
  LineReader reader(file.stream(), options.echo ? *options.echo : discard);
  input.query = readQuery(reader, options.language == QueryLanguage::extended);
  assert(!parsed && "a pipeline parses one query");
  std::exception_ptr parseFailure;
  try {
    parseQuery(tree, input.query, relations, options.language);
  } catch (...) {
    parseFailure = std::current_exception();
  }
  parsed = !parseFailure;
  const QueryPlan plan = parsed && options.settings.rewrites ? Planner::plan(tree) : QueryPlan();
  input.relations = loadRelations(reader, file, plan.watchedWhileLoading, options.language == QueryLanguage::extended);
  loaded = true;
  if (parseFailure) std::rethrow_exception(parseFailure);
}

void QueryPipeline::evaluate() {
  assert(parsed && "only a parsed query is evaluated");
  const ParallelWork parallelWork(options.settings.parallel);
  std::optional<RecordLimitScope> limit;
  if (options.recordLimit) limit.emplace(*options.recordLimit);
  if (options.stepRows) {
    steps = std::make_unique<NodeSteps>(*options.stepRows, options.language == QueryLanguage::extended);
    steps->evaluate(tree);
    return;
  }
  if (options.recordLimit) {
    LimitedEvaluateVisitor evaluator;
    tree.walkPostOrder(evaluator);
    return;
  }
  EvaluateVisitor evaluator;
  tree.walkPostOrder(evaluator);
}

const Relation* QueryPipeline::getResult() const { return tree.getRoot().payload->getResult(); }

}  // namespace qerix
