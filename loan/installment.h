// The installment of an equal-installment (元利均等) loan, as the schedules and
// the plans built on them compute it.
#pragma once

#include <cstdint>

namespace loan {

// The installment before it is truncated to whole yen: the annuity payment
// B × q / (1 − (1 + q)^−n) of `balance` yen over `count` repayments at the
// monthly rate q, which is the rate / 12 of an annual rate (`monthly` false)
// or a monthly rate as entered; `ratePercent` is the rate in percent. At a
// rate of 0 it is the balance over the count, in whole yen; at a tiny rate
// (core/tiny_rate.h) the same annuity computed without cancellation.
double EqualInstallment(bool monthly, double ratePercent, int64_t balance, int count);

}  // namespace loan
