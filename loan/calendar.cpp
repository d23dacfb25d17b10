#include "loan/calendar.h"

#include <climits>

namespace loan {
namespace {

constexpr int kDayTable[2][12] = {
    {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
    {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
};

}  // namespace

int IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0 ? 1 : 0;
}

int DaysInMonth(int year, int month) {
  if (month < 1 || month > 12) return 0;
  return kDayTable[IsLeapYear(year)][month - 1];
}

int DaysInYear(int year) { return IsLeapYear(year) == 1 ? 366 : 365; }

int64_t MonthCounter(int year, int month) { return int64_t{year} * 12 + month - 1; }

std::optional<CalendarMonth> MonthAt(int64_t counter) {
  if (counter < 0 || counter / 12 > INT_MAX) return std::nullopt;
  CalendarMonth at;
  at.year = static_cast<int>(counter / 12);
  at.month = static_cast<int>(counter % 12) + 1;
  at.days = DaysInMonth(at.year, at.month);
  at.yearLength = DaysInYear(at.year);
  return at;
}

}  // namespace loan
