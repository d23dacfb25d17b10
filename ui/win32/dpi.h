// The DPI a window is drawn at, and pixel sizes between it and 96 DPI, the DPI
// at which the program's own pixel sizes (the table's column widths) are given.
#pragma once

#include "ui/win32/windows_api.h"

namespace ui::win32 {

inline constexpr UINT kDesignDpi = 96;

// The DPI of the monitor the window is on (per-monitor aware), or the system's
// DPI where Windows cannot tell a window's own.
UINT WindowDpi(HWND window);

// Rounded to the nearest pixel. For every DPI of at least 96, FromDesignPixels
// followed by ToDesignPixels gives back the same number.
int FromDesignPixels(int pixels, UINT dpi);
int ToDesignPixels(int pixels, UINT dpi);

}  // namespace ui::win32
