// How long a user of Tavoro.exe waits for one Calc of the equal-installment
// simulation: from the click until the dialog and its table are painted, for a
// schedule of 4000 repayments against one of 40, on the real Win32 host; and
// for the graph of the 4000 repayments (334 years), from the click of グラフ
// until its window is painted.
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
#include <vector>

#include "res/ids.h"
#include "tests/win32/win32_automation.h"
#include "ui/win32/win32_window.h"

namespace {

namespace id = res::equal_payment_loan;

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
double TimeCalc(ui::DialogWindow& dialog, int count) {
  dialog.UserType(id::kPaymentCount, std::to_string(count));
  HWND window = static_cast<ui::win32::Win32Window&>(dialog).Handle();
  RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  LARGE_INTEGER start, end;
  QueryPerformanceCounter(&start);
  dialog.UserClick(id::kCalc);
  RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  QueryPerformanceCounter(&end);
  if (dialog.GetListView(id::kList)->ItemCount() != count) return -1;
  return Milliseconds(start, end);
}

}  // namespace

int main(int argc, char** argv) {
  const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 31;
  std::vector<double> small, large, graph;
  bool failed = false;
  ui::win32::Win32Automation automation;
  automation.Click(res::menu::kEqualPaymentLoan)
      .Type(id::kLoanAmount, "100000")
      .Type(id::kLoanYear, "2000")
      .Type(id::kRepayStartYear, "2000")
      .Type(id::kAnnualRate, "0.5")
      .Then([&](ui::DialogWindow& dialog) {
        for (int turn = 0; turn < repetitions && !failed; ++turn) {
          small.push_back(TimeCalc(dialog, 40));
          large.push_back(TimeCalc(dialog, 4000));
          failed = small.back() < 0 || large.back() < 0;
        }
      });
  // Each graph opens over the 4000 repayments; its first turn paints it and
  // closes it again.
  LARGE_INTEGER clicked;
  for (int turn = 0; turn < repetitions; ++turn) {
    automation
        .Then([&](ui::DialogWindow& dialog) {
          QueryPerformanceCounter(&clicked);
          dialog.UserClick(id::kGraph);
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
  if (failed || small.empty() || graph.empty() || !automation.boxes.empty()) {
    std::fprintf(stderr, "the Calc did not fill the table, or the graph did not show it\n");
    return 1;
  }
  const double smallMedian = Median(small), largeMedian = Median(large);
  std::printf("Win32 Calc until painted, median of %d\n", repetitions);
  std::printf("  40 rows     %8.2f ms\n", smallMedian);
  std::printf("  4000 rows   %8.2f ms\n", largeMedian);
  std::printf("  ratio       %8.2f\n", largeMedian / smallMedian);
  std::printf("Win32 graph of 4000 repayments until painted, median of %d\n", repetitions);
  std::printf("  334 years   %8.2f ms\n", Median(graph));
  return 0;
}
