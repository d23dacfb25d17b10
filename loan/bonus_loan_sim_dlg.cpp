#include "loan/bonus_loan_sim_dlg.h"

#include "core/checked_math.h"
#include "core/month_index.h"
#include "core/units.h"
#include "loan/bonus_loan_report.h"
#include "loan/schedule_columns.h"
#include "res/ids.h"
#include "res/texts.h"
#include "ui/data_exchange.h"

namespace loan {

namespace id = res::bonus_loan_sim;

CBonusLoanSimDlg::CBonusLoanSimDlg() : CCalculatorDlg(res::kDlgBonusLoanSim) {
  SetInitialValues();
  OnClicked(id::kCalc, &CBonusLoanSimDlg::OnCalc);
  OnClicked(id::kClear, &CBonusLoanSimDlg::OnClear);
  OnClicked(id::kRadioYears, &CBonusLoanSimDlg::OnRadioYears);
  OnClicked(id::kRadioMonths, &CBonusLoanSimDlg::OnRadioMonths);
  OnClicked(id::kSave, &CBonusLoanSimDlg::OnSaveToFile);
  OnClicked(id::kGraph, &CBonusLoanSimDlg::OnGraph);
  OnClicked(res::kIdTableGraph, &CBonusLoanSimDlg::OnGraph);
}

void CBonusLoanSimDlg::SetInitialValues() {
  m_nPeriodMode = kPeriodInYears;
  m_dBonusMonthPayment = 0.0;
  m_nRepayStartYear = 0;
  m_nBonusCount = 2;
  m_nLoanYear = 0;
  m_nLoanMonth = 1;
  m_dAnnualRate = 0.0;
  m_nPeriod = 0;
  m_dTotalInterest = 0.0;
  m_dTotalPayment = 0.0;
  for (int& month : m_nBonusMonth) month = 1;
  m_nLoanAmount = 0;
  m_nRepayStartMonth = 1;
}

void CBonusLoanSimDlg::DoDataExchange(ui::CDataExchange& dx) {
  CCalculatorDlg::DoDataExchange(dx);
  DDX_Control(dx, id::kList, m_list);
  DDX_Text(dx, id::kBonusMonthPayment, m_dBonusMonthPayment);
  DDV_MinMaxDouble(dx, m_dBonusMonthPayment, 0.0, core::kAmountLimit);
  DDX_Text(dx, id::kRepayStartYear, m_nRepayStartYear);
  DDV_MinMaxInt(dx, m_nRepayStartYear, core::kMinYear, core::kMaxYear);
  DDX_Text(dx, id::kBonusCount, m_nBonusCount);
  DDV_MinMaxInt(dx, m_nBonusCount, kSimMinBonusCount, kSimMaxBonusCount);
  DDX_Text(dx, id::kLoanYear, m_nLoanYear);
  DDV_MinMaxInt(dx, m_nLoanYear, core::kMinYear, core::kMaxYear);
  DDX_Text(dx, id::kLoanMonth, m_nLoanMonth);
  DDV_MinMaxInt(dx, m_nLoanMonth, core::kMinMonth, core::kMaxMonth);
  DDX_Text(dx, id::kAnnualRate, m_dAnnualRate);
  DDV_MinMaxDouble(dx, m_dAnnualRate, 0.0, kSimMaxRate);
  DDX_Text(dx, id::kPeriod, m_nPeriod);
  DDV_MinMaxInt(dx, m_nPeriod, 0, kSimMaxPeriod);
  DDX_Text(dx, id::kTotalInterest, m_dTotalInterest);
  DDV_MinMaxDouble(dx, m_dTotalInterest, 0.0, core::kAmountLimit);
  DDX_Text(dx, id::kTotalPayment, m_dTotalPayment);
  DDV_MinMaxDouble(dx, m_dTotalPayment, 0.0, core::kAmountLimit);
  const int monthIds[3] = {id::kBonusMonth1, id::kBonusMonth2, id::kBonusMonth3};
  for (int k = 0; k < 3; ++k) {
    DDX_Text(dx, monthIds[k], m_nBonusMonth[k]);
    DDV_MinMaxInt(dx, m_nBonusMonth[k], core::kMinMonth, core::kMaxMonth);
  }
  DDX_Text(dx, id::kLoanAmount, m_nLoanAmount);
  DDV_MinMaxInt(dx, m_nLoanAmount, 0, core::kAmountLimit);
  DDX_Text(dx, id::kRepayStartMonth, m_nRepayStartMonth);
  DDV_MinMaxInt(dx, m_nRepayStartMonth, core::kMinMonth, core::kMaxMonth);
  DDX_RadioGroup(dx, id::kRadioYears, id::kRadioMonths,
                 m_nPeriodMode == kPeriodInYears ? id::kRadioYears : id::kRadioMonths);
}

BonusLoanSimInput CBonusLoanSimDlg::Input() const {
  BonusLoanSimInput input;
  input.periodMode = m_nPeriodMode;
  input.period = m_nPeriod;
  input.bonusCount = m_nBonusCount;
  for (int k = 0; k < 3; ++k) input.bonusMonths[k] = m_nBonusMonth[k];
  input.bonusMonthPayment = m_dBonusMonthPayment;
  input.annualRate = m_dAnnualRate;
  input.loanYear = m_nLoanYear;
  input.loanMonth = m_nLoanMonth;
  input.startYear = m_nRepayStartYear;
  input.startMonth = m_nRepayStartMonth;
  input.loanAmount = m_nLoanAmount;
  return input;
}

void CBonusLoanSimDlg::OnCalc() {
  // The table is rebuilt from nothing; a stopped calculation leaves the header.
  m_list.ClearTable();
  m_list.SetupBonusColumns();
  m_graph.Forget();
  UpdateData(true);  // a failed field has been reported; the calculation goes on
  ApplyOutcome(ComputeBonusLoanSchedule(Input()), [this](const BonusLoanSchedule& schedule) {
    m_list.AddRows(BonusColumns::Rows(schedule.rows));
    m_graph.Keep(schedule.rows, {schedule.totalPrincipal, schedule.totalInterest});
    m_dTotalInterest = core::ToMan(schedule.totalInterest);
    m_dTotalPayment = core::ToMan(schedule.grandTotal);
  });
}

void CBonusLoanSimDlg::OnClear() {
  SetInitialValues();
  UpdateData(false);
  CheckRadioButton(id::kRadioYears, id::kRadioMonths, id::kRadioYears);
  m_list.ClearTable();
  m_graph.Forget();
}

void CBonusLoanSimDlg::OnRadioYears() { m_nPeriodMode = kPeriodInYears; }

void CBonusLoanSimDlg::OnRadioMonths() { m_nPeriodMode = kPeriodInMonths; }

// The report reads the fields as they stand and computes the schedule afresh;
// the table and the totals stay as they are.
void CBonusLoanSimDlg::OnSaveToFile() {
  SaveReportToFile(res::text::kBonusReportName, [this] {
    UpdateData(true);
    return ReportOrWarn(ComputeBonusLoanSchedule(Input()), BonusReport);
  });
}

void CBonusLoanSimDlg::OnGraph() {
  if (!m_graph.Open()) Warn(res::text::kCalculateFirst);
}

}  // namespace loan
