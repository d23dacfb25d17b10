// Dialog 131: equal-installment repayment simulation.
#include "res/ids.h"
#include "res/templates.h"

namespace res {
namespace {

using enum ControlKind;
namespace id = equal_payment_loan;

constexpr ControlTemplate kControls[] = {
    // Loan amount and number of repayments.
    {kIdStatic, Static, "元金（万円）", 7, 10, 60, 8, kGroupStart},
    {id::kLoanAmount, Edit, "", 70, 7, 50, 14, kInputEdit},
    {kIdStatic, Static, "万円", 122, 10, 16, 8, 0},
    {kIdStatic, Static, "（１万円以上）", 140, 10, 56, 8, 0},
    {kIdStatic, Static, "返済回数", 7, 28, 60, 8, 0},
    {id::kPaymentCount, Edit, "", 70, 25, 30, 14, kInputEdit},
    {kIdStatic, Static, "回返済", 102, 28, 26, 8, 0},
    // Loan date above the first repayment.
    {kIdStatic, Static, "借入年月  西暦", 7, 46, 60, 8, 0},
    {id::kLoanYear, Edit, "", 70, 43, 30, 14, kInputEdit},
    {kIdStatic, Static, "年", 102, 46, 10, 8, 0},
    {id::kLoanMonth, Edit, "", 114, 43, 18, 14, kInputEdit},
    {kIdStatic, Static, "月", 134, 46, 10, 8, 0},
    {kIdStatic, Static, "１日から", 146, 46, 34, 8, 0},
    {kIdStatic, Static, "返済開始年月西暦", 7, 64, 62, 8, 0},
    {id::kRepayStartYear, Edit, "", 70, 61, 30, 14, kInputEdit},
    {kIdStatic, Static, "年", 102, 64, 10, 8, 0},
    {id::kRepayStartMonth, Edit, "", 114, 61, 18, 14, kInputEdit},
    {kIdStatic, Static, "月", 134, 64, 10, 8, 0},
    {kIdStatic, Static, "１日から", 146, 64, 34, 8, 0},
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
