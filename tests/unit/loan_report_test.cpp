// The report texts of the two day-counted schedules, and their bytes on disk.
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "loan/equal_payment_report.h"
#include "loan/equal_principal_report.h"
#include "tests/unit/loan_test_support.h"
#include "ui/report_file.h"

namespace loan {
namespace {

using namespace testing_support;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(EqualPaymentReport, AnnualRate) {
  const std::string report = FormatEqualPaymentReport(
      Ok(ComputeEqualPaymentSchedule(Loan(100, 12, 2000, 1, 2000, 2, 3))));
  const std::vector<std::string> lines = Lines(report);
  ASSERT_EQ(lines.size(), 4u + 12u + 2u);  // no empty line before the totals
  EXPECT_EQ(lines[0], "借入金額（円）　         \\   1000000");
  EXPECT_EQ(lines[1], "返済回数（回）                    12");
  EXPECT_EQ(lines[2], "利率（年利)(%)           3.00000");
  EXPECT_EQ(lines[3], "一回あたりの返済元利合計       84693");
  EXPECT_EQ(lines[4], "2000. 2 29日間   1回 利息\\      4877  返済元金\\     82316  残り\\    917684");
  EXPECT_EQ(lines[15], "2001. 1 31日間  12回 利息\\       215  返済元金\\     84405  残り\\         0");
  EXPECT_EQ(lines[16], "利息の合計 \\     18743  返済元金の合計 \\   1000000");
  EXPECT_EQ(lines[17], "最終的総支払額\\   1018743");
  EXPECT_EQ(report.back(), '\n');
}

TEST(EqualPaymentReport, MonthlyRateHasAnEmptyLineBeforeTheTotals) {
  const std::vector<std::string> lines = Lines(FormatEqualPaymentReport(
      Ok(ComputeEqualPaymentSchedule(Loan(100, 12, 2001, 4, 2001, 4, 0.25, kMonthRate)))));
  ASSERT_EQ(lines.size(), 4u + 12u + 3u);
  EXPECT_EQ(lines[2], "利率（月利)(%)           0.25000");
  EXPECT_EQ(lines[15], "2002. 3 31日間  12回 利息\\       215  返済元金\\     84519  残り\\         0");
  EXPECT_EQ(lines[16], "");
  EXPECT_EQ(lines[17], "利息の合計 \\     16357  返済元金の合計 \\   1000000");
  EXPECT_EQ(lines[18], "最終的総支払額\\   1016357");
}

TEST(EqualPaymentReport, SingleRepaymentRowCarriesTheDeferral) {
  const std::vector<std::string> lines = Lines(FormatEqualPaymentReport(
      Ok(ComputeEqualPaymentSchedule(Loan(10, 1, 2000, 1, 2000, 3, 12)))));
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[3], "一回あたりの返済元利合計      100999");
  EXPECT_EQ(lines[4], "2000. 3 31日間   1回 利息\\      3016  返済元金\\    100000  残り\\         0");
  EXPECT_EQ(lines[5], "利息の合計 \\      3016  返済元金の合計 \\    100000");
}

TEST(EqualPrincipalReport, AnnualAndMonthlyRates) {
  const std::vector<std::string> annual = Lines(FormatEqualPrincipalReport(
      Ok(ComputeEqualPrincipalSchedule(Loan(100, 12, 2000, 1, 2000, 2, 3)))));
  ASSERT_EQ(annual.size(), 4u + 12u + 3u);
  EXPECT_EQ(annual[0], "借入金額（円）　         \\   1000000");
  EXPECT_EQ(annual[2], "利率（年利)(%)           3.00000");
  EXPECT_EQ(annual[3], "一回の返済元金（円）     \\     83300");
  EXPECT_EQ(annual[4], "2000. 2 29日間   1回 利息\\      4877  元利合計\\     88177  残り\\    916700");
  EXPECT_EQ(annual[15], "2001. 1 31日間  12回 利息\\       213  元利合計\\     83913  残り\\         0");
  EXPECT_EQ(annual[16], "");  // in both modes
  EXPECT_EQ(annual[17], "利息の合計 \\     18676  返済額の合計 \\   1018676");
  EXPECT_EQ(annual[18], "元金合計   1000000");

  const std::vector<std::string> monthly = Lines(FormatEqualPrincipalReport(
      Ok(ComputeEqualPrincipalSchedule(Loan(100, 12, 2001, 4, 2001, 4, 0.25, kMonthRate)))));
  // The monthly rate takes ten characters.
  EXPECT_EQ(monthly[2], "利率（月利)(%)             0.25000");
  EXPECT_EQ(monthly[17], "利息の合計 \\     16285  返済額の合計 \\   1016285");
}

TEST(LoanReportBytes, ShiftJisWithCrLf) {
  const std::string report = FormatEqualPaymentReport(
      Ok(ComputeEqualPaymentSchedule(Loan(100, 12, 2001, 4, 2001, 4, 0.25, kMonthRate))));
  const std::optional<std::string> bytes = ui::EncodeReport(report);
  ASSERT_TRUE(bytes);
  // Line 1: 借入金額（円）, the full-width space 0x81 0x40, nine blanks, 0x5C.
  const std::string line1 = "\x8E\xD8\x93\xFC\x8B\xE0\x8A\x7A\x81\x69\x89\x7E\x81\x6A\x81\x40"
                            "         \x5C   1000000\r\n";
  EXPECT_EQ(bytes->substr(0, line1.size()), line1);
  // Every line feed follows a carriage return, and there is one per line.
  size_t lineEnds = 0;
  for (size_t at = 0; at < bytes->size(); ++at) {
    if ((*bytes)[at] != '\n') continue;
    ++lineEnds;
    ASSERT_GT(at, 0u);
    EXPECT_EQ((*bytes)[at - 1], '\r') << "at byte " << at;
  }
  EXPECT_EQ(lineEnds, 19u);
  // The empty line before the totals is a bare CR LF.
  EXPECT_NE(bytes->find("\r\n\r\n"), std::string::npos);
  // "%%" printed one percent sign: 利率（月利)(%).
  EXPECT_NE(bytes->find("\x97\x98\x97\xA6\x81\x69\x8C\x8E\x97\x98)(%)"), std::string::npos);
}

}  // namespace
}  // namespace loan
