// Table cells and report lines are printf-formatted; every build must write
// the same bytes for them (on Windows through MinGW's C99 printf rather than
// the system runtime's, which rounds, pads exponents and prints infinities its
// own way).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

namespace {

template <class... Args>
std::string Format(const char* format, Args... args) {
  char buffer[128];
  std::snprintf(buffer, sizeof buffer, format, args...);
  return buffer;
}

TEST(NumberFormat, FieldWidthsAndPrecisions) {
  EXPECT_EQ(Format("%10d", 12345), "     12345");
  EXPECT_EQ(Format("%10d", -2147483647 - 1), "-2147483648");
  EXPECT_EQ(Format("%8.5lf", 0.1), " 0.10000");
  EXPECT_EQ(Format("%8.5lf", 2.5), " 2.50000");
  EXPECT_EQ(Format("%.15g", 104.0645), "104.0645");
  EXPECT_EQ(Format("%.15g", 0.0), "0");
  EXPECT_EQ(Format("%4d.%02d", 2001, 4), "2001.04");
}

TEST(NumberFormat, HalfwayValuesRoundAsTheirBinaryValueSays) {
  // 0.125, 2.5 and 3.5 are exact in binary: ties go to the even digit. The
  // double nearest 0.135 lies a little above it, that nearest 1.005 a little below.
  EXPECT_EQ(Format("%.2f", 0.125), "0.12");
  EXPECT_EQ(Format("%.0f", 2.5), "2");
  EXPECT_EQ(Format("%.0f", 3.5), "4");
  EXPECT_EQ(Format("%.2f", 0.135), "0.14");
  EXPECT_EQ(Format("%.2f", 1.005), "1.00");
}

TEST(NumberFormat, ExponentsLargeValuesAndNonNumbers) {
  EXPECT_EQ(Format("%e", 1.0), "1.000000e+00");
  EXPECT_EQ(Format("%g", 1e-5), "1e-05");
  EXPECT_EQ(Format("%.1f", 1e21), "1000000000000000000000.0");
  EXPECT_EQ(Format("%f", HUGE_VAL), "inf");
  EXPECT_EQ(Format("%f", -HUGE_VAL), "-inf");
}

}  // namespace
