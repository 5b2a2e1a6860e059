#include "algebra/selection.h"

namespace qerix {

Selection::Selection(ConditionTree& condition, Input input)
    : test(condition), fromFile(input == Input::inFile), copying(fromFile) {}

void Selection::offer(const Record& record) {
  // Every record from the input file holds as many values as there are attributes.
  const bool passes = fromFile ? test.holdsForFullRecord(record) : test.holdsFor(record);
  chosen.push_back(passes);
  if (copying) copy(record.getValues(), passes);
}

void Selection::moveTo(Relation& result, const Relation& input) {
  if (copying) {
    result.keepTextAlive(copiedText);
    result.appendRecordTexts(std::move(copies));
  } else {
    result.appendChosen(input, std::move(chosen));
  }
}

void Selection::copy(std::string_view values, bool passes) {
  readBytes += values.size() + 1;
  if (passes) {
    copies.push_back(copiedText->store(values));
    copiedBytes += values.size() + 1;
  }
  constexpr std::size_t judgedAfter = std::size_t{1} << 20;
  if (readBytes >= judgedAfter && copiedBytes > readBytes / 4) {
    copying = false;
    copies = {};
    copiedText.reset();
  }
}

}  // namespace qerix
