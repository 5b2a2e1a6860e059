#include "tools/counterexample.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

#include "exec/pieces/record_pieces.h"

namespace qerix {

namespace {

using Clock = std::chrono::steady_clock;

// One record of the data set: its relation's index and its own index there.
struct RecordPlace {
  std::size_t relation = 0;
  std::size_t record = 0;
};

// The records still in the counterexample, in the data's order: relation by
// relation, each relation's records in their order.
using Places = std::vector<RecordPlace>;

// The places without the run [begin, end).
Places without(const Places& places, std::size_t begin, std::size_t end) {
  Places rest;
  rest.reserve(places.size() - (end - begin));
  rest.insert(rest.end(), places.begin(), places.begin() + static_cast<std::ptrdiff_t>(begin));
  rest.insert(rest.end(), places.begin() + static_cast<std::ptrdiff_t>(end), places.end());
  return rest;
}

Clock::time_point deadlineAfter(double seconds) {
  // Beyond a few months a limit is no limit; a NaN gives no time at all.
  constexpr double longest = 1e7;
  const double bounded = std::isnan(seconds) ? 0.0 : std::clamp(seconds, 0.0, longest);
  return Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(bounded));
}

class CounterexampleSearch {
 public:
  CounterexampleSearch(std::string_view modelQuery, std::string_view answerQuery, const RelationList& data,
                       QueryLanguage queryLanguage, Comparison resultComparison, const AnswerLimits& limits)
      : model(modelQuery),
        answer(answerQuery),
        language(queryLanguage),
        comparison(resultComparison),
        recordLimit(limits.records),
        deadline(deadlineAfter(limits.seconds)) {
    // The records in memory once, so that every smaller data set only
    // shares their texts.
    for (std::size_t relation = 0; relation < data.size(); ++relation) {
      auto copy = std::make_unique<Relation>(*data[relation]);
      materialize(*copy);
      for (std::size_t record = 0; record < copy->getRecordCount(); ++record) kept.push_back({relation, record});
      loaded.push_back(std::move(copy));
    }
  }

  std::optional<Counterexample> find() {
    // The whole data set is evaluated whatever the time: it is the answer's verdict.
    if (!compareOn(kept, false)) return std::nullopt;
    removeRelations();
    removeRuns();
    removeSingleRecords();
    return Counterexample{relationsOf(kept), std::move(modelOutcome), std::move(answerOutcome), !stopped};
  }

 private:
  // The loaded relations, each with only the records at `places`.
  RelationList relationsOf(const Places& places) const {
    std::vector<std::vector<std::string_view>> texts(loaded.size());
    for (const RecordPlace& place : places) {
      texts[place.relation].push_back(loaded[place.relation]->getRecordTexts()[place.record]);
    }
    RelationList relations;
    for (std::size_t relation = 0; relation < loaded.size(); ++relation) {
      const Relation& original = *loaded[relation];
      auto part = std::make_unique<Relation>(original.getAttributes());
      part->setName(original.getName());
      part->shareTextOf(original);
      part->appendRecordTexts(std::move(texts[relation]));
      relations.push_back(std::move(part));
    }
    return relations;
  }

  // Whether the answer still differs from the model over the records at
  // `places`; where they differ, both outcomes are kept. Past the deadline
  // nothing more is evaluated and nothing differs.
  bool differsOn(const Places& places) { return !isPastDeadline() && compareOn(places, true); }

  // The same; `bounded` also skips the answer once the model took the rest of the time.
  bool compareOn(const Places& places, bool bounded) {
    const RelationList relations = relationsOf(places);
    QueryOutcome modelOn = evaluateQuery(model, relations, language, recordLimit);
    // Where the model fails the data set is no counterexample at all.
    const bool modelStopped = modelOn.stoppedBy != QueryOutcome::Limit::none;
    if (modelOn.failed || modelStopped || (bounded && isPastDeadline())) return false;
    QueryOutcome answerOn = evaluateQuery(answer, relations, language, recordLimit);
    // qerix has no limits: a file where the answer is stopped would not show the difference.
    if (answerOn.stoppedBy != QueryOutcome::Limit::none) return false;
    if (isAccepted(judge(modelOn, answerOn), comparison)) return false;
    modelOutcome = std::move(modelOn);
    answerOutcome = std::move(answerOn);
    return true;
  }

  bool isPastDeadline() {
    stopped = stopped || Clock::now() >= deadline;
    return stopped;
  }

  // A relation the queries do not read goes at once, whole.
  void removeRelations() {
    for (std::size_t relation = 0; relation < loaded.size() && !stopped; ++relation) {
      const auto first = std::find_if(kept.begin(), kept.end(),
                                      [relation](const RecordPlace& place) { return place.relation == relation; });
      const auto last = std::find_if(first, kept.end(),
                                     [relation](const RecordPlace& place) { return place.relation != relation; });
      if (first == last) continue;
      Places rest = without(kept, static_cast<std::size_t>(first - kept.begin()),
                            static_cast<std::size_t>(last - kept.begin()));
      if (differsOn(rest)) kept = std::move(rest);
    }
  }

  // Halves, quarters, eighths ... of the records, across relations: a run
  // that can go goes, and the runs stay as coarse while any can go, so a
  // difference that a few records make is found in few evaluations.
  void removeRuns() {
    std::size_t parts = 2;
    while (!stopped && kept.size() >= 2) {
      const std::size_t length = (kept.size() + parts - 1) / parts;
      if (length <= 1) return;  // single records are the next pass's
      bool removed = false;
      for (std::size_t begin = 0; begin < kept.size() && !stopped;) {
        Places rest = without(kept, begin, std::min(begin + length, kept.size()));
        if (differsOn(rest)) {
          kept = std::move(rest);
          removed = true;
        } else {
          begin += length;
        }
      }
      parts = removed ? std::max<std::size_t>(parts - 1, 2) : std::min(parts * 2, kept.size());
    }
  }

  // Until a whole pass takes no record away: a record that had to stay may
  // go once others went, as the result need not grow with the records.
  void removeSingleRecords() {
    for (bool removed = true; removed && !stopped;) {
      removed = false;
      for (std::size_t index = 0; index < kept.size() && !stopped;) {
        Places rest = without(kept, index, index + 1);
        if (differsOn(rest)) {
          kept = std::move(rest);
          removed = true;
        } else {
          ++index;
        }
      }
    }
  }

  std::string_view model;
  std::string_view answer;
  QueryLanguage language;
  Comparison comparison;
  std::uint64_t recordLimit;
  Clock::time_point deadline;
  bool stopped = false;
  RelationList loaded;
  Places kept;
  QueryOutcome modelOutcome;
  QueryOutcome answerOutcome;
};

}  // namespace

std::optional<Counterexample> findCounterexample(std::string_view model, std::string_view answer,
                                                 const RelationList& data, QueryLanguage language,
                                                 Comparison comparison, const AnswerLimits& limits) {
  return CounterexampleSearch(model, answer, data, language, comparison, limits).find();
}

}  // namespace qerix
