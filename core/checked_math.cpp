#include "core/checked_math.h"

#include <cmath>

namespace core {

std::optional<int32_t> TruncToInt32(double value) {
  // Written as "not inside" so that NaN falls out too.
  if (!(value > -2147483649.0 && value < 2147483648.0)) return std::nullopt;
  return static_cast<int32_t>(value);
}

std::optional<int64_t> TruncToInt64(double value) {
  // 2^63 is exactly representable; every double below it fits.
  if (!(value >= -9223372036854775808.0 && value < 9223372036854775808.0)) return std::nullopt;
  return static_cast<int64_t>(value);
}

bool WithinAmountLimit(double value) {
  return !(!(value >= 0.0) || value > static_cast<double>(kAmountLimit));
}

bool WithinAmountLimit(int64_t value) { return value >= 0 && value <= kAmountLimit; }

std::optional<int32_t> CheckedMul(int32_t a, int32_t b) {
  return Narrow(static_cast<int64_t>(a) * b);
}

std::optional<int32_t> CheckedAdd(int32_t a, int32_t b) {
  return Narrow(static_cast<int64_t>(a) + b);
}

std::optional<int32_t> Narrow(int64_t value) {
  if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return static_cast<int32_t>(value);
}

int32_t AmountGuard::operator()(int64_t amount) {
  std::optional<int32_t> narrow = Narrow(amount);
  if (!narrow) overflowed_ = true;
  return narrow.value_or(0);
}

int32_t AmountGuard::Trunc(double value) {
  std::optional<int32_t> truncated = TruncToInt32(value);
  if (!truncated) overflowed_ = true;
  return truncated.value_or(0);
}

}  // namespace core
