// Opening a file as the user's system opens it: an HTML page in the default
// browser, as a double click in Explorer would.
#pragma once

#include "ui/win32/windows_api.h"

#include <string_view>

#include "ui/host.h"

namespace ui::win32 {

// Opens the file at `utf8Path` with its "open" verb, on behalf of window
// `owner`. kMissing when no such file is there (a folder is no file), kFailed
// when the system could not open it; the system shows no error of its own.
HelpOpening OpenWithShell(HWND owner, std::string_view utf8Path);

}  // namespace ui::win32
