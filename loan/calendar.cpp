#include "loan/calendar.h"

#include <climits>

#include "core/month_index.h"

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

std::optional<CalendarMonth> MonthAt(int64_t counter) {
  if (counter < 0 || core::YearOfCounter(counter) > INT_MAX) return std::nullopt;
  CalendarMonth at;
  at.year = static_cast<int>(core::YearOfCounter(counter));
  at.month = core::MonthOfCounter(counter);
  at.days = DaysInMonth(at.year, at.month);
  at.yearLength = DaysInYear(at.year);
  return at;
}

}  // namespace loan
