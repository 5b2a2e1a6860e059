#include "exec/hash/division.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <unordered_set>

#include "exec/pieces/record_pieces.h"
#include "model/record_order.h"
#include "model/record_values.h"
#include "model/text_arena.h"
#include "model/tuning.h"

namespace qerix {

// The quotients of some dividend records, numbered, and the divisor records
// each met: a bit per divisor record while there are few, pairs in a set
// otherwise.
class Division::Count {
 public:
  Count(const AttributeList& quotientTypes, std::size_t divisorCount)
      : quotients(quotientTypes, quotientTypes.getAttributeCount(), 1024), divisors(divisorCount) {}

  void note(std::string_view quotient, std::uint32_t divisor) {
    // Records of one quotient mostly stand together: one like the last is not looked up.
    if (quotient != lastQuotient || !hasLast) {
      lastNumber = numberOf(quotient);
      lastQuotient.assign(quotient);
      hasLast = true;
    }
    noteNumber(lastNumber, divisor);
  }

  // Adds what a later piece's count noted.
  void join(const Count& later) {
    for (std::uint32_t number = 0; number < later.quotients.size(); ++number) {
      const std::uint32_t own = numberOf(later.quotients.at(number));
      if (divisors <= 64) {
        std::uint64_t bitsLeft = later.bits[number];
        for (std::uint32_t divisor = 0; bitsLeft != 0; ++divisor, bitsLeft >>= 1) {
          if ((bitsLeft & 1) != 0) noteNumber(own, divisor);
        }
      }
    }
    if (divisors > 64) {
      for (const std::uint64_t pair : later.pairs) {
        noteNumber(numberOf(later.quotients.at(static_cast<std::uint32_t>(pair >> 32))),
                   static_cast<std::uint32_t>(pair));
      }
    }
  }

  // The quotients that met every divisor record, in a table of their own.
  void addFull(RecordIndex& full) const {
    for (std::uint32_t number = 0; number < quotients.size(); ++number) {
      if (met[number] != divisors) continue;
      const std::string_view quotient = quotients.at(number);
      full.add(quotient, full.hashOf(quotient));
    }
  }

 private:
  std::uint32_t numberOf(std::string_view quotient) {
    const std::uint64_t hash = quotients.hashOf(quotient);
    if (const auto found = quotients.find(quotient, hash)) return *found;
    met.push_back(0);
    if (divisors <= 64) bits.push_back(0);
    return quotients.add(texts.store(quotient), hash);
  }

  void noteNumber(std::uint32_t quotient, std::uint32_t divisor) {
    if (divisors <= 64) {
      const std::uint64_t bit = std::uint64_t{1} << divisor;
      if ((bits[quotient] & bit) != 0) return;
      bits[quotient] |= bit;
    } else if (!pairs.insert((std::uint64_t{quotient} << 32) | divisor).second) {
      return;
    }
    ++met[quotient];
  }

  RecordIndex quotients;
  TextArena texts;
  std::size_t divisors;
  std::vector<std::uint32_t> met;  // how many distinct divisor records each quotient met
  std::vector<std::uint64_t> bits;
  std::unordered_set<std::uint64_t> pairs;
  std::string lastQuotient;
  std::uint32_t lastNumber = 0;
  bool hasLast = false;
};

// A piece of a dividend whose quotients come in ascending order, as in a
// relation sorted by them, counted in one pass: each run of one quotient is
// counted apart, and no quotient is looked up at all. Of the runs it keeps
// those that met every divisor record, with the last record of each (whose
// text the result keeps), and the first and the last run, which may go on
// in the pieces before and after.
struct Division::SortedRun {
  std::string quotient;
  std::uint64_t met = 0;  // a bit per divisor record
  std::string lastRecord;
};

Division::Division(const Relation& divisor, KeyFields divisorKey, KeyFields quotientKey, AttributeList types)
    : divisorPart(std::move(divisorKey)),
      quotientPart(std::move(quotientKey)),
      quotientTypes(std::move(types)),
      divisorTypes(divisor.getAttributes()),
      divisorRecords(divisorTypes, divisorTypes.getAttributeCount(), divisor.getRecordCount()) {
  for (const std::string_view record : divisor.getRecordTexts()) {
    const std::uint64_t hash = divisorRecords.hashOf(record);
    if (!divisorRecords.find(record, hash)) divisorRecords.add(record, hash);
  }
  const std::size_t count = divisorRecords.size();
  fullMet = count >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << count) - 1;
}

Division::~Division() = default;

std::optional<std::uint32_t> Division::divisorNumberOf(std::string_view record, std::string& scratch) const {
  const std::string_view key = divisorPart.keyOf(record, scratch);
  return divisorRecords.find(key, divisorRecords.hashOf(key));
}

std::unique_ptr<Division::Count> Division::countPiece(const Relation& piece) const {
  auto count = std::make_unique<Count>(quotientTypes, divisorRecords.size());
  std::string divisorScratch;
  std::string quotientScratch;
  for (RecordScanner scanner(piece); scanner.next();) {
    const std::string_view record = scanner.getCurrent().getValues();
    if (const auto divisorNumber = divisorNumberOf(record, divisorScratch)) {
      count->note(quotientPart.keyOf(record, quotientScratch), *divisorNumber);
    }
  }
  return count;
}

std::optional<std::vector<Division::SortedRun>> Division::countSortedPiece(const Relation& piece) const {
  const int fieldCount = quotientTypes.getAttributeCount();
  std::vector<SortedRun> kept;
  SortedRun run;
  bool first = true;
  bool started = false;
  auto closeRun = [&] {
    if (first || run.met == fullMet) kept.push_back(run);
    first = false;
  };
  std::string divisorScratch;
  std::string quotientScratch;
  for (RecordScanner scanner(piece); scanner.next();) {
    const std::string_view record = scanner.getCurrent().getValues();
    const std::string_view quotient = quotientPart.keyOf(record, quotientScratch);
    if (!started || quotient != run.quotient) {
      const auto order =
          started ? compareValues(quotientTypes, fieldCount, quotient, run.quotient) : std::weak_ordering::greater;
      if (order < 0) return std::nullopt;  // out of order: a quotient may come again
      if (order > 0) {
        if (started) closeRun();
        run.quotient.assign(quotient);
        run.met = 0;
        started = true;
      }
    }
    run.lastRecord.assign(record);
    if (const auto divisorNumber = divisorNumberOf(record, divisorScratch)) {
      run.met |= std::uint64_t{1} << *divisorNumber;
    }
  }
  if (started) kept.push_back(run);  // the last run, full or not
  return kept;
}

std::optional<std::vector<std::string>> Division::recordsInOrder(const Relation& dividend) const {
  if (divisorRecords.size() > 64) return std::nullopt;
  auto pieces = mapPieces(dividend, [this](const Relation& piece) { return countSortedPiece(piece); });
  const int fieldCount = quotientTypes.getAttributeCount();
  std::vector<SortedRun> runs;
  for (auto& piece : pieces) {
    if (!piece) return std::nullopt;
    for (SortedRun& run : *piece) {
      if (!runs.empty()) {
        const auto order = compareValues(quotientTypes, fieldCount, run.quotient, runs.back().quotient);
        if (order < 0) return std::nullopt;
        if (order == 0) {  // a run that goes on from the piece before
          runs.back().met |= run.met;
          runs.back().lastRecord = std::move(run.lastRecord);
          continue;
        }
      }
      runs.push_back(std::move(run));
    }
  }
  std::vector<std::string> records;
  for (SortedRun& run : runs) {
    if (run.met == fullMet) records.push_back(std::move(run.lastRecord));
  }
  return records;
}

namespace {

// A quotient key that is one "int" value (or a record that begins with it) as
// the number it compares by; null for a null, which no number may stand for.
// A value that begins with a line feed is a null (model/null_value.h).
std::optional<std::int32_t> numberOfQuotient(std::string_view key) {
  if (key.starts_with('\n')) return std::nullopt;
  return toInt32(key);
}

}  // namespace

std::optional<NumberBits> Division::countNumbersOfPiece(const Relation& piece) const {
  // Most dividends give a few records to each quotient: room for some grows less often.
  NumberBits count(piece.getRecordCount() / 8);
  // A few at a time, so that the waits for their slots overlap.
  std::array<std::int32_t, tuning::recordBatchSize> numbers{};
  std::array<std::uint32_t, tuning::recordBatchSize> bits{};
  std::size_t waiting = 0;
  auto addWaiting = [&] {
    for (std::size_t index = 0; index < waiting; ++index) count.add(numbers[index], bits[index]);
    waiting = 0;
  };
  std::string divisorScratch;
  std::string quotientScratch;
  for (RecordScanner scanner(piece); scanner.next();) {
    const std::string_view record = scanner.getCurrent().getValues();
    const auto divisorNumber = divisorNumberOf(record, divisorScratch);
    if (!divisorNumber) continue;
    const auto number = numberOfQuotient(quotientPart.keyOf(record, quotientScratch));
    if (!number) return std::nullopt;
    numbers[waiting] = *number;
    bits[waiting] = std::uint32_t{1} << *divisorNumber;
    count.prefetchFor(numbers[waiting]);
    if (++waiting == numbers.size()) addWaiting();
  }
  addWaiting();
  return count;
}

std::optional<std::vector<std::string>> Division::recordsByNumber(const Relation& dividend) const {
  if (divisorRecords.size() > 32 || quotientTypes.getAttributeCount() != 1 || !quotientTypes.isNumeric(1)) {
    return std::nullopt;
  }
  const std::vector<std::optional<NumberBits>> counts =
      mapPieces(dividend, [this](const Relation& piece) { return countNumbersOfPiece(piece); });
  for (const auto& count : counts) {
    if (!count) return std::nullopt;
  }
  // A quotient is full when the pieces' bits together are: looked up rather
  // than joined into one table, which would take fresh memory.
  NumberBits full;
  for (const auto& count : counts) {
    count->forEach([&](std::int32_t number, std::uint32_t bits) {
      for (const auto& other : counts) bits |= other->bitsOf(number);
      if (bits == fullMet) full.add(number, 1);
    });
  }
  if (full.size() == 0) return std::vector<std::string>{};
  return joinPieces(mapPieces(dividend, [&](const Relation& piece) {
    std::vector<std::string> records;
    std::string scratch;
    for (RecordScanner scanner(piece); scanner.next();) {
      const std::string_view record = scanner.getCurrent().getValues();
      // A null quotient met no divisor record, or the count would have given up.
      const auto number = numberOfQuotient(quotientPart.keyOf(record, scratch));
      if (number && full.bitsOf(*number) != 0) records.emplace_back(record);
    }
    return records;
  }));
}

std::vector<std::string> Division::recordsOfFullQuotients(const Relation& dividend) const {
  if (auto inOrder = recordsInOrder(dividend)) return std::move(*inOrder);
  if (auto byNumber = recordsByNumber(dividend)) return std::move(*byNumber);
  std::vector<std::unique_ptr<Count>> counts =
      mapPieces(dividend, [this](const Relation& piece) { return countPiece(piece); });
  for (std::size_t piece = 1; piece < counts.size(); ++piece) counts[0]->join(*counts[piece]);
  // Few quotients meet all, so their table stays in the cache while every
  // record is looked up in it: any record of such a quotient may be the
  // last of it, whose text the result keeps.
  RecordIndex full(quotientTypes, quotientTypes.getAttributeCount(), 64);
  counts[0]->addFull(full);
  if (full.size() == 0) return {};
  return joinPieces(mapPieces(dividend, [&](const Relation& piece) {
    std::vector<std::string> records;
    std::string scratch;
    std::string lastQuotient;
    bool lastIsFull = false;
    bool hasLast = false;
    for (RecordScanner scanner(piece); scanner.next();) {
      const std::string_view record = scanner.getCurrent().getValues();
      const std::string_view quotient = quotientPart.keyOf(record, scratch);
      if (!hasLast || quotient != lastQuotient) {
        lastIsFull = full.find(quotient, full.hashOf(quotient)).has_value();
        lastQuotient.assign(quotient);
        hasLast = true;
      }
      if (lastIsFull) records.emplace_back(record);
    }
    return records;
  }));
}

}  // namespace qerix
