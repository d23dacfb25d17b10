// Checks of the dialog templates against what each window must look like.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string_view>
#include <vector>

#include "res/dialog_template.h"
#include "res/ids.h"
#include "res/templates.h"

namespace res {
namespace {

using enum ControlKind;
namespace sd = simple_deposit;
namespace cd = compound_deposit;
namespace ss = simple_savings;
namespace cs = compound_savings;
namespace ep = equal_payment_loan;
namespace ek = equal_principal_loan;
namespace bc = bonus_loan_calc;
namespace bs = bonus_loan_sim;
namespace pp = prepayment_loan;
namespace vr = variable_rate_loan;
namespace bl = borrowing_limit;
namespace sg = savings_goal;

struct Named {
  int id;
  ControlKind kind;
};

// Each dialog as it must be built: the tab stops in tab order, the named
// controls that Tab skips, the output fields, and the first and last radio of
// each radio group.
struct Expect {
  int id;
  std::string_view title;
  int w, h;
  unsigned style;
  std::vector<Named> tab, untabbed;
  std::vector<int> readOnly;
  std::vector<std::pair<int, int>> radioGroups = {};
};

constexpr int kOk = kIdOk;
const std::vector<Expect> kExpect = {
    {kDlgMenu, "Tavoro V.4　機能メニュー", 249, 170, kMinimizeBox | kAppWindow,
     {{menu::kSimpleDeposit, Button}, {menu::kCompoundDeposit, Button},
      {menu::kSimpleSavings, Button}, {menu::kCompoundSavings, Button},
      {menu::kEqualPaymentLoan, Button}, {menu::kEqualPrincipalLoan, Button},
      {menu::kBonusLoanCalc, Button}, {menu::kBonusLoanSim, Button},
      {menu::kPrepaymentLoan, Button}, {menu::kVariableRateLoan, Button},
      {menu::kBorrowingLimit, Button}, {menu::kSavingsGoal, Button}, {menu::kExit, Button},
      {menu::kVersion, Button}}, {}, {}},
    {kDlgAbout, "ﾊﾞｰｼﾞｮﾝ情報 Tavoro V.4", 230, 83, 0u, {{kOk, Button}}, {}, {}},
    {kDlgSimpleDeposit, "Tavoro V.4　単利預金利息計算", 257, 213, kMinimizeBox,
     {{sd::kDepositAmount, Edit}, {sd::kStartYear, Edit}, {sd::kStartMonth, Edit},
      {sd::kEndYear, Edit}, {sd::kEndMonth, Edit}, {sd::kRadioAnnualRate, Radio},
      {sd::kAnnualRate, Edit}, {sd::kRadioDailyRate, Radio}, {sd::kDailyRate, Edit},
      {sd::kTaxRate, Edit}, {sd::kCalc, Button}, {sd::kClear, Button}, {kOk, Button},
      {sd::kTax, Edit}, {sd::kMaturityTotal, Edit}},
     {{sd::kInterest, Edit}}, {sd::kInterest, sd::kTax, sd::kMaturityTotal},
     {{sd::kRadioAnnualRate, sd::kRadioDailyRate}}},
    {kDlgCompoundDeposit, "Tavoro V.4　複利預金利息計算", 258, 213, kMinimizeBox,
     {{cd::kDepositAmount, Edit}, {cd::kStartYear, Edit}, {cd::kStartMonth, Edit},
      {cd::kEndYear, Edit}, {cd::kEndMonth, Edit}, {cd::kRadioYear, Radio}, {cd::kYearRate, Edit},
      {cd::kRadioHalfYear, Radio}, {cd::kHalfYearRate, Edit}, {cd::kRadioMonth, Radio},
      {cd::kMonthRate, Edit}, {cd::kTaxRate, Edit}, {cd::kCalc, Button}, {cd::kClear, Button},
      {kOk, Button}},
     {{cd::kTax, Edit}, {cd::kPeriodCount, Edit}, {cd::kInterest, Edit},
      {cd::kMaturityTotal, Edit}},
     {cd::kTax, cd::kPeriodCount, cd::kInterest, cd::kMaturityTotal},
     {{cd::kRadioYear, cd::kRadioMonth}}},
    {kDlgSimpleSavings, "Tavoro V.4　単利積立預金利息計算", 263, 209, kMinimizeBox,
     {{ss::kInstallment, Edit}, {ss::kStartYear, Edit}, {ss::kStartMonth, Edit},
      {ss::kEndYear, Edit}, {ss::kEndMonth, Edit}, {ss::kAnnualYield, Edit}, {ss::kTaxRate, Edit},
      {ss::kCalc, Button}, {ss::kClear, Button}, {kOk, Button}, {ss::kTax, Edit},
      {ss::kInterest, Edit}, {ss::kMaturityTotal, Edit}},
     {}, {ss::kTax, ss::kInterest, ss::kMaturityTotal}},
    {kDlgCompoundSavings, "Tavoro V.4　複利積立預金利息計算", 262, 205, kMinimizeBox,
     {{cs::kInstallment, Edit}, {cs::kStartYear, Edit}, {cs::kStartMonth, Edit},
      {cs::kEndYear, Edit}, {cs::kEndMonth, Edit}, {cs::kAnnualYield, Edit}, {cs::kTaxRate, Edit},
      {cs::kCalc, Button}, {cs::kClear, Button}, {kOk, Button}, {cs::kInterest, Edit},
      {cs::kTax, Edit}, {cs::kMaturityTotal, Edit}},
     {}, {cs::kTax, cs::kInterest, cs::kMaturityTotal}},
    {kDlgEqualPaymentLoan, "Tavoro V.4　元利均等返済シュミレーション", 307, 239, kMinimizeBox,
     {{ep::kLoanAmount, Edit}, {ep::kPaymentCount, Edit}, {ep::kLoanYear, Edit},
      {ep::kLoanMonth, Edit}, {ep::kRepayStartYear, Edit}, {ep::kRepayStartMonth, Edit},
      {ep::kRadioAnnualRate, Radio}, {ep::kAnnualRate, Edit}, {ep::kRadioMonthRate, Radio},
      {ep::kMonthRate, Edit}, {ep::kCalc, Button}, {ep::kClear, Button}, {kOk, Button},
      {ep::kSave, Button}, {ep::kList, List}, {ep::kTotalInterest, Edit},
      {ep::kTotalPrincipal, Edit}, {ep::kGraph, Button}},
     {}, {ep::kTotalInterest, ep::kTotalPrincipal}, {{ep::kRadioAnnualRate, ep::kRadioMonthRate}}},
    {kDlgEqualPrincipalLoan, "Tavoro V.4　元金均等返済シュミレーション", 306, 237, kMinimizeBox,
     {{ek::kLoanAmount, Edit}, {ek::kPaymentCount, Edit}, {ek::kLoanYear, Edit},
      {ek::kLoanMonth, Edit}, {ek::kRepayStartYear, Edit}, {ek::kRepayStartMonth, Edit},
      {ek::kRadioAnnualRate, Radio}, {ek::kAnnualRate, Edit}, {ek::kRadioMonthRate, Radio},
      {ek::kMonthRate, Edit}, {ek::kCalc, Button}, {ek::kClear, Button}, {kOk, Button},
      {ek::kSave, Button}, {ek::kList, List}, {ek::kTotalInterest, Edit},
      {ek::kTotalPayment, Edit}, {ek::kGraph, Button}},
     {}, {ek::kTotalInterest, ek::kTotalPayment}, {{ek::kRadioAnnualRate, ek::kRadioMonthRate}}},
    // The four outputs of 133 are taken in reading order.
    {kDlgBonusLoanCalc, "Tavoro V.4　ボーナス併用元利均等計算", 275, 211, kMinimizeBox,
     {{bc::kLoanAmount, Edit}, {bc::kYears, Edit}, {bc::kBonusCount, Edit},
      {bc::kAnnualRate, Edit}, {bc::kBonusPortion, Edit}, {bc::kCalc, Button},
      {bc::kClear, Button}, {kOk, Button}, {bc::kMonthlyPayment, Edit},
      {bc::kBonusIncrease, Edit}, {bc::kBonusMonthPayment, Edit}, {bc::kTotalPayment, Edit}},
     {}, {bc::kMonthlyPayment, bc::kBonusIncrease, bc::kBonusMonthPayment, bc::kTotalPayment}},
    {kDlgBonusLoanSim, "Tavoro V.4　ボーナス併用元利均等返済シミュレーション", 311, 241,
     kMinimizeBox,
     {{bs::kLoanAmount, Edit}, {bs::kPeriod, Edit}, {bs::kBonusCount, Edit},
      {bs::kBonusMonth1, Edit}, {bs::kBonusMonth2, Edit}, {bs::kBonusMonth3, Edit},
      {bs::kBonusMonthPayment, Edit}, {bs::kAnnualRate, Edit}, {bs::kLoanYear, Edit},
      {bs::kLoanMonth, Edit}, {bs::kRepayStartYear, Edit}, {bs::kRepayStartMonth, Edit},
      {bs::kCalc, Button}, {bs::kClear, Button}, {kOk, Button}, {bs::kSave, Button},
      {bs::kTotalPayment, Edit}, {bs::kList, List}, {bs::kTotalInterest, Edit},
      {bs::kGraph, Button}},
     {{bs::kRadioYears, Radio}, {bs::kRadioMonths, Radio}},
     {bs::kTotalInterest, bs::kTotalPayment}, {{bs::kRadioYears, bs::kRadioMonths}}},
    {kDlgPrepaymentLoan, "Tavoro V.4　繰上げ返済シミュレーション", 307, 336, kMinimizeBox,
     {{pp::kLoanAmount, Edit}, {pp::kPaymentCount, Edit}, {pp::kLoanYear, Edit},
      {pp::kLoanMonth, Edit}, {pp::kRepayStartYear, Edit}, {pp::kRepayStartMonth, Edit},
      {pp::kRadioAnnualRate, Radio}, {pp::kAnnualRate, Edit}, {pp::kRadioMonthRate, Radio},
      {pp::kMonthRate, Edit}, {pp::kRadioShortenTerm, Radio}, {pp::kRadioLowerInstallment, Radio},
      {pp::kPrepayAfter1, Edit}, {pp::kPrepayAmount1, Edit}, {pp::kPrepayAfter2, Edit},
      {pp::kPrepayAmount2, Edit}, {pp::kPrepayAfter3, Edit}, {pp::kPrepayAmount3, Edit},
      {pp::kCalc, Button}, {pp::kClear, Button}, {kOk, Button}, {pp::kSave, Button},
      {pp::kList, List}, {pp::kTotalInterest, Edit}, {pp::kTotalPrincipal, Edit},
      {pp::kTotalPrepaid, Edit}, {pp::kInterestSaved, Edit}, {pp::kRepaymentCount, Edit},
      {pp::kFinalInstallment, Edit}, {pp::kGraph, Button}},
     {},
     {pp::kTotalInterest, pp::kTotalPrincipal, pp::kTotalPrepaid, pp::kInterestSaved,
      pp::kRepaymentCount, pp::kFinalInstallment},
     {{pp::kRadioAnnualRate, pp::kRadioMonthRate},
      {pp::kRadioShortenTerm, pp::kRadioLowerInstallment}}},
    // Ids 1300 to 1336 in tab order, the close button after Clear.
    {kDlgVariableRateLoan, "Tavoro V.4　金利変動シミュレーション", 406, 322, kMinimizeBox,
     [] {
       std::vector<Named> tab;
       for (int id = vr::kLoanAmount; id <= vr::kLastPayment; ++id) {
         const bool radio = id >= vr::kRadioDayCounted && id <= vr::kRadioFiveYearRule;
         const bool button = id == vr::kCalc || id == vr::kClear || id == vr::kSave;
         tab.push_back({id, radio ? Radio : button ? Button : id == vr::kList ? List : Edit});
         if (id == vr::kClear) tab.push_back({kOk, Button});
       }
       tab.push_back({vr::kGraph, Button});
       return tab;
     }(),
     {},
     {vr::kTotalPayment, vr::kTotalInterest, vr::kSettledUnpaid, vr::kFirstUnpaidNumber,
      vr::kLargestInstallment, vr::kLastPayment},
     {{vr::kRadioDayCounted, vr::kRadioTwelfth},
      {vr::kRadioReviewAtEachChange, vr::kRadioFiveYearRule}}},
    {kDlgBorrowingLimit, "Tavoro V.4　借入可能額シミュレーション", 325, 197, kMinimizeBox,
     {{bl::kAnnualIncome, Edit}, {bl::kRadioFlat35, Radio}, {bl::kRadioTypedRatio, Radio},
      {bl::kBurdenRatio, Edit}, {bl::kScreeningRate, Edit}, {bl::kPaymentCount, Edit},
      {bl::kOtherRepayments, Edit}, {bl::kCalc, Button}, {bl::kClear, Button}, {kOk, Button},
      {bl::kAppliedRatio, Edit}, {bl::kMonthlyBudget, Edit}, {bl::kBorrowingLimit, Edit},
      {bl::kInstallment, Edit}},
     {}, {bl::kAppliedRatio, bl::kMonthlyBudget, bl::kBorrowingLimit, bl::kInstallment},
     {{bl::kRadioFlat35, bl::kRadioTypedRatio}}},
    {kDlgSavingsGoal, "Tavoro V.4　目標積立額シミュレーション", 289, 211, kMinimizeBox,
     {{sg::kGoal, Edit}, {sg::kRadioSimple, Radio}, {sg::kRadioCompound, Radio},
      {sg::kStartYear, Edit}, {sg::kStartMonth, Edit}, {sg::kEndYear, Edit}, {sg::kEndMonth, Edit},
      {sg::kAnnualYield, Edit}, {sg::kTaxRate, Edit}, {sg::kCalc, Button}, {sg::kClear, Button},
      {kOk, Button}, {sg::kInstallment, Edit}, {sg::kMaturityTotal, Edit}, {sg::kPaidIn, Edit},
      {sg::kInterest, Edit}},
     {}, {sg::kInstallment, sg::kMaturityTotal, sg::kPaidIn, sg::kInterest},
     {{sg::kRadioSimple, sg::kRadioCompound}}},
    {kDlgGraph, "Tavoro V.4　返済グラフ", 420, 260, kResizable,
     {{graph::kChart, Chart}, {graph::kSaveImage, Button}, {kOk, Button}}, {}, {}},
};

const DialogTemplate& Get(int id) {
  const DialogTemplate* d = FindDialogTemplate(id);
  EXPECT_NE(d, nullptr) << id;
  return d ? *d : kMenuDialog;
}

const ControlTemplate* Find(const DialogTemplate& d, int id, std::string_view caption = {}) {
  for (const ControlTemplate& c : d.controls) {
    // A static is found by its caption; an empty caption finds the first frame.
    const bool hit = id != kIdStatic ? c.id == id
                                     : c.caption == caption && (c.kind == Group) == caption.empty();
    if (hit) return &c;
  }
  return nullptr;
}

bool Inside(const ControlTemplate& a, const ControlTemplate& o) {
  return a.x >= o.x && a.y >= o.y && a.x + a.w <= o.x + o.w && a.y + a.h <= o.y + o.h;
}

TEST(DialogTemplates, EveryDialogIsFoundByItsId) {
  EXPECT_EQ(AllDialogTemplates().size(), kExpect.size());
  for (const Expect& e : kExpect) ASSERT_NE(FindDialogTemplate(e.id), nullptr) << e.id;
  for (const DialogTemplate* d : AllDialogTemplates()) EXPECT_EQ(FindDialogTemplate(d->id), d);
  EXPECT_EQ(FindDialogTemplate(101), nullptr);
}

// Title, size, font and frame; every named control with its kind; unique ids, with
// statics, frames and the icon sharing -1; the tab stops in order; read-only outputs.
TEST(DialogTemplates, EachDialogHasItsTitleSizeAndControls) {
  for (const Expect& e : kExpect) {
    const DialogTemplate& d = Get(e.id);
    EXPECT_TRUE(d.title == e.title && d.w == e.w && d.h == e.h && d.style == e.style) << e.id;
    EXPECT_TRUE(d.font == "ＭＳ Ｐゴシック" && d.pointSize == 9) << e.id;
    std::set<int> named, seen, readOnly;
    std::vector<int> tab, expectedTab;
    for (const auto& list : {e.tab, e.untabbed}) {
      for (const Named& n : list) {
        named.insert(n.id);
        const ControlTemplate* c = Find(d, n.id);
        ASSERT_NE(c, nullptr) << e.id << " lacks " << n.id;
        EXPECT_EQ(c->kind, n.kind) << e.id << " " << n.id;
      }
    }
    for (const Named& n : e.tab) expectedTab.push_back(n.id);
    for (const ControlTemplate& c : d.controls) {
      const bool isStatic = c.kind == Static || c.kind == Group || c.kind == Icon;
      EXPECT_EQ(isStatic, c.id == kIdStatic) << e.id << " " << c.caption;
      EXPECT_TRUE(isStatic || (seen.insert(c.id).second && named.count(c.id))) << e.id << c.id;
      if (c.flags & kTabStop) tab.push_back(c.id);
      if (c.flags & kReadOnly) readOnly.insert(c.id);
    }
    EXPECT_EQ(tab, expectedTab) << "dialog " << e.id;
    EXPECT_EQ(readOnly, std::set<int>(e.readOnly.begin(), e.readOnly.end())) << e.id;
  }
}

// Calculators: every push button is a default button and a tab stop, in the column
// Calc, Clear, close, Save (and under it グラフ) at the upper right, and Calc is
// the one that Enter presses. Menu buttons are plain tab stops.
TEST(DialogTemplates, PushButtons) {
  const std::string_view kCaptions[] = {"計算", "クリア", "終了", "ファイルに保存", "グラフ"};
  for (const DialogTemplate* d : AllDialogTemplates()) {
    std::vector<const ControlTemplate*> buttons;
    for (const ControlTemplate& c : d->controls) {
      if (c.kind == Button) buttons.push_back(&c);
    }
    for (size_t i = 0; i < buttons.size(); ++i) {
      const ControlTemplate& b = *buttons[i];
      // The two-line loan buttons of the menu are the only multi-line ones.
      EXPECT_EQ((b.flags & kMultiline) != 0, d->id == kDlgMenu && b.h == 19) << b.caption;
      if (d->id == kDlgMenu) {
        EXPECT_EQ(b.flags & (kDefault | kTabStop), unsigned{kTabStop}) << b.caption;
        continue;
      }
      EXPECT_EQ(b.flags & (kDefault | kTabStop), unsigned{kDefault | kTabStop}) << d->id;
      if (d->id == kDlgAbout || d->id == kDlgGraph) continue;
      EXPECT_EQ(d->defaultButton, buttons[0]->id) << d->id;
      ASSERT_LT(i, 5u) << d->id;
      EXPECT_EQ(b.caption, kCaptions[i]) << d->id;
      EXPECT_EQ(b.id == kIdOk, i == 2) << d->id;
      EXPECT_EQ(b.x, buttons[0]->x) << d->id;
      EXPECT_TRUE(b.w == 50 && b.h == 14 && b.x > d->w / 2) << d->id;
      if (i > 0) {
        EXPECT_GT(b.y, buttons[i - 1]->y) << d->id;
      }
    }
  }
}

// Group starts, which bound where the arrow keys go: the first control; the
// first radio of each radio group and the control after its last radio; the
// first push button of each run of push buttons and the control after the run.
// No other control, so that no arrow key ever reaches a label.
TEST(DialogTemplates, GroupStartsKeepRadiosAndButtonsApart) {
  for (const Expect& e : kExpect) {
    const auto c = Get(e.id).controls;
    std::set<size_t> expected{0}, actual;
    for (size_t i = 0; i < c.size(); ++i) {
      const bool button = c[i].kind == Button;
      const bool afterButton = i > 0 && c[i - 1].kind == Button;
      if (button != afterButton) expected.insert(i);
      if (c[i].flags & kGroupStart) actual.insert(i);
    }
    size_t radios = 0;
    for (auto [first, last] : e.radioGroups) {
      const size_t begin = static_cast<size_t>(Find(Get(e.id), first) - c.data());
      const size_t end = static_cast<size_t>(Find(Get(e.id), last) - c.data()) + 1;
      expected.insert({begin, end});
      for (size_t i = begin; i < end; ++i) radios += c[i].kind == Radio;
    }
    // Every radio belongs to one of the groups.
    EXPECT_EQ(radios, static_cast<size_t>(std::count_if(
                          c.begin(), c.end(), [](auto& x) { return x.kind == Radio; })))
        << "dialog " << e.id;
    expected.erase(c.size());
    EXPECT_EQ(actual, expected) << "dialog " << e.id;
  }
}

// Geometry: inside the dialog, no overlaps outside frames, a label just before an
// edit lies left of or above it, a unit just after it on its row lies to its right.
TEST(DialogTemplates, Geometry) {
  for (const DialogTemplate* d : AllDialogTemplates()) {
    const auto c = d->controls;
    for (size_t i = 0; i < c.size(); ++i) {
      const ControlTemplate& a = c[i];
      EXPECT_TRUE(a.w > 0 && a.h > 0 && a.x >= 0 && a.y >= 0 && a.x + a.w <= d->w &&
                  a.y + a.h <= d->h) << d->id << " " << a.id << a.caption;
      for (size_t j = i + 1; j < c.size(); ++j) {
        const ControlTemplate& b = c[j];
        const bool overlap =
            a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
        EXPECT_FALSE(overlap && a.kind != Group && b.kind != Group)
            << d->id << a.caption << " / " << b.caption;
      }
      if (a.kind != Edit) continue;
      if (i > 0 && (c[i - 1].kind == Static || c[i - 1].kind == Radio)) {
        const ControlTemplate& l = c[i - 1];
        EXPECT_TRUE(l.x + l.w <= a.x || l.y + l.h <= a.y) << d->id << " label " << l.caption;
      }
      if (i + 1 < c.size() && c[i + 1].kind == Static) {
        const ControlTemplate& u = c[i + 1];
        const bool sameRow = u.y < a.y + a.h && a.y < u.y + u.h;
        EXPECT_TRUE(!sameRow || u.x >= a.x + a.w) << d->id << " unit " << u.caption;
      }
    }
  }
}

// Etched frames have no caption, precede what they hold, and hold every output of a
// dialog without a table, and in 146 the period radios and the bonus months.
TEST(DialogTemplates, EtchedFrames) {
  for (const DialogTemplate* d : AllDialogTemplates()) {
    const auto c = d->controls;
    const bool table = std::any_of(c.begin(), c.end(), [](auto& x) { return x.kind == List; });
    for (size_t i = 0; i < c.size(); ++i) {
      const bool bonusMonth = c[i].id == bs::kBonusMonth1 || c[i].id == bs::kBonusMonth2 ||
                              c[i].id == bs::kBonusMonth3;
      const bool framed = ((c[i].flags & kReadOnly) && !table) ||
                          (d->id == kDlgBonusLoanSim && (c[i].kind == Radio || bonusMonth));
      bool inFrame = false;
      for (size_t g = 0; g < c.size(); ++g) {
        if (c[g].kind != Group || !Inside(c[i], c[g]) || g == i) continue;
        inFrame = true;
        EXPECT_TRUE(c[g].caption.empty() && (g < i || c[i].kind == Static)) << d->id << c[i].id;
      }
      if (framed) {
        EXPECT_TRUE(inFrame) << d->id << " " << c[i].id;
      }
    }
  }
}

struct Place {
  int dialog, id;
  std::string_view caption;  // the control's caption, or how a static is found
  int x, y, w, h;            // x < 0: position not checked; w < 0: only the corner is given
};

TEST(DialogTemplates, CaptionsAndPositions) {
  const Place kPlaces[] = {
      {kDlgMenu, menu::kSimpleDeposit, "単利預金利息計算", 12, 22, 74, 14},
      {kDlgMenu, menu::kCompoundSavings, "複利積立預金利息計算", 95, 43, 74, 14},
      {kDlgMenu, menu::kEqualPaymentLoan, "元利均等返済\nシミュレーション", 12, 77, 74, 19},
      {kDlgMenu, menu::kEqualPrincipalLoan, "元金均等返済\nシミュレーション", 94, 77, 74, 19},
      {kDlgMenu, menu::kBonusLoanCalc, "ボーナス併用\n元利均等計算", 12, 103, 74, 19},
      {kDlgMenu, menu::kBonusLoanSim, "ボーナス併用元利均等返済シミュレーション", 94, 103, 74, 19},
      {kDlgMenu, menu::kPrepaymentLoan, "繰上げ返済\nシミュレーション", 179, 77, 62, 19},
      {kDlgMenu, menu::kVariableRateLoan, "金利変動\nシミュレーション", 179, 103, 62, 19},
      {kDlgMenu, menu::kExit, "終了", 179, 9, 44, 14},
      {kDlgMenu, menu::kVersion, "バージョン", 179, 32, 44, 14},
      {kDlgMenu, kIdStatic, "預入利息計算", 63, 9, -1, -1},
      {kDlgMenu, kIdStatic, "ローン利息計算", 61, 65, -1, -1},
      {kDlgAbout, kIdStatic, "Tavoro Millenium Version 4.0", -1, 0, 0, 0},
      {kDlgSimpleDeposit, sd::kDepositAmount, "", 67, 13, 56, 17},
      {kDlgSimpleDeposit, sd::kRadioAnnualRate, "年利率（％）", 16, 93, -1, -1},
      {kDlgSimpleDeposit, sd::kRadioDailyRate, "日歩（円）", 16, 113, -1, -1},
      {kDlgSimpleDeposit, sd::kDailyRate, "", 66, 108, 56, 17},
      {kDlgSimpleDeposit, sd::kCalc, "計算", 197, 14, 50, 14},
      {kDlgSimpleDeposit, kIdStatic, "", 7, 157, 243, 49},
      {kDlgSimpleDeposit, sd::kMaturityTotal, "", 175, 185, 52, 17},
      {kDlgCompoundDeposit, cd::kRadioYear, "１年複利率（％）", 11, 91, -1, -1},
      {kDlgCompoundDeposit, cd::kRadioMonth, "一月複利率（％）", 11, 137, -1, -1},
      {kDlgCompoundDeposit, cd::kTaxRate, "", 186, 133, 53, 17},
      {kDlgCompoundDeposit, kIdStatic, "利息にかかる税率（％）", 143, 134, -1, -1},
      {kDlgCompoundDeposit, kIdStatic, "（現在２０％）", 194, 121, -1, -1},
      {kDlgCompoundDeposit, cd::kPeriodCount, "", 177, 164, 19, 17},
      {kDlgCompoundDeposit, kIdStatic, "", 7, 159, 244, 49},
      {kDlgSimpleSavings, kIdStatic, "＊積立は月一回とします", 78, 87, -1, -1},
      {kDlgSimpleSavings, ss::kMaturityTotal, "", 175, 178, 56, 19},
      {kDlgCompoundSavings, cs::kClear, "クリア", 189, 39, 50, 14},
      {kDlgCompoundSavings, cs::kTax, "", 49, 151, 56, 19},
      {kDlgCompoundSavings, kIdStatic, "", 7, 146, 248, 51},
      {kDlgEqualPaymentLoan, ep::kRadioMonthRate, "月利率（％）", -1, 0, 0, 0},
      {kDlgEqualPaymentLoan, ep::kList, "", 7, 149, 293, 83},
      {kDlgEqualPrincipalLoan, ek::kRadioAnnualRate, "年利率（％）", -1, 0, 0, 0},
      {kDlgEqualPrincipalLoan, ek::kList, "", 6, 150, 293, 80},
      {kDlgBonusLoanCalc, bc::kBonusPortion, "", 64, 125, 63, 16},
      {kDlgBonusLoanCalc, bc::kBonusIncrease, "", 200, 155, 49, 17},
      {kDlgBonusLoanCalc, kIdStatic, "", 7, 150, 261, 55},
      {kDlgBonusLoanSim, bs::kRadioYears, "年単位", -1, 0, 0, 0},
      {kDlgBonusLoanSim, bs::kRadioMonths, "月単位", -1, 0, 0, 0},
      {kDlgBonusLoanSim, bs::kList, "", 8, 154, 297, 80},
      {kDlgBonusLoanSim, kIdStatic, "（２or３）", -1, 0, 0, 0},
      {kDlgPrepaymentLoan, pp::kRadioShortenTerm, "期間短縮型", -1, 0, 0, 0},
      {kDlgPrepaymentLoan, pp::kRadioLowerInstallment, "返済額軽減型", -1, 0, 0, 0},
      {kDlgPrepaymentLoan, pp::kList, "", 7, 246, 293, 83},
      {kDlgVariableRateLoan, vr::kRadioDayCounted, "日割（日数で計算）", -1, 0, 0, 0},
      {kDlgVariableRateLoan, vr::kRadioTwelfth, "月割（年利率÷12）", -1, 0, 0, 0},
      {kDlgVariableRateLoan, vr::kRadioReviewAtEachChange, "金利が変わるたびに見直す", -1, 0, 0, 0},
      {kDlgVariableRateLoan, vr::kRadioFiveYearRule, "5年ルール・125%ルール", -1, 0, 0, 0},
  };
  for (const Place& p : kPlaces) {
    const ControlTemplate* c = Find(Get(p.dialog), p.id, p.caption);
    ASSERT_NE(c, nullptr) << p.dialog << " " << p.id << " " << p.caption;
    EXPECT_TRUE(p.caption.empty() || c->caption == p.caption) << p.dialog << " " << p.id;
    EXPECT_TRUE(p.x < 0 || (c->x == p.x && c->y == p.y)) << p.dialog << " " << p.caption;
    EXPECT_TRUE(p.x < 0 || p.w < 0 || (c->w == p.w && c->h == p.h)) << p.dialog << " " << p.id;
  }
}

// Labels stand immediately before the control they name, units immediately after it.
TEST(DialogTemplates, LabelsAndUnitsAroundTheirControls) {
  struct Around { int dialog, id; std::string_view before, after; };
  const Around kAround[] = {
      {kDlgSimpleDeposit, sd::kDepositAmount, "預金金額（万円）", "万円"},
      {kDlgSimpleDeposit, sd::kDailyRate, "日歩（円）", "円／（万円×日）"},
      {kDlgSimpleDeposit, sd::kInterest, "利息金額（円）", "円"},
      {kDlgCompoundDeposit, cd::kEndYear, "満了年月 　　西暦", "年"},
      {kDlgSimpleSavings, ss::kInterest, "給付補填金", "円"},
      {kDlgCompoundSavings, cs::kMaturityTotal, "満期受取金(万円)", "万円"},
      {kDlgEqualPaymentLoan, ep::kPaymentCount, "返済回数", "回返済"},
      {kDlgEqualPaymentLoan, ep::kRepayStartYear, "返済開始年月西暦", "年"},
      {kDlgEqualPrincipalLoan, ek::kTotalPayment, "支払合計（万円）", ""},
      {kDlgBonusLoanCalc, bc::kBonusCount, "年", "回"},
      {kDlgBonusLoanCalc, bc::kBonusPortion, "借入金額のうちボーナスでの返済分金額（万円）",
       "万円"},
      {kDlgBonusLoanSim, bs::kPeriod, "返済期間", "年or月"},
      {kDlgBonusLoanSim, bs::kLoanYear, "借入年月　西暦", "年"},
      {kDlgBonusLoanSim, bs::kTotalInterest, "支払利息（万円）", ""},
      {kDlgPrepaymentLoan, pp::kPrepayAfter2, "繰上げ返済２", "回目の返済の後に"},
      {kDlgPrepaymentLoan, pp::kPrepayAmount2, "回目の返済の後に", "万円"},
      {kDlgPrepaymentLoan, pp::kInterestSaved, "利息軽減額（万円）", ""},
      {kDlgPrepaymentLoan, pp::kFinalInstallment, "最終の毎月返済額（円）", ""},
      {kDlgVariableRateLoan, vr::kAnnualRate, "当初の年利率（％）", "％"},
      {kDlgVariableRateLoan, vr::kChangeFrom8, "％", "回目から"},
      {kDlgVariableRateLoan, vr::kChangeRate8, "回目から", "％"},
  };
  for (const Around& a : kAround) {
    const auto c = Get(a.dialog).controls;
    const ControlTemplate* e = Find(Get(a.dialog), a.id);
    ASSERT_TRUE(e != nullptr && e != c.data()) << a.dialog << " " << a.id;
    EXPECT_EQ(e[-1].caption, a.before) << a.dialog << " " << a.id;
    if (!a.after.empty()) {
      ASSERT_NE(e + 1, c.data() + c.size());
      EXPECT_EQ(e[1].caption, a.after) << a.dialog << " " << a.id;
    }
  }
}

TEST(DialogTemplates, AboutBoxIconLeftOkUpperRight) {
  const DialogTemplate& d = Get(kDlgAbout);
  const auto icon =
      std::find_if(d.controls.begin(), d.controls.end(), [](auto& c) { return c.kind == Icon; });
  ASSERT_NE(icon, d.controls.end());
  const ControlTemplate* ok = Find(d, kIdOk);
  const ControlTemplate* contact = Find(d, kIdStatic, "バグ  ご要望の連絡先");
  ASSERT_TRUE(ok && contact);
  int below = 0;
  for (const ControlTemplate& c : d.controls) {
    if (c.kind != Static) continue;
    EXPECT_TRUE(c.x >= icon->x + icon->w && c.x + c.w <= ok->x) << c.caption;
    below += c.y > contact->y;
  }
  EXPECT_TRUE(below == 1 || below == 2);
  EXPECT_LT(ok->y, d.h / 3);
}

}  // namespace
}  // namespace res
