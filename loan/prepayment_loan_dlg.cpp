#include "loan/prepayment_loan_dlg.h"

#include <limits>

#include "core/checked_math.h"
#include "core/units.h"
#include "loan/equal_payment_report.h"
#include "loan/schedule_columns.h"
#include "res/ids.h"
#include "res/texts.h"
#include "ui/data_exchange.h"

namespace loan {
namespace {

namespace id = res::prepayment_loan;

constexpr DayCountedLoanLayout kLayout{
    .ids = id::kLoanIds,
    .reportName = res::text::kPrepaymentReportName,
    .setupColumns = &CScheduleList::SetupEqualPaymentColumns,
    .tableReset = TableReset::kAfterFieldExchange,
};

constexpr int kPrepayAfter[kPrepaymentRowCount] = {id::kPrepayAfter1, id::kPrepayAfter2,
                                                   id::kPrepayAfter3};
constexpr int kPrepayAmount[kPrepaymentRowCount] = {id::kPrepayAmount1, id::kPrepayAmount2,
                                                    id::kPrepayAmount3};

}  // namespace

CPrepaymentLoanDlg::CPrepaymentLoanDlg() : CDayCountedLoanDlg(res::kDlgPrepaymentLoan, kLayout) {
  SetInitialValues();
  OnClicked(id::kRadioShortenTerm, &CPrepaymentLoanDlg::OnRadioShortenTerm);
  OnClicked(id::kRadioLowerInstallment, &CPrepaymentLoanDlg::OnRadioLowerInstallment);
}

void CPrepaymentLoanDlg::SetInitialValues() {
  CDayCountedLoanDlg::SetInitialValues();
  m_nMethod = kShortenTerm;
  m_nPrepayAfter.fill(0);
  m_nPrepayAmount.fill(0);
  m_dTotalInterest = 0.0;
  m_dTotalPrincipal = 0.0;
  m_dTotalPrepaid = 0.0;
  m_dInterestSaved = 0.0;
  m_nRepaymentCount = 0;
  m_nFinalInstallment = 0;
}

void CPrepaymentLoanDlg::DoDataExchange(ui::CDataExchange& dx) {
  CCalculatorDlg::DoDataExchange(dx);
  ExchangeEqualPaymentLoan(dx);
  for (int row = 0; row < kPrepaymentRowCount; ++row) {
    DDX_Text(dx, kPrepayAfter[row], m_nPrepayAfter[row]);
    DDV_MinMaxInt(dx, m_nPrepayAfter[row], 0, kMaxPaymentCount);
    DDX_Text(dx, kPrepayAmount[row], m_nPrepayAmount[row]);
    DDV_MinMaxInt(dx, m_nPrepayAmount[row], 0, core::kAmountLimit);
  }
  DDX_Text(dx, id::kTotalInterest, m_dTotalInterest);
  DDV_MinMaxDouble(dx, m_dTotalInterest, 0.0, core::kAmountLimit);
  DDX_Text(dx, id::kTotalPrincipal, m_dTotalPrincipal);
  DDV_MinMaxDouble(dx, m_dTotalPrincipal, 0.0, core::kAmountLimit);
  DDX_Text(dx, id::kTotalPrepaid, m_dTotalPrepaid);
  DDV_MinMaxDouble(dx, m_dTotalPrepaid, 0.0, core::kAmountLimit);
  // A lower installment may, far from usual loans, cost more interest than
  // it saves: the saving is then below 0.
  DDX_Text(dx, id::kInterestSaved, m_dInterestSaved);
  DDV_MinMaxDouble(dx, m_dInterestSaved, -core::kAmountLimit, core::kAmountLimit);
  DDX_Text(dx, id::kRepaymentCount, m_nRepaymentCount);
  DDV_MinMaxInt(dx, m_nRepaymentCount, 0, kMaxPaymentCount);
  // An installment is any amount that fits 32 bits.
  DDX_Text(dx, id::kFinalInstallment, m_nFinalInstallment);
  DDV_MinMaxInt(dx, m_nFinalInstallment, 0, std::numeric_limits<int32_t>::max());
  ExchangeRateRadios(dx);
  DDX_RadioGroup(dx, id::kRadioShortenTerm, id::kRadioLowerInstallment,
                 m_nMethod == kLowerInstallment ? id::kRadioLowerInstallment
                                                : id::kRadioShortenTerm);
}

PrepaymentInput CPrepaymentLoanDlg::PrepaymentInputs() const {
  PrepaymentInput input;
  input.loan = Input();
  input.method = m_nMethod;
  for (size_t row = 0; row < input.entries.size(); ++row)
    input.entries[row] = {m_nPrepayAfter[row], m_nPrepayAmount[row]};
  return input;
}

void CPrepaymentLoanDlg::ShowSchedule() {
  ApplyOutcome(ComputePrepaymentSchedule(PrepaymentInputs()),
               [this](const PrepaymentSchedule& prepayment) {
                 const EqualPaymentSchedule& schedule = prepayment.schedule;
                 m_list.AddRows(EqualPaymentColumns::Rows(schedule.rows));
                 m_graph.Keep(schedule.rows,
                              {schedule.totalPrincipal, schedule.totalInterest});
                 m_dTotalInterest = core::ToMan(schedule.totalInterest);
                 m_dTotalPrincipal = core::ToMan(schedule.totalPrincipal);
                 m_dTotalPrepaid = core::ToMan(schedule.totalPrepaid);
                 m_dInterestSaved = core::ToMan(prepayment.interestSaved);
                 m_nRepaymentCount = prepayment.repaymentCount;
                 m_nFinalInstallment = schedule.finalInstallment;
               });
}

std::optional<core::ReportText> CPrepaymentLoanDlg::ScheduleReport() {
  return ReportOrWarn(ComputePrepaymentSchedule(PrepaymentInputs()), FormatPrepaymentReport);
}

void CPrepaymentLoanDlg::OnRadioShortenTerm() { m_nMethod = kShortenTerm; }

void CPrepaymentLoanDlg::OnRadioLowerInstallment() { m_nMethod = kLowerInstallment; }

}  // namespace loan
