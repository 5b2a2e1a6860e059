#ifndef QERIX_MODEL_NULL_VALUE_H
#define QERIX_MODEL_NULL_VALUE_H

#include <string>
#include <string_view>

namespace qerix {

// With -x a value may be null: in memory the one-byte text "\n". No value
// read from a file can hold a line feed, so no text value is a null, and a
// record holds a null exactly where its text holds a line feed.
inline constexpr std::string_view nullValue = "\n";

constexpr bool isNull(std::string_view value) { return value.size() == 1 && value[0] == '\n'; }
// Whether a record text (or a key built of values) holds a null anywhere.
constexpr bool holdsNull(std::string_view values) { return values.find('\n') != std::string_view::npos; }

// How -x writes and reads values. A null is written \N; a text of one or
// more backslashes then N is written with one backslash more, so that it
// reads back as itself. Every other value is written as it is.

// The value a written value stands for: a view of `written` or nullValue.
std::string_view readWrittenValue(std::string_view written);
// Whether a value is written otherwise than as it is.
bool needsEscape(std::string_view value);
// Appends the value as it is written.
void appendWrittenValue(std::string& out, std::string_view value);
// Whether a record line as read holds a value that readWrittenValue changes;
// such lines are few, so the others are kept as they were read.
bool holdsEscapedValue(std::string_view line);
// The record text of a line that holdsEscapedValue, into `out`.
void readWrittenValues(std::string_view line, std::string& out);

}  // namespace qerix

#endif  // QERIX_MODEL_NULL_VALUE_H
