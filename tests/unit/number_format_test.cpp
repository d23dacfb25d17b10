// Table cells and report lines are written by core::AppendFormat with printf's
// formats but without printf, and must be the very bytes that snprintf writes,
// on every build (on Windows, MinGW's C99 printf rather than the system
// runtime's, which rounds, pads exponents and prints infinities its own way).
// The first tests pin snprintf's own bytes; the rest compare the formatter with
// it on boundary and random values of every format the program uses.
#include "core/text_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

#include "tests/unit/random_dice.h"

namespace {

template <class... Args>
std::string Format(const char* format, Args... args) {
  char buffer[128];
  std::snprintf(buffer, sizeof buffer, format, args...);
  return buffer;
}

// snprintf's bytes, however long, NUL bytes included.
template <class... Args>
std::string Printf(const std::string& format, Args... args) {
  const int size = std::snprintf(nullptr, 0, format.c_str(), args...);
  std::string text(static_cast<size_t>(size) + 1, '\0');
  std::snprintf(text.data(), text.size(), format.c_str(), args...);
  text.resize(static_cast<size_t>(size));
  return text;
}

// The formatter's bytes for a format made at run time.
template <class... Args>
std::string Formatted(const std::string& format, Args... args) {
  namespace detail = core::format_detail;
  std::vector<detail::Piece> pieces(sizeof...(Args) + detail::kMaxPercentSigns + 1);
  const std::optional<detail::Layout> layout =
      detail::Compile(format, core::FormatString<Args...>::kKinds, pieces);
  if (!layout) return "not a format for these arguments: " + format;
  pieces.resize(layout->pieces);
  std::string out;
  const detail::Argument arguments[] = {args...};
  detail::AppendFormatted(out, format, pieces, layout->longest, arguments);
  return out;
}

template <class... Args>
void ExpectAsPrintf(const std::string& format, Args... args) {
  EXPECT_EQ(Formatted(format, args...), Printf(format, args...)) << format;
}

constexpr int kIntMin = std::numeric_limits<int>::min();
constexpr int kIntMax = std::numeric_limits<int>::max();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

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

// The widths of whole numbers in use: cells (%2d days, %3d numbers, %10d
// amounts, %4d.%2d dates) and reports (%11d counts, %5d the last year).
const char* const kIntegerFormats[] = {"%2d", "%3d", "%4d", "%5d", "%10d", "%11d"};
// The rates of the reports.
const char* const kRealFormats[] = {"%8.5lf", "%10.5lf"};

// Ints with every count of digits, both signs and the ends of 32 bits.
std::vector<int> BoundaryInts() {
  std::vector<int> values{0, kIntMin, kIntMin + 1, kIntMax, kIntMax - 1, 2147483600, -2147483600};
  for (long long power = 1; power <= 1000000000; power *= 10)
    for (long long value : {power - 1, power, -power + 1, -power})
      values.push_back(static_cast<int>(value));
  return values;
}

// Reals that printf rounds with care: exact ties at the sixth decimal (odd
// multiples of 1/64), values just beside a tie, a carry through every digit,
// the largest, the smallest, and many digits.
std::vector<double> BoundaryReals() {
  std::vector<double> values{0.0,     -0.0,     0.1,        0.135,      1.005,     2.5,
                             9.999995, 99999.999995, 1e-5, 5e-6, 4.9999999999999996e-6,
                             2147483600.0, 1e15, 1e22,   123456789.123456789,
                             std::numeric_limits<double>::max(),
                             std::numeric_limits<double>::min(),
                             std::numeric_limits<double>::denorm_min(), kInfinity, -kInfinity};
  for (int k = 1; k < 64 * 3; k += 2) {
    values.push_back(k / 64.0);
    values.push_back(std::nextafter(k / 64.0, 0.0));
    values.push_back(std::nextafter(k / 64.0, 1e9));
    values.push_back(1e6 + k / 64.0);
  }
  const size_t count = values.size();
  for (size_t i = 0; i < count; ++i) values.push_back(-values[i]);
  return values;
}

TEST(TextFormat, EveryIntegerFormatInUseWritesWhatPrintfWrites) {
  testing_support::Dice dice(12);
  std::vector<int> values = BoundaryInts();
  for (int draw = 0; draw < 5000; ++draw) values.push_back(dice.AnyInt());
  for (const char* format : kIntegerFormats)
    for (int value : values) ExpectAsPrintf(format, value);
  for (const char* format : {"%4d.%2d", "%5d.%2d"})
    for (size_t i = 0; i < values.size(); ++i)
      ExpectAsPrintf(format, values[i], values[values.size() - 1 - i]);
}

TEST(TextFormat, TheMarkFormatWritesEveryCharacterAsPrintf) {
  for (int code = -128; code < 128; ++code) ExpectAsPrintf("%2c", static_cast<char>(code));
}

TEST(TextFormat, EveryRealFormatInUseWritesWhatPrintfWrites) {
  testing_support::Dice dice(34);
  std::vector<double> values = BoundaryReals();
  for (int draw = 0; draw < 5000; ++draw) {
    values.push_back(dice.ValidReal(400.0));  // rates as they are typed
    values.push_back(dice.Real(0.0, 4.0));    // a monthly rate in percent
    const double real = dice.AnyReal();
    if (!std::isnan(real)) values.push_back(real);
  }
  for (const char* format : kRealFormats)
    for (double value : values) ExpectAsPrintf(format, value);
}

// Formats that come later, of other widths and precisions, are as exact.
TEST(TextFormat, AnyWidthAndPrecisionWritesWhatPrintfWrites) {
  testing_support::Dice dice(56);
  for (int width = 0; width <= 14; ++width) {
    const std::string size = width > 0 ? std::to_string(width) : "";
    // Zero has a digit of its own, written within its bounds.
    ExpectAsPrintf("|%" + size + "d|", 0);
    for (int draw = 0; draw < 300; ++draw) {
      ExpectAsPrintf("%" + size + "d", dice.AnyInt());
      ExpectAsPrintf("%" + size + "c", static_cast<char>(dice.Between(32, 126)));
      double real = dice.OneIn(3) ? dice.Between(-99999, 99999) / 64.0 : dice.AnyReal();
      if (std::isnan(real)) continue;
      ExpectAsPrintf("%" + size + "f", real);
      ExpectAsPrintf("%" + size + "." + std::to_string(dice.Between(0, 12)) + "lf", real);
    }
  }
}

TEST(TextFormat, ReportLinesWriteWhatPrintfWrites) {
  testing_support::Dice dice(78);
  for (int draw = 0; draw < 200; ++draw) {
    const int a = dice.AnyInt(), b = dice.AnyInt(), c = dice.AnyInt(), d = dice.AnyInt();
    const double rate = dice.ValidReal(400.0);
    EXPECT_EQ(core::FormatText("%4d.%2d %2d日間 %3d回 利息\\%10d  返済元金\\%10d  残り\\%10d\n",
                               a, b, c, d, a, b, c),
              Printf("%4d.%2d %2d日間 %3d回 利息\\%10d  返済元金\\%10d  残り\\%10d\n", a, b, c,
                     d, a, b, c));
    EXPECT_EQ(core::FormatText("利率（月利)(%%)          %8.5lf\n", rate),
              Printf("利率（月利)(%%)          %8.5lf\n", rate));
    std::string line = "*";
    core::AppendFormat(line, "%2c|%10.5lf%%", a < 0 ? '*' : ' ', rate);
    EXPECT_EQ(line, "*" + Printf("%2c|%10.5lf%%", a < 0 ? '*' : ' ', rate));
  }
  EXPECT_EQ(core::FormatText("no conversion, 100%%"), "no conversion, 100%");
}

// Not-a-number never reaches a report (rates are checked first); should it,
// it is written as glibc's printf writes it, on every build. MinGW's printf
// drops the sign of a negative one.
TEST(TextFormat, NotANumberIsWrittenAsGlibcWritesIt) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(core::FormatText("%8.5lf", nan), "     nan");
  EXPECT_EQ(core::FormatText("%10.5lf", -nan), "      -nan");
}

}  // namespace
