#include "loan/variable_rate_loan_dlg.h"

#include "core/checked_math.h"
#include "core/month_index.h"
#include "core/units.h"
#include "loan/schedule_columns.h"
#include "loan/variable_rate_report.h"
#include "res/ids.h"
#include "res/texts.h"
#include "ui/data_exchange.h"

namespace loan {
namespace {

namespace id = res::variable_rate_loan;

constexpr int kChangeFrom[kRateChangeRowCount] = {
    id::kChangeFrom1, id::kChangeFrom2, id::kChangeFrom3, id::kChangeFrom4,
    id::kChangeFrom5, id::kChangeFrom6, id::kChangeFrom7, id::kChangeFrom8};
constexpr int kChangeRate[kRateChangeRowCount] = {
    id::kChangeRate1, id::kChangeRate2, id::kChangeRate3, id::kChangeRate4,
    id::kChangeRate5, id::kChangeRate6, id::kChangeRate7, id::kChangeRate8};

}  // namespace

CVariableRateLoanDlg::CVariableRateLoanDlg() : CCalculatorDlg(res::kDlgVariableRateLoan) {
  SetInitialValues();
  OnClicked(id::kCalc, &CVariableRateLoanDlg::OnCalc);
  OnClicked(id::kClear, &CVariableRateLoanDlg::OnClear);
  OnClicked(id::kRadioDayCounted, &CVariableRateLoanDlg::OnRadioDayCounted);
  OnClicked(id::kRadioTwelfth, &CVariableRateLoanDlg::OnRadioTwelfth);
  OnClicked(id::kRadioReviewAtEachChange, &CVariableRateLoanDlg::OnRadioReviewAtEachChange);
  OnClicked(id::kRadioFiveYearRule, &CVariableRateLoanDlg::OnRadioFiveYearRule);
  OnClicked(id::kSave, &CVariableRateLoanDlg::OnSaveToFile);
  OnClicked(id::kGraph, &CVariableRateLoanDlg::OnGraph);
  OnClicked(res::kIdTableGraph, &CVariableRateLoanDlg::OnGraph);
}

// 月割 and the 5-year and 125 % rules, as banks' statements count.
void CVariableRateLoanDlg::SetInitialValues() {
  m_nInterestRule = kTwelfthInterest;
  m_nReviewRule = kFiveYearRule;
  m_nLoanAmount = 0;
  m_nPaymentCount = 1;
  m_nLoanYear = 0;
  m_nLoanMonth = 1;
  m_nRepayStartYear = 0;
  m_nRepayStartMonth = 1;
  m_dAnnualRate = 0.0;
  m_nChangeFrom.fill(0);
  m_dChangeRate.fill(0.0);
  m_dTotalPayment = 0.0;
  m_dTotalInterest = 0.0;
  m_nSettledUnpaid = 0;
  m_nFirstUnpaidNumber = 0;
  m_nLargestInstallment = 0;
  m_nLastPayment = 0;
}

// The fields in tab order, so that the first wrong one on the screen is the
// one reported.
void CVariableRateLoanDlg::DoDataExchange(ui::CDataExchange& dx) {
  CCalculatorDlg::DoDataExchange(dx);
  DDX_Control(dx, id::kList, m_list);
  DDX_Text(dx, id::kLoanAmount, m_nLoanAmount);
  DDV_MinMaxInt(dx, m_nLoanAmount, 0, core::kAmountLimit);
  DDX_Text(dx, id::kPaymentCount, m_nPaymentCount);
  DDV_MinMaxInt(dx, m_nPaymentCount, 1, kMaxPaymentCount);
  DDX_Text(dx, id::kLoanYear, m_nLoanYear);
  DDV_MinMaxInt(dx, m_nLoanYear, core::kMinYear, core::kMaxYear);
  DDX_Text(dx, id::kLoanMonth, m_nLoanMonth);
  DDV_MinMaxInt(dx, m_nLoanMonth, core::kMinMonth, core::kMaxMonth);
  DDX_Text(dx, id::kRepayStartYear, m_nRepayStartYear);
  DDV_MinMaxInt(dx, m_nRepayStartYear, core::kMinYear, core::kMaxYear);
  DDX_Text(dx, id::kRepayStartMonth, m_nRepayStartMonth);
  DDV_MinMaxInt(dx, m_nRepayStartMonth, core::kMinMonth, core::kMaxMonth);
  DDX_Text(dx, id::kAnnualRate, m_dAnnualRate);
  DDV_MinMaxDouble(dx, m_dAnnualRate, 0.0, kMaxAnnualRate);
  for (int row = 0; row < kRateChangeRowCount; ++row) {
    DDX_Text(dx, kChangeFrom[row], m_nChangeFrom[row]);
    DDV_MinMaxInt(dx, m_nChangeFrom[row], 0, kMaxRateChangeNumber);
    DDX_Text(dx, kChangeRate[row], m_dChangeRate[row]);
    DDV_MinMaxDouble(dx, m_dChangeRate[row], 0.0, kMaxVariableRate);
  }
  DDX_Text(dx, id::kTotalPayment, m_dTotalPayment);
  DDV_MinMaxDouble(dx, m_dTotalPayment, 0.0, core::kAmountLimit);
  DDX_Text(dx, id::kTotalInterest, m_dTotalInterest);
  DDV_MinMaxDouble(dx, m_dTotalInterest, 0.0, core::kAmountLimit);
  DDX_Text(dx, id::kSettledUnpaid, m_nSettledUnpaid);
  DDV_MinMaxInt(dx, m_nSettledUnpaid, 0, core::kAmountLimit);
  DDX_Text(dx, id::kFirstUnpaidNumber, m_nFirstUnpaidNumber);
  DDV_MinMaxInt(dx, m_nFirstUnpaidNumber, 0, kMaxPaymentCount);
  DDX_Text(dx, id::kLargestInstallment, m_nLargestInstallment);
  DDV_MinMaxInt(dx, m_nLargestInstallment, 0, core::kAmountLimit);
  DDX_Text(dx, id::kLastPayment, m_nLastPayment);
  DDV_MinMaxInt(dx, m_nLastPayment, 0, core::kAmountLimit);
  DDX_RadioGroup(dx, id::kRadioDayCounted, id::kRadioTwelfth,
                 m_nInterestRule == kDayCountedInterest ? id::kRadioDayCounted
                                                        : id::kRadioTwelfth);
  DDX_RadioGroup(dx, id::kRadioReviewAtEachChange, id::kRadioFiveYearRule,
                 m_nReviewRule == kReviewAtEachChange ? id::kRadioReviewAtEachChange
                                                      : id::kRadioFiveYearRule);
}

VariableRateInput CVariableRateLoanDlg::Input() const {
  VariableRateInput input;
  input.loan.rateMode = kAnnualRate;
  input.loan.annualRate = m_dAnnualRate;
  input.loan.loanAmount = m_nLoanAmount;
  input.loan.paymentCount = m_nPaymentCount;
  input.loan.loanYear = m_nLoanYear;
  input.loan.loanMonth = m_nLoanMonth;
  input.loan.repayStartYear = m_nRepayStartYear;
  input.loan.repayStartMonth = m_nRepayStartMonth;
  input.interestRule = m_nInterestRule;
  input.reviewRule = m_nReviewRule;
  for (int row = 0; row < kRateChangeRowCount; ++row)
    input.changes[row] = {m_nChangeFrom[row], m_dChangeRate[row]};
  return input;
}

void CVariableRateLoanDlg::OnCalc() {
  UpdateData(true);  // a failed field has been reported; the calculation goes on
  // The table is rebuilt from nothing; a stopped calculation leaves the header.
  m_list.ClearTable();
  m_list.SetupVariableRateColumns();
  m_graph.Forget();
  ApplyOutcome(ComputeVariableRateSchedule(Input()), [this](const VariableRateSchedule& schedule) {
    m_list.AddRows(VariableRateColumns::Rows(schedule.rows));
    m_dTotalPayment = core::ToMan(schedule.totalPayment);
    m_dTotalInterest = core::ToMan(schedule.totalInterest);
    m_nSettledUnpaid = schedule.settledUnpaid;
    m_nFirstUnpaidNumber = schedule.firstUnpaidNumber;
    m_nLargestInstallment = schedule.largestInstallment;
    m_nLastPayment = schedule.lastPayment;
    m_graph.Keep(schedule.rows,
                 {schedule.totalPrincipal, schedule.totalInterest, schedule.settledUnpaid}, true);
  });
}

// The exchange selects the default radios from the members.
void CVariableRateLoanDlg::OnClear() {
  SetInitialValues();
  UpdateData(false);
  m_list.ClearTable();
  m_graph.Forget();
}

void CVariableRateLoanDlg::OnRadioDayCounted() { m_nInterestRule = kDayCountedInterest; }

void CVariableRateLoanDlg::OnRadioTwelfth() { m_nInterestRule = kTwelfthInterest; }

void CVariableRateLoanDlg::OnRadioReviewAtEachChange() { m_nReviewRule = kReviewAtEachChange; }

void CVariableRateLoanDlg::OnRadioFiveYearRule() { m_nReviewRule = kFiveYearRule; }

// The report reads the fields as they stand and computes the schedule afresh;
// the table and the results stay as they are.
void CVariableRateLoanDlg::OnSaveToFile() {
  SaveReportToFile(res::text::kVariableRateReportName, [this] {
    UpdateData(true);
    return ReportOrWarn(ComputeVariableRateSchedule(Input()), FormatVariableRateReport);
  });
}

void CVariableRateLoanDlg::OnGraph() {
  if (!m_graph.Open()) Warn(res::text::kCalculateFirst);
}

}  // namespace loan
