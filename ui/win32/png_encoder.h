// PNG files through the platform's encoder (Windows Imaging Component), in
// memory, so that the caller writes the file whole or not at all.
#pragma once

#include <optional>
#include <string>

#include "ui/win32/chart_drawing.h"

namespace ui::win32 {

// The bytes of a PNG file of the picture, with its DPI; nullopt when the
// encoder is missing or fails.
std::optional<std::string> EncodePng(const ChartPixels& pixels);

}  // namespace ui::win32
