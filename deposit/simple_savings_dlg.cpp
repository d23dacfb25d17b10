#include "deposit/simple_savings_dlg.h"

#include "deposit/simple_savings.h"
#include "res/ids.h"

namespace deposit {
namespace {

namespace id = res::simple_savings;

// Id 3 is Calc here.
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

CSimpleSavingsDlg::CSimpleSavingsDlg()
    : CSavingsDlg(res::kDlgSimpleSavings, kControls, ComputeSimpleSavings) {}

}  // namespace deposit
