// Resizable dialogs on screen: where each control goes when the user sizes
// the window, by the anchors of its template, and how small it may get.
#pragma once

#include "ui/win32/windows_api.h"

#include "res/dialog_template.h"

namespace ui::win32 {

// Places every anchored control for the dialog's client size now: its place
// in the template, in pixels for the dialog's font and DPI, moved by how much
// the client area outgrew the template's size (see res::kAnchorRight,
// res::kAnchorBottom, res::kStretch).
void LayOutControls(HWND dialog, const res::DialogTemplate& dialogTemplate);

// The smallest window that still holds the template's size.
POINT MinimumWindowSize(HWND dialog, const res::DialogTemplate& dialogTemplate);

}  // namespace ui::win32
