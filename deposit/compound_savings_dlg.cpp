#include "deposit/compound_savings_dlg.h"

#include "deposit/compound_savings.h"
#include "res/ids.h"

namespace deposit {
namespace {

namespace id = res::compound_savings;

// Id 3 is Clear here.
constexpr SavingsControls kControls{
    .calc = id::kCalc,
    .clear = id::kClear,
    .annualYield = id::kAnnualYield,
    .interest = id::kInterest,
    .tax = id::kTax,
    .taxRate = id::kTaxRate,
    .endYear = id::kEndYear,
    .endMonth = id::kEndMonth,
    .startYear = id::kStartYear,
    .startMonth = id::kStartMonth,
    .installment = id::kInstallment,
    .maturityTotal = id::kMaturityTotal,
};

}  // namespace

CCompoundSavingsDlg::CCompoundSavingsDlg()
    : CSavingsDlg(res::kDlgCompoundSavings, kControls, ComputeCompoundSavings) {}

}  // namespace deposit
