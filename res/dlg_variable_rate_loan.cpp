// Dialog 148: variable-rate simulation, the equal-installment simulation's loan
// with its annual rate changed from given repayments on.
#include "res/ids.h"
#include "res/loan_term_controls.h"
#include "res/templates.h"

namespace res {
namespace {

using enum ControlKind;
namespace id = variable_rate_loan;

// A rate-change row at `y` in the middle column: "（回）回目から（率）％".
#define TAVORO_RATE_CHANGE_ROW(k, y)                                       \
  {id::kChangeFrom##k, Edit, "", 200, y, 30, 14, kInputEdit},              \
      {kIdStatic, Static, "回目から", 232, (y) + 3, 32, 8, 0},             \
      {id::kChangeRate##k, Edit, "", 266, y, 50, 14, kInputEdit},          \
      {kIdStatic, Static, "％", 318, (y) + 3, 10, 8, 0}

constexpr ControlTemplate kControls[] = {
    // The loan, laid out as in the equal-installment simulation.
    TAVORO_LOAN_TERM_CONTROLS(id),
    // The initial rate, always per year.
    {kIdStatic, Static, "当初の年利率（％）", 7, 89, 62, 8, 0},
    {id::kAnnualRate, Edit, "", 70, 86, 50, 14, kInputEdit},
    {kIdStatic, Static, "％", 122, 89, 10, 8, 0},
    // How a month's interest is counted, and when the installment is reviewed.
    {kIdStatic, Static, "利息の計算", 7, 108, 60, 8, 0},
    {id::kRadioDayCounted, Radio, "日割（日数で計算）", 70, 107, 110, 10, kGroupStart | kTabStop},
    {id::kRadioTwelfth, Radio, "月割（年利率÷12）", 70, 121, 110, 10, kTabStop},
    {kIdStatic, Static, "返済額の見直し", 7, 141, 60, 8, kGroupStart},
    {id::kRadioReviewAtEachChange, Radio, "金利が変わるたびに見直す", 70, 140, 110, 10,
     kGroupStart | kTabStop},
    {id::kRadioFiveYearRule, Radio, "5年ルール・125%ルール", 70, 154, 110, 10, kTabStop},
    // The eight rate-change rows, a column in the middle.
    {kIdStatic, Static, "金利の変更（回が0の行は使いません）", 200, 10, 130, 8, kGroupStart},
    TAVORO_RATE_CHANGE_ROW(1, 22),
    TAVORO_RATE_CHANGE_ROW(2, 40),
    TAVORO_RATE_CHANGE_ROW(3, 58),
    TAVORO_RATE_CHANGE_ROW(4, 76),
    TAVORO_RATE_CHANGE_ROW(5, 94),
    TAVORO_RATE_CHANGE_ROW(6, 112),
    TAVORO_RATE_CHANGE_ROW(7, 130),
    TAVORO_RATE_CHANGE_ROW(8, 148),
    // Commands, a column at the upper right, with room below for more.
    {id::kCalc, Button, kCaptionCalc, 349, 7, 50, 14, kCalcButton | kGroupStart},
    {id::kClear, Button, kCaptionClear, 349, 27, 50, 14, kCalcButton},
    {kIdOk, Button, kCaptionClose, 349, 47, 50, 14, kCalcButton},
    {id::kSave, Button, kCaptionSave, 349, 67, 50, 14, kCalcButton},
    // The schedule across the bottom, wide enough for its nine columns.
    {id::kList, List, "", 7, 232, 392, 83, kTabStop | kGroupStart},
    // Results between the inputs and the table, each under its caption; Tab
    // reaches them after the table.
    {kIdStatic, Static, "総返済額（万円）", 7, 172, 120, 8, 0},
    {id::kTotalPayment, Edit, "", 7, 182, 70, 14, kOutputEdit},
    {kIdStatic, Static, "利息合計（万円）", 140, 172, 120, 8, 0},
    {id::kTotalInterest, Edit, "", 140, 182, 70, 14, kOutputEdit},
    {kIdStatic, Static, "うち未払利息（円）", 273, 172, 120, 8, 0},
    {id::kSettledUnpaid, Edit, "", 273, 182, 70, 14, kOutputEdit},
    {kIdStatic, Static, "未払利息が生じた回", 7, 200, 120, 8, 0},
    {id::kFirstUnpaidNumber, Edit, "", 7, 210, 70, 14, kOutputEdit},
    {kIdStatic, Static, "毎月返済額の最大（円）", 140, 200, 120, 8, 0},
    {id::kLargestInstallment, Edit, "", 140, 210, 70, 14, kOutputEdit},
    {kIdStatic, Static, "最終回の返済額（円）", 273, 200, 120, 8, 0},
    {id::kLastPayment, Edit, "", 273, 210, 70, 14, kOutputEdit},
    // Under the command column; Tab reaches it last.
    {id::kGraph, Button, kCaptionGraph, 349, 87, 50, 14, kCalcButton | kGroupStart},
};

#undef TAVORO_RATE_CHANGE_ROW

}  // namespace

constinit const DialogTemplate kVariableRateLoanDialog{
    kDlgVariableRateLoan, "Tavoro V.4　金利変動シミュレーション", 406, 322, kDialogFont,
    kDialogPointSize, kMinimizeBox, kControls, id::kCalc,
};

}  // namespace res
