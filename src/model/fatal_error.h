#ifndef QERIX_MODEL_FATAL_ERROR_H
#define QERIX_MODEL_FATAL_ERROR_H

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace qerix {

// Ends the run: the run function catches it, writes the message, flushes
// standard output and the output file, and returns exit status 1. Library
// code never ends the process itself. Otherwise it is caught only to be
// thrown again later (a malformed query, reported once the relations are
// read) or by work that may be left undone (see tryBindCondition).
class FatalError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

[[noreturn]] void fatal(std::string_view message);
// The message followed by the offending text, quoted as below.
[[noreturn]] void fatal(std::string_view message, std::string_view offendingText);

// Runs `body`. When a FatalError ends it, gives that error's message; when
// memory runs out, the message given for that; nothing when the body completes.
// Only the programs' run functions call it.
std::optional<std::string> failureOf(const std::function<void()>& body, std::string_view memoryMessage);

// The offending text as a message shows it: in double quotes, cut to a
// readable length, with every byte outside printable ASCII written as \xNN
// so that the message stays one plain-ASCII line.
std::string quotedText(std::string_view text);

// Appends \xNN, the byte in two upper-case hex digits: how every text
// this program writes shows a byte that is not printable ASCII.
void appendEscapedByte(std::string& text, unsigned char byte);

}  // namespace qerix

#endif  // QERIX_MODEL_FATAL_ERROR_H
