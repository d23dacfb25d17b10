// Dialog 150: savings goal.
#include "res/ids.h"
#include "res/templates.h"

namespace res {
namespace {

using enum ControlKind;
namespace id = savings_goal;

constexpr ControlTemplate kControls[] = {
    // The goal.
    {kIdStatic, Static, "目標額（万円）", 7, 10, 90, 8, kGroupStart},
    {id::kGoal, Edit, "", 100, 7, 60, 14, kInputEdit},
    {kIdStatic, Static, "万円", 162, 10, 16, 8, 0},
    // Which savings calculator computes the plan.
    {id::kRadioSimple, Radio, "単利（単利積立と同じ計算）", 7, 28, 150, 10,
     kGroupStart | kTabStop},
    {id::kRadioCompound, Radio, "複利（月複利、複利積立と同じ計算）", 7, 42, 180, 10, kTabStop},
    // First and last installment.
    {kIdStatic, Static, "積立開始年月　西暦", 7, 65, 90, 8, kGroupStart},
    {id::kStartYear, Edit, "", 100, 62, 30, 14, kInputEdit},
    {kIdStatic, Static, "年", 132, 65, 10, 8, 0},
    {id::kStartMonth, Edit, "", 144, 62, 18, 14, kInputEdit},
    {kIdStatic, Static, "月", 164, 65, 10, 8, 0},
    {kIdStatic, Static, "１日から", 176, 65, 34, 8, 0},
    {kIdStatic, Static, "積立満了年月　西暦", 7, 83, 90, 8, 0},
    {id::kEndYear, Edit, "", 100, 80, 30, 14, kInputEdit},
    {kIdStatic, Static, "年", 132, 83, 10, 8, 0},
    {id::kEndMonth, Edit, "", 144, 80, 18, 14, kInputEdit},
    {kIdStatic, Static, "月", 164, 83, 10, 8, 0},
    {kIdStatic, Static, "１日まで", 176, 83, 34, 8, 0},
    {kIdStatic, Static, "＊積立は月一回とします", 100, 98, 100, 8, 0},
    // Yield and tax rate.
    {kIdStatic, Static, "年利回り（％）", 7, 115, 90, 8, 0},
    {id::kAnnualYield, Edit, "", 100, 112, 50, 14, kInputEdit},
    {kIdStatic, Static, "％", 152, 115, 10, 8, 0},
    {kIdStatic, Static, "利息にかかる税率（％）", 7, 133, 90, 8, 0},
    {id::kTaxRate, Edit, "", 100, 130, 50, 14, kInputEdit},
    {kIdStatic, Static, "％", 152, 133, 10, 8, 0},
    {kIdStatic, Static, "（NISAは０％）", 164, 133, 60, 8, 0},
    // Commands.
    {id::kCalc, Button, kCaptionCalc, 232, 7, 50, 14, kCalcButton | kGroupStart},
    {id::kClear, Button, kCaptionClear, 232, 27, 50, 14, kCalcButton},
    {kIdOk, Button, kCaptionClose, 232, 47, 50, 14, kCalcButton},
    // Results, all reached by Tab, in reading order.
    {kIdStatic, Group, "", 7, 152, 275, 52, kGroupStart},
    {kIdStatic, Static, "毎月の積立額（円）", 12, 158, 60, 17, 0},
    {id::kInstallment, Edit, "", 74, 158, 56, 17, kOutputEdit},
    {kIdStatic, Static, "円", 132, 162, 10, 8, 0},
    {kIdStatic, Static, "満期受取金（万円）", 148, 158, 56, 17, 0},
    {id::kMaturityTotal, Edit, "", 206, 158, 54, 17, kOutputEdit},
    {kIdStatic, Static, "万円", 262, 162, 16, 8, 0},
    {kIdStatic, Static, "積立元金（万円）", 12, 180, 60, 17, 0},
    {id::kPaidIn, Edit, "", 74, 180, 56, 17, kOutputEdit},
    {kIdStatic, Static, "万円", 132, 184, 16, 8, 0},
    {kIdStatic, Static, "利息（税引後）（円）", 148, 180, 56, 17, 0},
    {id::kInterest, Edit, "", 206, 180, 54, 17, kOutputEdit},
    {kIdStatic, Static, "円", 262, 184, 10, 8, 0},
};

}  // namespace

constinit const DialogTemplate kSavingsGoalDialog{
    kDlgSavingsGoal, "Tavoro V.4　目標積立額シミュレーション", 289, 211, kDialogFont,
    kDialogPointSize, kMinimizeBox, kControls, id::kCalc,
};

}  // namespace res
