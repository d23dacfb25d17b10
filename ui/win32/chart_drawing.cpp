#include "ui/win32/chart_drawing.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

#include "core/utf16.h"
#include "res/texts.h"
#include "ui/chart_text.h"

namespace ui::win32 {
namespace {

constexpr int kSolid = -1;  // a fill without a hatch pattern

// The colours and fills of the graph: the parts of a bar are principal,
// interest and unpaid interest, in that order.
struct Palette {
  COLORREF background, text, grid, axis, line;
  std::array<COLORREF, 3> parts;
  std::array<int, 3> hatches;
  bool outlineParts;
};

COLORREF Blend(COLORREF from, COLORREF to, int percent) {
  auto mix = [&](int a, int b) { return static_cast<BYTE>(a + (b - a) * percent / 100); };
  return RGB(mix(GetRValue(from), GetRValue(to)), mix(GetGValue(from), GetGValue(to)),
             mix(GetBValue(from), GetBValue(to)));
}

bool HighContrastIsOn() {
  HIGHCONTRASTW contrast{};
  contrast.cbSize = sizeof contrast;
  return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
         (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

Palette CurrentPalette() {
  const COLORREF background = GetSysColor(COLOR_WINDOW);
  const COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
  if (HighContrastIsOn()) {
    // The theme's own colours alone; the parts of a bar differ by their fill
    // pattern too, and each is outlined.
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    const COLORREF hot = GetSysColor(COLOR_HOTLIGHT);
    return {background, text, GetSysColor(COLOR_GRAYTEXT), text, hot,
            {highlight, text, hot}, {kSolid, HS_BDIAGONAL, HS_DIAGCROSS}, true};
  }
  return {background,
          text,
          Blend(background, text, 15),
          Blend(background, text, 55),
          RGB(0, 128, 96),
          {RGB(68, 114, 196), RGB(237, 125, 49), RGB(150, 150, 150)},
          {kSolid, kSolid, HS_BDIAGONAL},
          false};
}

// One drawing on a device context: sizes in pixels at 96 DPI become pixels
// at the DPI, and every GDI object made is released again.
class Canvas {
 public:
  Canvas(HDC dc, UINT dpi, const Palette& palette) : dc_(dc), dpi_(dpi), palette_(palette) {}

  int Px(int designPixels) const {
    return std::max(1, MulDiv(designPixels, static_cast<int>(dpi_), 96));
  }
  SIZE Extent(const std::wstring& text) const {
    SIZE size{0, 0};
    GetTextExtentPoint32W(dc_, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
  }
  // The text with its upper left corner at (x, y).
  void Text(int x, int y, const std::wstring& text) const {
    SetTextColor(dc_, palette_.text);
    TextOutW(dc_, x, y, text.c_str(), static_cast<int>(text.size()));
  }
  void Fill(const RECT& box, COLORREF colour, int hatch = kSolid, bool outline = false) const {
    HBRUSH brush = hatch == kSolid ? CreateSolidBrush(colour) : CreateHatchBrush(hatch, colour);
    // A hatch's gaps show the background.
    SetBkMode(dc_, OPAQUE);
    SetBkColor(dc_, palette_.background);
    FillRect(dc_, &box, brush);
    SetBkMode(dc_, TRANSPARENT);
    DeleteObject(brush);
    if (outline) {
      HBRUSH frame = CreateSolidBrush(palette_.text);
      FrameRect(dc_, &box, frame);
      DeleteObject(frame);
    }
  }
  void Polyline(const std::vector<POINT>& points, COLORREF colour, int width) const {
    HPEN pen = CreatePen(PS_SOLID, width, colour);
    HGDIOBJ old = SelectObject(dc_, pen);
    ::Polyline(dc_, points.data(), static_cast<int>(points.size()));
    SelectObject(dc_, old);
    DeleteObject(pen);
  }
  void Line(int x0, int y0, int x1, int y1, COLORREF colour, int width = 1) const {
    Polyline({{x0, y0}, {x1, y1}}, colour, width);
  }
  void Marker(int x, int y) const {
    const int half = Px(5) / 2;
    Fill({x - half, y - half, x - half + Px(5), y - half + Px(5)}, palette_.line);
  }

 private:
  HDC dc_;
  UINT dpi_;
  const Palette& palette_;
};

// Where a value of an axis from `low` to `high` stands between `bottom` and `top`.
int Place(int64_t value, int64_t low, int64_t high, int bottom, int top) {
  double share = (static_cast<double>(value) - static_cast<double>(low)) /
                 (static_cast<double>(high) - static_cast<double>(low));
  share = std::clamp(share, -1.0, 2.0);  // far outside the plot is as good as just outside
  return bottom - static_cast<int>(std::lround(share * (bottom - top)));
}

std::vector<std::wstring> TickLabels(const std::vector<int64_t>& ticks) {
  std::vector<std::wstring> labels;
  for (int64_t tick : ticks) labels.push_back(core::ToUtf16(ManText(tick)));
  return labels;
}

int WidestOf(const Canvas& canvas, const std::vector<std::wstring>& texts) {
  int widest = 0;
  for (const std::wstring& text : texts) widest = std::max<int>(widest, canvas.Extent(text).cx);
  return widest;
}

// Every how many years a year is labelled: 1, 2 or 5 times a power of ten, the
// fewest that leave each label room of `room` pixels when a year is `slot` wide.
int YearStride(double slot, int room) {
  for (int power = 1;; power *= 10) {
    for (int mantissa : {1, 2, 5}) {
      if (mantissa * power * slot >= room || power >= 100000) return mantissa * power;
    }
  }
}

// The legend's line, from x = left at y = top: a swatch and the name of each
// part of the bars, then the balance line.
void DrawLegend(const Canvas& canvas, const Palette& palette, bool withUnpaid, int left, int top,
                int lineHeight) {
  const std::string_view names[] = {res::text::kChartPrincipal, res::text::kChartInterest,
                                    res::text::kChartUnpaid};
  const int swatch = canvas.Px(12);
  int x = left;
  for (size_t part = 0; part < (withUnpaid ? 3u : 2u); ++part) {
    const int y = top + (lineHeight - swatch) / 2;
    canvas.Fill({x, y, x + swatch, y + swatch}, palette.parts[part], palette.hatches[part],
                palette.outlineParts);
    x += swatch + canvas.Px(4);
    const std::wstring name = core::ToUtf16(names[part]);
    canvas.Text(x, top, name);
    x += canvas.Extent(name).cx + canvas.Px(14);
  }
  const int middle = top + lineHeight / 2;
  canvas.Line(x, middle, x + canvas.Px(18), middle, palette.line, canvas.Px(2));
  canvas.Marker(x + canvas.Px(9), middle);
  canvas.Text(x + canvas.Px(22), top, core::ToUtf16(res::text::kChartBalance));
}

// The labels of one axis, from the lowest tick up, right-aligned at `x` (or
// left-aligned there); a label that would touch the one below it is left out.
void DrawAxisLabels(const Canvas& canvas, const std::vector<std::wstring>& labels,
                    const std::vector<int>& heights, int x, bool alignRight, int lineHeight) {
  int freeAbove = INT32_MAX;  // labels must end above this
  for (size_t i = 0; i < labels.size(); ++i) {
    const int top = heights[i] - lineHeight / 2;
    if (top + lineHeight > freeAbove) continue;
    const int width = canvas.Extent(labels[i]).cx;
    canvas.Text(alignRight ? x - width : x, top, labels[i]);
    freeAbove = top - canvas.Px(1);
  }
}

void DrawTitle(HDC dc, HFONT font, const RECT& box, const core::ChartSeries& series) {
  LOGFONTW bold{};
  GetObjectW(font, sizeof bold, &bold);
  bold.lfWeight = FW_BOLD;
  HFONT titleFont = CreateFontIndirectW(&bold);
  HGDIOBJ old = SelectObject(dc, titleFont != nullptr ? titleFont : font);
  RECT titleBox = box;
  std::wstring title = core::ToUtf16(ChartTitle(series));
  DrawTextW(dc, title.c_str(), static_cast<int>(title.size()), &titleBox,
            DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
  SelectObject(dc, old);
  if (titleFont != nullptr) DeleteObject(titleFont);
}

void DrawPlot(const Canvas& canvas, const Palette& palette, const core::ChartSeries& series,
              const RECT& area, int lineHeight) {
  const std::vector<int64_t>& barTicks = series.barTicks;
  const std::vector<int64_t>& balanceTicks = series.balanceTicks;
  const std::vector<core::ChartYear>& years = series.years;
  if (years.empty() || barTicks.size() < 2 || balanceTicks.size() < 2) return;
  const int gap = canvas.Px(4);
  const std::vector<std::wstring> barLabels = TickLabels(barTicks);
  const std::vector<std::wstring> balanceLabels = TickLabels(balanceTicks);
  std::vector<std::wstring> yearLabels;
  for (const core::ChartYear& year : years)
    yearLabels.push_back(core::ToUtf16(YearLabel(year.year)));
  const int yearWidth = WidestOf(canvas, yearLabels);

  // The plot leaves room for the labels of both axes beside it, half a line
  // above and below it for the labels of its top and bottom ticks, and half a
  // year label at each end.
  const int left = area.left + std::max(WidestOf(canvas, barLabels) + gap + canvas.Px(2),
                                        yearWidth / 2);
  const int right = area.right - std::max(WidestOf(canvas, balanceLabels) + gap + canvas.Px(2),
                                          yearWidth / 2);
  const int top = area.top + lineHeight / 2;
  const int bottom = area.bottom - lineHeight - lineHeight / 2 - gap;
  if (right - left < canvas.Px(20) || bottom - top < canvas.Px(20)) return;
  auto barY = [&](int64_t value) {
    return Place(value, barTicks.front(), barTicks.back(), bottom, top);
  };
  auto balanceY = [&](int64_t value) {
    return Place(value, balanceTicks.front(), balanceTicks.back(), bottom, top);
  };

  // Grid and labels of the bars' axis on the left, ticks and labels of the
  // balance's on the right.
  std::vector<int> barHeights, balanceHeights;
  for (int64_t tick : barTicks) {
    barHeights.push_back(barY(tick));
    canvas.Line(left, barHeights.back(), right, barHeights.back(), palette.grid);
  }
  for (int64_t tick : balanceTicks) {
    balanceHeights.push_back(balanceY(tick));
    canvas.Line(right, balanceHeights.back(), right + canvas.Px(3), balanceHeights.back(),
                palette.axis);
  }
  DrawAxisLabels(canvas, barLabels, barHeights, left - gap - canvas.Px(2), true, lineHeight);
  DrawAxisLabels(canvas, balanceLabels, balanceHeights, right + gap + canvas.Px(2), false,
                 lineHeight);

  // The bars: each part stacked on those before it, upwards when above 0 and
  // downwards when below.
  const double slot = static_cast<double>(right - left) / static_cast<double>(years.size());
  // Bars of few years stay bars, not blocks.
  const int barWidth =
      std::clamp(static_cast<int>(std::lround(slot * 0.6)), 1, canvas.Px(60));
  auto centre = [&](size_t i) {
    return left + static_cast<int>(std::lround(slot * (static_cast<double>(i) + 0.5)));
  };
  std::vector<POINT> balance;
  for (size_t i = 0; i < years.size(); ++i) {
    const core::ChartYear& year = years[i];
    const int64_t parts[] = {year.principal, year.interest, year.unpaid};
    int64_t up = 0, down = 0;
    const int barLeft = centre(i) - barWidth / 2;
    for (size_t part = 0; part < (series.withUnpaid ? 3u : 2u); ++part) {
      int64_t& end = parts[part] > 0 ? up : down;
      const int from = barY(end);
      end += parts[part];
      const int to = barY(end);
      if (from == to) continue;
      canvas.Fill({barLeft, std::min(from, to), barLeft + barWidth, std::max(from, to)},
                  palette.parts[part], palette.hatches[part], palette.outlineParts);
    }
    balance.push_back({centre(i), balanceY(year.balance)});
  }
  const int zero = barY(0);
  canvas.Line(left, zero, right, zero, palette.axis);
  canvas.Line(left, top, left, bottom, palette.axis);
  canvas.Line(right, top, right, bottom, palette.axis);

  // The balance line, with a mark on each year while they stand apart.
  canvas.Polyline(balance, palette.line, canvas.Px(2));
  if (slot >= canvas.Px(8) || balance.size() == 1)
    for (const POINT& point : balance) canvas.Marker(point.x, point.y);

  // The years, as many as have room.
  const int stride = YearStride(slot, yearWidth + canvas.Px(8));
  for (size_t i = 0; i < years.size(); ++i) {
    if (years[i].year % stride != 0 && stride > 1) continue;
    canvas.Line(centre(i), bottom, centre(i), bottom + canvas.Px(3), palette.axis);
    canvas.Text(centre(i) - canvas.Extent(yearLabels[i]).cx / 2, bottom + lineHeight / 2 + gap,
                yearLabels[i]);
  }
}

}  // namespace

void DrawChart(HDC dc, int width, int height, UINT dpi, HFONT font,
               const core::ChartSeries& series) {
  const Palette palette = CurrentPalette();
  const Canvas canvas(dc, dpi, palette);
  if (font == nullptr) font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  canvas.Fill({0, 0, width, height}, palette.background);
  HGDIOBJ oldFont = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, palette.text);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  const int lineHeight = std::max<int>(1, metrics.tmHeight);
  const int pad = canvas.Px(8);
  if (!series.years.empty()) {
    int y = pad;
    DrawTitle(dc, font, {pad, y, width - pad, y + lineHeight + canvas.Px(2)}, series);
    y += lineHeight + canvas.Px(8);
    DrawLegend(canvas, palette, series.withUnpaid, pad, y, lineHeight);
    y += lineHeight + canvas.Px(8);
    canvas.Text(pad, y, core::ToUtf16(res::text::kChartBarAxis));
    const std::wstring balanceAxis = core::ToUtf16(res::text::kChartBalanceAxis);
    canvas.Text(width - pad - canvas.Extent(balanceAxis).cx, y, balanceAxis);
    y += lineHeight + canvas.Px(4);
    DrawPlot(canvas, palette, series, {pad, y, width - pad, height - pad}, lineHeight);
  }
  SelectObject(dc, oldFont);
}

std::optional<ChartPixels> RenderChart(int width, int height, UINT dpi, HFONT font,
                                       const core::ChartSeries& series) {
  if (width <= 0 || height <= 0) return std::nullopt;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap == nullptr || bits == nullptr) return std::nullopt;
  HDC dc = CreateCompatibleDC(nullptr);
  std::optional<ChartPixels> pixels;
  if (dc != nullptr) {
    HGDIOBJ old = SelectObject(dc, bitmap);
    DrawChart(dc, width, height, dpi, font, series);
    GdiFlush();
    pixels = ChartPixels{width, height, dpi, {}};
    pixels->rows.resize(pixels->Stride() * static_cast<size_t>(height));
    const auto* source = static_cast<const BYTE*>(bits);
    for (size_t row = 0; row < static_cast<size_t>(height); ++row) {
      BYTE* target = pixels->rows.data() + row * pixels->Stride();
      const BYTE* from = source + row * static_cast<size_t>(width) * 4;
      for (size_t x = 0; x < static_cast<size_t>(width); ++x)
        std::memcpy(target + x * 3, from + x * 4, 3);
    }
    SelectObject(dc, old);
    DeleteDC(dc);
  }
  DeleteObject(bitmap);
  return pixels;
}

std::string PackedDib(const ChartPixels& pixels) {
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = pixels.width;
  header.biHeight = pixels.height;  // bottom row first
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  header.biSizeImage = static_cast<DWORD>(pixels.rows.size());
  // Pixels per metre at the picture's DPI.
  header.biXPelsPerMeter = MulDiv(static_cast<int>(pixels.dpi), 10000, 254);
  header.biYPelsPerMeter = header.biXPelsPerMeter;
  std::string dib(reinterpret_cast<const char*>(&header), sizeof header);
  for (size_t row = static_cast<size_t>(pixels.height); row-- > 0;)
    dib.append(reinterpret_cast<const char*>(pixels.rows.data() + row * pixels.Stride()),
               pixels.Stride());
  return dib;
}

}  // namespace ui::win32
