// The platform's Save dialog (GetSaveFileNameW) for a SaveDialogRequest.
#pragma once

#include "ui/win32/windows_api.h"

#include <optional>
#include <string>
#include <string_view>

#include "ui/host.h"

namespace ui::win32 {

// "desc|pattern|desc|pattern||" as the dialog wants it: each "|" a NUL, the
// list ended by two NULs even when the closing "||" is missing.
std::wstring DialogFilter(std::string_view filter);

// The extension the dialog appends to a name typed without one. A wildcard such
// as "*.*" would make names like "report.*.*" that no file system takes, so it
// becomes no default of its own: the dialog then appends the selected filter's
// extension where that is a plain one.
std::wstring DialogDefaultExtension(std::string_view extension);

// Runs the dialog modally over `owner`; the chosen path (UTF-8), or nullopt.
std::optional<std::string> ShowSaveFileDialog(HWND owner, const SaveDialogRequest& request);

}  // namespace ui::win32
