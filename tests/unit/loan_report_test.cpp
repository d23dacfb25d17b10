// The bytes of a loan report on disk: Shift-JIS with CR LF.
#include <gtest/gtest.h>

#include "loan/equal_payment_report.h"
#include "loan/equal_principal_report.h"
#include "tests/unit/loan_test_support.h"

namespace loan {
namespace {

using namespace testing_support;

TEST(LoanReportBytes, ShiftJisWithCrLf) {
  const core::ReportText report = FormatEqualPaymentReport(
      ResultOf(ComputeEqualPaymentSchedule(Loan(100, 12, 2001, 4, 2001, 4, 0.25, kMonthRate))));
  ASSERT_TRUE(report.Complete());
  const std::string& bytes = report.Bytes();
  // Line 1: 借入金額（円）, the full-width space 0x81 0x40, nine blanks, 0x5C.
  const std::string line1 = "\x8E\xD8\x93\xFC\x8B\xE0\x8A\x7A\x81\x69\x89\x7E\x81\x6A\x81\x40"
                            "         \x5C   1000000\r\n";
  EXPECT_EQ(bytes.substr(0, line1.size()), line1);
  // Every line feed follows a carriage return, and there is one per line.
  size_t lineEnds = 0;
  for (size_t at = 0; at < bytes.size(); ++at) {
    if (bytes[at] != '\n') continue;
    ++lineEnds;
    ASSERT_GT(at, 0u);
    EXPECT_EQ(bytes[at - 1], '\r') << "at byte " << at;
  }
  EXPECT_EQ(lineEnds, 19u);
  // The empty line before the totals is a bare CR LF.
  EXPECT_NE(bytes.find("\r\n\r\n"), std::string::npos);
  // "%%" printed one percent sign: 利率（月利)(%).
  EXPECT_NE(bytes.find("\x97\x98\x97\xA6\x81\x69\x8C\x8E\x97\x98)(%)"), std::string::npos);
}

}  // namespace
}  // namespace loan
