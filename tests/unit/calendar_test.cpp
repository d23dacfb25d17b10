// The calendar of the loan schedules: leap years, the day table, the counter.
#include "loan/calendar.h"

#include <gtest/gtest.h>

#include <climits>

#include "core/month_index.h"

namespace loan {
namespace {

TEST(Calendar, LeapYearsFollowTheGregorianRule) {
  const std::pair<int, int> cases[] = {{0, 1},    {1900, 0}, {2000, 1}, {2100, 0}, {2004, 1},
                                       {2001, 0}, {1600, 1}, {3000, 0}, {2400, 1}, {-4, 1}};
  for (auto [year, leap] : cases) {
    SCOPED_TRACE(year);
    EXPECT_EQ(IsLeapYear(year), leap);
    EXPECT_EQ(DaysInYear(year), leap ? 366 : 365);
  }
}

TEST(Calendar, DayTable) {
  EXPECT_EQ(DaysInMonth(1900, 2), 28);
  EXPECT_EQ(DaysInMonth(2100, 2), 28);
  EXPECT_EQ(DaysInMonth(2000, 2), 29);
  EXPECT_EQ(DaysInMonth(2001, 1), 31);
  EXPECT_EQ(DaysInMonth(2001, 4), 30);
  EXPECT_EQ(DaysInMonth(2001, 12), 31);
  int leapYearDays = 0;
  for (int month = 1; month <= 12; ++month) leapYearDays += DaysInMonth(2000, month);
  EXPECT_EQ(leapYearDays, 366);
  // Outside the table: no day, and no read past it.
  EXPECT_EQ(DaysInMonth(2000, 0), 0);
  EXPECT_EQ(DaysInMonth(2000, 13), 0);
  EXPECT_EQ(DaysInMonth(2000, INT_MIN), 0);
}

TEST(Calendar, MonthCounter) {
  EXPECT_EQ(core::MonthCounter(2000, 2), 24001);
  std::optional<CalendarMonth> february = MonthAt(core::MonthCounter(2000, 2));
  ASSERT_TRUE(february);
  EXPECT_EQ(february->year, 2000);
  EXPECT_EQ(february->month, 2);
  EXPECT_EQ(february->days, 29);
  EXPECT_EQ(february->yearLength, 366);
  // A month of 13 is January of the next year.
  std::optional<CalendarMonth> thirteenth = MonthAt(core::MonthCounter(2000, 13));
  ASSERT_TRUE(thirteenth);
  EXPECT_EQ(thirteenth->year, 2001);
  EXPECT_EQ(thirteenth->month, 1);
  EXPECT_EQ(MonthAt(0)->year, 0);
  EXPECT_EQ(MonthAt(0)->month, 1);
  // Counters that name no month a schedule can show.
  EXPECT_FALSE(MonthAt(-1));
  EXPECT_FALSE(MonthAt(core::MonthCounter(0, 0)));
  EXPECT_TRUE(MonthAt(core::MonthCounter(INT_MAX, 12)));
  EXPECT_FALSE(MonthAt(core::MonthCounter(INT_MAX, 13)));
}

}  // namespace
}  // namespace loan
