// A Western year and month as one count of months. Two conventions, each with
// its use: the month index, year × 12 + month, which periods are compared and
// subtracted by; and the month counter, one less, which a schedule walks month
// by month because its year and month come back out by division.
#pragma once

#include <cstdint>

namespace core {

// The years and months that the date fields accept.
inline constexpr int kMinYear = 0;
inline constexpr int kMaxYear = 3000;
inline constexpr int kMinMonth = 1;
inline constexpr int kMaxMonth = 12;

// year × 12 + month, in 64 bits: any int year and month fit, including those a
// field reported as out of range but that still reach the calculation.
constexpr int64_t MonthIndex(int year, int month) { return int64_t{year} * 12 + month; }

// Months from the first point to the second; negative when the second is earlier.
constexpr int64_t MonthsBetween(int startYear, int startMonth, int endYear, int endMonth) {
  return MonthIndex(endYear, endMonth) - MonthIndex(startYear, startMonth);
}

// MonthIndex − 1, counting from January of year 0 as 0: the counter's year is
// counter / 12 and its month counter % 12 + 1 (for a counter not below 0).
constexpr int64_t MonthCounter(int year, int month) { return MonthIndex(year, month) - 1; }
constexpr int64_t YearOfCounter(int64_t counter) { return counter / 12; }
constexpr int MonthOfCounter(int64_t counter) { return static_cast<int>(counter % 12) + 1; }

}  // namespace core
