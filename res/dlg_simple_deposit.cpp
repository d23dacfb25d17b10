// Dialog 129: simple-interest deposit.
#include "res/ids.h"
#include "res/templates.h"

namespace res {
namespace {

using enum ControlKind;
namespace id = simple_deposit;

constexpr ControlTemplate kControls[] = {
    // Deposit amount.
    {kIdStatic, Static, "預金金額（万円）", 7, 17, 58, 8, kGroupStart},
    {id::kDepositAmount, Edit, "", 67, 13, 56, 17, kInputEdit},
    {kIdStatic, Static, "万円", 125, 17, 16, 8, 0},
    {kIdStatic, Static, "（０．１以上）", 143, 17, 50, 8, 0},
    // Deposit date.
    {kIdStatic, Static, "預入年月　西暦", 7, 43, 57, 8, 0},
    {id::kStartYear, Edit, "", 66, 39, 26, 17, kInputEdit},
    {kIdStatic, Static, "年", 95, 43, 10, 8, 0},
    {id::kStartMonth, Edit, "", 108, 39, 16, 17, kInputEdit},
    {kIdStatic, Static, "月", 127, 43, 10, 8, 0},
    {kIdStatic, Static, "１日から", 139, 43, 34, 8, 0},
    // Maturity date.
    {kIdStatic, Static, "満了年月  西暦", 7, 64, 57, 8, 0},
    {id::kEndYear, Edit, "", 66, 60, 26, 17, kInputEdit},
    {kIdStatic, Static, "年", 95, 65, 10, 8, 0},
    {id::kEndMonth, Edit, "", 108, 61, 16, 17, kInputEdit},
    {kIdStatic, Static, "月", 127, 65, 10, 8, 0},
    {kIdStatic, Static, "１日まで", 139, 65, 34, 8, 0},
    // Rate: annual rate or daily rate per 10,000 yen, chosen by the radios.
    {id::kRadioAnnualRate, Radio, "年利率（％）", 16, 93, 50, 10, kGroupStart | kTabStop},
    {id::kAnnualRate, Edit, "", 67, 88, 56, 17, kInputEdit},
    {kIdStatic, Static, "％", 125, 92, 10, 8, 0},
    {id::kRadioDailyRate, Radio, "日歩（円）", 16, 113, 49, 10, kTabStop},
    {id::kDailyRate, Edit, "", 66, 108, 56, 17, kInputEdit | kGroupStart},
    {kIdStatic, Static, "円／（万円×日）", 124, 112, 66, 8, 0},
    // Tax rate.
    {kIdStatic, Static, "利息にかかる税率（％）", 7, 132, 56, 17, 0},
    {id::kTaxRate, Edit, "", 66, 132, 56, 17, kInputEdit},
    {kIdStatic, Static, "％", 124, 136, 10, 8, 0},
    {kIdStatic, Static, "（現在２０％）", 136, 136, 52, 8, 0},
    // Commands.
    {id::kCalc, Button, kCaptionCalc, 197, 14, 50, 14, kCalcButton | kGroupStart},
    {id::kClear, Button, kCaptionClear, 197, 35, 50, 14, kCalcButton},
    {kIdOk, Button, kCaptionClose, 197, 57, 50, 14, kCalcButton},
    // Results. Tab reaches the tax and the total but passes over the interest.
    {kIdStatic, Group, "", 7, 157, 243, 49, kGroupStart},
    {kIdStatic, Static, "税金額（円）", 11, 165, 43, 8, 0},
    {id::kTax, Edit, "", 56, 161, 49, 17, kOutputEdit},
    {kIdStatic, Static, "円", 107, 165, 10, 8, 0},
    {kIdStatic, Static, "利息金額（円）", 11, 185, 43, 17, 0},
    {id::kInterest, Edit, "", 56, 185, 49, 17, kPassiveOutputEdit},
    {kIdStatic, Static, "円", 107, 189, 10, 8, 0},
    {kIdStatic, Static, "元利合計（万円）", 119, 189, 54, 8, 0},
    {id::kMaturityTotal, Edit, "", 175, 185, 52, 17, kOutputEdit},
    {kIdStatic, Static, "万円", 229, 189, 18, 8, 0},
};

}  // namespace

constinit const DialogTemplate kSimpleDepositDialog{
    kDlgSimpleDeposit, "Tavoro V.4　単利預金利息計算", 257, 213, kDialogFont, kDialogPointSize,
    kMinimizeBox, kControls, id::kCalc,
};

}  // namespace res
