// The program's own texts, once. UTF-8; hosts convert at their boundary.
#pragma once

#include <string_view>

namespace res::text {

// Warning box shared by every calculator.
inline constexpr std::string_view kCaution = "注意";
inline constexpr unsigned kWarningBoxType = 16;  // stop icon, OK button alone
inline constexpr std::string_view kOverflow = "オーバーフローしました";

// Loan repayment calculators.
inline constexpr std::string_view kLoanDateAfterStart = "借入年月が返済開始年月を越えています";

// Save-to-file of the schedule simulations: the Save dialog and its outcome.
inline constexpr std::string_view kReportDefaultExtension = "*.*";
inline constexpr std::string_view kReportFilter =
    "テキスト(*.txt)|*.txt|logファイル (*.log)|*.log|All Files (*.*)|*.*||";
inline constexpr std::string_view kEqualPaymentReportName = "ganri.txt";
inline constexpr std::string_view kEqualPrincipalReportName = "gankin.txt";
inline constexpr std::string_view kBonusReportName = "bonus.txt";
inline constexpr std::string_view kReportNotWritten = "ファイルに書き込めませんでした";

// The right-click menu of the schedule table.
inline constexpr std::string_view kTableCopy = "コピー";

// Simple-interest deposit.
inline constexpr std::string_view kDateWrong = "日付の設定が間違っています";

// Compound-interest deposit.
inline constexpr std::string_view kPeriodWrong = "期間が間違っています";

// Installment savings, simple and compound.
inline constexpr std::string_view kPeriodSettingWrong = "期間の設定が間違っています";
inline constexpr std::string_view kTaxRateRange = "税率は0から100%の範囲です";

// Bonus-combined calculation.
inline constexpr std::string_view kBonusPortionExceedsLoan = "ボーナス返済額分が借入金額を超えています";
inline constexpr std::string_view kNoRepaymentYears = "返済期間が0年です";
inline constexpr std::string_view kNoBonusesForBonusPortion =
    "ボーナスの回数が0回では、ボーナス返済分を返済できません";

// Bonus-combined repayment simulation.
inline constexpr std::string_view kBonusMonthsOverlapTwo = "ボーナスの月が重なっています(n=2)";
inline constexpr std::string_view kBonusMonthsOverlapThree = "ボーナスの月が重なっています(n=3)";
inline constexpr std::string_view kNoBonusInTerm = "期間中にボーナスがありません";
inline constexpr std::string_view kBonusesAloneRepay = "ボーナスだけで返済できます";
inline constexpr std::string_view kBonusPaymentTooSmall = "ボーナス月の返済額が小さすぎます";

// Bonus simulation: table cells (printf formats) and the report's lines. The
// backslash before an amount is the byte 0x5C, shown as the yen sign.
inline constexpr const char* kBonusCellMark = "%2c";
inline constexpr const char* kBonusCellDate = "%4d.%2d";
inline constexpr const char* kBonusCellNumber = "%3d";
inline constexpr const char* kBonusCellAmount = "%10d";
struct BonusReportHeader {
  const char* loan;
  const char* period;
  const char* rate;
  const char* installment;
};
inline constexpr BonusReportHeader kBonusReportInYears{
    "借入金額（円）　          \\%10d\n",
    "返済期間（年）            %11d\n",
    "利率（年利)(%%)           %8.5lf\n",
    "一回の返済金額（円）      \\%10d\n",
};
inline constexpr BonusReportHeader kBonusReportInMonths{
    "借入金額（円）　         \\%10d\n",
    "返済期間（月）           %11d\n",
    "利率（月利)(%%)          %8.5lf\n",
    "一回の返済金額（円）     \\%10d\n",
};
inline constexpr const char* kBonusReportBonusPayment = "ボーナス時の支払い額（円）\\%10d\n";
inline constexpr const char* kBonusReportMarkNote = "*印がボーナス時の支払額\n";
inline constexpr const char* kBonusReportBonusLine =
    "*%4d.%2d　元利合計%10d  利息\\%10d  返済元金\\%10d  残り\\%10d\n";
inline constexpr const char* kBonusReportPlainLine =
    " %4d.%2d　元利合計%10d  利息\\%10d  返済元金\\%10d  残り\\%10d\n";
inline constexpr const char* kBonusReportLastLine =
    "%5d.%2d　元利合計%10d  利息\\%10d  返済元金\\%10d  残り\\%10d\n";
inline constexpr const char* kBonusReportTotals = "\n利息の合計 \\%10d  返済元金の合計 \\%10d\n";
inline constexpr const char* kBonusReportGrandTotal = "最終的総支払額\\%10d\n";

// The framework's own field-exchange messages. {min} and {max} stand for the bounds.
inline constexpr std::string_view kFieldCaption = "Tavoro";
inline constexpr unsigned kFieldMessageType = 48;  // exclamation icon, OK button
inline constexpr std::string_view kNeedInteger = "整数を入力してください。";
inline constexpr std::string_view kNeedNumber = "数値を入力してください。";
inline constexpr std::string_view kIntegerRange = "{min} から {max} までの整数を入力してください。";
inline constexpr std::string_view kNumberRange = "{min} から {max} までの数値を入力してください。";

// String table.
inline constexpr std::string_view kAboutBoxMenuItem = "ﾊﾞｰｼﾞｮﾝ情報(TavoroI) (&A)...";

}  // namespace res::text
