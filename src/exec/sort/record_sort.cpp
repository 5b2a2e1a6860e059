#include "exec/sort/record_sort.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

#include "exec/pieces/scheduler.h"
#include "model/prefetch.h"
#include "model/record_order.h"
#include "model/record_values.h"
#include "model/relation.h"
#include "model/tuning.h"

namespace qerix {

namespace {

// Whether record `left` comes before record `right` (positions in
// `records`) by the full comparison, the position breaking ties.
bool comesBefore(std::span<const std::string_view> records, const AttributeList& types, int fieldCount,
                 std::uint32_t left, std::uint32_t right) {
  const auto order = compareValues(types, fieldCount, records[left], records[right]);
  return order != 0 ? order < 0 : left < right;
}

// A record's position and the leading key of its first field: the first
// sixteen bytes of a text, or a decimal's value.
struct TextEntry {
  LeadingKey key;
  std::uint32_t position;
};

// Runs of up to this many records are sorted one after another on a thread
// (see DistinctProjections): their entries and the radix sort's spare keep
// their memory for the next run, since fresh memory costs more here than the
// sort itself.
constexpr std::size_t reusedUpTo = tuning::distinctRunSize;

std::vector<TextEntry>& keptEntries() {
  thread_local std::vector<TextEntry> entries;
  return entries;
}

std::vector<TextEntry>& keptSpare() {
  thread_local std::vector<TextEntry> spare;
  return spare;
}

// Gives entries back for the next sort on this thread, where they are few.
void keep(std::vector<TextEntry>&& entries) {
  if (entries.capacity() <= reusedUpTo) keptEntries() = std::move(entries);
}
void keep(std::vector<std::uint64_t>&& /*entries*/) {}

// How many keys have each value of each of their low `digitCount` bytes.
template <std::size_t digitCount>
using DigitCounts = std::array<std::array<std::size_t, 256>, digitCount>;

template <std::size_t digitCount>
void countDigits(DigitCounts<digitCount>& counts, std::uint64_t key) {
  for (std::size_t digit = 0; digit < digitCount; ++digit) ++counts[digit][(key >> (8 * digit)) & 0xFF];
}

// Sorts the entries by the low bytes of keyOf(entry), those `counts` holds,
// keeping entries with equal keys in their order. A byte with one value for
// every entry is skipped; `spare` is the scatter's room.
template <class Entry, std::size_t digitCount, class KeyOf>
void radixSortByKey(std::vector<Entry>& entries, std::vector<Entry>& spare, DigitCounts<digitCount>& counts,
                    KeyOf keyOf) {
  const std::size_t count = entries.size();
  for (std::size_t digit = 0; digit < digitCount; ++digit) {
    std::array<std::size_t, 256>& starts = counts[digit];
    if (std::find(starts.begin(), starts.end(), count) != starts.end()) continue;  // one value of this digit
    std::size_t start = 0;
    for (std::size_t& bucket : starts) start += std::exchange(bucket, start);
    spare.resize(count);
    for (const Entry& entry : entries) spare[starts[(keyOf(entry) >> (8 * digit)) & 0xFF]++] = entry;
    entries.swap(spare);
  }
}

// Sorts each run of entries with equal keyOf(entry) by `comesFirst`.
template <class Entry, class KeyOf, class ComesFirst>
void sortEqualKeyRuns(std::vector<Entry>& entries, KeyOf keyOf, ComesFirst comesFirst) {
  const std::size_t count = entries.size();
  for (std::size_t begin = 0; begin < count;) {
    std::size_t end = begin + 1;
    while (end < count && keyOf(entries[end]) == keyOf(entries[begin])) ++end;
    if (end - begin > 1) {
      std::sort(entries.begin() + static_cast<std::ptrdiff_t>(begin),
                entries.begin() + static_cast<std::ptrdiff_t>(end), comesFirst);
    }
    begin = end;
  }
}

// The records' text entries in record order: by key, records with equal keys
// by the full comparison, the position breaking ties. A radix sort of the
// key's first eight bytes keeps equal ones in the order of their positions;
// only runs of those equal there are sorted by comparison.
std::vector<TextEntry> sortedTextEntries(std::span<const std::string_view> records, const AttributeList& types,
                                         int fieldCount) {
  const std::size_t count = records.size();
  const bool reused = count <= reusedUpTo;
  std::vector<TextEntry> entries = reused ? std::exchange(keptEntries(), {}) : std::vector<TextEntry>{};
  entries.clear();
  entries.reserve(count);
  constexpr std::size_t digitCount = 8;  // of eight bits each
  DigitCounts<digitCount> counts{};
  for (std::uint32_t position = 0; position < count; ++position) {
    const LeadingKey key = leadingKey(types, records[position]);
    entries.push_back({key, position});
    countDigits(counts, key.high);
  }
  std::vector<TextEntry> ownSpare;
  std::vector<TextEntry>& spare = reused ? keptSpare() : ownSpare;
  const auto highKey = [](const TextEntry& entry) { return entry.key.high; };
  radixSortByKey(entries, spare, counts, highKey);
  sortEqualKeyRuns(entries, highKey, [&](const TextEntry& left, const TextEntry& right) {
    if (left.key.low != right.key.low) return left.key.low < right.key.low;
    return comesBefore(records, types, fieldCount, left.position, right.position);
  });
  return entries;
}

// The records' "int" first fields, each with the record's position below
// it, in record order: a radix sort of the numbers keeps equal numbers in the
// order of their positions; records with equal numbers then go by the full
// comparison, their position breaking ties.
std::vector<std::uint64_t> sortedNumberEntries(std::span<const std::string_view> records, const AttributeList& types,
                                               int fieldCount) {
  const std::size_t count = records.size();
  std::vector<std::uint64_t> entries(count);
  constexpr std::size_t digitCount = 4;  // of eight bits each
  DigitCounts<digitCount> counts{};
  for (std::uint32_t position = 0; position < count; ++position) {
    const std::uint32_t number = numberKey(ValueCursor(records[position]).next());
    entries[position] = (std::uint64_t{number} << 32) | position;
    countDigits(counts, number);
  }
  const auto numberOf = [](std::uint64_t entry) { return entry >> 32; };
  {  // the spare goes before the runs are sorted
    std::vector<std::uint64_t> spare;
    radixSortByKey(entries, spare, counts, numberOf);
  }
  sortEqualKeyRuns(entries, numberOf, [&](std::uint64_t left, std::uint64_t right) {
    return comesBefore(records, types, fieldCount, static_cast<std::uint32_t>(left), static_cast<std::uint32_t>(right));
  });
  return entries;
}

std::uint32_t positionOf(const TextEntry& entry) { return entry.position; }
std::uint32_t positionOf(std::uint64_t entry) { return static_cast<std::uint32_t>(entry); }
const LeadingKey& keyOf(const TextEntry& entry) { return entry.key; }
std::uint64_t keyOf(std::uint64_t entry) { return entry >> 32; }

template <class Entry>
std::vector<std::uint32_t> positionsOf(const std::vector<Entry>& entries) {
  std::vector<std::uint32_t> positions(entries.size());
  std::transform(entries.begin(), entries.end(), positions.begin(),
                 [](const Entry& entry) { return positionOf(entry); });
  return positions;
}

// Whether many records are sorted in two pieces at once, and gathered into
// their order in two pieces, a piece on each thread, then copied back: with
// one thread, a record moves along the cycles of the permutation instead,
// which spares the copy but waits for each record in turn.
bool sortsInPieces(std::size_t recordCount) {
  return recordCount >= tuning::parallelFrom && Scheduler::pieceCount() >= 2;
}

// The records at the given positions, in that order.
std::vector<std::string_view> gatherRecords(std::span<const std::string_view> records,
                                            std::span<const std::uint32_t> positions) {
  std::vector<std::string_view> gathered;
  gathered.reserve(positions.size());
  constexpr std::size_t ahead = 4 * tuning::prefetchDistance;
  for (std::size_t index = 0; index < positions.size(); ++index) {
    if (index + ahead < positions.size()) prefetch(&records[positions[index + ahead]]);
    gathered.push_back(records[positions[index]]);
  }
  return gathered;
}

// Sorts each half of the records as a piece of its own and merges the two:
// of records that compare equal, those of the first half come first.
template <class Entry, class SortEntries>
std::vector<std::uint32_t> sortInPieces(std::span<const std::string_view> records, const AttributeList& types,
                                        int fieldCount, SortEntries sortEntries) {
  if (!sortsInPieces(records.size())) {
    std::vector<Entry> entries = sortEntries(records, types, fieldCount);
    std::vector<std::uint32_t> positions = positionsOf(entries);
    keep(std::move(entries));
    return positions;
  }
  const std::size_t middle = records.size() / 2;
  std::vector<Entry> first;
  std::vector<Entry> second;
  Scheduler::forEachPiece(2, [&](std::size_t piece) {
    if (piece == 0) {
      first = sortEntries(records.first(middle), types, fieldCount);
    } else {
      second = sortEntries(records.subspan(middle), types, fieldCount);
    }
  });
  std::vector<std::uint32_t> positions;
  positions.reserve(records.size());
  auto left = first.begin();
  auto right = second.begin();
  while (left != first.end() && right != second.end()) {
    const std::uint32_t rightPosition = positionOf(*right) + static_cast<std::uint32_t>(middle);
    const bool rightFirst = keyOf(*right) != keyOf(*left)
                                ? keyOf(*right) < keyOf(*left)
                                : comesBefore(records, types, fieldCount, rightPosition, positionOf(*left));
    positions.push_back(rightFirst ? rightPosition : positionOf(*left));
    if (rightFirst) {
      ++right;
    } else {
      ++left;
    }
  }
  for (; left != first.end(); ++left) positions.push_back(positionOf(*left));
  for (; right != second.end(); ++right) positions.push_back(positionOf(*right) + static_cast<std::uint32_t>(middle));
  return positions;
}

}  // namespace

std::vector<std::uint32_t> sortedPositions(std::span<const std::string_view> records, const AttributeList& types,
                                           int fieldCount) {
  auto isLess = [&](std::string_view left, std::string_view right) {
    return compareValues(types, fieldCount, left, right) < 0;
  };
  if (records.size() < 2 || fieldCount == 0 || std::is_sorted(records.begin(), records.end(), isLess)) return {};

  if (types.isNumeric(1)) return sortInPieces<std::uint64_t>(records, types, fieldCount, sortedNumberEntries);
  return sortInPieces<TextEntry>(records, types, fieldCount, sortedTextEntries);
}

void stableSortRecords(std::vector<std::string_view>& records, const AttributeList& types, int fieldCount) {
  std::vector<std::uint32_t> order = sortedPositions(records, types, fieldCount);
  if (sortsInPieces(order.size())) {
    const std::span<const std::uint32_t> positions(order);
    const std::size_t middle = positions.size() / 2;
    std::array<std::vector<std::string_view>, 2> parts;
    Scheduler::forEachPiece(2, [&](std::size_t piece) {
      parts[piece] = gatherRecords(records, piece == 0 ? positions.first(middle) : positions.subspan(middle));
    });
    Scheduler::forEachPiece(2, [&](std::size_t piece) {
      std::copy(parts[piece].begin(), parts[piece].end(),
                records.begin() + static_cast<std::ptrdiff_t>(piece == 0 ? 0 : middle));
    });
    return;
  }
  // Move each record to its place along the cycles of the permutation, in
  // place; a finished place is marked by pointing at itself.
  for (std::uint32_t start = 0; start < order.size(); ++start) {
    if (order[start] == start) continue;
    const std::string_view held = records[start];
    std::uint32_t place = start;
    while (order[place] != start) {
      const std::uint32_t from = order[place];
      records[place] = records[from];
      order[place] = place;
      place = from;
    }
    records[place] = held;
    order[place] = place;
  }
}

void sortRecords(Relation& relation, const AttributeList& types, int fieldCount) {
  stableSortRecords(relation.changeRecordTexts(), types, fieldCount);
}

void sortRecords(Relation& relation) { sortRecords(relation, relation.getAttributes(), relation.getAttributeCount()); }

}  // namespace qerix
