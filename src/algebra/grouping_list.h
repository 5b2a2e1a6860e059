#ifndef QERIX_ALGEBRA_GROUPING_LIST_H
#define QERIX_ALGEBRA_GROUPING_LIST_H

#include <string>
#include <string_view>
#include <vector>

#include "exec/hash/grouped_aggregates.h"

namespace qerix {

// One aggregate of a grouping list: COUNT(*), COUNT(a), COUNT(DISTINCT a),
// SUM(a), AVG(a), MIN(a) or MAX(a), and the name of its result.
struct AggregateCall {
  AggregateKind kind = AggregateKind::countRecords;
  std::string attribute;   // empty for COUNT(*)
  std::string resultName;  // as written, or the default name
  bool named = false;      // whether the list names the result

  // The call as the printers write it, without its name: "COUNT(DISTINCT a)".
  std::string callText() const;
};

// What a grouping groups by and computes: group(E, dept, COUNT(*)->n), the
// textbook's γ_{dept, COUNT(*)→n}(E). Grouping names and aggregates may come
// in any order; the result has the grouping attributes first.
struct GroupingList {
  std::vector<std::string> keys;
  std::vector<AggregateCall> aggregates;
};

// Reads the list of the prefix form: items separated by commas, an aggregate
// named as "CALL->name" or "name<-CALL". Ends the run with a message quoting
// the item at fault.
GroupingList readGroupingList(std::string_view text);

// The default name of an unnamed result: count for COUNT(*), else the
// function and the attribute's name in lower case, as in sum_salary,
// count_distinct_dept.
std::string defaultResultName(AggregateKind kind, std::string_view attribute);

}  // namespace qerix

#endif  // QERIX_ALGEBRA_GROUPING_LIST_H
