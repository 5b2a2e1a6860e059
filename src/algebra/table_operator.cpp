#include "algebra/table_operator.h"

#include <ostream>

#include "text/text_helpers.h"

namespace qerix {

TableOperator::TableOperator(const RelationList& loaded) : relations(loaded) {}

void TableOperator::setName(std::string_view text) {
  trim(text);
  name = text;
}

void TableOperator::print(std::ostream& out) const {
  out << "Table: " << (findRelation() ? std::string_view(name) : std::string_view("Error!")) << '\n';
}

void TableOperator::evaluate(AlgebraOperator* /*left*/, AlgebraOperator* /*right*/) {
  if (const Relation* loaded = findRelation()) result = std::make_unique<Relation>(*loaded);
}

const Relation* TableOperator::findRelation() const {
  for (auto loaded = relations.rbegin(); loaded != relations.rend(); ++loaded) {
    if ((*loaded)->getName() == name) return loaded->get();
  }
  return nullptr;
}

}  // namespace qerix
