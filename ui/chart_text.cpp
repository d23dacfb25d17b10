#include "ui/chart_text.h"

#include <string_view>

#include "core/units.h"
#include "res/texts.h"
#include "ui/fill_text.h"

namespace ui {

std::string ManText(int64_t yen) {
  // Negative amounts through their magnitude, which fits unsigned even for the
  // most negative 64-bit value.
  const uint64_t magnitude = yen < 0 ? 0 - static_cast<uint64_t>(yen) : static_cast<uint64_t>(yen);
  std::string text = yen < 0 ? "-" : "";
  text += std::to_string(magnitude / core::kYenPerMan);
  std::string decimals = std::to_string(magnitude % core::kYenPerMan + core::kYenPerMan).substr(1);
  while (!decimals.empty() && decimals.back() == '0') decimals.pop_back();
  if (!decimals.empty()) text += "." + decimals;
  return text;
}

std::string ChartTitle(const core::ChartSeries& series) {
  std::string title = FillText(res::text::kChartTitle,
                               {{"principal", ManText(series.totalPrincipal)},
                                {"interest", ManText(series.totalInterest)},
                                {"total", ManText(series.totalPrincipal + series.totalInterest)}});
  if (series.withUnpaid)
    title += FillText(res::text::kChartTitleUnpaid, {{"unpaid", ManText(series.totalUnpaid)}});
  return title;
}

std::string YearLabel(int year) {
  return FillText(res::text::kChartYear, {{"year", std::to_string(year)}});
}

}  // namespace ui
