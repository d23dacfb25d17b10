// Dialog 130: compound-interest deposit.
#include "res/ids.h"
#include "res/templates.h"

namespace res {
namespace {

using enum ControlKind;
namespace id = compound_deposit;

constexpr ControlTemplate kControls[] = {
    // Deposit amount.
    {kIdStatic, Static, "預入金額（万円）", 7, 17, 60, 8, kGroupStart},
    {id::kDepositAmount, Edit, "", 70, 13, 56, 17, kInputEdit},
    {kIdStatic, Static, "万円", 128, 17, 16, 8, 0},
    {kIdStatic, Static, "（０．１以上）", 146, 17, 44, 8, 0},
    // Deposit date.
    {kIdStatic, Static, "預入年月 　　西暦", 7, 42, 62, 8, 0},
    {id::kStartYear, Edit, "", 70, 38, 26, 17, kInputEdit},
    {kIdStatic, Static, "年", 98, 42, 10, 8, 0},
    {id::kStartMonth, Edit, "", 109, 38, 16, 17, kInputEdit},
    {kIdStatic, Static, "月", 127, 42, 10, 8, 0},
    {kIdStatic, Static, "１日から", 139, 42, 34, 8, 0},
    // Maturity date; Calc moves it back to the end of the last whole period.
    {kIdStatic, Static, "満了年月 　　西暦", 7, 64, 62, 8, 0},
    {id::kEndYear, Edit, "", 70, 60, 27, 17, kInputEdit},
    {kIdStatic, Static, "年", 98, 64, 10, 8, 0},
    {id::kEndMonth, Edit, "", 109, 60, 16, 17, kInputEdit},
    {kIdStatic, Static, "月", 127, 64, 10, 8, 0},
    {kIdStatic, Static, "１日まで", 139, 64, 34, 8, 0},
    // Rate per compounding period: year, half-year or month.
    {id::kRadioYear, Radio, "１年複利率（％）", 11, 91, 61, 10, kGroupStart | kTabStop},
    {id::kYearRate, Edit, "", 73, 87, 53, 17, kInputEdit},
    {kIdStatic, Static, "％", 128, 91, 10, 8, 0},
    {id::kRadioHalfYear, Radio, "半年複利率（％）", 11, 114, 61, 10, kTabStop},
    {id::kHalfYearRate, Edit, "", 73, 110, 53, 17, kInputEdit},
    {kIdStatic, Static, "％", 128, 114, 10, 8, 0},
    {id::kRadioMonth, Radio, "一月複利率（％）", 11, 137, 61, 10, kTabStop},
    {id::kMonthRate, Edit, "", 73, 133, 53, 17, kInputEdit | kGroupStart},
    {kIdStatic, Static, "％", 128, 137, 10, 8, 0},
    // Tax rate, right of the monthly rate, with its hint above the edit.
    {kIdStatic, Static, "利息にかかる税率（％）", 143, 134, 42, 17, 0},
    {id::kTaxRate, Edit, "", 186, 133, 53, 17, kInputEdit},
    {kIdStatic, Static, "％", 241, 137, 10, 8, 0},
    {kIdStatic, Static, "（現在２０％）", 194, 121, 50, 8, 0},
    // Commands.
    {id::kCalc, Button, kCaptionCalc, 193, 17, 50, 14, kCalcButton | kGroupStart},
    {id::kClear, Button, kCaptionClear, 193, 39, 50, 14, kCalcButton},
    {kIdOk, Button, kCaptionClose, 193, 61, 50, 14, kCalcButton},
    // Results; none of them is reached by Tab.
    {kIdStatic, Group, "", 7, 159, 244, 49, kGroupStart},
    {kIdStatic, Static, "税金額（円）", 11, 168, 41, 8, 0},
    {id::kTax, Edit, "", 54, 164, 49, 17, kPassiveOutputEdit},
    {kIdStatic, Static, "円", 105, 168, 10, 8, 0},
    {kIdStatic, Static, "満期回数", 140, 168, 35, 8, 0},
    {id::kPeriodCount, Edit, "", 177, 164, 19, 17, kPassiveOutputEdit},
    {kIdStatic, Static, "回", 198, 168, 10, 8, 0},
    {kIdStatic, Static, "利息金額（円）", 11, 187, 41, 17, 0},
    {id::kInterest, Edit, "", 54, 187, 49, 17, kPassiveOutputEdit},
    {kIdStatic, Static, "円", 105, 191, 10, 8, 0},
    {kIdStatic, Static, "元利合計（万円）", 118, 191, 57, 8, 0},
    {id::kMaturityTotal, Edit, "", 177, 187, 49, 17, kPassiveOutputEdit},
    {kIdStatic, Static, "万円", 228, 191, 18, 8, 0},
};

}  // namespace

constinit const DialogTemplate kCompoundDepositDialog{
    kDlgCompoundDeposit, "Tavoro V.4　複利預金利息計算", 258, 213, kDialogFont, kDialogPointSize,
    kMinimizeBox, kControls, id::kCalc,
};

}  // namespace res
