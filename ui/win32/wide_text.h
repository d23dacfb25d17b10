// The Win32 host's text boundary: the conversions of core/utf16.h, under the
// names the host's code calls them by.
#pragma once

#include "core/utf16.h"

namespace ui::win32 {

using core::ToUtf16;
using core::ToUtf8;

}  // namespace ui::win32
