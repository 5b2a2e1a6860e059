#ifndef QERIX_INSPECT_QUERY_WARNINGS_H
#define QERIX_INSPECT_QUERY_WARNINGS_H

#include <string>
#include <string_view>
#include <vector>

#include "model/relation.h"
#include "query/expression_parser.h"

namespace qerix {

// Every warning about a query over loaded relations, one line each: those of
// the input file, of the query's text and of what its nodes do with the
// relations' attributes and values (the latter only where the query parses).
// qerix-tree, qerix -x and qerix-check all ask here.
// Without `aboutFile`, only those of the query: qerix-check asks about many
// answers over one data set.
// `nodeNotes`, when given, receives what each node did (see joinNote), one
// text per node in the order the query's forms stand in its text; none where
// the query does not parse.
std::vector<std::string> findQueryWarnings(std::string_view query, const RelationList& relations,
                                           QueryLanguage language, bool aboutFile = true,
                                           std::vector<std::string>* nodeNotes = nullptr);

}  // namespace qerix

#endif  // QERIX_INSPECT_QUERY_WARNINGS_H
