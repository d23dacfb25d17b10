#include "plan/borrowing_limit_dlg.h"

#include "core/checked_math.h"
#include "core/units.h"
#include "loan/loan_schedule.h"
#include "res/ids.h"
#include "ui/data_exchange.h"

namespace plan {

namespace id = res::borrowing_limit;

CBorrowingLimitDlg::CBorrowingLimitDlg() : CCalculatorDlg(res::kDlgBorrowingLimit) {
  SetInitialValues();
  OnClicked(id::kCalc, &CBorrowingLimitDlg::OnCalc);
  OnClicked(id::kClear, &CBorrowingLimitDlg::OnClear);
  OnClicked(id::kRadioFlat35, &CBorrowingLimitDlg::OnRadioFlat35);
  OnClicked(id::kRadioTypedRatio, &CBorrowingLimitDlg::OnRadioTypedRatio);
}

void CBorrowingLimitDlg::SetInitialValues() {
  m_nRatioMode = kFlat35Ratio;
  m_nAnnualIncome = 0;
  m_dBurdenRatio = 0.0;
  m_dScreeningRate = 0.0;
  m_nPaymentCount = kMinPaymentCount;
  m_dOtherRepayments = 0.0;
  m_dAppliedRatio = 0.0;
  m_nMonthlyBudget = 0;
  m_dBorrowingLimit = 0.0;
  m_nInstallment = 0;
}

void CBorrowingLimitDlg::DoDataExchange(ui::CDataExchange& dx) {
  CCalculatorDlg::DoDataExchange(dx);
  DDX_Text(dx, id::kAnnualIncome, m_nAnnualIncome);
  DDV_MinMaxInt(dx, m_nAnnualIncome, kMinAnnualIncome, kMaxAnnualIncome);
  DDX_Text(dx, id::kBurdenRatio, m_dBurdenRatio);
  DDV_MinMaxDouble(dx, m_dBurdenRatio, 0.0, kMaxBurdenRatio);
  DDX_Text(dx, id::kScreeningRate, m_dScreeningRate);
  DDV_MinMaxDouble(dx, m_dScreeningRate, 0.0, loan::kMaxAnnualRate);
  DDX_Text(dx, id::kPaymentCount, m_nPaymentCount);
  DDV_MinMaxInt(dx, m_nPaymentCount, kMinPaymentCount, loan::kMaxPaymentCount);
  DDX_Text(dx, id::kOtherRepayments, m_dOtherRepayments);
  DDV_MinMaxDouble(dx, m_dOtherRepayments, 0.0, core::kAmountLimit);
  DDX_Text(dx, id::kAppliedRatio, m_dAppliedRatio);
  DDV_MinMaxDouble(dx, m_dAppliedRatio, 0.0, kMaxBurdenRatio);
  DDX_Text(dx, id::kMonthlyBudget, m_nMonthlyBudget);
  DDV_MinMaxInt(dx, m_nMonthlyBudget, 0, core::kAmountLimit);
  DDX_Text(dx, id::kBorrowingLimit, m_dBorrowingLimit);
  DDV_MinMaxDouble(dx, m_dBorrowingLimit, 0.0, kMaxBorrowingMan);
  DDX_Text(dx, id::kInstallment, m_nInstallment);
  DDV_MinMaxInt(dx, m_nInstallment, 0, core::kAmountLimit);
  DDX_RadioGroup(dx, id::kRadioFlat35, id::kRadioTypedRatio,
                 m_nRatioMode == kTypedRatio ? id::kRadioTypedRatio : id::kRadioFlat35);
}

BorrowingLimitInput CBorrowingLimitDlg::Input() const {
  BorrowingLimitInput input;
  input.annualIncome = m_nAnnualIncome;
  input.ratioMode = m_nRatioMode;
  input.burdenRatio = m_dBurdenRatio;
  input.screeningRate = m_dScreeningRate;
  input.paymentCount = m_nPaymentCount;
  input.otherRepayments = m_dOtherRepayments;
  return input;
}

void CBorrowingLimitDlg::OnCalc() {
  UpdateData(true);  // a failed field has been reported; the calculation goes on
  ApplyOutcome(ComputeBorrowingLimit(Input()), [this](const BorrowingLimitResult& result) {
    m_dAppliedRatio = result.ratio;
    m_nMonthlyBudget = result.monthlyBudget;
    m_dBorrowingLimit = core::ToMan(result.limit);
    m_nInstallment = result.installment;
  });
}

void CBorrowingLimitDlg::OnClear() {
  SetInitialValues();
  UpdateData(false);  // the exchange selects the rule's radio again
}

void CBorrowingLimitDlg::OnRadioFlat35() { m_nRatioMode = kFlat35Ratio; }

void CBorrowingLimitDlg::OnRadioTypedRatio() { m_nRatioMode = kTypedRatio; }

}  // namespace plan
