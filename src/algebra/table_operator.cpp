#include "algebra/table_operator.h"

#include <ostream>
#include <vector>

#include "model/edit_distance.h"
#include "model/fatal_error.h"
#include "model/message_catalogue.h"
#include "text/text_helpers.h"

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
    result->setOrigin(name);
    return;
  }
  if (const Relation* loaded = findRelation()) {
    result = std::make_unique<Relation>(*loaded);
    return;
  }
  if (requiredAt.empty()) return;
  std::vector<std::string_view> names;
  for (const auto& loaded : relations) names.push_back(loaded->getName());
  for (std::size_t index = 0; index < resultNameCount; ++index) names.push_back((*resultNames)[index]);
  fatal(std::string(textOf(Text::unknownRelationMessage)) + requiredAt + "): " + quotedText(name) +
        didYouMean(name, names));
}

const Relation* TableOperator::findRelation() const {
  for (auto loaded = relations.rbegin(); loaded != relations.rend(); ++loaded) {
    if ((*loaded)->getName() == name) return loaded->get();
  }
  return nullptr;
}

}  // namespace qerix
