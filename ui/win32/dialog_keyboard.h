// The keyboard on a dialog on screen: what the platform's dialog manager does
// not do by itself for our templates.
#pragma once

#include "ui/win32/windows_api.h"

#include "res/dialog_template.h"

namespace ui::win32 {

// Makes the template's default button the one that Enter presses while no push
// button has the focus, and the only one that shows as the default; and keeps
// the arrow keys of each radio on the radios of its group. The template must
// outlive the window.
void PrepareKeyboard(HWND dialog, const res::DialogTemplate& dialogTemplate);

}  // namespace ui::win32
