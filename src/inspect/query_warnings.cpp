#include "inspect/query_warnings.h"

#include "inspect/data_warnings.h"
#include "inspect/shape_warnings.h"
#include "inspect/text_warnings.h"
#include "model/edit_distance.h"
#include "model/fatal_error.h"
#include "query/program_text.h"
#include "query/textbook_parser.h"

namespace qerix {

namespace {

// The query in the prefix notation (a textbook query translated), "" when it does not translate.
std::string prefixTextOf(std::string_view query, QueryLanguage language) {
  if (language != QueryLanguage::extended || !isTextbookQuery(query)) return std::string(query);
  try {
    return translateTextbook(query);
  } catch (const FatalError&) {
    return "";
  }
}

}  // namespace

std::vector<std::string> findQueryWarnings(std::string_view query, const RelationList& relations,
                                           QueryLanguage language, bool parsed, bool aboutFile) {
  std::vector<std::string> warnings;
  EditBudget budget(inspectionEditBudget);
  DataWarnings data(query, relations, language, budget, warnings);
  if (aboutFile) data.checkFile();
  TextWarnings texts(relations, language, budget, warnings);
  if (texts.checkCommentLine(query)) {
    return warnings;
  } else if (language == QueryLanguage::extended && startsProgram(query)) {
    texts.checkProgram(query);
  } else {
    texts.checkQuery(prefixTextOf(query, language));
  }
  if (parsed) {
    data.checkConditions();
    findShapeWarnings(query, relations, language, warnings);
  }
  return warnings;
}

}  // namespace qerix
