// The calendar of the day-counted loan schedules: Gregorian leap years, and the
// days of each month that a schedule's month counter (core/month_index.h) walks.
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
