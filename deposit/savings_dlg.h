// What the two installment savings dialogs share: the same members in the same
// exchange order, bound to other controls, and Calc and Clear around their own
// arithmetic.
#pragma once

#include "deposit/savings_plan.h"
#include "res/ids.h"
#include "ui/calculator_dialog.h"

namespace deposit {

class CSavingsDlg : public ui::CCalculatorDlg {
 public:
  // In the order the field exchange handles them.
  double m_dAnnualYield;
  int m_nInterest;
  int m_nTax;
  double m_dTaxRate;
  int m_nEndYear;
  int m_nEndMonth;
  int m_nStartYear;
  int m_nStartMonth;
  double m_dInstallment;
  double m_dMaturityTotal;

 protected:
  using Compute = core::Outcome<SavingsResult> (*)(const SavingsInput&);
  CSavingsDlg(int templateId, const res::SavingsIds& ids, Compute compute);

  void DoDataExchange(ui::CDataExchange& dx) override;

 private:
  void SetInitialValues();
  SavingsInput Input() const;
  void OnCalc();
  void OnClear();

  const res::SavingsIds& ids_;
  Compute compute_;
};

}  // namespace deposit
