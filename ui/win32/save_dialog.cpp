#include "ui/win32/save_dialog.h"

#include <commdlg.h>

#include <vector>

#include "core/utf16.h"

namespace ui::win32 {

std::wstring DialogFilter(std::string_view filter) {
  std::wstring wide = core::ToUtf16(filter);
  for (wchar_t& c : wide)
    if (c == L'|') c = L'\0';
  // Whatever the text ended with, the list ends with two NULs; c_str() adds the second.
  while (!wide.empty() && wide.back() == L'\0') wide.pop_back();
  if (!wide.empty()) wide.push_back(L'\0');
  return wide;
}

std::wstring DialogDefaultExtension(std::string_view extension) {
  if (extension.find_first_of("*?") != std::string_view::npos) return {};
  if (!extension.empty() && extension.front() == '.') extension.remove_prefix(1);
  return core::ToUtf16(extension);
}

std::optional<std::string> ShowSaveFileDialog(HWND owner, const SaveDialogRequest& request) {
  std::wstring filter = DialogFilter(request.filter);
  std::wstring extension = DialogDefaultExtension(request.defaultExtension);
  std::wstring initialName = core::ToUtf16(request.initialName);
  std::vector<wchar_t> path(32768, L'\0');
  initialName.copy(path.data(), std::min(initialName.size(), path.size() - 1));

  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
  dialog.nFilterIndex = 1;  // the first entry is selected at the start
  dialog.lpstrFile = path.data();
  dialog.nMaxFile = static_cast<DWORD>(path.size());
  dialog.lpstrDefExt = extension.c_str();
  dialog.Flags = request.flags | OFN_EXPLORER;
  if (!GetSaveFileNameW(&dialog)) return std::nullopt;
  return core::ToUtf8(path.data());
}

}  // namespace ui::win32
