// Dialog 142: simple-interest installment savings.
#include "res/ids.h"
#include "res/templates.h"

namespace res {
namespace {

using enum ControlKind;
namespace id = simple_savings;

constexpr ControlTemplate kControls[] = {
    // Monthly installment.
    {kIdStatic, Static, "積金額（万円）", 7, 20, 53, 8, kGroupStart},
    {id::kInstallment, Edit, "", 62, 15, 56, 19, kInputEdit},
    {kIdStatic, Static, "万円", 120, 20, 16, 8, 0},
    {kIdStatic, Static, "（０．１以上）", 138, 20, 50, 8, 0},
    // First installment.
    {kIdStatic, Static, "積立開始年月　西暦", 7, 46, 69, 8, 0},
    {id::kStartYear, Edit, "", 78, 41, 26, 18, kInputEdit},
    {kIdStatic, Static, "年", 106, 46, 10, 8, 0},
    {id::kStartMonth, Edit, "", 118, 41, 16, 18, kInputEdit},
    {kIdStatic, Static, "月", 136, 46, 10, 8, 0},
    {kIdStatic, Static, "１日から", 148, 46, 34, 8, 0},
    // Last installment.
    {kIdStatic, Static, "積立満了年月　西暦", 7, 70, 69, 8, 0},
    {id::kEndYear, Edit, "", 78, 65, 26, 18, kInputEdit},
    {kIdStatic, Static, "年", 106, 70, 10, 8, 0},
    {id::kEndMonth, Edit, "", 118, 66, 16, 17, kInputEdit},
    {kIdStatic, Static, "月", 136, 70, 10, 8, 0},
    {kIdStatic, Static, "１日まで", 148, 70, 34, 8, 0},
    {kIdStatic, Static, "＊積立は月一回とします", 78, 87, 100, 8, 0},
    // Yield and tax rate.
    {kIdStatic, Static, "年利回り（％）", 7, 104, 54, 8, 0},
    {id::kAnnualYield, Edit, "", 63, 99, 56, 19, kInputEdit},
    {kIdStatic, Static, "％", 121, 104, 10, 8, 0},
    {kIdStatic, Static, "利息にかかる税率（％）", 7, 126, 54, 19, 0},
    {id::kTaxRate, Edit, "", 63, 126, 56, 19, kInputEdit},
    {kIdStatic, Static, "％", 121, 131, 10, 8, 0},
    {kIdStatic, Static, "（現在２０％）", 133, 131, 50, 8, 0},
    // Commands; id 3 is Calc in this dialog.
    {id::kCalc, Button, kCaptionCalc, 198, 18, 50, 14, kCalcButton | kGroupStart},
    {id::kClear, Button, kCaptionClear, 198, 39, 50, 14, kCalcButton},
    {kIdOk, Button, kCaptionClose, 198, 60, 50, 14, kCalcButton},
    // Results, all reached by Tab: tax, interest, maturity amount.
    {kIdStatic, Group, "", 7, 151, 249, 51, kGroupStart},
    {kIdStatic, Static, "税金（円）", 11, 161, 35, 8, 0},
    {id::kTax, Edit, "", 48, 156, 56, 19, kOutputEdit},
    {kIdStatic, Static, "円", 106, 161, 10, 8, 0},
    {kIdStatic, Static, "利息（円）", 9, 179, 38, 8, 0},
    {kIdStatic, Static, "給付補填金", 9, 188, 38, 8, 0},
    {id::kInterest, Edit, "", 48, 178, 56, 19, kOutputEdit},
    {kIdStatic, Static, "円", 106, 183, 10, 8, 0},
    {kIdStatic, Static, "満期受取金(万円)", 120, 179, 53, 17, 0},
    {id::kMaturityTotal, Edit, "", 175, 178, 56, 19, kOutputEdit},
    {kIdStatic, Static, "万円", 233, 183, 18, 8, 0},
};

}  // namespace

constinit const DialogTemplate kSimpleSavingsDialog{
    kDlgSimpleSavings, "Tavoro V.4　単利積立預金利息計算", 263, 209, kDialogFont, kDialogPointSize,
    kMinimizeBox, kControls, id::kCalc,
};

}  // namespace res
