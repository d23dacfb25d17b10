// The few places where a real becomes a whole number of yen, or where yen are
// multiplied in 32 bits. Everything that could wrap, or turn a NaN into an
// integer, goes through here and comes back as "does not fit" instead.
#pragma once

#include <cstdint>
#include <optional>

namespace core {

// Upper limit of validated large fields and of computed amounts.
inline constexpr int32_t kAmountLimit = 2147483600;

// The real truncated toward zero, when the result is a signed 32-bit integer.
// NaN, infinities and values beyond the 32-bit range give nullopt.
std::optional<int32_t> TruncToInt32(double value);

// The real truncated toward zero, when it fits a signed 64-bit integer.
std::optional<int64_t> TruncToInt64(double value);

// The amount passes the overflow check: 0 <= value <= kAmountLimit. NaN fails.
bool WithinAmountLimit(double value);
bool WithinAmountLimit(int64_t value);

// The 32-bit product or sum, when it does not wrap.
std::optional<int32_t> CheckedMul(int32_t a, int32_t b);
std::optional<int32_t> CheckedAdd(int32_t a, int32_t b);

// A 64-bit value narrowed to 32 bits, when it fits.
std::optional<int32_t> Narrow(int64_t value);

// How the loans turn their intermediates into 32-bit amounts: each conversion
// gives the amount, or 0 when it does not fit, and the guard remembers that one
// did not, for the calculation to stop with core::kOverflow where it checks.
class AmountGuard {
 public:
  // The 64-bit value as a 32-bit amount.
  int32_t operator()(int64_t amount);
  // trunc(value) as a 32-bit amount; NaN and infinities do not fit.
  int32_t Trunc(double value);
  bool Overflowed() const { return overflowed_; }

 private:
  bool overflowed_ = false;
};

}  // namespace core
