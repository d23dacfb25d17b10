// A loan repaid in equal monthly installments from a given month on, where the
// installments in two or three calendar months of each year are a larger given
// amount: the ordinary installment that repays it by the end of the term, and
// the schedule month by month.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/outcome.h"

namespace loan {

enum BonusPeriodMode { kPeriodInYears = 0, kPeriodInMonths = 1 };

// The ranges of the dialog's fields, which the calculation checks again.
inline constexpr double kSimMaxRate = 100.0;  // percent a year
inline constexpr int kSimMinBonusCount = 2;   // bonus months a year
inline constexpr int kSimMaxBonusCount = 3;
inline constexpr int kSimMaxPeriod = 100;     // years or months, as the radios say
// The longest term a schedule walks, in months: the longest period in years.
// A term up to it is walked even when its field refused it (120 months, say).
inline constexpr int kSimMaxInstallments = kSimMaxPeriod * 12;

struct BonusLoanSimInput {
  int periodMode = kPeriodInYears;  // anything but kPeriodInYears counts months
  int period = 0;
  int bonusCount = 2;                        // 2 or 3 bonus months a year
  std::array<int, 3> bonusMonths{1, 1, 1};  // the first bonusCount are in use
  double bonusMonthPayment = 0.0;            // 万円, the whole payment of a bonus month
  double annualRate = 0.0;                   // percent
  int loanYear = 0, loanMonth = 1;
  int startYear = 0, startMonth = 1;  // the first installment
  int loanAmount = 0;                 // whole 万円
};

struct BonusScheduleRow {
  bool bonus = false;  // paid with the bonus-month payment
  bool last = false;   // pays off the balance
  int year = 0, month = 0;
  int number = 0;
  int32_t payment = 0, interest = 0, principal = 0, balance = 0;
};

struct BonusLoanSchedule {
  bool periodInMonths = false;
  int installments = 0;      // the term, N
  int32_t loan = 0;          // yen
  double monthlyRate = 0.0;  // a fraction, the annual rate / 1200
  int32_t installment = 0;   // the ordinary installment, yen
  int32_t bonusPayment = 0;  // yen
  std::vector<BonusScheduleRow> rows;  // first installment first
  int32_t totalInterest = 0, totalPrincipal = 0;
  int32_t grandTotal = 0;  // totalInterest + totalPrincipal
};

// What a schedule is walked with, once its ordinary installment is known.
struct BonusRepaymentTerms {
  int64_t firstCounter = 0;  // month counter of installment 1 (core/month_index.h), not negative
  int installments = 0;    // N
  std::vector<int> bonusInstallments;  // ascending, each below N
  int32_t loan = 0;
  double monthlyRate = 0.0;
  int32_t installment = 0, bonusPayment = 0;
  int32_t deferralInterest = 0;  // paid with installment 1
};

// The rows and totals of repaying the loan on these terms; an amount beyond 32
// bits gives the overflow warning. A payment that would reach or pass what is
// owed pays the balance with its interest instead and is the last row.
core::Outcome<BonusLoanSchedule> WalkBonusSchedule(const BonusRepaymentTerms& terms);

// The schedule, or the warning that stops it. A value outside what its field
// accepts gives core::kAlreadyReported: the field exchange has shown its message.
core::Outcome<BonusLoanSchedule> ComputeBonusLoanSchedule(const BonusLoanSimInput& input);

}  // namespace loan
