// Dialog 133: bonus-combined equal-installment calculation.
#include "res/ids.h"
#include "res/templates.h"

namespace res {
namespace {

using enum ControlKind;
namespace id = bonus_loan_calc;

constexpr ControlTemplate kControls[] = {
    // Loan amount.
    {kIdStatic, Static, "借入金額（万円）", 7, 19, 55, 8, kGroupStart},
    {id::kLoanAmount, Edit, "", 64, 14, 63, 18, kInputEdit},
    {kIdStatic, Static, "万円", 129, 19, 16, 8, 0},
    {kIdStatic, Static, "（１万円以上）", 147, 19, 50, 8, 0},
    // Repayment period.
    {kIdStatic, Static, "返済期間（年）", 7, 47, 55, 8, 0},
    {id::kYears, Edit, "", 64, 42, 46, 19, kInputEdit},
    {kIdStatic, Static, "年返済", 112, 47, 26, 8, 0},
    // Bonuses a year: "年 [n] 回".
    {kIdStatic, Static, "ボーナスの回数", 7, 75, 56, 8, 0},
    {kIdStatic, Static, "年", 66, 75, 10, 8, 0},
    {id::kBonusCount, Edit, "", 79, 71, 19, 17, kInputEdit},
    {kIdStatic, Static, "回", 100, 75, 10, 8, 0},
    // Annual rate.
    {kIdStatic, Static, "年利率（％）", 7, 102, 55, 8, 0},
    {id::kAnnualRate, Edit, "", 64, 97, 46, 18, kInputEdit},
    {kIdStatic, Static, "％", 112, 102, 10, 8, 0},
    // Bonus portion. The label is too long for the space left of the edit and
    // wraps over as many lines as it needs there.
    {kIdStatic, Static, "借入金額のうちボーナスでの返済分金額（万円）", 7, 117, 55, 32, 0},
    {id::kBonusPortion, Edit, "", 64, 125, 63, 16, kInputEdit},
    {kIdStatic, Static, "万円", 129, 129, 16, 8, 0},
    {kIdStatic, Static, "（１万円以上）", 147, 129, 50, 8, 0},
    // Commands.
    {id::kCalc, Button, kCaptionCalc, 200, 24, 50, 14, kCalcButton | kGroupStart},
    {id::kClear, Button, kCaptionClear, 200, 48, 50, 14, kCalcButton},
    {kIdOk, Button, kCaptionClose, 200, 70, 50, 14, kCalcButton},
    // Results, all reached by Tab, in reading order.
    {kIdStatic, Group, "", 7, 150, 261, 55, kGroupStart},
    {kIdStatic, Static, "毎月の返済額（円）", 11, 155, 63, 17, 0},
    {id::kMonthlyPayment, Edit, "", 76, 155, 50, 17, kOutputEdit},
    {kIdStatic, Static, "円", 128, 159, 10, 8, 0},
    {kIdStatic, Static, "ボーナス月増額金額（円）", 140, 155, 58, 17, 0},
    {id::kBonusIncrease, Edit, "", 200, 155, 49, 17, kOutputEdit},
    {kIdStatic, Static, "円", 251, 159, 10, 8, 0},
    {kIdStatic, Static, "ボーナス月返済金額（万円）", 11, 182, 63, 17, 0},
    {id::kBonusMonthPayment, Edit, "", 76, 182, 50, 17, kOutputEdit},
    {kIdStatic, Static, "万円", 128, 186, 18, 8, 0},
    {kIdStatic, Static, "支払合計（万円）", 148, 182, 50, 17, 0},
    {id::kTotalPayment, Edit, "", 200, 182, 49, 17, kOutputEdit},
    {kIdStatic, Static, "万円", 251, 186, 16, 8, 0},
};

}  // namespace

constinit const DialogTemplate kBonusLoanCalcDialog{
    kDlgBonusLoanCalc, "Tavoro V.4　ボーナス併用元利均等計算", 275, 211, kDialogFont,
    kDialogPointSize, kMinimizeBox, kControls, id::kCalc,
};

}  // namespace res
