#include "algebra/table_operator.h"

#include <ostream>

#include "query/text_helpers.h"

namespace qerix {

TableOperator::TableOperator(const RelationList& loaded) : relations(loaded) {}

void TableOperator::setName(std::string_view text) {
  trim(text);
  name = text;
}

void TableOperator::print(std::ostream& out) const {
  out << "Table: " << (namedResult || findRelation() ? std::string_view(name) : std::string_view("Error!")) << '\n';
}

void TableOperator::evaluate(AlgebraOperator* /*left*/, AlgebraOperator* /*right*/) {
  if (namedResult) {
    AlgebraOperator* statement = namedResult->leftPayload();
    const Relation* named = statement ? statement->getResult() : nullptr;
    if (!named) return;
    // A copy that shares the records, under the name the program gave it.
    result = std::make_unique<Relation>(*named);
    result->setName(name);
    return;
  }
  if (const Relation* loaded = findRelation()) result = std::make_unique<Relation>(*loaded);
}

const Relation* TableOperator::findRelation() const {
  for (auto loaded = relations.rbegin(); loaded != relations.rend(); ++loaded) {
    if ((*loaded)->getName() == name) return loaded->get();
  }
  return nullptr;
}

}  // namespace qerix
