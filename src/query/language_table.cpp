#include "query/language_table.h"

#include <array>

#include "algebra/antijoin_operator.h"
#include "algebra/distinct_operator.h"
#include "algebra/divide_operator.h"
#include "algebra/group_operator.h"
#include "algebra/intersect_operator.h"
#include "algebra/minus_operator.h"
#include "algebra/named_rename_operators.h"
#include "algebra/natural_join_operator.h"
#include "algebra/outer_join_operator.h"
#include "algebra/product_operator.h"
#include "algebra/project_operator.h"
#include "algebra/rename_operator.h"
#include "algebra/select_operator.h"
#include "algebra/semijoin_operator.h"
#include "algebra/sort_operator.h"
#include "algebra/theta_join_operator.h"
#include "algebra/union_operator.h"

namespace qerix {

namespace {

template <class Node>
std::unique_ptr<AlgebraOperator> makeOperator() {
  return std::make_unique<Node>();
}

template <class Node, void (Node::*set)(std::string_view)>
void setParameterOf(AlgebraOperator& node, std::string_view text) {
  (static_cast<Node&>(node).*set)(text);
}

using Form = OperatorForm;

constexpr std::array operators = {
    OperatorEntry{"select", "σ", "sigma", "\\sigma", Form::withCondition, false, 0, makeOperator<SelectOperator>,
                  nullptr, setParameterOf<SelectOperator, &SelectOperator::setCondition>},
    OperatorEntry{"project", "π", "pi", "\\pi", Form::withAttributeList, false, 0, makeOperator<ProjectOperator>,
                  nullptr, setParameterOf<ProjectOperator, &ProjectOperator::setAttributeNames>},
    OperatorEntry{"rename", "ρ", "rho", "\\rho", Form::withRenameList, false, 0, makeOperator<RenameOperator>,
                  nullptr, setParameterOf<RenameOperator, &RenameOperator::setRenameList>},
    OperatorEntry{"product", "×", "cross", "\\times", Form::binary, false, 3, makeOperator<ProductOperator>, nullptr,
                  nullptr},
    OperatorEntry{"union", "∪", "union", "\\cup", Form::binary, false, 1, makeOperator<UnionOperator>, nullptr,
                  nullptr},
    OperatorEntry{"minus", "−", "minus -", "\\setminus", Form::binary, false, 1, makeOperator<MinusOperator>,
                  nullptr, nullptr},
    OperatorEntry{"intersect", "∩", "intersect", "\\cap", Form::binary, true, 2, makeOperator<IntersectOperator>,
                  nullptr, nullptr},
    OperatorEntry{"join", "⋈ ⨝", "join", "\\bowtie \\Join", Form::binaryOrCondition, true, 3,
                  makeOperator<NaturalJoinOperator>, makeOperator<ThetaJoinOperator>,
                  setParameterOf<ThetaJoinOperator, &ThetaJoinOperator::setCondition>},
    OperatorEntry{"semijoin", "⋉", "semijoin", "\\ltimes", Form::binaryOrCondition, true, 3,
                  makeOperator<SemijoinOperator>, makeOperator<SemijoinOperator>,
                  setParameterOf<FilteringJoin, &FilteringJoin::setCondition>},
    OperatorEntry{"antijoin", "▷", "antijoin", "\\triangleright", Form::binaryOrCondition, true, 3,
                  makeOperator<AntijoinOperator>, makeOperator<AntijoinOperator>,
                  setParameterOf<FilteringJoin, &FilteringJoin::setCondition>},
    OperatorEntry{"leftjoin", "⟕", "leftjoin", "\\leftouterjoin", Form::binaryOrCondition, true, 3,
                  makeOperator<LeftJoinOperator>, makeOperator<LeftJoinOperator>,
                  setParameterOf<OuterJoinOperator, &OuterJoinOperator::setCondition>},
    OperatorEntry{"rightjoin", "⟖", "rightjoin", "\\rightouterjoin", Form::binaryOrCondition, true, 3,
                  makeOperator<RightJoinOperator>, makeOperator<RightJoinOperator>,
                  setParameterOf<OuterJoinOperator, &OuterJoinOperator::setCondition>},
    OperatorEntry{"fulljoin", "⟗", "fulljoin", "\\fullouterjoin", Form::binaryOrCondition, true, 3,
                  makeOperator<FullJoinOperator>, makeOperator<FullJoinOperator>,
                  setParameterOf<OuterJoinOperator, &OuterJoinOperator::setCondition>},
    OperatorEntry{"divide", "÷", "divide", "\\div", Form::binary, true, 3, makeOperator<DivideOperator>, nullptr,
                  nullptr},
    OperatorEntry{"distinct", "δ", "distinct", "\\delta", Form::unary, true, 0, makeOperator<DistinctOperator>, nullptr,
                  nullptr},
    OperatorEntry{"sort", "τ", "tau", "\\tau", Form::withSortList, true, 0, makeOperator<SortOperator>, nullptr,
                  setParameterOf<SortOperator, &SortOperator::setSortList>},
    // The textbook's ρ_{N}(E) and ρ_{a←b}(E); its parser tells the three renames apart by their subscript.
    OperatorEntry{"renamerelation", "ρ", "rho", "\\rho", Form::withRelationName, true, 0,
                  makeOperator<RelationRenameOperator>, nullptr,
                  setParameterOf<RelationRenameOperator, &RelationRenameOperator::setNewName>},
    OperatorEntry{"renameattribute", "ρ", "rho", "\\rho", Form::withRenamePairs, true, 0,
                  makeOperator<AttributeRenameOperator>, nullptr,
                  setParameterOf<AttributeRenameOperator, &AttributeRenameOperator::setRenamePairs>},
    OperatorEntry{"group", "γ", "gamma", "\\gamma", Form::withGroupingList, true, 0, makeOperator<GroupOperator>,
                  nullptr, setParameterOf<GroupOperator, &GroupOperator::setGroupingList>},
};

}  // namespace

std::span<const OperatorEntry> operatorEntries() { return operators; }

const OperatorEntry* findOperatorKeyword(std::string_view keyword, bool extended) {
  for (const OperatorEntry& entry : operators) {
    if (entry.keyword == keyword && (extended || !entry.needsExtended)) return &entry;
  }
  return nullptr;
}

const OperatorEntry* findOperatorByNode(std::string_view nodeKeyword) { return findOperatorKeyword(nodeKeyword, true); }

}  // namespace qerix
