#include "ui/win32/clipboard.h"

#include <cstring>

#include "core/utf16.h"

namespace ui::win32 {

std::string ReadClipboardText() {
  std::string text;
  if (!OpenClipboard(nullptr)) return text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* wide = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = core::ToUtf8(wide);
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

void WriteClipboardText(HWND owner, std::string_view text) {
  std::wstring wide = core::ToUtf16(text);
  WriteClipboardData(owner, CF_UNICODETEXT,
                     std::string_view(reinterpret_cast<const char*>(wide.c_str()),
                                      (wide.size() + 1) * sizeof(wchar_t)));
}

void WriteClipboardData(HWND owner, UINT format, std::string_view bytes) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  if (memory == nullptr) return;
  if (void* target = GlobalLock(memory)) {
    std::memcpy(target, bytes.data(), bytes.size());
    GlobalUnlock(memory);
  }
  // Without an owning window the clipboard would refuse the data.
  if (owner == nullptr || !OpenClipboard(owner)) {
    GlobalFree(memory);
    return;
  }
  EmptyClipboard();
  // On success the clipboard owns the memory.
  if (SetClipboardData(format, memory) == nullptr) GlobalFree(memory);
  CloseClipboard();
}

void EmptyTheClipboard() {
  if (!OpenClipboard(nullptr)) return;
  EmptyClipboard();
  CloseClipboard();
}

}  // namespace ui::win32
