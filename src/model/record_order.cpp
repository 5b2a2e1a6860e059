#include "model/record_order.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <utility>

#include "model/prefetch.h"
#include "model/record_values.h"
#include "model/two_threads.h"

namespace qerix {

namespace {

// Bytes from `offset` on of a text, as a number that orders like them; the
// bytes past the text count as zeros.
std::uint64_t bytesKey(std::string_view text, std::size_t offset) {
  std::array<unsigned char, 8> bytes{};
  if (offset < text.size())
    std::memcpy(bytes.data(), text.data() + offset, std::min(bytes.size(), text.size() - offset));
  std::uint64_t key = 0;
  for (const unsigned char byte : bytes) key = (key << 8) | byte;
  return key;
}

// An "int" value as a number that orders like it, unsigned.
std::uint32_t numberKey(std::string_view value) { return static_cast<std::uint32_t>(toInt32(value)) ^ 0x80000000U; }

// A text value's first sixteen bytes as numbers that order like them.
LeadingKey textKey(std::string_view value) { return {bytesKey(value, 0), bytesKey(value, 8)}; }

// Whether record `left` comes before record `right` (positions in
// `records`) by the full comparison, the position breaking ties.
bool comesBefore(std::span<const std::string_view> records, const AttributeList& types, int fieldCount,
                 std::uint32_t left, std::uint32_t right) {
  const auto order = compareValues(types, fieldCount, records[left], records[right]);
  return order != 0 ? order < 0 : left < right;
}

// A record's position and the first sixteen bytes of its text first field.
struct TextEntry {
  LeadingKey key;
  std::uint32_t position;
};

// The records' text entries in record order: by key, records with equal keys
// by the full comparison. The position, as the last key, makes the sort
// stable without the buffer a stable sort would take.
std::vector<TextEntry> sortedTextEntries(std::span<const std::string_view> records, const AttributeList& types,
                                         int fieldCount) {
  std::vector<TextEntry> entries;
  entries.reserve(records.size());
  for (std::uint32_t position = 0; position < records.size(); ++position) {
    entries.push_back({textKey(ValueCursor(records[position]).next()), position});
  }
  std::sort(entries.begin(), entries.end(), [&](const TextEntry& left, const TextEntry& right) {
    if (left.key != right.key) return left.key < right.key;
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
  constexpr int digitCount = 4;  // of eight bits each
  std::array<std::array<std::size_t, 256>, digitCount> counts{};
  for (std::uint32_t position = 0; position < count; ++position) {
    const std::uint32_t number = numberKey(ValueCursor(records[position]).next());
    entries[position] = (std::uint64_t{number} << 32) | position;
    for (int digit = 0; digit < digitCount; ++digit) ++counts[digit][(number >> (8 * digit)) & 0xFF];
  }
  std::vector<std::uint64_t> spare(count);
  for (int digit = 0; digit < digitCount; ++digit) {
    std::array<std::size_t, 256>& starts = counts[digit];
    if (std::find(starts.begin(), starts.end(), count) != starts.end()) continue;  // one value of this digit
    std::size_t start = 0;
    for (std::size_t& bucket : starts) start += std::exchange(bucket, start);
    for (const std::uint64_t entry : entries) spare[starts[(entry >> (32 + 8 * digit)) & 0xFF]++] = entry;
    entries.swap(spare);
  }
  spare = {};

  for (std::size_t begin = 0; begin < count;) {
    std::size_t end = begin + 1;
    while (end < count && (entries[end] >> 32) == (entries[begin] >> 32)) ++end;
    if (end - begin > 1) {
      std::sort(entries.begin() + static_cast<std::ptrdiff_t>(begin),
                entries.begin() + static_cast<std::ptrdiff_t>(end), [&](std::uint64_t left, std::uint64_t right) {
                  return comesBefore(records, types, fieldCount, static_cast<std::uint32_t>(left),
                                     static_cast<std::uint32_t>(right));
                });
    }
    begin = end;
  }
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

// Below this many records one thread sorts them all and moves them into
// order. From this many on, the halves are sorted on two threads, and the
// sorted records are gathered into new lists, a half on each thread, and
// copied back, rather than moved within their list along the cycles of the
// permutation, which waits for each in turn.
constexpr std::size_t halvedFrom = std::size_t{1} << 17;

// The records at the given positions, in that order.
std::vector<std::string_view> gatherRecords(std::span<const std::string_view> records,
                                            std::span<const std::uint32_t> positions) {
  std::vector<std::string_view> gathered;
  gathered.reserve(positions.size());
  constexpr std::size_t ahead = 4 * prefetchDistance;
  for (std::size_t index = 0; index < positions.size(); ++index) {
    if (index + ahead < positions.size()) prefetch(&records[positions[index + ahead]]);
    gathered.push_back(records[positions[index]]);
  }
  return gathered;
}

// Sorts each half of the records on a thread of its own and merges the two:
// of records that compare equal, those of the first half come first.
template <class Entry, class SortEntries>
std::vector<std::uint32_t> sortInHalves(std::span<const std::string_view> records, const AttributeList& types,
                                        int fieldCount, SortEntries sortEntries) {
  if (records.size() < halvedFrom) return positionsOf(sortEntries(records, types, fieldCount));
  const std::size_t middle = records.size() / 2;
  std::vector<Entry> first;
  std::vector<Entry> second;
  inTwoThreads([&] { first = sortEntries(records.first(middle), types, fieldCount); },
               [&] { second = sortEntries(records.subspan(middle), types, fieldCount); });
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

// A quick hash of a short text, eight bytes at a time; hashValues spreads
// its bits at the end.
std::uint64_t hashText(std::string_view text) {
  constexpr std::uint64_t multiplier = 0xBF58476D1CE4E5B9ULL;
  std::uint64_t hash = text.size() * 0x9E3779B97F4A7C15ULL;
  while (text.size() >= sizeof(std::uint64_t)) {
    std::uint64_t word = 0;
    std::memcpy(&word, text.data(), sizeof word);
    hash = (hash ^ word) * multiplier;
    hash ^= hash >> 31;
    text.remove_prefix(sizeof word);
  }
  std::uint64_t last = 0;
  if (!text.empty()) std::memcpy(&last, text.data(), text.size());
  hash = (hash ^ last) * multiplier;
  return hash ^ (hash >> 29);
}

std::size_t mix(std::size_t hash, std::size_t value) {
  return (hash ^ value) * std::size_t{0x9E3779B97F4A7C15ULL} + (hash >> 29);
}

}  // namespace

std::weak_ordering compareValue(std::string_view left, std::string_view right, bool numeric) {
  if (numeric) return toInt32(left) <=> toInt32(right);
  const int order = left.compare(right);
  return order < 0 ? std::weak_ordering::less
                   : (order > 0 ? std::weak_ordering::greater : std::weak_ordering::equivalent);
}

std::weak_ordering compareValues(const AttributeList& types, int fieldCount, std::string_view left,
                                 std::string_view right) {
  // Equal bytes are equal records; only different bytes need the typed comparison.
  if (left == right) return std::weak_ordering::equivalent;
  ValueCursor leftValues(left);
  ValueCursor rightValues(right);
  for (int fieldno = 1; fieldno <= fieldCount; ++fieldno) {
    const auto order = compareValue(leftValues.next(), rightValues.next(), types.isNumeric(fieldno));
    if (order != 0) return order;
  }
  return std::weak_ordering::equivalent;
}

LeadingKey leadingKey(const AttributeList& types, std::string_view values) {
  const std::string_view value = ValueCursor(values).next();
  return types.isNumeric(1) ? LeadingKey{numberKey(value), 0} : textKey(value);
}

std::size_t hashValues(const AttributeList& types, int fieldCount, std::string_view values) {
  ValueCursor cursor(values);
  std::size_t hash = 0;
  for (int fieldno = 1; fieldno <= fieldCount; ++fieldno) {
    const std::string_view value = cursor.next();
    const std::size_t valueHash = types.isNumeric(fieldno)
                                      ? static_cast<std::size_t>(static_cast<std::uint32_t>(toInt32(value)))
                                      : static_cast<std::size_t>(hashText(value));
    hash = mix(hash, valueHash);
  }
  // Mix every bit into the upper half, which picks the hash table slot.
  hash ^= hash >> 33;
  hash *= std::size_t{0xFF51AFD7ED558CCDULL};
  return hash ^ (hash >> 33);
}

std::vector<std::uint32_t> sortedPositions(std::span<const std::string_view> records, const AttributeList& types,
                                           int fieldCount) {
  auto isLess = [&](std::string_view left, std::string_view right) {
    return compareValues(types, fieldCount, left, right) < 0;
  };
  if (records.size() < 2 || fieldCount == 0 || std::is_sorted(records.begin(), records.end(), isLess)) return {};

  if (types.isNumeric(1)) return sortInHalves<std::uint64_t>(records, types, fieldCount, sortedNumberEntries);
  return sortInHalves<TextEntry>(records, types, fieldCount, sortedTextEntries);
}

void stableSortRecords(std::vector<std::string_view>& records, const AttributeList& types, int fieldCount) {
  std::vector<std::uint32_t> order = sortedPositions(records, types, fieldCount);
  if (order.size() >= halvedFrom) {
    const std::span<const std::uint32_t> positions(order);
    const std::size_t middle = positions.size() / 2;
    std::vector<std::string_view> firstPart;
    std::vector<std::string_view> secondPart;
    inTwoThreads([&] { firstPart = gatherRecords(records, positions.first(middle)); },
                 [&] { secondPart = gatherRecords(records, positions.subspan(middle)); });
    inTwoThreads([&] { std::copy(firstPart.begin(), firstPart.end(), records.begin()); },
                 [&] { std::copy(secondPart.begin(), secondPart.end(), records.begin() + static_cast<std::ptrdiff_t>(middle)); });
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

}  // namespace qerix
