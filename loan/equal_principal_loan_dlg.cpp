#include "loan/equal_principal_loan_dlg.h"

#include "core/checked_math.h"
#include "core/month_index.h"
#include "core/units.h"
#include "loan/equal_principal_report.h"
#include "loan/equal_principal_schedule.h"
#include "loan/schedule_columns.h"
#include "res/ids.h"
#include "res/texts.h"
#include "ui/data_exchange.h"

namespace loan {
namespace {

namespace id = res::equal_principal_loan;

constexpr DayCountedLoanLayout kLayout{
    .ids = id::kLoanIds,
    .reportName = res::text::kEqualPrincipalReportName,
    .setupColumns = &CScheduleList::SetupEqualPrincipalColumns,
    .tableReset = TableReset::kBeforeFieldExchange,
};

}  // namespace

CEqualPrincipalLoanDlg::CEqualPrincipalLoanDlg()
    : CDayCountedLoanDlg(res::kDlgEqualPrincipalLoan, kLayout) {
  SetInitialValues();
}

void CEqualPrincipalLoanDlg::SetInitialValues() {
  CDayCountedLoanDlg::SetInitialValues();
  m_dTotalPayment = 0.0;
  m_dTotalInterest = 0.0;
}

void CEqualPrincipalLoanDlg::DoDataExchange(ui::CDataExchange& dx) {
  CCalculatorDlg::DoDataExchange(dx);
  DDX_Control(dx, id::kList, m_list);
  DDX_Text(dx, id::kLoanAmount, m_nLoanAmount);
  DDV_MinMaxInt(dx, m_nLoanAmount, 0, core::kAmountLimit);
  DDX_Text(dx, id::kPaymentCount, m_nPaymentCount);
  DDV_MinMaxInt(dx, m_nPaymentCount, 1, kMaxPaymentCount);
  DDX_Text(dx, id::kRepayStartYear, m_nRepayStartYear);
  DDV_MinMaxInt(dx, m_nRepayStartYear, core::kMinYear, core::kMaxYear);
  DDX_Text(dx, id::kAnnualRate, m_dAnnualRate);
  DDV_MinMaxDouble(dx, m_dAnnualRate, 0.0, kMaxAnnualRate);
  DDX_Text(dx, id::kRepayStartMonth, m_nRepayStartMonth);
  DDV_MinMaxInt(dx, m_nRepayStartMonth, core::kMinMonth, core::kMaxMonth);
  DDX_Text(dx, id::kMonthRate, m_dMonthRate);
  DDV_MinMaxDouble(dx, m_dMonthRate, 0.0, kMaxMonthRate);
  DDX_Text(dx, id::kLoanYear, m_nLoanYear);
  DDV_MinMaxInt(dx, m_nLoanYear, core::kMinYear, core::kMaxYear);
  DDX_Text(dx, id::kLoanMonth, m_nLoanMonth);
  DDV_MinMaxInt(dx, m_nLoanMonth, core::kMinMonth, core::kMaxMonth);
  DDX_Text(dx, id::kTotalPayment, m_dTotalPayment);
  DDV_MinMaxDouble(dx, m_dTotalPayment, 0.0, core::kAmountLimit);
  DDX_Text(dx, id::kTotalInterest, m_dTotalInterest);
  DDV_MinMaxDouble(dx, m_dTotalInterest, 0.0, core::kAmountLimit);
  ExchangeRateRadios(dx);
}

void CEqualPrincipalLoanDlg::ShowSchedule() {
  ApplyOutcome(ComputeEqualPrincipalSchedule(Input()),
               [this](const EqualPrincipalSchedule& schedule) {
                 m_list.AddRows(EqualPrincipalColumns::Rows(schedule.rows));
                 m_graph.Keep(schedule.rows,
                              {schedule.totalPrincipal, schedule.totalInterest});
                 m_dTotalPayment = core::ToMan(schedule.totalPayment);
                 m_dTotalInterest = core::ToMan(schedule.totalInterest);
               });
}

std::optional<core::ReportText> CEqualPrincipalLoanDlg::ScheduleReport() {
  return ReportOrWarn(ComputeEqualPrincipalSchedule(Input()), FormatEqualPrincipalReport);
}

}  // namespace loan
