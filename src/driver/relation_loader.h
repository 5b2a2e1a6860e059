#ifndef QERIX_DRIVER_RELATION_LOADER_H
#define QERIX_DRIVER_RELATION_LOADER_H

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "exec/loading/record_watcher.h"
#include "model/relation.h"

namespace qerix {

class InputFile;
class LineReader;

// What the input file holds: the query line and the relations.
struct LoadedInput {
  std::string query;  // empty when the file has no non-empty line
  RelationList relations;
};

// Reads the query line and then every relation (readQuery, loadRelations);
// `extended` (-x) as both take it.
LoadedInput loadInput(LineReader& reader, const InputFile& input, bool extended = false);

// The query line: the first line that is not empty ("" when there is none).
// With `programs` (-x), a query that begins "T <- " is a program and goes on
// over the lines right after it while its last statement is an assignment
// or its last line ends with ";", up to an empty line; its lines are joined
// by line ends.
std::string readQuery(LineReader& reader, bool programs = false);

// Reads every relation after the query line: a header line, its record lines
// up to the next empty line, empty lines between relations. Every record line
// is checked as it goes by; the records themselves stay in the input file
// when it can be read again, and are copied to memory otherwise. The records
// of a relation that stays in the file are shown, as they are read, to the
// watchers of its name, which work on them in a second thread; when this
// returns, they have done all their work.
//
// With `extended` (-x) a value \N is a null and a value of two or more
// backslashes then N loses one (see model/null_value.h); a relation with such
// a value is kept in memory. Attributes of type "decimal" hold decimals, and
// any other value there (but a null) ends the run.
RelationList loadRelations(LineReader& reader, const InputFile& input, std::span<const WatchedRelation> watchers = {},
                           bool extended = false);

// Name and attributes from a header line such as "Emp(name string, age int)".
void readHeader(std::string_view line, Relation& relation);

// The record text of a record line (see record_values.h): a comma at the end
// of the line ends the last value without starting another, and missing values
// are empty (then `scratch` holds the text). Null when the line holds more
// values than the relation has attributes.
std::optional<std::string_view> recordText(std::string_view line, int attributeCount, std::string& scratch);
// The same, for a line known to hold `commaCount` commas.
std::optional<std::string_view> recordText(std::string_view line, std::size_t commaCount, int attributeCount,
                                           std::string& scratch);

}  // namespace qerix

#endif  // QERIX_DRIVER_RELATION_LOADER_H
