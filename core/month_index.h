// A Western year and month as one count of months, so that two points in time
// subtract to a number of months.
#pragma once

#include <cstdint>

namespace core {

// year × 12 + month, in 64 bits: any int year and month fit, including those a
// field reported as out of range but that still reach the calculation.
constexpr int64_t MonthIndex(int year, int month) { return int64_t{year} * 12 + month; }

// Months from the first point to the second; negative when the second is earlier.
constexpr int64_t MonthsBetween(int startYear, int startMonth, int endYear, int endMonth) {
  return MonthIndex(endYear, endMonth) - MonthIndex(startYear, startMonth);
}

}  // namespace core
