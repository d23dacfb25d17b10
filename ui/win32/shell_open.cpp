#include "ui/win32/shell_open.h"

#include <objbase.h>
#include <shellapi.h>

#include <optional>
#include <string>

#include "core/utf16.h"

namespace ui::win32 {

HelpOpening OpenWithShell(HWND owner, std::string_view utf8Path) {
  std::optional<std::wstring> path = core::ToUtf16Exact(utf8Path);
  if (!path || path->empty()) return HelpOpening::kMissing;
  const DWORD attributes = GetFileAttributesW(path->c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
    return HelpOpening::kMissing;
  // The handler of a file type may be a shell extension, which needs COM on
  // this thread; the call returns once it has handed the file over (NOASYNC),
  // so COM can go again right after.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  SHELLEXECUTEINFOW request{};
  request.cbSize = sizeof request;
  request.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
  request.hwnd = owner;
  request.lpVerb = L"open";
  request.lpFile = path->c_str();
  request.nShow = SW_SHOWNORMAL;
  const bool opened = ShellExecuteExW(&request) != FALSE;
  if (SUCCEEDED(com)) CoUninitialize();
  return opened ? HelpOpening::kOpened : HelpOpening::kFailed;
}

}  // namespace ui::win32
