#ifndef QERIX_MODEL_TUNING_H
#define QERIX_MODEL_TUNING_H

#include <cstddef>

// The tuning constants of loading and execution, in one place. Each was
// measured on a two-core machine whose fresh memory costs more than most of
// the computing (see docs/performance.md); changing one changes speed and
// memory, never a result.
namespace qerix::tuning {

// Records are handed over this many at a time, so that the memory waits of
// their lookups in a large hash table overlap.
inline constexpr std::size_t recordBatchSize = 16;

// How many records ahead an in-order reader of scattered record texts asks
// for the next one: far enough for the fetch to arrive in time.
inline constexpr std::size_t prefetchDistance = 8;

// From this many records on, work on a relation is split into pieces that
// run at once (sorting, hashing, reading from the input file). Below it one
// thread does all, since starting another costs more than it saves.
inline constexpr std::size_t parallelFrom = std::size_t{1} << 17;

// The loader notes where every this many records end, so that a relation
// still in the input file can be cut into pieces between records.
inline constexpr std::size_t cutSpacing = parallelFrom / 2;

// Removing duplicates: past this many distinct records, three in four of
// them distinct, hashing costs more than it spares, and records are sorted
// in runs of runSize instead, merged as the result is read.
inline constexpr std::size_t distinctGatherAfter = std::size_t{1} << 16;
inline constexpr std::size_t distinctRunSize = std::size_t{1} << 16;

// A selection over the input file copies what passes while the copies stay
// under a quarter of the bytes read; it is judged once this many were read.
inline constexpr std::size_t selectionJudgedAfter = std::size_t{1} << 20;

// Work handed to a second thread while loading goes on travels in batches
// of about this many bytes, at most handOverQueueLimit of them waiting.
inline constexpr std::size_t handOverBatchBytes = std::size_t{1} << 18;
inline constexpr std::size_t handOverQueueLimit = 2;

// Text storage of operators: large enough that allocation is rare, small
// enough that a few records do not cost much.
inline constexpr std::size_t textArenaBlock = std::size_t{1} << 20;

// The input file is read in blocks of this size; result text is written in
// blocks of outputBlock.
inline constexpr std::size_t inputBlock = std::size_t{1} << 18;
inline constexpr std::size_t outputBlock = std::size_t{1} << 16;

}  // namespace qerix::tuning

#endif  // QERIX_MODEL_TUNING_H
