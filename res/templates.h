// The program's dialog templates. Each one is defined in its own dlg_*.cpp and
// found by id through FindDialogTemplate (dialog_template.h).
#pragma once

#include <string_view>

#include "res/dialog_template.h"
#include "res/texts.h"

namespace res {

// Every dialog uses the same face and size.
inline constexpr std::string_view kDialogFont = "ＭＳ Ｐゴシック";
inline constexpr int kDialogPointSize = 9;

// Style sets that recur in the templates.
inline constexpr unsigned kInputEdit = kTabStop;
inline constexpr unsigned kOutputEdit = kReadOnly | kTabStop;  // result field reached by Tab
inline constexpr unsigned kPassiveOutputEdit = kReadOnly;      // result field that Tab skips
inline constexpr unsigned kCalcButton = kDefault | kTabStop;   // every push button of a calculator

// Captions of the buttons that every calculator has.
inline constexpr std::string_view kCaptionCalc = "計算";
inline constexpr std::string_view kCaptionClear = "クリア";
inline constexpr std::string_view kCaptionClose = "終了";
inline constexpr std::string_view kCaptionSave = "ファイルに保存";
// The button of each schedule dialog that opens its repayment graph.
inline constexpr std::string_view kCaptionGraph = text::kGraph;

extern const DialogTemplate kMenuDialog;                // 102
extern const DialogTemplate kAboutDialog;               // 100
extern const DialogTemplate kSimpleDepositDialog;       // 129
extern const DialogTemplate kCompoundDepositDialog;     // 130
extern const DialogTemplate kSimpleSavingsDialog;       // 142
extern const DialogTemplate kCompoundSavingsDialog;     // 143
extern const DialogTemplate kEqualPaymentLoanDialog;    // 131
extern const DialogTemplate kEqualPrincipalLoanDialog;  // 132
extern const DialogTemplate kBonusLoanCalcDialog;       // 133
extern const DialogTemplate kBonusLoanSimDialog;        // 146
extern const DialogTemplate kPrepaymentLoanDialog;      // 147
extern const DialogTemplate kVariableRateLoanDialog;    // 148
extern const DialogTemplate kBorrowingLimitDialog;      // 149
extern const DialogTemplate kSavingsGoalDialog;         // 150
extern const DialogTemplate kGraphDialog;               // 160

}  // namespace res
