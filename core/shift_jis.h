// Conversion of the program's UTF-8 texts to Shift-JIS (code page 932), the
// encoding of report files, through the platform's own converter.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace core {

// The text in code page 932, or nullopt when it is not valid UTF-8 or holds a
// character that code page 932 cannot represent. U+005C becomes the byte 0x5C
// (shown as the yen sign by Japanese fonts), U+3000 the two bytes 0x81 0x40.
std::optional<std::string> Utf8ToShiftJis(std::string_view utf8);

}  // namespace core
