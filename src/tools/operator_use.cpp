#include "tools/operator_use.h"

#include <algorithm>

#include "driver/query_pipeline.h"
#include "model/letter_case.h"
#include "query/language_table.h"
#include "text/spelling_list.h"

namespace qerix {

namespace {

class OperatorCollector : public TreeVisitor<AlgebraOperator> {
 public:
  explicit OperatorCollector(std::vector<std::string>& found) : keywords(found) {}

  void visit(TreeNode<AlgebraOperator>& node, int) override {
    // Table references, named results and the root have no entry.
    const OperatorEntry* const entry = findOperatorByNode(node.payload->getKeyword());
    if (!entry) return;
    if (std::find(keywords.begin(), keywords.end(), entry->keyword) == keywords.end())
      keywords.emplace_back(entry->keyword);
  }

 private:
  std::vector<std::string>& keywords;
};

}  // namespace

std::vector<std::string_view> operatorsNamed(std::string_view name) {
  std::vector<std::string_view> keywords;
  const std::string lower = lowered(name);
  for (const OperatorEntry& entry : operatorEntries()) {
    if (entry.keyword == lower || isSpelledAs(entry.symbols, name) || isSpelledAs(entry.words, lower) ||
        isSpelledAs(entry.latex, name)) {
      keywords.push_back(entry.keyword);
    }
  }
  return keywords;
}

std::vector<std::string> operatorsUsed(std::string_view query, QueryLanguage language) {
  PipelineOptions options;
  options.language = language;
  options.settings.rewrites = false;
  const RelationList none;
  QueryPipeline pipeline(options, none);
  pipeline.parse(query);
  std::vector<std::string> keywords;
  OperatorCollector collector(keywords);
  pipeline.getTree().walkPreOrder(collector);
  return keywords;
}

}  // namespace qerix
