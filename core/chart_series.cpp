#include "core/chart_series.h"

#include <algorithm>

#include "core/units.h"

namespace core {
namespace {

// Far beyond any schedule's sums (4000 repayments of 32-bit amounts stay
// below 10^13), and small enough that no step or tick below overflows.
constexpr int64_t kTickBound = 1'000'000'000'000'000;

}  // namespace

std::vector<int64_t> RoundTicks(int64_t low, int64_t high) {
  low = std::clamp<int64_t>(std::min<int64_t>(low, 0), -kTickBound, 0);
  high = std::clamp<int64_t>(std::max<int64_t>(high, 0), 0, kTickBound);
  if (low == high) high = kYenPerMan;
  for (int64_t power = 1;; power *= 10) {
    for (int64_t mantissa : {1, 2, 5}) {
      const int64_t step = mantissa * power;
      const int64_t first = -((-low + step - 1) / step);  // low <= 0: rounded down
      const int64_t last = (high + step - 1) / step;      // high >= 0: rounded up
      if (last - first > kMaxTickIntervals) continue;
      std::vector<int64_t> ticks;
      for (int64_t k = first; k <= last; ++k) ticks.push_back(k * step);
      return ticks;
    }
  }
}

}  // namespace core
