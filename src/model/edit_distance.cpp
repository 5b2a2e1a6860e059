#include "model/edit_distance.h"

#include <algorithm>
#include <vector>

#include "model/fatal_error.h"
#include "model/letter_case.h"
#include "model/message_catalogue.h"

namespace qerix {

std::size_t editDistanceBelow(std::string_view from, std::string_view to, std::size_t bound, EditBudget& budget) {
  if (from.size() < to.size()) std::swap(from, to);
  // Every deletion of the length difference is an edit.
  if (from.size() - to.size() >= bound) return bound;
  // No distance exceeds the longer length, so a larger bound changes nothing.
  const std::size_t limit = std::min(bound, from.size() + 1);
  const std::size_t band = limit - 1;  // the farthest from the diagonal a smaller distance can be
  const std::size_t width = std::min(2 * band + 1, to.size() + 1);
  if (!budget.spend(static_cast<std::uint64_t>(from.size() + 1) * width)) return bound;
  // row[column]: the distance between from's first `line` bytes and to's first
  // `column`, or `limit` where that is not below it.
  std::vector<std::size_t> row(to.size() + 1, limit);
  for (std::size_t column = 0; column <= std::min(band, to.size()); ++column) row[column] = column;
  for (std::size_t line = 1; line <= from.size(); ++line) {
    const std::size_t first = line > band ? line - band : 0;
    const std::size_t last = std::min(to.size(), line + band);
    std::size_t diagonal = first > 0 ? row[first - 1] : line - 1;
    if (first > 0) row[first - 1] = limit;  // left of the band from this line on
    std::size_t smallest = limit;
    for (std::size_t column = first; column <= last; ++column) {
      const std::size_t above = row[column];
      const std::size_t cell =
          column == 0 ? line
                      : std::min({above + 1, row[column - 1] + 1, diagonal + (from[line - 1] == to[column - 1] ? 0 : 1)});
      row[column] = std::min(cell, limit);
      diagonal = above;
      smallest = std::min(smallest, row[column]);
    }
    if (smallest >= limit) return bound;
  }
  return row[to.size()] < limit ? row[to.size()] : bound;
}

namespace {

struct Nearest {
  std::string_view name;
  bool budgetSpent = false;
};

// The nearest candidate within slipBound; `chargeEach` takes one unit of the budget for each candidate.
Nearest nearestName(std::string_view word, const std::vector<std::string_view>& candidates, EditBudget& budget,
                    bool chargeEach) {
  const std::string lowerWord = lowered(word);
  Nearest nearest;
  std::size_t best = slipBound(word);
  for (const std::string_view candidate : candidates) {
    if (chargeEach && !budget.spend(1)) return {{}, true};
    const std::size_t distance =
        lowered(candidate) == lowerWord ? 0 : editDistanceBelow(candidate, word, best, budget);
    if (budget.isSpent()) nearest.budgetSpent = true;
    if (distance < best) {
      best = distance;
      nearest.name = candidate;
    }
  }
  return nearest;
}

}  // namespace

std::size_t slipBound(std::string_view word) { return std::min<std::size_t>(3, word.size()); }

std::string closestName(std::string_view word, const std::vector<std::string_view>& candidates) {
  // Reported once, as a run ends: enough for any file, bounded for a hostile one.
  EditBudget budget(inspectionEditBudget);
  return std::string(nearestName(word, candidates, budget, false).name);
}

std::string closestName(std::string_view word, const std::vector<std::string_view>& candidates, EditBudget& budget) {
  const Nearest nearest = nearestName(word, candidates, budget, true);
  return nearest.budgetSpent ? std::string() : std::string(nearest.name);
}

std::string didYouMean(std::string_view word, const std::vector<std::string_view>& candidates) {
  const std::string meant = closestName(word, candidates);
  return meant.empty() ? std::string() : didYouMeanName(meant);
}

std::string didYouMeanName(std::string_view name) { return textOf(Text::didYouMean, {quotedText(name)}); }

std::string didYouMeanOneOf(const std::vector<std::string>& names) {
  if (names.empty()) return {};
  std::string meant;
  for (std::size_t index = 0; index < names.size(); ++index) {
    if (index > 0) meant += index + 1 == names.size() ? textOf(Text::orBetweenNames) : ", ";
    meant += quotedText(names[index]);
  }
  return textOf(Text::didYouMean, {meant});
}

}  // namespace qerix
