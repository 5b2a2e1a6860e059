#ifndef QERIX_ALGEBRA_LOADING_WATCHERS_H
#define QERIX_ALGEBRA_LOADING_WATCHERS_H

#include <vector>

#include "algebra/algebra_operator.h"
#include "model/record_watcher.h"

namespace qerix {

// The operators of a parsed query that can do their work while the input
// file is loaded, each with the name of the relation it watches: a select or
// a project directly over a relation, and a project over such a select (which
// then tests the select's condition itself). Each of them reads that relation
// once, in order, so reading it again after loading would be wasted.
std::vector<WatchedRelation> watchersWhileLoading(AlgebraTree& tree);

}  // namespace qerix

#endif  // QERIX_ALGEBRA_LOADING_WATCHERS_H
