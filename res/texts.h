// The program's own texts, once. UTF-8; hosts convert at their boundary.
#pragma once

#include <string_view>

namespace res::text {

// Warning box shared by every calculator.
inline constexpr std::string_view kCaution = "注意";
inline constexpr unsigned kWarningBoxType = 16;  // stop icon, OK button alone
inline constexpr std::string_view kOverflow = "オーバーフローしました";

// Simple-interest deposit.
inline constexpr std::string_view kDateWrong = "日付の設定が間違っています";

// Bonus-combined calculation.
inline constexpr std::string_view kBonusPortionExceedsLoan = "ボーナス返済額分が借入金額を超えています";
inline constexpr std::string_view kNoRepaymentYears = "返済期間が0年です";
inline constexpr std::string_view kNoBonusesForBonusPortion =
    "ボーナスの回数が0回では、ボーナス返済分を返済できません";

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
