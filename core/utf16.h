// Texts cross into Windows as UTF-16 and come back as UTF-8, never through the
// ANSI code page. Windows only.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace core {

// For texts on screen: malformed UTF-8 or UTF-16 becomes U+FFFD rather than
// failing.
std::wstring ToUtf16(std::string_view utf8);
std::string ToUtf8(std::wstring_view utf16);

// For file names and file contents, where a guessed character would name
// another file or write other bytes: nullopt when the UTF-8 is malformed.
std::optional<std::wstring> ToUtf16Exact(std::string_view utf8);

}  // namespace core
