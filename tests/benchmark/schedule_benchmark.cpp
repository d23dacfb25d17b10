// How long the largest schedules take: 4000 repayments computed, formatted for
// the table and the report, and filled into a dialog's table. tools/benchmark.sh
// builds them in Release and runs them.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "core/report_file.h"
#include "loan/equal_payment_loan_dlg.h"
#include "loan/equal_payment_report.h"
#include "loan/equal_payment_schedule.h"
#include "loan/equal_principal_schedule.h"
#include "loan/schedule_columns.h"
#include "loan/variable_rate_loan_dlg.h"
#include "loan/variable_rate_report.h"
#include "plan/borrowing_limit.h"
#include "plan/savings_goal.h"
#include "res/ids.h"
#include "tests/unit/test_automation.h"
#include "ui/host.h"

namespace {

loan::LoanInput LargestLoan() {
  loan::LoanInput input;
  // Low enough a rate that the balance lasts all 4000 months.
  input.loanAmount = 100000;
  input.paymentCount = loan::kMaxPaymentCount;
  input.annualRate = 0.5;
  input.loanYear = 2000;
  input.loanMonth = 1;
  input.repayStartYear = 2000;
  input.repayStartMonth = 1;
  return input;
}

void ComputeEqualPayment(benchmark::State& state) {
  const loan::LoanInput input = LargestLoan();
  for (auto _ : state) benchmark::DoNotOptimize(loan::ComputeEqualPaymentSchedule(input));
}
BENCHMARK(ComputeEqualPayment)->Unit(benchmark::kMicrosecond);

void ComputeEqualPrincipal(benchmark::State& state) {
  const loan::LoanInput input = LargestLoan();
  for (auto _ : state) benchmark::DoNotOptimize(loan::ComputeEqualPrincipalSchedule(input));
}
BENCHMARK(ComputeEqualPrincipal)->Unit(benchmark::kMicrosecond);

void ComputeAndFormatTableCells(benchmark::State& state) {
  const loan::LoanInput input = LargestLoan();
  for (auto _ : state) {
    auto outcome = loan::ComputeEqualPaymentSchedule(input);
    const auto& schedule = std::get<loan::EqualPaymentSchedule>(outcome);
    if (schedule.rows.size() != 4000) state.SkipWithError("not 4000 rows");
    benchmark::DoNotOptimize(loan::EqualPaymentColumns::Rows(schedule.rows));
  }
}
BENCHMARK(ComputeAndFormatTableCells)->Unit(benchmark::kMicrosecond);

// Writing the report of a computed schedule, as Save does once the file is
// named: the report's lines formatted, CR LF line ends, Shift-JIS. The file
// itself is left out here: its write and fsync are the disk's time (below).
void FormatAndEncodeReport(benchmark::State& state) {
  auto outcome = loan::ComputeEqualPaymentSchedule(LargestLoan());
  const auto& schedule = std::get<loan::EqualPaymentSchedule>(outcome);
  for (auto _ : state) benchmark::DoNotOptimize(loan::FormatEqualPaymentReport(schedule));
}
BENCHMARK(FormatAndEncodeReport)->Unit(benchmark::kMicrosecond);

// Computing 4000 repayments and writing their report, the equal-installment
// schedule's and the variable-rate schedule's, side by side. The variable rate
// rises twice (月割, 5-year rule) on a tenth of the loan, whose totals then still
// fit 32 bits; unpaid interest arises at the first rise and is paid at the end.
void ComputeAndReportEqualPayment(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(loan::FormatEqualPaymentReport(
        std::get<loan::EqualPaymentSchedule>(loan::ComputeEqualPaymentSchedule(LargestLoan()))));
}
BENCHMARK(ComputeAndReportEqualPayment)->Unit(benchmark::kMicrosecond);

void ComputeAndReportVariableRate(benchmark::State& state) {
  loan::VariableRateInput input{LargestLoan()};
  input.loan.loanAmount /= 10;
  input.changes[0] = {13, 0.8};
  input.changes[1] = {25, 1.0};
  for (auto _ : state) {
    auto outcome = loan::ComputeVariableRateSchedule(input);
    const auto& schedule = std::get<loan::VariableRateSchedule>(outcome);
    if (schedule.rows.size() != 4000) state.SkipWithError("not 4000 rows");
    benchmark::DoNotOptimize(loan::FormatVariableRateReport(schedule));
  }
}
BENCHMARK(ComputeAndReportVariableRate)->Unit(benchmark::kMicrosecond);

// The encoded report put in place of a file: a temporary file written, made
// durable with fsync and renamed over the target, as every Save does.
void ReplaceReportFile(benchmark::State& state) {
  auto outcome = loan::ComputeEqualPaymentSchedule(LargestLoan());
  const std::string bytes =
      loan::FormatEqualPaymentReport(std::get<loan::EqualPaymentSchedule>(outcome)).Bytes();
  const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                       ("tavoro-benchmark-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  const std::string path = (folder / "ganri.txt").string();
  for (auto _ : state)
    if (!core::ReplaceFileContents(path, bytes)) state.SkipWithError("the file was not written");
  std::filesystem::remove_all(folder);
}
BENCHMARK(ReplaceReportFile)->Unit(benchmark::kMicrosecond);

// The whole Calc of a dialog on the in-memory host: exchange, schedule, cells
// and 4000 rows inserted at the top of the table, from the click until the
// table holds them.
template <class Dialog>
void TimeCalcThroughTheDialog(benchmark::State& state, int calc, int list,
                              const std::vector<std::pair<int, std::string>>& fields) {
  for (auto _ : state) {
    state.PauseTiming();
    testing_support::TestAutomation automation;
    Dialog dialog;
    int rows = 0;
    for (const auto& [id, text] : fields) automation.Type(id, text);
    automation.Then([&](ui::DialogWindow&) { state.ResumeTiming(); })
        .Click(calc)
        .Then([&](ui::DialogWindow& window) {
          state.PauseTiming();
          rows = window.GetListView(list)->ItemCount();
        });
    dialog.DoModal();
    state.ResumeTiming();
    if (rows != 4000) state.SkipWithError("the table did not get 4000 rows");
  }
}

void CalcThroughTheDialog(benchmark::State& state) {
  namespace id = res::equal_payment_loan;
  TimeCalcThroughTheDialog<loan::CEqualPaymentLoanDlg>(
      state, id::kCalc, id::kList,
      {{id::kLoanAmount, "100000"}, {id::kPaymentCount, "4000"}, {id::kLoanYear, "2000"},
       {id::kRepayStartYear, "2000"}, {id::kAnnualRate, "0.5"}});
}
BENCHMARK(CalcThroughTheDialog)->Unit(benchmark::kMillisecond);

// The same Calc of the variable-rate simulation, on the loan of
// ComputeAndReportVariableRate: two rises, unpaid interest, 月割, 5-year rule.
void CalcVariableRateThroughTheDialog(benchmark::State& state) {
  namespace id = res::variable_rate_loan;
  TimeCalcThroughTheDialog<loan::CVariableRateLoanDlg>(
      state, id::kCalc, id::kList,
      {{id::kLoanAmount, "10000"}, {id::kPaymentCount, "4000"}, {id::kLoanYear, "2000"},
       {id::kRepayStartYear, "2000"}, {id::kAnnualRate, "0.5"}, {id::kChangeFrom1, "13"},
       {id::kChangeRate1, "0.8"}, {id::kChangeFrom2, "25"}, {id::kChangeRate2, "1.0"}});
}
BENCHMARK(CalcVariableRateThroughTheDialog)->Unit(benchmark::kMillisecond);

// The plans' searches on their longest terms: 4000 repayments; 50 years of a tiny yield.
void BorrowingLimit(benchmark::State& state) {
  const plan::BorrowingLimitInput input{
      .annualIncome = 100000, .screeningRate = 3.5, .paymentCount = loan::kMaxPaymentCount};
  for (auto _ : state) benchmark::DoNotOptimize(plan::ComputeBorrowingLimit(input));
}
BENCHMARK(BorrowingLimit)->Unit(benchmark::kMicrosecond);

void SavingsGoal(benchmark::State& state) {
  const plan::SavingsGoalInput input{
      .goal = 100000, .plan = {.annualYield = 1e-4, .startYear = 2000, .endYear = 2050}};
  for (auto _ : state) benchmark::DoNotOptimize(plan::ComputeSavingsGoal(input));
}
BENCHMARK(SavingsGoal)->Unit(benchmark::kMicrosecond);

}  // namespace
