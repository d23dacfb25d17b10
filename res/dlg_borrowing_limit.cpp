// Dialog 149: borrowing limit.
#include "res/ids.h"
#include "res/templates.h"

namespace res {
namespace {

using enum ControlKind;
namespace id = borrowing_limit;

constexpr ControlTemplate kControls[] = {
    // Income before tax.
    {kIdStatic, Static, "税込年収（万円）", 7, 10, 115, 8, kGroupStart},
    {id::kAnnualIncome, Edit, "", 124, 7, 50, 14, kInputEdit},
    {kIdStatic, Static, "万円", 176, 10, 16, 8, 0},
    // The share of the income that repayments may take: the rule, or typed.
    {id::kRadioFlat35, Radio, "フラット35の基準（年収400万円未満は30％、400万円以上は35％）", 7,
     28, 256, 10, kGroupStart | kTabStop},
    {id::kRadioTypedRatio, Radio, "返済負担率を指定", 7, 42, 80, 10, kTabStop},
    {kIdStatic, Static, "返済負担率（％）", 19, 59, 100, 8, kGroupStart},
    {id::kBurdenRatio, Edit, "", 124, 56, 50, 14, kInputEdit},
    {kIdStatic, Static, "％", 176, 59, 10, 8, 0},
    // The loan as the bank tests it.
    {kIdStatic, Static, "審査金利（年利％）", 7, 79, 115, 8, 0},
    {id::kScreeningRate, Edit, "", 124, 76, 50, 14, kInputEdit},
    {kIdStatic, Static, "％", 176, 79, 10, 8, 0},
    {kIdStatic, Static, "（銀行の審査では３～４％が多い）", 188, 79, 130, 8, 0},
    {kIdStatic, Static, "返済回数", 7, 99, 115, 8, 0},
    {id::kPaymentCount, Edit, "", 124, 96, 50, 14, kInputEdit},
    {kIdStatic, Static, "回返済", 176, 99, 26, 8, 0},
    {kIdStatic, Static, "（35年は420回）", 204, 99, 70, 8, 0},
    {kIdStatic, Static, "他の借入の年間返済額（万円）", 7, 119, 115, 8, 0},
    {id::kOtherRepayments, Edit, "", 124, 116, 50, 14, kInputEdit},
    {kIdStatic, Static, "万円", 176, 119, 16, 8, 0},
    // Commands.
    {id::kCalc, Button, kCaptionCalc, 268, 7, 50, 14, kCalcButton | kGroupStart},
    {id::kClear, Button, kCaptionClear, 268, 27, 50, 14, kCalcButton},
    {kIdOk, Button, kCaptionClose, 268, 47, 50, 14, kCalcButton},
    // Results, all reached by Tab, in reading order.
    {kIdStatic, Group, "", 7, 138, 311, 52, kGroupStart},
    {kIdStatic, Static, "適用した返済負担率（％）", 12, 144, 60, 17, 0},
    {id::kAppliedRatio, Edit, "", 74, 144, 56, 17, kOutputEdit},
    {kIdStatic, Static, "％", 132, 148, 10, 8, 0},
    {kIdStatic, Static, "毎月返済に充てられる額（円）", 160, 144, 62, 17, 0},
    {id::kMonthlyBudget, Edit, "", 224, 144, 70, 17, kOutputEdit},
    {kIdStatic, Static, "円", 296, 148, 10, 8, 0},
    {kIdStatic, Static, "借入可能額（万円）", 12, 166, 60, 17, 0},
    {id::kBorrowingLimit, Edit, "", 74, 166, 56, 17, kOutputEdit},
    {kIdStatic, Static, "万円", 132, 170, 16, 8, 0},
    {kIdStatic, Static, "その毎月返済額（円）", 160, 166, 62, 17, 0},
    {id::kInstallment, Edit, "", 224, 166, 70, 17, kOutputEdit},
    {kIdStatic, Static, "円", 296, 170, 10, 8, 0},
};

}  // namespace

constinit const DialogTemplate kBorrowingLimitDialog{
    kDlgBorrowingLimit, "Tavoro V.4　借入可能額シミュレーション", 325, 197, kDialogFont,
    kDialogPointSize, kMinimizeBox, kControls, id::kCalc,
};

}  // namespace res
