// The Windows headers, without the macros that would rename the framework's own
// functions (MessageBox becoming MessageBoxW in some files and not in others).
// The Win32 code calls the W functions by their full names.
#pragma once

#include <windows.h>
#include <commctrl.h>

#undef MessageBox
#undef LoadString
#undef GetDlgItemText
#undef SetDlgItemText
