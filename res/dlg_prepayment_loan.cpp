// Dialog 147: prepayment simulation, the equal-installment simulation's loan
// with up to three sums repaid early.
#include "res/ids.h"
#include "res/loan_term_controls.h"
#include "res/templates.h"

namespace res {
namespace {

using enum ControlKind;
namespace id = prepayment_loan;

constexpr ControlTemplate kControls[] = {
    // The loan, laid out as in the equal-installment simulation.
    TAVORO_LOAN_TERM_CONTROLS(id),
    {id::kRadioAnnualRate, Radio, "年利率（％）", 7, 88, 56, 10, kGroupStart | kTabStop},
    {id::kAnnualRate, Edit, "", 70, 86, 50, 14, kInputEdit},
    {kIdStatic, Static, "％", 122, 89, 10, 8, 0},
    {id::kRadioMonthRate, Radio, "月利率（％）", 7, 108, 56, 10, kTabStop},
    {id::kMonthRate, Edit, "", 70, 106, 50, 14, kInputEdit | kGroupStart},
    {kIdStatic, Static, "％", 122, 109, 10, 8, 0},
    // What the prepayments do, right of the rates.
    {kIdStatic, Static, "繰上げ返済の方法", 146, 89, 66, 8, 0},
    {id::kRadioShortenTerm, Radio, "期間短縮型", 214, 88, 66, 10, kGroupStart | kTabStop},
    {id::kRadioLowerInstallment, Radio, "返済額軽減型", 214, 108, 66, 10, kTabStop},
    // Three prepayment rows: after which repayment, and how much.
    {kIdStatic, Static, "繰上げ返済１", 7, 131, 60, 8, kGroupStart},
    {id::kPrepayAfter1, Edit, "", 70, 128, 30, 14, kInputEdit},
    {kIdStatic, Static, "回目の返済の後に", 102, 131, 66, 8, 0},
    {id::kPrepayAmount1, Edit, "", 170, 128, 50, 14, kInputEdit},
    {kIdStatic, Static, "万円", 222, 131, 16, 8, 0},
    {kIdStatic, Static, "繰上げ返済２", 7, 149, 60, 8, 0},
    {id::kPrepayAfter2, Edit, "", 70, 146, 30, 14, kInputEdit},
    {kIdStatic, Static, "回目の返済の後に", 102, 149, 66, 8, 0},
    {id::kPrepayAmount2, Edit, "", 170, 146, 50, 14, kInputEdit},
    {kIdStatic, Static, "万円", 222, 149, 16, 8, 0},
    {kIdStatic, Static, "繰上げ返済３", 7, 167, 60, 8, 0},
    {id::kPrepayAfter3, Edit, "", 70, 164, 30, 14, kInputEdit},
    {kIdStatic, Static, "回目の返済の後に", 102, 167, 66, 8, 0},
    {id::kPrepayAmount3, Edit, "", 170, 164, 50, 14, kInputEdit},
    {kIdStatic, Static, "万円", 222, 167, 16, 8, 0},
    // Commands, a column at the upper right.
    {id::kCalc, Button, kCaptionCalc, 250, 7, 50, 14, kCalcButton | kGroupStart},
    {id::kClear, Button, kCaptionClear, 250, 27, 50, 14, kCalcButton},
    {kIdOk, Button, kCaptionClose, 250, 47, 50, 14, kCalcButton},
    {id::kSave, Button, kCaptionSave, 250, 67, 50, 14, kCalcButton},
    // The schedule across the bottom.
    {id::kList, List, "", 7, 246, 293, 83, kTabStop | kGroupStart},
    // Results between the prepayments and the table, each under its caption;
    // Tab reaches them after the table.
    {kIdStatic, Static, "利息合計（万円）", 7, 187, 94, 8, 0},
    {id::kTotalInterest, Edit, "", 7, 197, 62, 14, kOutputEdit},
    {kIdStatic, Static, "元金合計（万円）", 105, 187, 94, 8, 0},
    {id::kTotalPrincipal, Edit, "", 105, 197, 62, 14, kOutputEdit},
    {kIdStatic, Static, "繰上げ返済額合計（万円）", 203, 187, 97, 8, 0},
    {id::kTotalPrepaid, Edit, "", 203, 197, 62, 14, kOutputEdit},
    {kIdStatic, Static, "利息軽減額（万円）", 7, 215, 94, 8, 0},
    {id::kInterestSaved, Edit, "", 7, 225, 62, 14, kOutputEdit},
    {kIdStatic, Static, "実際の返済回数", 105, 215, 94, 8, 0},
    {id::kRepaymentCount, Edit, "", 105, 225, 62, 14, kOutputEdit},
    {kIdStatic, Static, "最終の毎月返済額（円）", 203, 215, 97, 8, 0},
    {id::kFinalInstallment, Edit, "", 203, 225, 62, 14, kOutputEdit},
    // Under the column, beside the first prepayment row; Tab reaches it last.
    {id::kGraph, Button, kCaptionGraph, 250, 128, 50, 14, kCalcButton | kGroupStart},
};

}  // namespace

constinit const DialogTemplate kPrepaymentLoanDialog{
    kDlgPrepaymentLoan, "Tavoro V.4　繰上げ返済シミュレーション", 307, 336, kDialogFont,
    kDialogPointSize, kMinimizeBox, kControls, id::kCalc,
};

}  // namespace res
