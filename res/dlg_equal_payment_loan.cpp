// Dialog 131: equal-installment repayment simulation.
#include "res/ids.h"
#include "res/loan_term_controls.h"
#include "res/templates.h"

namespace res {
namespace {

using enum ControlKind;
namespace id = equal_payment_loan;

constexpr ControlTemplate kControls[] = {
    // The loan: amount, repayments, the month of the loan and of the first repayment.
    TAVORO_LOAN_TERM_CONTROLS(id),
    // Rate per year or per month, chosen by the radios.
    {id::kRadioAnnualRate, Radio, "年利率（％）", 7, 88, 56, 10, kGroupStart | kTabStop},
    {id::kAnnualRate, Edit, "", 70, 86, 50, 14, kInputEdit},
    {kIdStatic, Static, "％", 122, 89, 10, 8, 0},
    {id::kRadioMonthRate, Radio, "月利率（％）", 7, 108, 56, 10, kTabStop},
    {id::kMonthRate, Edit, "", 70, 106, 50, 14, kInputEdit | kGroupStart},
    {kIdStatic, Static, "％", 122, 109, 10, 8, 0},
    // Commands, a column at the upper right; id 4 is Calc.
    {id::kCalc, Button, kCaptionCalc, 250, 7, 50, 14, kCalcButton | kGroupStart},
    {id::kClear, Button, kCaptionClear, 250, 27, 50, 14, kCalcButton},
    {kIdOk, Button, kCaptionClose, 250, 47, 50, 14, kCalcButton},
    {id::kSave, Button, kCaptionSave, 250, 67, 50, 14, kCalcButton},
    // The schedule across the bottom.
    {id::kList, List, "", 7, 149, 293, 83, kTabStop | kGroupStart},
    // Totals right of the rate edits, each under its caption; Tab reaches them after the table.
    {kIdStatic, Static, "利息合計（万円）", 142, 91, 62, 8, 0},
    {id::kTotalInterest, Edit, "", 142, 101, 62, 14, kOutputEdit},
    {kIdStatic, Static, "元金合計（万円）", 214, 91, 62, 8, 0},
    {id::kTotalPrincipal, Edit, "", 214, 101, 62, 14, kOutputEdit},
    // Under the column, below the totals; Tab reaches it last.
    {id::kGraph, Button, kCaptionGraph, 250, 125, 50, 14, kCalcButton | kGroupStart},
};

}  // namespace

constinit const DialogTemplate kEqualPaymentLoanDialog{
    kDlgEqualPaymentLoan, "Tavoro V.4　元利均等返済シュミレーション", 307, 239, kDialogFont,
    kDialogPointSize, kMinimizeBox, kControls, id::kCalc,
};

}  // namespace res
