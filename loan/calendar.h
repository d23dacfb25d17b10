// The calendar of the day-counted loan schedules: Gregorian leap years, the
// days of each month, and the month counter that a schedule walks.
#pragma once

#include <cstdint>
#include <optional>

namespace loan {

// 1 when the year is a leap year of the Gregorian calendar (divisible by 4 and
// not by 100, or divisible by 400), else 0. Year 0 is a leap year.
int IsLeapYear(int year);

// Days of `month` (1 to 12) in `year` from the day table; 0 for any other month.
int DaysInMonth(int year, int month);

// 366 for a leap year, else 365.
int DaysInYear(int year);

// A schedule counts months from year 0: counter = year × 12 + month − 1, so the
// counter's year is counter / 12 and its month counter modulo 12, plus 1.
int64_t MonthCounter(int year, int month);

struct CalendarMonth {
  int year;
  int month;       // 1 to 12
  int days;        // of this month
  int yearLength;  // 365 or 366
};

// The month that `counter` stands for; nullopt when the counter is negative or
// its year does not fit an int, which only inputs that failed validation give.
std::optional<CalendarMonth> MonthAt(int64_t counter);

}  // namespace loan
