// The platform's clipboard, as text.
#pragma once

#include "ui/win32/windows_api.h"

#include <string>
#include <string_view>

namespace ui::win32 {

// The clipboard's text (UTF-8), or empty when it holds none.
std::string ReadClipboardText();

// Replaces the clipboard's content with the text, on behalf of window `owner`.
void WriteClipboardText(HWND owner, std::string_view text);

// Leaves the clipboard empty.
void EmptyTheClipboard();

}  // namespace ui::win32
