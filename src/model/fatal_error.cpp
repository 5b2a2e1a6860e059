#include "model/fatal_error.h"

#include <new>

namespace qerix {

namespace {
constexpr std::size_t maxQuotedLength = 80;
}  // namespace

void fatal(std::string_view message) { throw FatalError(std::string(message)); }

void fatal(std::string_view message, std::string_view offendingText) {
  fatal(std::string(message) + quotedText(offendingText));
}

std::optional<std::string> failureOf(const std::function<void()>& body, std::string_view memoryMessage) {
  try {
    body();
    return std::nullopt;
  } catch (const FatalError& error) {
    return error.what();
  } catch (const std::bad_alloc&) {
    return std::string(memoryMessage);
  } catch (const std::length_error&) {
    // A size beyond what any container can hold: memory ran out in effect.
    return std::string(memoryMessage);
  }
}

void appendEscapedByte(std::string& text, unsigned char byte) {
  static constexpr char hexDigits[] = "0123456789ABCDEF";
  text += "\\x";
  text += hexDigits[byte >> 4];
  text += hexDigits[byte & 0x0F];
}

std::string quotedText(std::string_view text) {
  const bool cut = text.size() > maxQuotedLength;
  if (cut) text = text.substr(0, maxQuotedLength);
  std::string result = "\"";
  for (const char character : text) {
    const auto byte = static_cast<unsigned char>(character);
    if (byte >= 0x20 && byte < 0x7F) {
      result += character;
    } else {
      appendEscapedByte(result, byte);
    }
  }
  if (cut) result += "...";
  result += '"';
  return result;
}

}  // namespace qerix
