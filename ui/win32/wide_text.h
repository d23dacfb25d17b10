// Texts cross into Windows as UTF-16 and come back as UTF-8, never through the
// ANSI code page.
#pragma once

#include <string>
#include <string_view>

namespace ui::win32 {

// Malformed UTF-8 or UTF-16 becomes U+FFFD rather than failing.
std::wstring ToUtf16(std::string_view utf8);
std::string ToUtf8(std::wstring_view utf16);

}  // namespace ui::win32
