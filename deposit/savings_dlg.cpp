#include "deposit/savings_dlg.h"

#include "core/month_index.h"
#include "core/units.h"
#include "ui/data_exchange.h"

namespace deposit {

CSavingsDlg::CSavingsDlg(int templateId, const res::SavingsIds& ids, Compute compute)
    : CCalculatorDlg(templateId), ids_(ids), compute_(compute) {
  SetInitialValues();
  OnClicked(ids_.calc, &CSavingsDlg::OnCalc);
  OnClicked(ids_.clear, &CSavingsDlg::OnClear);
}

void CSavingsDlg::SetInitialValues() {
  m_dAnnualYield = 0.0;
  m_nInterest = 0;
  m_nTax = 0;
  m_dTaxRate = 0.0;
  m_nEndYear = 0;
  m_nEndMonth = 1;
  m_nStartYear = 0;
  m_nStartMonth = 1;
  m_dInstallment = 0.0;
  m_dMaturityTotal = 0.0;
}

void CSavingsDlg::DoDataExchange(ui::CDataExchange& dx) {
  constexpr double kLimit = kSavingsFieldLimit;
  const res::SavingsIds& id = ids_;
  CCalculatorDlg::DoDataExchange(dx);
  DDX_Text(dx, id.annualYield, m_dAnnualYield);
  DDV_MinMaxDouble(dx, m_dAnnualYield, 0.0, kMaxAnnualYield);
  DDX_Text(dx, id.interest, m_nInterest);
  DDV_MinMaxInt(dx, m_nInterest, 0, kSavingsFieldLimit);
  DDX_Text(dx, id.tax, m_nTax);
  DDV_MinMaxInt(dx, m_nTax, 0, kSavingsFieldLimit);
  DDX_Text(dx, id.taxRate, m_dTaxRate);
  DDV_MinMaxDouble(dx, m_dTaxRate, 0.0, kMaxTaxRate);
  DDX_Text(dx, id.endYear, m_nEndYear);
  DDV_MinMaxInt(dx, m_nEndYear, core::kMinYear, core::kMaxYear);
  DDX_Text(dx, id.endMonth, m_nEndMonth);
  DDV_MinMaxInt(dx, m_nEndMonth, core::kMinMonth, core::kMaxMonth);
  DDX_Text(dx, id.startYear, m_nStartYear);
  DDV_MinMaxInt(dx, m_nStartYear, core::kMinYear, core::kMaxYear);
  DDX_Text(dx, id.startMonth, m_nStartMonth);
  DDV_MinMaxInt(dx, m_nStartMonth, core::kMinMonth, core::kMaxMonth);
  DDX_Text(dx, id.installment, m_dInstallment);
  DDV_MinMaxDouble(dx, m_dInstallment, 0.0, kLimit);
  DDX_Text(dx, id.maturityTotal, m_dMaturityTotal);
  DDV_MinMaxDouble(dx, m_dMaturityTotal, 0.0, kLimit);
}

SavingsInput CSavingsDlg::Input() const {
  SavingsInput input;
  input.annualYield = m_dAnnualYield;
  input.taxRate = m_dTaxRate;
  input.installment = m_dInstallment;
  input.startYear = m_nStartYear;
  input.startMonth = m_nStartMonth;
  input.endYear = m_nEndYear;
  input.endMonth = m_nEndMonth;
  return input;
}

void CSavingsDlg::OnCalc() {
  UpdateData(true);  // a failed field has been reported; the calculation goes on
  ApplyOutcome(compute_(Input()), [this](const SavingsResult& result) {
    m_dMaturityTotal = core::ToMan(result.maturityTotal);
    m_nTax = result.tax;
    m_nInterest = result.interest;
  });
}

void CSavingsDlg::OnClear() {
  SetInitialValues();
  UpdateData(false);
}

}  // namespace deposit
