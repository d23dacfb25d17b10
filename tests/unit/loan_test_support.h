// Loan inputs and outcome helpers shared by the loan schedule tests.
#pragma once

#include <gtest/gtest.h>

#include <numeric>
#include <string_view>

#include "core/outcome.h"
#include "loan/loan_schedule.h"

namespace loan::testing_support {

// A loan of `amount` 万円 in `count` repayments, taken in loanYear/loanMonth and
// first repaid in startYear/startMonth, at `rate` percent per year (or per month).
inline LoanInput Loan(int amount, int count, int loanYear, int loanMonth, int startYear,
                      int startMonth, double rate, int mode = kAnnualRate) {
  LoanInput input;
  input.rateMode = mode;
  (mode == kMonthRate ? input.monthRate : input.annualRate) = rate;
  input.loanAmount = amount;
  input.paymentCount = count;
  input.loanYear = loanYear;
  input.loanMonth = loanMonth;
  input.repayStartYear = startYear;
  input.repayStartMonth = startMonth;
  return input;
}

template <class Schedule>
Schedule Ok(const core::Outcome<Schedule>& outcome) {
  if (const auto* warning = std::get_if<core::Warning>(&outcome)) {
    ADD_FAILURE() << "unexpected warning '" << warning->text << "'";
    return {};
  }
  return std::get<Schedule>(outcome);
}

// The warning's text; "(none)" when the schedule was computed, and "" when it
// stopped silently.
template <class Schedule>
std::string_view WarningOf(const core::Outcome<Schedule>& outcome) {
  const auto* warning = std::get_if<core::Warning>(&outcome);
  return warning ? warning->text : std::string_view("(none)");
}

// The rows' own sums, which the totals must equal.
template <class Rows, class Field>
int64_t Sum(const Rows& rows, Field field) {
  return std::accumulate(rows.begin(), rows.end(), int64_t{0},
                         [field](int64_t sum, const ScheduleRow& row) { return sum + row.*field; });
}

}  // namespace loan::testing_support
