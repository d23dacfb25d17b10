#include "ui/field_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace ui {
namespace {

TEST(ParseIntField, AcceptsBlanksSignAndDigits) {
  EXPECT_EQ(ParseIntField("0"), 0);
  EXPECT_EQ(ParseIntField("  2000 "), 2000);
  EXPECT_EQ(ParseIntField("\t-12\t"), -12);
  EXPECT_EQ(ParseIntField("+7"), 7);
  EXPECT_EQ(ParseIntField("007"), 7);
}

TEST(ParseIntField, RejectsAnythingElse) {
  for (const char* text : {"", " ", "+", "-", "abc", "12a", "1 2", "1.0", "1e3", "0x10", "1,000",
                           "１，０００", "１２ａ", "- 5", "12\n"})
    EXPECT_FALSE(ParseIntField(text)) << '"' << text << '"';
}

// As the input method types them: full-width digits, signs, full stop and blanks.
TEST(ParseFields, ReadFullWidthAsAscii) {
  EXPECT_EQ(ParseIntField("１００"), 100);
  EXPECT_EQ(ParseIntField("　－２０００\t"), -2000);
  EXPECT_EQ(ParseIntField("＋7"), 7);
  EXPECT_EQ(ParseRealField("３．５"), 3.5);
  EXPECT_EQ(ParseRealField("－０．２５　"), -0.25);
  EXPECT_EQ(FieldTextToAscii("１２３４５６７８９０＋－．　万円"), "1234567890+-. 万円");
}

TEST(ParseIntField, HoldsExactlyThe32BitRange) {
  EXPECT_EQ(ParseIntField("2147483647"), 2147483647);
  EXPECT_EQ(ParseIntField("-2147483648"), INT32_MIN);
  EXPECT_FALSE(ParseIntField("2147483648"));
  EXPECT_FALSE(ParseIntField("-2147483649"));
  EXPECT_FALSE(ParseIntField(std::string(100000, '9')));
  EXPECT_EQ(ParseIntField(std::string(1000, '0') + "5"), 5);
}

TEST(ParseRealField, AcceptsPlainDecimals) {
  EXPECT_EQ(ParseRealField("100"), 100.0);
  EXPECT_EQ(ParseRealField(" 1.13 "), 1.13);
  EXPECT_EQ(ParseRealField("-0.5"), -0.5);
  EXPECT_EQ(ParseRealField("+2.5e3"), 2500.0);
  EXPECT_EQ(ParseRealField("1E-2"), 0.01);
  EXPECT_EQ(ParseRealField(".5"), 0.5);
  EXPECT_EQ(ParseRealField("5."), 5.0);
  EXPECT_EQ(ParseRealField("2147483600"), 2147483600.0);
}

TEST(ParseRealField, RejectsWhatIsNotAPlainNumber) {
  for (const char* text : {"", "  ", ".", "-", "e5", "1e", "1e+", "abc", "1.2.3", "0x1p3", "inf",
                           "-inf", "nan", "NaN", "infinity", "1,5", "1 000", "１ｅ３", "1.5x", "--1",
                           "１。５", "\xEF\xBC", "\xE3\xC0\x80" "1"})
    EXPECT_FALSE(ParseRealField(text)) << '"' << text << '"';
}

TEST(ParseRealField, RejectsValuesBeyondADouble) {
  EXPECT_FALSE(ParseRealField("1e400"));
  EXPECT_FALSE(ParseRealField("-1e400"));
  EXPECT_FALSE(ParseRealField("1" + std::string(400, '0')));
}

TEST(FormatRealField, ShowsUpTo15SignificantDigits) {
  EXPECT_EQ(FormatRealField(104.0645), "104.0645");
  EXPECT_EQ(FormatRealField(0.0), "0");
  EXPECT_EQ(FormatRealField(100.789), "100.789");
  EXPECT_EQ(FormatRealField(2147483600.0), "2147483600");
  EXPECT_EQ(FormatRealField(1.0 / 3.0), "0.333333333333333");
  EXPECT_EQ(FormatRealField(1e20), "1e+20");
  EXPECT_EQ(FormatRealField(0.0001), "0.0001");
  EXPECT_EQ(FormatRealField(0.00001), "1e-05");
  // 11299 yen as 万円 shows without binary noise.
  EXPECT_EQ(FormatRealField(11387 / 10000.0), "1.1387");
}

TEST(FormatRealField, WhatItWritesParsesAgainAtTheExtremes) {
  constexpr double kMax = std::numeric_limits<double>::max();
  constexpr double kTiniest = std::numeric_limits<double>::denorm_min();
  // 15 digits would round past the largest double; the fewest that read back
  // as the same value take their place.
  EXPECT_EQ(FormatRealField(kMax), "1.7976931348623157e+308");
  EXPECT_EQ(FormatRealField(-kMax), "-1.7976931348623157e+308");
  EXPECT_EQ(FormatRealField(1.797693134862315e308), "1.79769313486231e+308");
  for (double value : {kMax, -kMax, std::nextafter(kMax, 0.0), 1.797693134862315e308, 1e308,
                       std::numeric_limits<double>::min(), kTiniest, -kTiniest, -0.0}) {
    const std::string text = FormatRealField(value);
    const std::optional<double> back = ParseRealField(text);
    ASSERT_TRUE(back) << text;
    // At most the rounding of the fifteenth digit away.
    EXPECT_NEAR(*back, value, std::fabs(value) * 1e-14) << text;
  }
}

TEST(FormatIntField, IsPlainDecimal) {
  EXPECT_EQ(FormatIntField(0), "0");
  EXPECT_EQ(FormatIntField(-5), "-5");
  EXPECT_EQ(FormatIntField(2147483647), "2147483647");
}

}  // namespace
}  // namespace ui
