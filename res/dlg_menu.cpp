// Dialog 102: the function menu, the program's main window.
#include "res/ids.h"
#include "res/templates.h"

namespace res {
namespace {

using enum ControlKind;

constexpr ControlTemplate kControls[] = {
    // Deposit calculators.
    {kIdStatic, Static, "預入利息計算", 63, 9, 56, 8, kGroupStart},
    {menu::kSimpleDeposit, Button, "単利預金利息計算", 12, 22, 74, 14, kTabStop | kGroupStart},
    {menu::kCompoundDeposit, Button, "複利預金利息計算", 95, 22, 74, 14, kTabStop},
    {menu::kSimpleSavings, Button, "単利積立預金利息計算", 12, 43, 74, 14, kTabStop},
    {menu::kCompoundSavings, Button, "複利積立預金利息計算", 95, 43, 74, 14, kTabStop},
    // Loan calculators.
    {kIdStatic, Static, "ローン利息計算", 61, 65, 60, 8, kGroupStart},
    {menu::kEqualPaymentLoan, Button, "元利均等返済\nシミュレーション", 12, 77, 74, 19,
     kTabStop | kMultiline | kGroupStart},
    {menu::kEqualPrincipalLoan, Button, "元金均等返済\nシミュレーション", 94, 77, 74, 19,
     kTabStop | kMultiline},
    {menu::kBonusLoanCalc, Button, "ボーナス併用\n元利均等計算", 12, 103, 74, 19,
     kTabStop | kMultiline},
    // No line break of its own: the button wraps the caption.
    {menu::kBonusLoanSim, Button, "ボーナス併用元利均等返済シミュレーション", 94, 103, 74, 19,
     kTabStop | kMultiline},
    // In the right-hand column, beside the first row of loan buttons.
    {menu::kPrepaymentLoan, Button, "繰上げ返済\nシミュレーション", 179, 77, 62, 19,
     kTabStop | kMultiline},
    // Beside the bonus row.
    {menu::kVariableRateLoan, Button, "金利変動\nシミュレーション", 179, 103, 62, 19,
     kTabStop | kMultiline},
    // Plans, below the loans: how much can be borrowed, how much to save.
    {kIdStatic, Static, "計画", 81, 130, 20, 8, kGroupStart},
    {menu::kBorrowingLimit, Button, "借入可能額\nシミュレーション", 12, 142, 74, 19,
     kTabStop | kMultiline | kGroupStart},
    {menu::kSavingsGoal, Button, "目標積立額\nシミュレーション", 94, 142, 74, 19,
     kTabStop | kMultiline},
    // Program commands.
    {menu::kExit, Button, "終了", 179, 9, 44, 14, kTabStop},
    {menu::kVersion, Button, "バージョン", 179, 32, 44, 14, kTabStop},
};

}  // namespace

constinit const DialogTemplate kMenuDialog{
    kDlgMenu, "Tavoro V.4　機能メニュー", 249, 170, kDialogFont, kDialogPointSize,
    kMinimizeBox | kAppWindow, kControls,
};

}  // namespace res
