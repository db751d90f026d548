#pragma once

#include "common/result.hpp"

#include <string>
#include <string_view>

namespace common {

// Bytes of a Windows-1250 text to UTF-8. Bytes the code page leaves undefined
// (0x81, 0x83, 0x88, 0x90, 0x98) come out as U+FFFD.
std::string windows1250ToUtf8(std::string_view bytes);

// True when the byte is one of the five the code page leaves undefined.
bool isUndefinedWindows1250Byte(unsigned char byte);

// UTF-8 text to Windows-1250 bytes. Fails on malformed UTF-8 and on any character the code
// page cannot hold; the error message names the character.
Result<std::string> utf8ToWindows1250(std::string_view text);

} // namespace common
