// Turns a dialog template of res/ into the in-memory DLGTEMPLATEEX that
// DialogBoxIndirectParamW shows, so both hosts build windows from one source.
#pragma once

#include "ui/win32/windows_api.h"

#include <vector>

#include "res/dialog_template.h"

namespace ui::win32 {

struct WindowStyle {
  DWORD style = 0;
  DWORD exStyle = 0;
};

WindowStyle DialogWindowStyle(const res::DialogTemplate& dialog);
WindowStyle ControlWindowStyle(const res::ControlTemplate& control);

// The window class a control is created with: a predefined class's name.
const wchar_t* ControlClassName(const res::ControlTemplate& control);

// The DLGTEMPLATEEX and its DLGITEMTEMPLATEEX entries, in tab order. The
// vector's storage is suitably aligned to be passed as it is.
std::vector<WORD> BuildDialogTemplate(const res::DialogTemplate& dialog);

}  // namespace ui::win32
