// Draws for the random-input tests: the engine's raw bits turned into values
// of every kind a field can hold, inside its range and far beyond it. The seed
// is fixed by each test, so a failure repeats on every machine.
#pragma once

#include <bit>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>
#include <random>

namespace testing_support {

class Dice {
 public:
  explicit Dice(uint64_t seed) : engine_(seed) {}

  uint64_t Bits() { return engine_(); }
  int64_t Between(int64_t low, int64_t high) {
    return low + static_cast<int64_t>(Bits() % static_cast<uint64_t>(high - low + 1));
  }
  bool OneIn(int n) { return Between(1, n) == 1; }
  double Unit() { return static_cast<double>(Bits() >> 11) * 0x1.0p-53; }
  double Real(double low, double high) { return low + (high - low) * Unit(); }
  // Log-uniform between 10^low and 10^high.
  double Magnitude(double low, double high) { return std::pow(10.0, Real(low, high)); }

  // A value of a field inside its range, often at an end, often a whole
  // number or a few decimals as people type them.
  double ValidReal(double high) {
    switch (Between(0, 5)) {
      case 0:
        return 0.0;
      case 1:
        return high;
      case 2:
        return std::fmin(high, std::round(Real(0, 100) * 10000.0) / 10000.0);
      case 3:
        return std::fmin(high, std::round(Real(0, 20)));
      case 4:
        return std::fmin(high, Magnitude(-6, std::log10(high)));
      default:
        return Real(0, high);
    }
  }
  int ValidInt(int low, int high) {
    if (OneIn(8)) return low;
    if (OneIn(8)) return high;
    return static_cast<int>(Between(low, high));
  }
  // Any int at all, the ends of 32 bits among them.
  int AnyInt() {
    switch (Between(0, 4)) {
      case 0:
        return std::numeric_limits<int>::min();
      case 1:
        return std::numeric_limits<int>::max();
      case 2:
        return static_cast<int>(Between(-5000, 5000));
      default:
        return static_cast<int>(static_cast<uint32_t>(Bits()));
    }
  }
  // Any double: not-a-number, infinities, extremes, subnormals, negative zero,
  // arbitrary bit patterns and numbers of any size and sign.
  double AnyReal() {
    constexpr double kSpecial[] = {std::numeric_limits<double>::quiet_NaN(),
                                   std::numeric_limits<double>::infinity(),
                                   -std::numeric_limits<double>::infinity(),
                                   std::numeric_limits<double>::max(),
                                   -std::numeric_limits<double>::max(),
                                   std::numeric_limits<double>::denorm_min(),
                                   -0.0,
                                   2147483600.0,
                                   2147483648.0,
                                   -1200.0,
                                   -100.0,
                                   1e300};
    switch (Between(0, 4)) {
      case 0:
        return kSpecial[Between(0, std::size(kSpecial) - 1)];
      case 1:
        return std::bit_cast<double>(Bits());
      case 2:
        return Real(-1000, 1000);
      default:
        return (OneIn(2) ? -1.0 : 1.0) * Magnitude(-300, 300);
    }
  }

 private:
  std::mt19937_64 engine_;
};

}  // namespace testing_support
