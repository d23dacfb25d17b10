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

// Prepayment simulation: a used prepayment row needs the repayment it follows.
inline constexpr std::string_view kPrepaymentNeedsNumber = "繰上げ返済の回を入力してください";
inline constexpr std::string_view kPrepaymentBeyondTerm = "繰上げ返済の回が返済回数を超えています";

// Variable-rate simulation: a used rate-change row's 回 must name repayment 2
// to the last, and no two rows the same.
inline constexpr std::string_view kRateChangeNumberWrong = "金利変更の回が正しくありません";
inline constexpr std::string_view kRateChangeTwice = "同じ回の金利変更が二つあります";

// Save-to-file of the schedule simulations: the Save dialog and its outcome.
inline constexpr std::string_view kReportDefaultExtension = "*.*";
inline constexpr std::string_view kReportFilter =
    "テキスト(*.txt)|*.txt|logファイル (*.log)|*.log|All Files (*.*)|*.*||";
inline constexpr std::string_view kEqualPaymentReportName = "ganri.txt";
inline constexpr std::string_view kEqualPrincipalReportName = "gankin.txt";
inline constexpr std::string_view kBonusReportName = "bonus.txt";
inline constexpr std::string_view kPrepaymentReportName = "kuriage.txt";
inline constexpr std::string_view kVariableRateReportName = "hendou.txt";
inline constexpr std::string_view kReportNotWritten = "ファイルに書き込めませんでした";

// Help: F1 in any dialog opens the user guide, an HTML file beside the
// program, in the default browser. When it cannot, a box says where it should
// be: the text, a blank line, then the guide's full path.
inline constexpr std::string_view kGuideFileName = "guide-ja.html";
inline constexpr std::string_view kGuideCaption = "Tavoro";
inline constexpr unsigned kGuideBoxType = 48;  // exclamation icon, OK button
inline constexpr std::string_view kGuideMissing =
    "使い方ガイドが見つかりません。\n"
    "Tavoro の ZIP ファイルに入っている使い方ガイドを、次の場所に置いてください。";
inline constexpr std::string_view kGuideNotOpened =
    "使い方ガイドを開けませんでした。\n"
    "次のファイルを、エクスプローラーからブラウザーで開いてください。";

// The right-click menu of the schedule table.
inline constexpr std::string_view kTableCopy = "コピー";

// The repayment graph: the button and table menu item that open it, and what
// they say when there is no schedule yet.
inline constexpr std::string_view kGraph = "グラフ";
inline constexpr std::string_view kCalculateFirst = "先に計算してください";
// Its picture saved as a PNG file, through the Save dialog.
inline constexpr std::string_view kImageDefaultExtension = "png";
inline constexpr std::string_view kImageFilter = "PNG 画像 (*.png)|*.png|All Files (*.*)|*.*||";
inline constexpr std::string_view kImageName = "graph.png";
// What the graph says: its title line ({principal}, {interest} and {total} in
// 万円; {unpaid} only where the bars have unpaid interest), legend and axes.
inline constexpr std::string_view kChartTitle =
    "元金合計 {principal}万円　利息合計 {interest}万円　支払総額 {total}万円";
inline constexpr std::string_view kChartTitleUnpaid = "（うち未払利息 {unpaid}万円）";
inline constexpr std::string_view kChartPrincipal = "元金";
inline constexpr std::string_view kChartInterest = "利息";
inline constexpr std::string_view kChartUnpaid = "未払利息";
inline constexpr std::string_view kChartBalance = "残高";
inline constexpr std::string_view kChartBarAxis = "年間返済額（万円）";
inline constexpr std::string_view kChartBalanceAxis = "残高（万円）";
inline constexpr std::string_view kChartYear = "{year}年";

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

// Plans: the borrowing limit and the monthly savings for a goal.
inline constexpr std::string_view kNoRepaymentBudget = "返済に充てられる額がありません";
inline constexpr std::string_view kBorrowingBelowOneMan = "借入可能額が１万円に届きません";
inline constexpr std::string_view kGoalNotReached = "目標額に届きません（オーバーフローしました）";
inline constexpr std::string_view kNoSavingsMonths = "積立期間が0か月です";

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
