// Builds savings inputs and checks results for the savings arithmetic tests.
#pragma once

#include <gtest/gtest.h>

#include "core/units.h"
#include "deposit/savings_plan.h"
#include "tests/unit/outcome_test_support.h"

namespace testing_support {

inline deposit::SavingsInput Savings(double installment, int startYear, int startMonth,
                                     int endYear, int endMonth, double yield, double tax) {
  deposit::SavingsInput input;
  input.installment = installment;
  input.startYear = startYear;
  input.startMonth = startMonth;
  input.endYear = endYear;
  input.endMonth = endMonth;
  input.annualYield = yield;
  input.taxRate = tax;
  return input;
}

struct SavingsCase {
  const char* name;
  deposit::SavingsInput input;
  int32_t interest, tax;
  double total;
};

template <class Compute>
void ExpectResults(Compute compute, std::initializer_list<SavingsCase> cases) {
  for (const SavingsCase& c : cases) {
    SCOPED_TRACE(c.name);
    deposit::SavingsResult result = ResultOf(compute(c.input));
    EXPECT_EQ(result.interest, c.interest);
    EXPECT_EQ(result.tax, c.tax);
    EXPECT_EQ(core::ToMan(result.maturityTotal), c.total);
  }
}

}  // namespace testing_support
