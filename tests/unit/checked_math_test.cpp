#include "core/checked_math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace core {
namespace {

constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(TruncToInt32, TruncatesTowardZero) {
  EXPECT_EQ(TruncToInt32(7890.99), 7890);
  EXPECT_EQ(TruncToInt32(-7890.99), -7890);
  EXPECT_EQ(TruncToInt32(1.13 * 10000.0), 11299);  // the double product lies just below
}

TEST(TruncToInt32, RefusesWhatDoesNotFit) {
  EXPECT_EQ(TruncToInt32(2147483647.9), 2147483647);
  EXPECT_FALSE(TruncToInt32(2147483648.0));
  EXPECT_EQ(TruncToInt32(-2147483648.9), INT32_MIN);
  EXPECT_FALSE(TruncToInt32(-2147483649.0));
  EXPECT_FALSE(TruncToInt32(kNan));
  EXPECT_FALSE(TruncToInt32(kInf));
  EXPECT_FALSE(TruncToInt32(-kInf));
}

TEST(TruncToInt64, RefusesWhatDoesNotFit) {
  EXPECT_EQ(TruncToInt64(-3e15), -3000000000000000);
  EXPECT_FALSE(TruncToInt64(9223372036854775808.0));
  EXPECT_FALSE(TruncToInt64(kNan));
}

TEST(WithinAmountLimit, IsInclusiveAndFailsNan) {
  EXPECT_TRUE(WithinAmountLimit(0.0));
  EXPECT_TRUE(WithinAmountLimit(2147483600.0));
  EXPECT_FALSE(WithinAmountLimit(2147483600.5));
  EXPECT_FALSE(WithinAmountLimit(2147483601.0));
  EXPECT_FALSE(WithinAmountLimit(-0.5));
  EXPECT_FALSE(WithinAmountLimit(kNan));
  EXPECT_FALSE(WithinAmountLimit(kInf));
  EXPECT_TRUE(WithinAmountLimit(int64_t{2147483600}));
  EXPECT_FALSE(WithinAmountLimit(int64_t{2147483601}));
  EXPECT_FALSE(WithinAmountLimit(int64_t{-1}));
}

TEST(CheckedArithmetic, RefusesWrapAround) {
  EXPECT_EQ(CheckedMul(214748, 10000), 2147480000);
  EXPECT_FALSE(CheckedMul(214749, 10000));
  EXPECT_FALSE(CheckedMul(-214749, 10000));
  EXPECT_EQ(CheckedAdd(2147483600, 47), 2147483647);
  EXPECT_FALSE(CheckedAdd(2147483600, 48));
  EXPECT_FALSE(Narrow(int64_t{1} << 31));
  EXPECT_EQ(Narrow(-(int64_t{1} << 31)), INT32_MIN);
}

}  // namespace
}  // namespace core
