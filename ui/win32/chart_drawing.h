// A repayment graph drawn with GDI, the same for the screen, the clipboard and
// PNG files: the title line, the legend, the stacked bars of each year on the
// left axis (万円), the balance line on its own right axis, the years along
// the bottom, thinned so that no two labels touch. Sizes follow the DPI; the
// colours are the system's own when high contrast is on.
#pragma once

#include "ui/win32/windows_api.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/chart_series.h"

namespace ui::win32 {

// Paints the whole of a width × height area at (0, 0) of `dc`, with `font`
// (the dialog's, for the DPI) for its texts.
void DrawChart(HDC dc, int width, int height, UINT dpi, HFONT font,
               const core::ChartSeries& series);

// A picture of the graph: rows of 24-bit BGR pixels, top row first, each
// padded to a multiple of 4 bytes.
struct ChartPixels {
  int width = 0;
  int height = 0;
  UINT dpi = 96;
  std::vector<BYTE> rows;
  size_t Stride() const { return (static_cast<size_t>(width) * 3 + 3) & ~size_t{3}; }
};

// DrawChart into memory; nullopt when GDI cannot make the bitmap.
std::optional<ChartPixels> RenderChart(int width, int height, UINT dpi, HFONT font,
                                       const core::ChartSeries& series);

// The picture as a packed DIB (CF_DIB): a BITMAPINFOHEADER and the rows,
// bottom row first.
std::string PackedDib(const ChartPixels& pixels);

}  // namespace ui::win32
