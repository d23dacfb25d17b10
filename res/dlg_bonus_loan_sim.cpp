// Dialog 146: bonus-combined equal-installment repayment simulation.
#include "res/ids.h"
#include "res/templates.h"

namespace res {
namespace {

using enum ControlKind;
namespace id = bonus_loan_sim;

constexpr ControlTemplate kControls[] = {
    // Loan amount.
    {kIdStatic, Static, "借入金額", 7, 10, 40, 8, kGroupStart},
    {id::kLoanAmount, Edit, "", 70, 7, 50, 14, kInputEdit},
    {kIdStatic, Static, "万円", 122, 10, 16, 8, 0},
    {kIdStatic, Static, "（１万円以上）", 140, 10, 56, 8, 0},
    // Period unit (radios in a frame, without tab stops of their own: the
    // checked one becomes the tab stop at run time), then the period.
    {kIdStatic, Static, "返済期間選択", 7, 30, 52, 8, 0},
    {kIdStatic, Group, "", 62, 24, 82, 20, 0},
    {id::kRadioYears, Radio, "年単位", 67, 29, 36, 10, kGroupStart},
    {id::kRadioMonths, Radio, "月単位", 104, 29, 36, 10, 0},
    {kIdStatic, Static, "返済期間", 150, 30, 36, 8, kGroupStart},
    {id::kPeriod, Edit, "", 188, 27, 22, 14, kInputEdit},
    {kIdStatic, Static, "年or月", 212, 30, 28, 8, 0},
    // Bonuses a year: "年 [n] 回".
    {kIdStatic, Static, "ボーナスの回数", 7, 52, 56, 8, 0},
    {kIdStatic, Static, "年", 66, 52, 10, 8, 0},
    {id::kBonusCount, Edit, "", 78, 49, 18, 14, kInputEdit},
    {kIdStatic, Static, "回", 98, 52, 10, 8, 0},
    {kIdStatic, Static, "（２or３）", 110, 52, 34, 8, 0},
    // Bonus months, in a frame.
    {kIdStatic, Static, "ボーナスの月", 7, 75, 52, 8, 0},
    {kIdStatic, Group, "", 62, 67, 182, 22, 0},
    {kIdStatic, Static, "１回目", 67, 74, 24, 8, 0},
    {id::kBonusMonth1, Edit, "", 93, 71, 18, 14, kInputEdit},
    {kIdStatic, Static, "２回目", 119, 74, 24, 8, 0},
    {id::kBonusMonth2, Edit, "", 145, 71, 18, 14, kInputEdit},
    {kIdStatic, Static, "３回目", 171, 74, 24, 8, 0},
    {id::kBonusMonth3, Edit, "", 197, 71, 18, 14, kInputEdit},
    // Bonus-month payment and, to its right, the annual rate.
    {kIdStatic, Static, "ボーナス月返済金額", 7, 94, 60, 17, 0},
    {id::kBonusMonthPayment, Edit, "", 70, 95, 40, 14, kInputEdit},
    {kIdStatic, Static, "万円", 112, 98, 16, 8, 0},
    {kIdStatic, Static, "（０．１万円以上）", 130, 98, 66, 8, 0},
    {kIdStatic, Static, "年利率（％）", 204, 98, 46, 8, 0},
    {id::kAnnualRate, Edit, "", 252, 95, 36, 14, kInputEdit},
    {kIdStatic, Static, "％", 290, 98, 10, 8, 0},
    // Borrowing date, then the first repayment.
    {kIdStatic, Static, "借入年月　西暦", 7, 118, 60, 8, 0},
    {id::kLoanYear, Edit, "", 70, 115, 30, 14, kInputEdit},
    {kIdStatic, Static, "年", 102, 118, 10, 8, 0},
    {id::kLoanMonth, Edit, "", 114, 115, 18, 14, kInputEdit},
    {kIdStatic, Static, "月", 134, 118, 10, 8, 0},
    {kIdStatic, Static, "返済開始年月", 7, 136, 46, 8, 0},
    {kIdStatic, Static, "西暦", 54, 136, 15, 8, 0},
    {id::kRepayStartYear, Edit, "", 70, 133, 30, 14, kInputEdit},
    {kIdStatic, Static, "年", 102, 136, 10, 8, 0},
    {id::kRepayStartMonth, Edit, "", 114, 133, 18, 14, kInputEdit},
    {kIdStatic, Static, "月", 134, 136, 10, 8, 0},
    // Commands, a column at the upper right.
    {id::kCalc, Button, kCaptionCalc, 254, 7, 50, 14, kCalcButton | kGroupStart},
    {id::kClear, Button, kCaptionClear, 254, 25, 50, 14, kCalcButton},
    {kIdOk, Button, kCaptionClose, 254, 43, 50, 14, kCalcButton},
    {id::kSave, Button, kCaptionSave, 254, 61, 50, 14, kCalcButton},
    // Results right of the two date rows, side by side, each under its caption.
    // Tab goes to the total paid, then the table, then the interest paid.
    {kIdStatic, Static, "支払合計（万円）", 230, 118, 62, 8, kGroupStart},
    {id::kTotalPayment, Edit, "", 230, 128, 62, 14, kOutputEdit},
    {id::kList, List, "", 8, 154, 297, 80, kTabStop},
    {kIdStatic, Static, "支払利息（万円）", 160, 118, 62, 8, 0},
    {id::kTotalInterest, Edit, "", 160, 128, 62, 14, kOutputEdit},
    // Under the button column; Tab reaches it last, so that the table keeps its place.
    {id::kGraph, Button, kCaptionGraph, 254, 79, 50, 14, kCalcButton | kGroupStart},
};

}  // namespace

constinit const DialogTemplate kBonusLoanSimDialog{
    kDlgBonusLoanSim, "Tavoro V.4　ボーナス併用元利均等返済シミュレーション", 311, 241,
    kDialogFont, kDialogPointSize, kMinimizeBox, kControls, id::kCalc,
};

}  // namespace res
