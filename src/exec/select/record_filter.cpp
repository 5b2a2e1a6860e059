#include "exec/select/record_filter.h"

#include <cassert>

#include "exec/views/selected_records.h"
#include "model/tuning.h"

namespace qerix {

void appendChosen(Relation& result, const Relation& input, std::vector<bool> chosen) {
  assert(input.getAttributeCount() == result.getAttributeCount());
  if (!input.isInMemory() && result.isInMemory() && result.isEmpty()) {
    result.setRecordSource(std::make_shared<SelectedRecords>(input.getRecordSource(), std::move(chosen)));
    return;
  }
  if (input.isInMemory()) {
    // Same width, bytes already in memory: share them, with their owners taken once.
    result.shareTextOf(input);
    const auto& texts = input.getRecordTexts();
    auto& list = result.changeRecordTexts();
    for (std::size_t position = 0; position < texts.size(); ++position) {
      if (chosen[position]) list.push_back(texts[position]);
    }
    return;
  }
  std::size_t position = 0;
  for (RecordScanner scanner(input); scanner.next();) {
    if (chosen[position++]) result.appendNewRecord(scanner.getCurrent().getValues());
  }
}

RecordFilter::RecordFilter(ConditionTree& condition, Input input)
    : test(condition), fromFile(input == Input::inFile), copying(fromFile) {}

void RecordFilter::offer(const Record& record) {
  // Every record from the input file holds as many values as there are attributes.
  const bool passes = fromFile ? test.holdsForFullRecord(record) : test.holdsFor(record);
  chosen.push_back(passes);
  if (copying) copy(record.getValues(), passes);
}

void RecordFilter::moveTo(Relation& result, const Relation& input) {
  if (copying) {
    result.keepTextAlive(copiedText);
    result.appendRecordTexts(std::move(copies));
  } else {
    appendChosen(result, input, std::move(chosen));
  }
}

void RecordFilter::copy(std::string_view values, bool passes) {
  readBytes += values.size() + 1;
  if (passes) {
    copies.push_back(copiedText->store(values));
    copiedBytes += values.size() + 1;
  }
  if (readBytes >= tuning::selectionJudgedAfter && copiedBytes > readBytes / 4) {
    copying = false;
    copies = {};
    copiedText.reset();
  }
}

}  // namespace qerix
