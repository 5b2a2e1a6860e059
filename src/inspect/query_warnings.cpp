#include "inspect/query_warnings.h"

#include "inspect/attribute_walk.h"
#include "inspect/data_warnings.h"
#include "inspect/shape_warnings.h"
#include "inspect/text_warnings.h"
#include "model/edit_distance.h"
#include "query/program_text.h"
#include "query/textbook_parser.h"

namespace qerix {

std::vector<std::string> findQueryWarnings(std::string_view query, const RelationList& relations,
                                           QueryLanguage language, bool aboutFile,
                                           std::vector<std::string>* nodeNotes) {
  std::vector<std::string> warnings;
  EditBudget budget(inspectionEditBudget);
  DataWarnings data(query, relations, budget, warnings);
  if (aboutFile) data.checkFile();
  TextWarnings texts(relations, language, budget, warnings);
  // A line that reads as a comment gets that one warning about the query.
  const bool comment = texts.checkCommentLine(query);
  if (comment && !nodeNotes) return warnings;
  if (!comment && language == QueryLanguage::extended && startsProgram(query)) {
    texts.checkProgram(query);
  } else if (!comment) {
    texts.checkQuery(prefixTextOf(query, language));
  }
  AttributeWalk walk(query, relations, language);
  if (nodeNotes) nodeNotes->assign(walk.nodeCount(), "");
  // The conditions' warnings come before the shapes', however the nodes nest.
  std::vector<std::string> shapes;
  walk.walk([&](TreeNode<AlgebraOperator>& node, const Relation* left, const Relation* right, std::string_view form,
                std::size_t formIndex) {
    if (!comment) {
      data.checkNode(node, left, right);
      checkShape(*node.payload, left, right, form, shapes);
    }
    if (nodeNotes && formIndex < nodeNotes->size()) (*nodeNotes)[formIndex] = joinNote(*node.payload, left, right);
  });
  warnings.insert(warnings.end(), shapes.begin(), shapes.end());
  return warnings;
}

}  // namespace qerix
