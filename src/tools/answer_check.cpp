#include "tools/answer_check.h"

#include <algorithm>
#include <map>
#include <sstream>

#include "driver/query_pipeline.h"
#include "model/fatal_error.h"
#include "model/message_catalogue.h"
#include "model/record_limit.h"

namespace qerix {

namespace {

constexpr std::size_t shownRecords = 10;

// What stands inside a header's parentheses: the attributes, without the name.
std::string_view attributesOf(std::string_view header) {
  const std::size_t open = header.find('(');
  return open == std::string_view::npos ? header : header.substr(open);
}

}  // namespace

QueryOutcome evaluateQuery(std::string_view query, const RelationList& relations, QueryLanguage language,
                           std::optional<std::uint64_t> recordLimit, bool parallel) {
  QueryOutcome outcome;
  std::optional<std::string> failure;
  try {
    failure = failureOf(
        [&] {
          PipelineOptions options;
          options.language = language;
          options.settings.parallel = parallel;
          options.recordLimit = recordLimit;
          QueryPipeline pipeline(options, relations);
          pipeline.parse(query);
          pipeline.evaluate();
          const Relation* result = pipeline.getResult();
          if (!result) return;
          outcome.hasResult = true;
          std::ostringstream printed;
          result->printTo(printed, language == QueryLanguage::extended);
          std::istringstream lines(printed.str());
          std::getline(lines, outcome.header);
          for (std::string line; std::getline(lines, line);) outcome.records.push_back(line);
        },
        textOf(Text::outOfMemoryMessage));
  } catch (const RecordLimitExceeded& stop) {
    outcome = {};
    outcome.stoppedBy = QueryOutcome::Limit::records;
    outcome.limit = std::to_string(stop.getLimit());
    return outcome;
  }
  if (failure) {
    outcome = {};
    outcome.failed = true;
    outcome.message = *failure;
  }
  return outcome;
}

Verdict judge(const QueryOutcome& model, const QueryOutcome& answer) {
  Verdict verdict;
  // An answer stopped at a limit has no result to compare.
  if (answer.stoppedBy != QueryOutcome::Limit::none) {
    verdict.kind = answer.stoppedBy == QueryOutcome::Limit::time ? Verdict::Kind::timeLimit : Verdict::Kind::recordLimit;
    verdict.message = answer.limit;
    return verdict;
  }
  if (model.failed) {
    verdict.kind = Verdict::Kind::modelFailed;
    verdict.message = model.message;
    return verdict;
  }
  if (answer.failed) {
    verdict.kind = Verdict::Kind::answerFailed;
    verdict.message = answer.message;
    return verdict;
  }
  if (!model.hasResult || !answer.hasResult) {
    if (model.hasResult) verdict.kind = Verdict::Kind::noResult;
    if (answer.hasResult) verdict.kind = Verdict::Kind::unexpectedResult;
    return verdict;
  }
  if (attributesOf(model.header) != attributesOf(answer.header)) {
    verdict.kind = Verdict::Kind::otherAttributes;
    verdict.expectedHeader = model.header;
    verdict.actualHeader = answer.header;
    return verdict;
  }
  if (model.records == answer.records) {
    verdict.kind = model.header == answer.header ? Verdict::Kind::same : Verdict::Kind::otherName;
    verdict.expectedHeader = model.header;
    verdict.actualHeader = answer.header;
    return verdict;
  }
  // The records as multisets: how often each stands in the model and in the answer.
  std::map<std::string_view, std::pair<std::size_t, std::size_t>> counts;
  for (const std::string& record : model.records) ++counts[record].first;
  for (const std::string& record : answer.records) ++counts[record].second;
  bool sameCounts = true;
  bool sameSet = true;
  for (const auto& [record, count] : counts) {
    sameCounts = sameCounts && count.first == count.second;
    sameSet = sameSet && (count.first > 0) == (count.second > 0);
  }
  if (sameCounts) {
    verdict.kind = Verdict::Kind::otherOrder;
    return verdict;
  }
  if (sameSet) {
    verdict.kind = Verdict::Kind::otherDuplicates;
    return verdict;
  }
  verdict.kind = Verdict::Kind::otherRecords;
  // Missing and surplus records in the order they stand, each as often as it is missing or surplus.
  std::map<std::string_view, std::size_t> left;
  for (const auto& [record, count] : counts) left[record] = count.first > count.second ? count.first - count.second : 0;
  for (const std::string& record : model.records) {
    if (left[record] == 0) continue;
    --left[record];
    ++verdict.missingCount;
    if (verdict.missing.size() < shownRecords) verdict.missing.push_back(record);
  }
  for (const auto& [record, count] : counts) left[record] = count.second > count.first ? count.second - count.first : 0;
  for (const std::string& record : answer.records) {
    if (left[record] == 0) continue;
    --left[record];
    ++verdict.surplusCount;
    if (verdict.surplus.size() < shownRecords) verdict.surplus.push_back(record);
  }
  return verdict;
}

std::string describe(const Verdict& verdict) {
  switch (verdict.kind) {
    case Verdict::Kind::same:
      return std::string(textOf(Text::verdictSame));
    case Verdict::Kind::otherOrder:
      return std::string(textOf(Text::verdictOtherOrder));
    case Verdict::Kind::otherDuplicates:
      return std::string(textOf(Text::verdictOtherDuplicates));
    case Verdict::Kind::otherName:
      return textOf(Text::verdictOtherName, {quotedText(verdict.expectedHeader), quotedText(verdict.actualHeader)});
    case Verdict::Kind::otherAttributes:
      return textOf(Text::verdictOtherAttributes,
                    {quotedText(verdict.expectedHeader), quotedText(verdict.actualHeader)});
    case Verdict::Kind::otherRecords:
      return textOf(Text::verdictOtherRecords,
                    {std::to_string(verdict.missingCount), std::to_string(verdict.surplusCount)});
    case Verdict::Kind::answerFailed:
      return textOf(Text::verdictAnswerFailed, {verdict.message});
    case Verdict::Kind::noResult:
      return textOf(Text::verdictNoResult, {textOf(Text::emptyResultMessage)});
    case Verdict::Kind::unexpectedResult:
      return std::string(textOf(Text::verdictUnexpectedResult));
    case Verdict::Kind::modelFailed:
      return textOf(Text::verdictModelFailed, {verdict.message});
    case Verdict::Kind::timeLimit:
      return textOf(Text::verdictTimeLimit, {verdict.message});
    case Verdict::Kind::recordLimit:
      return textOf(Text::verdictRecordLimit, {verdict.message});
  }
  return "";
}

std::string_view shortName(Verdict::Kind kind) { return shortName(kind, currentLanguage()); }

std::string_view shortName(Verdict::Kind kind, Language language) {
  switch (kind) {
    case Verdict::Kind::same:
      return textOf(Text::shortSame, language);
    case Verdict::Kind::otherOrder:
      return textOf(Text::shortOrder, language);
    case Verdict::Kind::otherDuplicates:
      return textOf(Text::shortDuplicates, language);
    case Verdict::Kind::otherName:
      return textOf(Text::shortName, language);
    case Verdict::Kind::otherAttributes:
      return textOf(Text::shortAttributes, language);
    case Verdict::Kind::otherRecords:
      return textOf(Text::shortRecords, language);
    case Verdict::Kind::answerFailed:
      return textOf(Text::shortError, language);
    case Verdict::Kind::noResult:
      return textOf(Text::shortNone, language);
    case Verdict::Kind::unexpectedResult:
      return textOf(Text::shortSome, language);
    case Verdict::Kind::modelFailed:
      return textOf(Text::shortModelError, language);
    case Verdict::Kind::timeLimit:
      return textOf(Text::shortTimeLimit, language);
    case Verdict::Kind::recordLimit:
      return textOf(Text::shortRecordLimit, language);
  }
  return "";
}

}  // namespace qerix
