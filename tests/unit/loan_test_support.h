// Loan inputs and schedule sums shared by the loan schedule tests.
#pragma once

#include <cstdint>
#include <numeric>

#include "loan/loan_schedule.h"
#include "tests/unit/outcome_test_support.h"

namespace testing_support {

// A loan of `amount` 万円 in `count` repayments, taken in loanYear/loanMonth and
// first repaid in startYear/startMonth, at `rate` percent per year (or per month).
inline loan::LoanInput Loan(int amount, int count, int loanYear, int loanMonth, int startYear,
                            int startMonth, double rate, int mode = loan::kAnnualRate) {
  loan::LoanInput input;
  input.rateMode = mode;
  (mode == loan::kMonthRate ? input.monthRate : input.annualRate) = rate;
  input.loanAmount = amount;
  input.paymentCount = count;
  input.loanYear = loanYear;
  input.loanMonth = loanMonth;
  input.repayStartYear = startYear;
  input.repayStartMonth = startMonth;
  return input;
}

// The rows' own sums, which the totals must equal.
template <class Rows, class Field>
int64_t Sum(const Rows& rows, Field field) {
  return std::accumulate(rows.begin(), rows.end(), int64_t{0},
                         [field](int64_t sum, const loan::ScheduleRow& row) {
                           return sum + row.*field;
                         });
}

}  // namespace testing_support
