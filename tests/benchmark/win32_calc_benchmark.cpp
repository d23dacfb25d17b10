// How long a user of Tavoro.exe waits for one Calc of the equal-installment
// and the variable-rate simulations: from the click until the dialog and its
// table are painted, for a schedule of 4000 repayments against one of 40, on
// the real Win32 host; and for the graph of 4000 equal installments (334
// years), from the click of グラフ until its window is painted.
//
//   tavoro_win32_benchmark.exe [REPETITIONS]
//
// Run under Wine with the null display driver (the prefix of the tests). The
// two Calcs take turns in one open dialog; each figure is the median of
// REPETITIONS (default 31) turns, and the ratio is that of the two medians;
// then the graph opens as many times.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "res/ids.h"
#include "tests/win32/win32_automation.h"
#include "ui/win32/win32_window.h"

namespace {

namespace ep = res::equal_payment_loan;
namespace vr = res::variable_rate_loan;

// A simulation's dialog, its controls and a loan that lasts 4000 months.
struct Simulation {
  const char* name;
  int menuButton, paymentCount, calc, list;
  std::vector<std::pair<int, std::string>> fields;
};

const Simulation kSimulations[] = {
    {"Equal-installment", res::menu::kEqualPaymentLoan, ep::kPaymentCount, ep::kCalc, ep::kList,
     {{ep::kLoanAmount, "100000"}, {ep::kLoanYear, "2000"}, {ep::kRepayStartYear, "2000"},
      {ep::kAnnualRate, "0.5"}}},
    // Two rises and unpaid interest, 月割, the 5-year rule.
    {"Variable-rate", res::menu::kVariableRateLoan, vr::kPaymentCount, vr::kCalc, vr::kList,
     {{vr::kLoanAmount, "10000"}, {vr::kLoanYear, "2000"}, {vr::kRepayStartYear, "2000"},
      {vr::kAnnualRate, "0.5"}, {vr::kChangeFrom1, "13"}, {vr::kChangeRate1, "0.8"},
      {vr::kChangeFrom2, "25"}, {vr::kChangeRate2, "1.0"}}},
};

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// One Calc of `count` repayments: the click, the schedule in the table, and
// every window of the dialog painted; -1 when the table did not get the rows.
double TimeCalc(const Simulation& simulation, ui::DialogWindow& dialog, int count) {
  dialog.UserType(simulation.paymentCount, std::to_string(count));
  HWND window = static_cast<ui::win32::Win32Window&>(dialog).Handle();
  RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  LARGE_INTEGER start, end;
  QueryPerformanceCounter(&start);
  dialog.UserClick(simulation.calc);
  RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  QueryPerformanceCounter(&end);
  if (dialog.GetListView(simulation.list)->ItemCount() != count) return -1;
  return Milliseconds(start, end);
}

}  // namespace

int main(int argc, char** argv) {
  const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 31;
  std::printf("Win32 Calc until painted, median of %d\n", repetitions);
  for (const Simulation& simulation : kSimulations) {
    std::vector<double> small, large;
    bool failed = false;
    ui::win32::Win32Automation automation;
    automation.Click(simulation.menuButton);
    for (const auto& [id, text] : simulation.fields) automation.Type(id, text);
    automation.Then([&](ui::DialogWindow& dialog) {
      for (int turn = 0; turn < repetitions && !failed; ++turn) {
        small.push_back(TimeCalc(simulation, dialog, 40));
        large.push_back(TimeCalc(simulation, dialog, 4000));
        failed = small.back() < 0 || large.back() < 0;
      }
    });
    automation.Run();
    if (failed || small.empty() || !automation.boxes.empty()) {
      std::fprintf(stderr, "%s: the Calc did not fill the table\n", simulation.name);
      return 1;
    }
    const double smallMedian = Median(small), largeMedian = Median(large);
    std::printf("%s\n", simulation.name);
    std::printf("  40 rows     %8.2f ms\n", smallMedian);
    std::printf("  4000 rows   %8.2f ms\n", largeMedian);
    std::printf("  ratio       %8.2f\n", largeMedian / smallMedian);
  }
  // Each graph opens over 131's 4000 repayments; its first turn paints it and
  // closes it again.
  std::vector<double> graph;
  bool failed = false;
  ui::win32::Win32Automation automation;
  automation.Click(res::menu::kEqualPaymentLoan);
  for (const auto& [id, text] : kSimulations[0].fields) automation.Type(id, text);
  automation.Type(ep::kPaymentCount, "4000").Click(ep::kCalc);
  LARGE_INTEGER clicked;
  for (int turn = 0; turn < repetitions; ++turn) {
    automation
        .Then([&](ui::DialogWindow& dialog) {
          QueryPerformanceCounter(&clicked);
          dialog.UserClick(ep::kGraph);
        })
        .Then([&](ui::DialogWindow& shown) {
          HWND window = static_cast<ui::win32::Win32Window&>(shown).Handle();
          RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
          LARGE_INTEGER painted;
          QueryPerformanceCounter(&painted);
          const auto* chart = shown.GetChartView(res::graph::kChart);
          failed = failed || chart == nullptr || chart->Series().years.size() != 334;
          graph.push_back(Milliseconds(clicked, painted));
          shown.UserEscape();
        });
  }
  automation.Run();
  if (failed || graph.empty() || !automation.boxes.empty()) {
    std::fprintf(stderr, "the graph did not show the 4000 repayments\n");
    return 1;
  }
  std::printf("Win32 graph of 4000 repayments until painted, median of %d\n", repetitions);
  std::printf("  334 years   %8.2f ms\n", Median(graph));
  return 0;
}
