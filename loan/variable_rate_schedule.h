// The variable-rate simulation (金利変動シミュレーション): the equal-installment
// loan with its annual rate changed from given repayments on, its installment
// reviewed at each change or by the 5-year and 125 % rules, interest that the
// installment does not cover carried as unpaid interest (未払利息) to the last
// repayment, and each month's interest counted by days or as a twelfth of a
// year's.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/outcome.h"
#include "loan/loan_schedule.h"

namespace loan {

// How a month's interest on the balance B at the annual rate r is counted.
enum MonthInterestRule {
  kDayCountedInterest = 0,  // 日割: trunc(B × (r / days of the year × days of the month))
  kTwelfthInterest = 1,     // 月割: trunc(B × r / 12), as banks' statements count it
};

// When the installment A is recomputed, always by the equal-installment
// formula (EqualInstallment, annual) for the balance before the repayment, the
// rate in force and the repayments left, truncated to whole yen.
enum InstallmentReviewRule {
  // 金利が変わるたびに見直す: at every repayment whose rate differs from the
  // rate of the repayment before it, without a cap.
  kReviewAtEachChange = 0,
  // 5年ルール・125%ルール: only at the reviews, repayments 61, 121, 181, …;
  // there, when the rate in force differs from that of the last review (the
  // initial rate at the first) or the last review was capped. The new A is at
  // most floor(5/4 × the A before), and a review that cuts it to that is capped.
  // A rate change between reviews moves only the split of A into interest and
  // principal.
  kFiveYearRule = 1,
};

// 5年ルール: the installment is reviewed at repayments 61, 121, 181, …
inline constexpr int kReviewInterval = 60;
// 125%ルール: a review raises the installment to at most 5/4 of what it was.
inline constexpr int kReviewCapNumerator = 5;
inline constexpr int kReviewCapDenominator = 4;

inline constexpr int kRateChangeRowCount = 8;
// The bounds the rate-change fields accept: the rate as the initial annual
// rate's field; 回 as the number of repayments, 0 leaving the row unused.
inline constexpr double kMaxVariableRate = kMaxAnnualRate;
inline constexpr int kMaxRateChangeNumber = kMaxPaymentCount;

// One rate-change row as typed: "（from）回目から（annualRate）％".
struct RateChange {
  int from = 0;             // the first repayment at the new rate; 0 leaves the row unused
  double annualRate = 0.0;  // percent per year
};

struct VariableRateInput {
  // The loan; its annualRate is the initial rate. The rate is always annual:
  // rateMode and monthRate are not read.
  LoanInput loan;
  int interestRule = kTwelfthInterest;  // kDayCountedInterest counts days, anything else 月割
  int reviewRule = kFiveYearRule;       // kReviewAtEachChange, anything else the 5-year rule
  std::array<RateChange, kRateChangeRowCount> changes{};  // in any order
};

// One repayment, in whole yen: the day-counted schedule's row with the rate in
// force and the unpaid interest. `interest` is the interest paid in it, so
// payment = interest + principal; `prepayment` is always false.
struct VariableRateRow : ScheduleRow {
  double ratePercent = 0.0;    // the annual rate in force, in percent as typed
  int32_t unpaidInterest = 0;  // U after the repayment

  friend bool operator==(const VariableRateRow&, const VariableRateRow&) = default;
};

struct VariableRateSchedule {
  bool dayCounted = false;   // the interest rule: 日割, else 月割
  bool fiveYearRule = true;  // the review rule: 5年ルール・125%ルール, else at each change
  double initialRatePercent = 0.0;  // the initial annual rate, percent
  int32_t loan = 0;                 // L0, yen
  int count = 0;                    // n, the repayments asked for
  int32_t installment = 0;          // the first installment A, at the initial rate
  // In repayment order, dated and day-counted as the equal-installment
  // schedule's. The first row carries the deferral interest in its interest
  // and payment; the last pays the balance, its interest and all unpaid
  // interest. An installment that would repay the balance before repayment n
  // makes that repayment the last, so there may be fewer rows than `count`.
  std::vector<VariableRateRow> rows;
  int32_t totalPayment = 0;  // 総返済額: the rows' payments
  int32_t totalInterest = 0;  // 利息合計: the rows' interest, deferral and unpaid interest included
  int32_t totalPrincipal = 0;  // the rows' principal, always the loan
  int32_t settledUnpaid = 0;  // うち未払利息: the unpaid interest paid with the last repayment
  // 未払利息が生じた回: the first repayment adding to U, 0 for none; never the
  // last, which leaves nothing unpaid.
  int firstUnpaidNumber = 0;
  // 毎月返済額の最大: the largest installment A in force at a repayment made,
  // the last included (whose payment is B + I + U, not A).
  int32_t largestInstallment = 0;
  int32_t lastPayment = 0;  // 最終回の返済額

  friend bool operator==(const VariableRateSchedule&, const VariableRateSchedule&) = default;
};

// The schedule, or what stopped it. The checks, in order: the loan's term
// (CheckLoanTerm); a used row whose 回 is outside 2 to n; two used rows with
// the same 回; then the amounts, each of which must fit 32 bits
// ("オーバーフローしました"), as must the installments however computed. A
// rate that failed its validation and cannot be computed (not a number,
// infinite, or so high that the interest passes 32 bits) stops there too.
//
// The months, the deferral interest and the first installment are those of the
// equal-installment schedule at the initial annual rate. The rate in force at
// repayment i is that of the used row with the largest 回 not after i, or the
// initial rate. A repayment before the last pays A: its interest I first, the
// rest A − I as principal; when I exceeds A it pays no principal and I − A is
// added to the unpaid interest U, which earns no interest. The last repayment,
// n or an earlier one whose A − I would reach the balance B, pays B + I + U.
//
// With no rate changed and day-counted interest, this is the equal-installment
// schedule row for row, as long as no month's interest there exceeds the
// installment: there that schedule lets the balance grow, here the difference
// is unpaid interest.
core::Outcome<VariableRateSchedule> ComputeVariableRateSchedule(const VariableRateInput& input);

}  // namespace loan
