// The schedule inputs from the members of a day-counted loan simulation; both
// simulations name their members alike, whatever their order.
#pragma once

#include "loan/loan_schedule.h"

namespace loan {

template <class Dialog>
LoanInput LoanInputOf(const Dialog& dialog) {
  LoanInput input;
  input.rateMode = dialog.m_nRateMode;
  input.annualRate = dialog.m_dAnnualRate;
  input.monthRate = dialog.m_dMonthRate;
  input.loanAmount = dialog.m_nLoanAmount;
  input.paymentCount = dialog.m_nPaymentCount;
  input.loanYear = dialog.m_nLoanYear;
  input.loanMonth = dialog.m_nLoanMonth;
  input.repayStartYear = dialog.m_nRepayStartYear;
  input.repayStartMonth = dialog.m_nRepayStartMonth;
  return input;
}

}  // namespace loan
