#include "core/utf16.h"

#include <windows.h>

#include <climits>

namespace core {
namespace {

// MultiByteToWideChar with `flags`; nullopt when it fails.
std::optional<std::wstring> Convert(std::string_view utf8, DWORD flags) {
  if (utf8.empty()) return std::wstring();
  if (utf8.size() > INT_MAX) return std::nullopt;
  const int size = static_cast<int>(utf8.size());
  const int length = MultiByteToWideChar(CP_UTF8, flags, utf8.data(), size, nullptr, 0);
  if (length <= 0) return std::nullopt;
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, flags, utf8.data(), size, wide.data(), length);
  return wide;
}

}  // namespace

std::wstring ToUtf16(std::string_view utf8) { return Convert(utf8, 0).value_or(std::wstring()); }

std::optional<std::wstring> ToUtf16Exact(std::string_view utf8) {
  return Convert(utf8, MB_ERR_INVALID_CHARS);
}

std::string ToUtf8(std::wstring_view utf16) {
  if (utf16.empty() || utf16.size() > INT_MAX) return {};
  int size = static_cast<int>(utf16.size());
  int length = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, narrow.data(), length, nullptr, nullptr);
  return narrow;
}

}  // namespace core
