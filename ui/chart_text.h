// The words and numbers a repayment graph is labelled with, whichever host
// draws it: amounts in 万円 written exactly from whole yen, the title line
// with the loan's totals, the years along the bottom.
#pragma once

#include <cstdint>
#include <string>

#include "core/chart_series.h"

namespace ui {

// Yen as 万円, exact: the decimals that are not 0, up to four ("858.0142",
// "3000", "0.5", "-0.25").
std::string ManText(int64_t yen);

// The title line: the totals of principal, interest and their sum, and the
// unpaid interest where the bars have it.
std::string ChartTitle(const core::ChartSeries& series);

std::string YearLabel(int year);

}  // namespace ui
