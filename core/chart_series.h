// What a repayment graph shows, year by year, in whole yen: the parts of the
// bar of each year, the balance line, the totals of its title and the round
// values of its two axes. Plain data, which the loan arithmetic computes and
// the hosts show (drawn, or printed by tavoro-script's `chart`).
#pragma once

#include <cstdint>
#include <vector>

namespace core {

struct ChartYear {
  int year = 0;
  // Paid in that calendar year: the parts of its bar.
  int64_t principal = 0;
  int64_t interest = 0;
  int64_t unpaid = 0;  // unpaid interest added to the balance; a part only when the series has it
  int64_t balance = 0;  // owed after the year's last repayment

  friend bool operator==(const ChartYear&, const ChartYear&) = default;
};

struct ChartSeries {
  std::vector<ChartYear> years;  // oldest first, one per calendar year with a repayment
  bool withUnpaid = false;       // the bars have the third part
  // The loan's totals, as its dialog shows them, for the title line.
  int64_t totalPrincipal = 0;
  int64_t totalInterest = 0;
  int64_t totalUnpaid = 0;
  // Round values (1, 2 or 5 times a power of ten yen), ascending, that cover
  // the data and 0: of the bars' axis on the left, the balance's on the right.
  std::vector<int64_t> barTicks;
  std::vector<int64_t> balanceTicks;
};

// The most intervals an axis is split into.
inline constexpr int kMaxTickIntervals = 8;

// The ticks of an axis for values from `low` to `high` (low <= high): 1, 2 or
// 5 times a power of ten apart, the smallest such step that needs no more than
// kMaxTickIntervals intervals, from the last multiple at or below min(low, 0)
// to the first at or above max(high, 0). With nothing but 0 to cover, the
// axis runs from 0 to 1 万円. Values beyond ±10^15 yen count as that bound.
std::vector<int64_t> RoundTicks(int64_t low, int64_t high);

}  // namespace core
