#ifndef QERIX_MODEL_EDIT_DISTANCE_H
#define QERIX_MODEL_EDIT_DISTANCE_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qerix {

// The work that the suggestions of one inspection may do together, counted
// in compared characters. A file of a hundred thousand relations and a query
// that names thousands of unknown ones would otherwise compare every name
// with every name; once the budget is spent, nothing more is suggested.
class EditBudget {
 public:
  explicit EditBudget(std::uint64_t characters) : left(characters) {}

  // Takes `characters` from the budget; false, and spent from then on, when
  // not that many are left.
  bool spend(std::uint64_t characters) {
    if (exhausted || characters > left) {
      exhausted = true;
      return false;
    }
    left -= characters;
    return true;
  }

  bool isSpent() const { return exhausted; }

 private:
  std::uint64_t left;
  bool exhausted = false;
};

// Enough for every suggestion a hand-written file asks for, many times over.
constexpr std::uint64_t inspectionEditBudget = 200'000'000;

// The number of single-byte insertions, deletions and replacements that turn
// one text into the other (Levenshtein's distance) when it is below `bound`;
// otherwise, or when the budget runs out, `bound`. Only the cells within
// `bound` of the diagonal can hold a smaller distance, so only those are
// computed.
std::size_t editDistanceBelow(std::string_view from, std::string_view to, std::size_t bound, EditBudget& budget);

// How far a slip of `word` may lie from what was meant: fewer than this
// many edits, at most two, and fewer than `word` has characters.
std::size_t slipBound(std::string_view word);

// The candidate that `word` was most likely meant to be, for a "did you
// mean": one that differs only in case, or the nearest within slipBound;
// empty when none is that close.
std::string closestName(std::string_view word, const std::vector<std::string_view>& candidates);
// The same, drawing on an inspection's `budget` (one unit for each candidate
// besides the edits); empty once the budget is spent.
std::string closestName(std::string_view word, const std::vector<std::string_view>& candidates, EditBudget& budget);
// What a message adds for it: `; erre gondolt: "name"?`, or "".
std::string didYouMean(std::string_view word, const std::vector<std::string_view>& candidates);
// The same for a name already chosen.
std::string didYouMeanName(std::string_view name);
// The same for names that each may have been meant:
// `; erre gondolt: "R.a" vagy "S.a"?`, or "" for none.
std::string didYouMeanOneOf(const std::vector<std::string>& names);

}  // namespace qerix

#endif  // QERIX_MODEL_EDIT_DISTANCE_H
