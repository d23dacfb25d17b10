// Random inputs, inside the validated ranges and far beyond them, for the
// compound deposit and the two savings plans: the arithmetic must stay safe and
// keep its invariants, and the dialogs must survive whatever is typed. The seed
// is fixed and every draw comes from the engine's raw bits, so a failure repeats.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "core/checked_math.h"
#include "core/units.h"
#include "core/month_index.h"
#include "deposit/compound_deposit.h"
#include "deposit/compound_deposit_dlg.h"
#include "deposit/compound_savings.h"
#include "deposit/compound_savings_dlg.h"
#include "deposit/simple_savings.h"
#include "deposit/simple_savings_dlg.h"
#include "res/dialog_template.h"
#include "res/ids.h"
#include "res/templates.h"
#include "res/texts.h"
#include "tests/unit/outcome_test_support.h"
#include "tests/unit/random_dice.h"
#include "tests/unit/test_automation.h"

namespace deposit {
namespace {

using testing_support::Dice;
using testing_support::WarningOf;

constexpr int kCases = 4000;

// --- Compound deposit ---

CompoundDepositInput ValidDeposit(Dice& dice) {
  CompoundDepositInput input;
  input.rateMode = static_cast<int8_t>(dice.Between(kYearly, kMonthly));
  input.depositAmount = dice.ValidReal(core::kAmountLimit);
  input.yearRate = dice.ValidReal(dice.OneIn(4) ? core::kAmountLimit : 20.0);
  input.halfYearRate = dice.ValidReal(dice.OneIn(4) ? core::kAmountLimit : 10.0);
  input.monthRate = dice.ValidReal(dice.OneIn(4) ? core::kAmountLimit : 2.0);
  input.taxRate = dice.ValidReal(100.0);
  input.startYear = dice.ValidInt(0, 3000);
  input.startMonth = dice.ValidInt(1, 12);
  // Mostly a maturity after the deposit, so that most cases compute.
  input.endYear = dice.OneIn(5)
                      ? dice.ValidInt(0, 3000)
                      : dice.ValidInt(input.startYear, std::min(3000, input.startYear + 60));
  input.endMonth = dice.ValidInt(1, 12);
  return input;
}

TEST(RandomCompoundDeposit, ValidInputsKeepTheInvariants) {
  Dice dice(20240501);
  int computed = 0;
  for (int k = 0; k < kCases; ++k) {
    const CompoundDepositInput input = ValidDeposit(dice);
    SCOPED_TRACE(k);
    const int64_t start = core::MonthIndex(input.startYear, input.startMonth);
    const int64_t end = core::MonthIndex(input.endYear, input.endMonth);
    const auto outcome = ComputeCompoundDeposit(input);
    if (end < start) {
      EXPECT_EQ(WarningOf(outcome), res::text::kPeriodWrong);
      continue;
    }
    const auto* result = std::get_if<CompoundDepositResult>(&outcome);
    if (result == nullptr) {
      EXPECT_EQ(WarningOf(outcome), res::text::kOverflow);
      continue;
    }
    ++computed;
    const int64_t perPeriod = input.rateMode == kYearly       ? 12
                              : input.rateMode == kHalfYearly ? 6
                                                              : 1;
    EXPECT_EQ(result->periodCount, (end - start) / perPeriod);
    EXPECT_GE(result->interest, 0);
    EXPECT_GE(result->tax, 0);
    // Principal, interest and tax make the gross amount, which passed the limit.
    const int64_t principal = static_cast<int64_t>(input.depositAmount * 10000.0);
    EXPECT_LE(principal + result->interest + result->tax, core::kAmountLimit);
    EXPECT_EQ(result->maturityTotal, principal + result->interest);
    // The maturity is a valid month at the end of the last whole period.
    const int64_t maturity = core::MonthIndex(result->endYear, result->endMonth);
    EXPECT_GE(result->endMonth, 1);
    EXPECT_LE(result->endMonth, 12);
    const int64_t lastPeriodEnd = start + int64_t{result->periodCount} * perPeriod;
    EXPECT_EQ(maturity, input.rateMode == kMonthly ? end : lastPeriodEnd);
  }
  EXPECT_GT(computed, kCases / 4);
}

TEST(RandomCompoundDeposit, AnyInputIsSafe) {
  Dice dice(7);
  for (int k = 0; k < kCases; ++k) {
    CompoundDepositInput input = ValidDeposit(dice);
    // Replace some fields with anything at all.
    if (dice.OneIn(2)) input.rateMode = static_cast<int8_t>(dice.Bits());
    if (dice.OneIn(2)) input.depositAmount = dice.AnyReal();
    if (dice.OneIn(2)) input.yearRate = dice.AnyReal();
    if (dice.OneIn(2)) input.halfYearRate = dice.AnyReal();
    if (dice.OneIn(2)) input.monthRate = dice.AnyReal();
    if (dice.OneIn(2)) input.taxRate = dice.AnyReal();
    if (dice.OneIn(2)) input.startYear = dice.AnyInt();
    if (dice.OneIn(2)) input.startMonth = dice.AnyInt();
    if (dice.OneIn(2)) input.endYear = dice.AnyInt();
    if (dice.OneIn(2)) input.endMonth = dice.AnyInt();
    SCOPED_TRACE(k);
    const auto outcome = ComputeCompoundDeposit(input);
    if (const auto* result = std::get_if<CompoundDepositResult>(&outcome)) {
      EXPECT_GE(result->periodCount, 0);
      EXPECT_LE(result->periodCount, kMaxPeriodCount);
      EXPECT_TRUE(core::WithinAmountLimit(result->maturityTotal));
    } else {
      const std::string_view text = WarningOf(outcome);
      EXPECT_TRUE(text == res::text::kPeriodWrong || text == res::text::kOverflow) << text;
    }
  }
}

// --- Savings ---

SavingsInput ValidPlan(Dice& dice) {
  SavingsInput input;
  input.annualYield =
      dice.OneIn(3) ? dice.Magnitude(-20, std::log10(300.0)) : dice.ValidReal(300.0);
  input.taxRate = dice.ValidReal(100.0);
  input.installment = dice.OneIn(4) ? dice.ValidReal(kSavingsFieldLimit) : dice.ValidReal(50.0);
  input.startYear = dice.ValidInt(0, 3000);
  input.startMonth = dice.ValidInt(1, 12);
  input.endYear = dice.OneIn(5)
                      ? dice.ValidInt(0, 3000)
                      : dice.ValidInt(input.startYear, std::min(3000, input.startYear + 40));
  input.endMonth = dice.ValidInt(1, 12);
  return input;
}

// The gross interest of the compound plan by an independent route: each yen of
// the latest installment has earned p_k = x^k - 1 after k months, with
// p_k = x p_(k-1) + i, summed in extended precision.
long double ReferenceCompoundInterestPerYen(long double i, int64_t months) {
  long double earned = 0, sum = 0;
  for (int64_t k = 1; k <= months; ++k) {
    earned = earned * (1 + i) + i;
    sum += earned;
  }
  return sum;
}

TEST(RandomSavings, ValidInputsKeepTheInvariants) {
  Dice dice(31337);
  int computed = 0, compared = 0;
  for (int k = 0; k < kCases; ++k) {
    const SavingsInput input = ValidPlan(dice);
    SCOPED_TRACE(k);
    const int64_t months =
        core::MonthsBetween(input.startYear, input.startMonth, input.endYear, input.endMonth);
    const auto simple = ComputeSimpleSavings(input);
    const auto compound = ComputeCompoundSavings(input);
    if (months < 0) {
      EXPECT_EQ(WarningOf(simple), res::text::kPeriodSettingWrong);
      EXPECT_EQ(WarningOf(compound), res::text::kPeriodSettingWrong);
      continue;
    }
    const double paidIn = std::trunc(static_cast<double>(months) * (input.installment * 10000.0));
    const auto* s = std::get_if<SavingsResult>(&simple);
    const auto* c = std::get_if<SavingsResult>(&compound);
    if (s == nullptr) {
      EXPECT_EQ(WarningOf(simple), res::text::kOverflow);
    }
    if (c == nullptr) {
      EXPECT_EQ(WarningOf(compound), res::text::kOverflow);
    }
    for (const SavingsResult* result : {s, c}) {
      if (result == nullptr) continue;
      ++computed;
      EXPECT_GE(result->interest, 0);
      EXPECT_GE(result->tax, 0);
      EXPECT_LE(result->tax, result->interest + int64_t{result->tax});
      EXPECT_EQ(result->maturityTotal, static_cast<int64_t>(paidIn) + result->interest);
    }
    // Compound interest is never less than simple interest, but for the yen
    // that the two truncations may each drop.
    if (s != nullptr && c != nullptr) {
      EXPECT_GE(int64_t{c->interest} + c->tax + 2, int64_t{s->interest} + s->tax);
    }
    if (c != nullptr && months <= 600) {
      ++compared;
      const long double i = static_cast<long double>(input.annualYield) / 100 / 12;
      const long double a = static_cast<long double>(input.installment * 10000.0);
      const long double gross =
          static_cast<long double>(months) * a + a * ReferenceCompoundInterestPerYen(i, months);
      const long double interest = std::trunc(gross) - static_cast<long double>(paidIn);
      EXPECT_NEAR(static_cast<double>(interest), int64_t{c->interest} + c->tax, 1.0)
          << "yield " << input.annualYield << " months " << months << " yen " << a;
    }
  }
  EXPECT_GT(computed, kCases / 2);
  EXPECT_GT(compared, kCases / 4);
}

TEST(RandomSavings, AnyInputIsSafe) {
  Dice dice(99);
  for (int k = 0; k < kCases; ++k) {
    SavingsInput input = ValidPlan(dice);
    if (dice.OneIn(2)) input.annualYield = dice.AnyReal();
    if (dice.OneIn(2)) input.taxRate = dice.AnyReal();
    if (dice.OneIn(2)) input.installment = dice.AnyReal();
    if (dice.OneIn(2)) input.startYear = dice.AnyInt();
    if (dice.OneIn(2)) input.startMonth = dice.AnyInt();
    if (dice.OneIn(2)) input.endYear = dice.AnyInt();
    if (dice.OneIn(2)) input.endMonth = dice.AnyInt();
    SCOPED_TRACE(k);
    for (const auto& outcome : {ComputeSimpleSavings(input), ComputeCompoundSavings(input)}) {
      if (const auto* result = std::get_if<SavingsResult>(&outcome)) {
        EXPECT_TRUE(core::WithinAmountLimit(int64_t{result->interest}));
        EXPECT_TRUE(std::isfinite(core::ToMan(result->maturityTotal)));
      } else {
        const std::string_view text = WarningOf(outcome);
        EXPECT_TRUE(text == res::text::kPeriodSettingWrong || text == res::text::kTaxRateRange ||
                    text == res::text::kOverflow)
            << text;
      }
    }
  }
}

// --- Dialogs ---

// What a person might type into any field.
std::string AnyText(Dice& dice) {
  static const char* const kTexts[] = {
      "",          "0",          "1",           "12",         "13",         "-1",
      "2000",      "3000",       "3001",        "0.5",        "20",         "100",
      "100.5",     "300.1",      "1e-12",       "1e300",      "1e400",      "-1e308",
      "abc",       "2147483647", "-2147483648", "2147483648", "2147000000", "2147483600",
      "214748.36", " 7 ",        "1,000",       "nan",        "inf",        "0x10"};
  if (dice.OneIn(3)) return std::to_string(dice.Between(-100000, 100000));
  return kTexts[dice.Between(0, std::size(kTexts) - 1)];
}

// A text that the field would accept most of the time.
enum class Field { Year, Month, Amount, Rate, TaxRate };

std::string PlausibleText(Field field, Dice& dice) {
  switch (field) {
    case Field::Year:
      return std::to_string(dice.Between(1990, 2030));
    case Field::Month:
      return std::to_string(dice.Between(1, 12));
    case Field::Amount:
      return std::to_string(dice.Between(0, 2000)) + "." + std::to_string(dice.Between(0, 99));
    case Field::Rate:
      return std::to_string(dice.Between(0, 5)) + "." + std::to_string(dice.Between(0, 9));
    case Field::TaxRate:
      return std::to_string(dice.Between(0, 100));
  }
  return {};
}

struct InputField {
  int id;
  Field field;
};

// Types into the dialog's input fields, mostly what they accept and sometimes
// anything at all, and clicks its buttons and radios (never the close button),
// then leaves as Esc would. `check` runs after every step.
template <class Dialog, class Check>
void PlayRandomly(uint64_t seed, int steps, std::span<const InputField> inputs, Check check) {
  testing_support::TestAutomation automation;
  Dialog dialog;
  Dice dice(seed);
  const res::DialogTemplate* dialogTemplate = res::FindDialogTemplate(dialog.TemplateId());
  ASSERT_NE(dialogTemplate, nullptr);
  int calc = 0;
  std::vector<int> others;  // Clear and the radios
  for (const res::ControlTemplate& control : dialogTemplate->controls) {
    if (control.kind == res::ControlKind::Edit && !(control.flags & res::kReadOnly)) {
      EXPECT_TRUE(std::ranges::any_of(inputs, [&](InputField f) { return f.id == control.id; }))
          << control.id;
    }
    if (control.caption == res::kCaptionCalc)
      calc = control.id;
    else if (control.kind == res::ControlKind::Radio || control.caption == res::kCaptionClear)
      others.push_back(control.id);
  }
  for (int step = 0; step < steps; ++step) {
    const int64_t roll = dice.Between(0, 19);
    const InputField input = inputs[dice.Between(0, inputs.size() - 1)];
    if (roll < 4)
      automation.Click(calc);
    else if (roll == 4)
      automation.Click(others[dice.Between(0, others.size() - 1)]);
    else
      automation.Type(input.id, roll == 5 ? AnyText(dice) : PlausibleText(input.field, dice));
    automation.Then([&](ui::DialogWindow& window) { check(dialog, window); });
  }
  dialog.DoModal();
  const std::set<std::string_view> warnings = {res::text::kOverflow, res::text::kPeriodWrong,
                                               res::text::kPeriodSettingWrong,
                                               res::text::kTaxRateRange};
  for (const auto& box : automation.boxes) {
    if (box.caption == res::text::kCaution) {
      EXPECT_TRUE(warnings.contains(box.text)) << box.text;
    } else {
      EXPECT_EQ(box.caption, res::text::kFieldCaption);
    }
  }
}

TEST(RandomDialogs, CompoundDepositSurvivesAnyTyping) {
  namespace id = res::compound_deposit;
  const InputField inputs[] = {{id::kDepositAmount, Field::Amount}, {id::kStartYear, Field::Year},
                               {id::kStartMonth, Field::Month},     {id::kEndYear, Field::Year},
                               {id::kEndMonth, Field::Month},       {id::kYearRate, Field::Rate},
                               {id::kHalfYearRate, Field::Rate},    {id::kMonthRate, Field::Rate},
                               {id::kTaxRate, Field::TaxRate}};
  std::set<double> totals;
  PlayRandomly<CCompoundDepositDlg>(
      1, 6000, inputs, [&](CCompoundDepositDlg& dialog, ui::DialogWindow& w) {
        totals.insert(dialog.m_dMaturityTotal);
        // The radios always show the mode, whatever failed.
        const int radio = dialog.m_nRateMode == kYearly       ? id::kRadioYear
                          : dialog.m_nRateMode == kHalfYearly ? id::kRadioHalfYear
                                                              : id::kRadioMonth;
        EXPECT_TRUE(w.IsChecked(radio));
        EXPECT_GE(dialog.m_nPeriodCount, 0);
        EXPECT_LE(dialog.m_nPeriodCount, kMaxPeriodCount);
      });
  // Enough of the steps reached a result.
  EXPECT_GT(totals.size(), 100u);
}

// The input fields of a savings dialog; both have the same, with other ids.
std::vector<InputField> SavingsInputs(int installment, int startYear, int startMonth, int endYear,
                                      int endMonth, int annualYield, int taxRate) {
  return {{installment, Field::Amount}, {startYear, Field::Year}, {startMonth, Field::Month},
          {endYear, Field::Year},       {endMonth, Field::Month}, {annualYield, Field::Rate},
          {taxRate, Field::TaxRate}};
}

TEST(RandomDialogs, SavingsSurviveAnyTyping) {
  std::set<double> totals;
  auto check = [&](CSavingsDlg& dialog, ui::DialogWindow&) {
    EXPECT_TRUE(std::isfinite(dialog.m_dMaturityTotal));
    totals.insert(dialog.m_dMaturityTotal);
  };
  {
    namespace id = res::simple_savings;
    PlayRandomly<CSimpleSavingsDlg>(
        2, 6000,
        SavingsInputs(id::kInstallment, id::kStartYear, id::kStartMonth, id::kEndYear,
                      id::kEndMonth, id::kAnnualYield, id::kTaxRate),
        check);
  }
  EXPECT_GT(totals.size(), 100u);
  totals.clear();
  {
    namespace id = res::compound_savings;
    PlayRandomly<CCompoundSavingsDlg>(
        3, 6000,
        SavingsInputs(id::kInstallment, id::kStartYear, id::kStartMonth, id::kEndYear,
                      id::kEndMonth, id::kAnnualYield, id::kTaxRate),
        check);
  }
  EXPECT_GT(totals.size(), 100u);
}

}  // namespace
}  // namespace deposit
