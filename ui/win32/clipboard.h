// The platform's clipboard: text, and pictures.
#pragma once

#include "ui/win32/windows_api.h"

#include <string>
#include <string_view>

namespace ui::win32 {

// The clipboard's text (UTF-8), or empty when it holds none.
std::string ReadClipboardText();

// Replaces the clipboard's content with the text, on behalf of window `owner`.
void WriteClipboardText(HWND owner, std::string_view text);

// Replaces the clipboard's content with `bytes` in the clipboard format
// `format` (CF_DIB, say), on behalf of window `owner`.
void WriteClipboardData(HWND owner, UINT format, std::string_view bytes);

// Leaves the clipboard empty.
void EmptyTheClipboard();

}  // namespace ui::win32
