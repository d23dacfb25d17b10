// Dialog 143: compound-interest installment savings.
#include "res/ids.h"
#include "res/templates.h"

namespace res {
namespace {

using enum ControlKind;
namespace id = compound_savings;

constexpr ControlTemplate kControls[] = {
    // Monthly installment.
    {kIdStatic, Static, "積金額（万円）", 7, 16, 52, 8, kGroupStart},
    {id::kInstallment, Edit, "", 61, 11, 56, 19, kInputEdit},
    {kIdStatic, Static, "万円", 119, 16, 16, 8, 0},
    {kIdStatic, Static, "（０．１以上）", 137, 16, 50, 8, 0},
    // First installment.
    {kIdStatic, Static, "積立開始年月　西暦", 7, 42, 69, 8, 0},
    {id::kStartYear, Edit, "", 78, 37, 26, 18, kInputEdit},
    {kIdStatic, Static, "年", 106, 42, 10, 8, 0},
    {id::kStartMonth, Edit, "", 118, 37, 16, 18, kInputEdit},
    {kIdStatic, Static, "月", 136, 42, 10, 8, 0},
    {kIdStatic, Static, "１日から", 148, 42, 34, 8, 0},
    // Last installment.
    {kIdStatic, Static, "積立満了年月　西暦", 7, 66, 69, 8, 0},
    {id::kEndYear, Edit, "", 78, 61, 26, 18, kInputEdit},
    {kIdStatic, Static, "年", 106, 66, 10, 8, 0},
    {id::kEndMonth, Edit, "", 118, 62, 16, 17, kInputEdit},
    {kIdStatic, Static, "月", 136, 66, 10, 8, 0},
    {kIdStatic, Static, "１日まで", 148, 66, 34, 8, 0},
    {kIdStatic, Static, "＊積立は月一回とします", 79, 84, 100, 8, 0},
    // Yield and tax rate.
    {kIdStatic, Static, "年利回り（％）", 7, 101, 52, 8, 0},
    {id::kAnnualYield, Edit, "", 61, 96, 56, 19, kInputEdit},
    {kIdStatic, Static, "％", 119, 101, 10, 8, 0},
    {kIdStatic, Static, "利息にかかる税率（％）", 7, 121, 52, 19, 0},
    {id::kTaxRate, Edit, "", 61, 121, 56, 19, kInputEdit},
    {kIdStatic, Static, "％", 119, 126, 10, 8, 0},
    {kIdStatic, Static, "（現在２０％）", 131, 126, 50, 8, 0},
    // Commands; id 3 is Clear in this dialog.
    {id::kCalc, Button, kCaptionCalc, 189, 18, 50, 14, kCalcButton | kGroupStart},
    {id::kClear, Button, kCaptionClear, 189, 39, 50, 14, kCalcButton},
    {kIdOk, Button, kCaptionClose, 189, 62, 50, 14, kCalcButton},
    // Results, all reached by Tab: interest (lower row), tax (upper row), maturity amount.
    {kIdStatic, Group, "", 7, 146, 248, 51, kGroupStart},
    {kIdStatic, Static, "利息（円）", 10, 175, 38, 8, 0},
    {kIdStatic, Static, "給付補填金", 10, 184, 38, 8, 0},
    {id::kInterest, Edit, "", 49, 174, 56, 19, kOutputEdit},
    {kIdStatic, Static, "円", 107, 179, 10, 8, 0},
    {kIdStatic, Static, "税金（円）", 12, 156, 35, 8, 0},
    {id::kTax, Edit, "", 49, 151, 56, 19, kOutputEdit},
    {kIdStatic, Static, "円", 107, 156, 10, 8, 0},
    {kIdStatic, Static, "満期受取金(万円)", 121, 175, 55, 17, 0},
    {id::kMaturityTotal, Edit, "", 178, 174, 55, 19, kOutputEdit},
    {kIdStatic, Static, "万円", 235, 179, 18, 8, 0},
};

}  // namespace

constinit const DialogTemplate kCompoundSavingsDialog{
    kDlgCompoundSavings, "Tavoro V.4　複利積立預金利息計算", 262, 205, kDialogFont,
    kDialogPointSize, kMinimizeBox, kControls, id::kCalc,
};

}  // namespace res
