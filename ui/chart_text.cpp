#include "ui/chart_text.h"

#include <string_view>

#include "core/units.h"
#include "res/texts.h"

namespace ui {
namespace {

// The text with each "{name}" replaced by its value.
std::string Fill(std::string_view text,
                 std::initializer_list<std::pair<std::string_view, std::string>> values) {
  std::string filled(text);
  for (const auto& [name, value] : values) {
    const std::string field = "{" + std::string(name) + "}";
    for (size_t at = filled.find(field); at != std::string::npos;
         at = filled.find(field, at + value.size()))
      filled.replace(at, field.size(), value);
  }
  return filled;
}

}  // namespace

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
  std::string title = Fill(res::text::kChartTitle,
                           {{"principal", ManText(series.totalPrincipal)},
                            {"interest", ManText(series.totalInterest)},
                            {"total", ManText(series.totalPrincipal + series.totalInterest)}});
  if (series.withUnpaid)
    title += Fill(res::text::kChartTitleUnpaid, {{"unpaid", ManText(series.totalUnpaid)}});
  return title;
}

std::string YearLabel(int year) {
  return Fill(res::text::kChartYear, {{"year", std::to_string(year)}});
}

}  // namespace ui
