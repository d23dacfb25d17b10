// Every resource and control id of the program, once.
// Control ids repeat across dialogs (1011 is a deposit amount in one dialog and
// a maturity year in another), so each dialog's controls live in its own namespace.
#pragma once

#include "res/rc_ids.h"

namespace res {

// Framework-wide ids.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kIdStatic = -1;
inline constexpr int kIdmAboutBox = 16;      // system-menu entry of the function menu
inline constexpr int kIdAppAbout = 57664;    // menu button "バージョン"
inline constexpr int kIdAppExit = 57665;     // menu button "終了"
inline constexpr int kIdHelp = 57670;
inline constexpr int kIdEditCopy = 57634;    // "コピー" of the schedule table's menu
inline constexpr int kIdTableGraph = 32771;  // "グラフ" of the schedule table's menu
inline constexpr int kIconMain = IDR_MAINFRAME;
inline constexpr int kStringAboutBox = IDS_ABOUTBOX;

// Dialog templates.
inline constexpr int kDlgAbout = 100;
inline constexpr int kDlgMenu = 102;
inline constexpr int kDlgSimpleDeposit = 129;
inline constexpr int kDlgCompoundDeposit = 130;
inline constexpr int kDlgEqualPaymentLoan = 131;
inline constexpr int kDlgEqualPrincipalLoan = 132;
inline constexpr int kDlgBonusLoanCalc = 133;
inline constexpr int kDlgSimpleSavings = 142;
inline constexpr int kDlgCompoundSavings = 143;
inline constexpr int kDlgBonusLoanSim = 146;
inline constexpr int kDlgPrepaymentLoan = 147;
inline constexpr int kDlgVariableRateLoan = 148;
inline constexpr int kDlgBorrowingLimit = 149;
inline constexpr int kDlgSavingsGoal = 150;
inline constexpr int kDlgGraph = 160;

// The controls that every repayment simulation with day-counted interest has
// (131, 132, 147): the loan, its rate radios, the commands and the table.
struct DayCountedLoanIds {
  int loanAmount, paymentCount, loanYear, loanMonth, repayStartYear, repayStartMonth;
  int radioAnnualRate, annualRate, radioMonthRate, monthRate;
  int calc, clear, save, list;
  int graph;  // opens the repayment graph
};
// The set of the namespace it is written in, whose constants bear the same names.
#define TAVORO_DAY_COUNTED_LOAN_IDS                                                        \
  ::res::DayCountedLoanIds {                                                               \
    .loanAmount = kLoanAmount, .paymentCount = kPaymentCount, .loanYear = kLoanYear,       \
    .loanMonth = kLoanMonth, .repayStartYear = kRepayStartYear,                            \
    .repayStartMonth = kRepayStartMonth, .radioAnnualRate = kRadioAnnualRate,              \
    .annualRate = kAnnualRate, .radioMonthRate = kRadioMonthRate, .monthRate = kMonthRate, \
    .calc = kCalc, .clear = kClear, .save = kSave, .list = kList, .graph = kGraph          \
  }

// The controls of the two installment savings calculators (142, 143).
struct SavingsIds {
  int calc, clear;
  int annualYield, interest, tax, taxRate;
  int endYear, endMonth, startYear, startMonth;
  int installment, maturityTotal;
};
// The set of the namespace it is written in, whose constants bear the same names.
#define TAVORO_SAVINGS_IDS                                                                 \
  ::res::SavingsIds {                                                                      \
    .calc = kCalc, .clear = kClear, .annualYield = kAnnualYield, .interest = kInterest,    \
    .tax = kTax, .taxRate = kTaxRate, .endYear = kEndYear, .endMonth = kEndMonth,          \
    .startYear = kStartYear, .startMonth = kStartMonth, .installment = kInstallment,       \
    .maturityTotal = kMaturityTotal                                                        \
  }

// Function menu (102): the calculator buttons carry their dialog's id, except the
// simple-interest deposit, whose button is 3.
namespace menu {
inline constexpr int kSimpleDeposit = 3;
inline constexpr int kCompoundDeposit = 130;
inline constexpr int kSimpleSavings = 142;
inline constexpr int kCompoundSavings = 143;
inline constexpr int kEqualPaymentLoan = 131;
inline constexpr int kEqualPrincipalLoan = 132;
inline constexpr int kBonusLoanCalc = 133;
inline constexpr int kBonusLoanSim = 146;
inline constexpr int kPrepaymentLoan = 147;
inline constexpr int kVariableRateLoan = 148;
inline constexpr int kBorrowingLimit = 149;
inline constexpr int kSavingsGoal = 150;
inline constexpr int kVersion = kIdAppAbout;
inline constexpr int kExit = kIdAppExit;
}  // namespace menu

// Simple-interest deposit (129).
namespace simple_deposit {
inline constexpr int kDepositAmount = 1002;
inline constexpr int kStartYear = 1003;
inline constexpr int kAnnualRate = 1004;
inline constexpr int kRadioAnnualRate = 1005;
inline constexpr int kRadioDailyRate = 1006;
inline constexpr int kDailyRate = 1007;
inline constexpr int kCalc = 1008;
inline constexpr int kClear = 1009;
inline constexpr int kTaxRate = 1010;
inline constexpr int kEndYear = 1011;
inline constexpr int kMaturityTotal = 1012;
inline constexpr int kInterest = 1013;
inline constexpr int kTax = 1014;
inline constexpr int kStartMonth = 1123;
inline constexpr int kEndMonth = 1124;
}  // namespace simple_deposit

// Compound-interest deposit (130).
namespace compound_deposit {
inline constexpr int kDepositAmount = 1011;
inline constexpr int kStartYear = 1012;
inline constexpr int kEndYear = 1013;
inline constexpr int kStartMonth = 1014;
inline constexpr int kYearRate = 1015;
inline constexpr int kHalfYearRate = 1016;
inline constexpr int kInterest = 1017;
inline constexpr int kMaturityTotal = 1018;
inline constexpr int kCalc = 1019;
inline constexpr int kClear = 1020;
inline constexpr int kRadioYear = 1021;
inline constexpr int kRadioHalfYear = 1022;
inline constexpr int kEndMonth = 1023;
inline constexpr int kPeriodCount = 1024;
inline constexpr int kTaxRate = 1025;
inline constexpr int kTax = 1026;
inline constexpr int kRadioMonth = 1027;
inline constexpr int kMonthRate = 1028;
}  // namespace compound_deposit

// Simple-interest installment savings (142): id 3 is Calc here.
namespace simple_savings {
inline constexpr int kCalc = 3;
inline constexpr int kInstallment = 1062;
inline constexpr int kAnnualYield = 1065;
inline constexpr int kTaxRate = 1066;
inline constexpr int kTax = 1067;
inline constexpr int kInterest = 1068;
inline constexpr int kMaturityTotal = 1069;
inline constexpr int kClear = 1070;
inline constexpr int kEndYear = 1125;
inline constexpr int kEndMonth = 1126;
inline constexpr int kStartYear = 1127;
inline constexpr int kStartMonth = 1128;
inline constexpr SavingsIds kIds = TAVORO_SAVINGS_IDS;
}  // namespace simple_savings

// Compound-interest installment savings (143): id 3 is Clear here.
namespace compound_savings {
inline constexpr int kClear = 3;
inline constexpr int kCalc = 1071;
inline constexpr int kInstallment = 1072;
inline constexpr int kInterest = 1074;
inline constexpr int kMaturityTotal = 1075;
inline constexpr int kTax = 1076;
inline constexpr int kTaxRate = 1077;
inline constexpr int kAnnualYield = 1078;
inline constexpr int kStartYear = 1129;
inline constexpr int kStartMonth = 1130;
inline constexpr int kEndYear = 1131;
inline constexpr int kEndMonth = 1132;
inline constexpr SavingsIds kIds = TAVORO_SAVINGS_IDS;
}  // namespace compound_savings

// Equal-installment repayment simulation (131).
namespace equal_payment_loan {
inline constexpr int kCalc = 4;
inline constexpr int kClear = 1044;
inline constexpr int kSave = 1045;
inline constexpr int kLoanAmount = 1046;
inline constexpr int kPaymentCount = 1047;
inline constexpr int kRepayStartYear = 1048;
inline constexpr int kRepayStartMonth = 1049;
inline constexpr int kAnnualRate = 1050;
inline constexpr int kMonthRate = 1051;
inline constexpr int kRadioAnnualRate = 1052;
inline constexpr int kRadioMonthRate = 1053;
inline constexpr int kLoanYear = 1054;
inline constexpr int kLoanMonth = 1055;
inline constexpr int kList = 1056;
inline constexpr int kTotalInterest = 1059;
inline constexpr int kTotalPrincipal = 1060;
inline constexpr int kGraph = 1057;
inline constexpr DayCountedLoanIds kLoanIds = TAVORO_DAY_COUNTED_LOAN_IDS;
}  // namespace equal_payment_loan

// Equal-principal repayment simulation (132).
namespace equal_principal_loan {
inline constexpr int kCalc = 3;
inline constexpr int kClear = 1025;
inline constexpr int kLoanAmount = 1035;
inline constexpr int kRepayStartYear = 1036;
inline constexpr int kRepayStartMonth = 1037;
inline constexpr int kPaymentCount = 1038;
inline constexpr int kAnnualRate = 1039;
inline constexpr int kMonthRate = 1040;
inline constexpr int kRadioAnnualRate = 1041;
inline constexpr int kRadioMonthRate = 1042;
inline constexpr int kSave = 1054;
inline constexpr int kList = 1055;
inline constexpr int kLoanYear = 1056;
inline constexpr int kTotalInterest = 1057;
inline constexpr int kTotalPayment = 1058;
inline constexpr int kLoanMonth = 1059;
inline constexpr int kGraph = 1060;
inline constexpr DayCountedLoanIds kLoanIds = TAVORO_DAY_COUNTED_LOAN_IDS;
}  // namespace equal_principal_loan

// Bonus-combined equal-installment calculation (133).
namespace bonus_loan_calc {
inline constexpr int kCalc = 1080;
inline constexpr int kClear = 1081;
inline constexpr int kLoanAmount = 1082;
inline constexpr int kYears = 1085;
inline constexpr int kBonusCount = 1087;
inline constexpr int kAnnualRate = 1090;
inline constexpr int kBonusPortion = 1091;
inline constexpr int kMonthlyPayment = 1092;
inline constexpr int kBonusIncrease = 1093;
inline constexpr int kBonusMonthPayment = 1094;
inline constexpr int kTotalPayment = 1095;
}  // namespace bonus_loan_calc

// Bonus-combined equal-installment repayment simulation (146).
namespace bonus_loan_sim {
inline constexpr int kLoanAmount = 1133;
inline constexpr int kRadioYears = 1134;
inline constexpr int kRadioMonths = 1135;
inline constexpr int kPeriod = 1136;
inline constexpr int kBonusCount = 1137;
inline constexpr int kBonusMonth1 = 1138;
inline constexpr int kBonusMonth2 = 1139;
inline constexpr int kBonusMonth3 = 1140;
inline constexpr int kBonusMonthPayment = 1141;
inline constexpr int kAnnualRate = 1142;
inline constexpr int kLoanYear = 1143;
inline constexpr int kLoanMonth = 1144;
inline constexpr int kRepayStartYear = 1145;
inline constexpr int kRepayStartMonth = 1146;
inline constexpr int kTotalInterest = 1147;
inline constexpr int kTotalPayment = 1148;
inline constexpr int kList = 1149;
inline constexpr int kCalc = 1150;
inline constexpr int kClear = 1151;
inline constexpr int kSave = 1152;
inline constexpr int kGraph = 1153;
}  // namespace bonus_loan_sim

// Prepayment simulation (147): ids from 1200 on, in tab order.
namespace prepayment_loan {
inline constexpr int kLoanAmount = 1200;
inline constexpr int kPaymentCount = 1201;
inline constexpr int kLoanYear = 1202;
inline constexpr int kLoanMonth = 1203;
inline constexpr int kRepayStartYear = 1204;
inline constexpr int kRepayStartMonth = 1205;
inline constexpr int kRadioAnnualRate = 1206;
inline constexpr int kAnnualRate = 1207;
inline constexpr int kRadioMonthRate = 1208;
inline constexpr int kMonthRate = 1209;
inline constexpr int kRadioShortenTerm = 1210;
inline constexpr int kRadioLowerInstallment = 1211;
// The three prepayment rows: 回 and 金額 of each.
inline constexpr int kPrepayAfter1 = 1212;
inline constexpr int kPrepayAmount1 = 1213;
inline constexpr int kPrepayAfter2 = 1214;
inline constexpr int kPrepayAmount2 = 1215;
inline constexpr int kPrepayAfter3 = 1216;
inline constexpr int kPrepayAmount3 = 1217;
inline constexpr int kCalc = 1218;
inline constexpr int kClear = 1219;
inline constexpr int kSave = 1220;
inline constexpr int kList = 1221;
inline constexpr int kTotalInterest = 1222;
inline constexpr int kTotalPrincipal = 1223;
inline constexpr int kTotalPrepaid = 1224;
inline constexpr int kInterestSaved = 1225;
inline constexpr int kRepaymentCount = 1226;
inline constexpr int kFinalInstallment = 1227;
inline constexpr int kGraph = 1228;
inline constexpr DayCountedLoanIds kLoanIds = TAVORO_DAY_COUNTED_LOAN_IDS;
}  // namespace prepayment_loan

// Variable-rate simulation (148): ids from 1300 on, in tab order.
namespace variable_rate_loan {
inline constexpr int kLoanAmount = 1300;
inline constexpr int kPaymentCount = 1301;
inline constexpr int kLoanYear = 1302;
inline constexpr int kLoanMonth = 1303;
inline constexpr int kRepayStartYear = 1304;
inline constexpr int kRepayStartMonth = 1305;
inline constexpr int kAnnualRate = 1306;  // the initial rate
inline constexpr int kRadioDayCounted = 1307;
inline constexpr int kRadioTwelfth = 1308;
inline constexpr int kRadioReviewAtEachChange = 1309;
inline constexpr int kRadioFiveYearRule = 1310;
// The eight rate-change rows: 回 and 年利率 of each, 1311/1312 to 1325/1326.
inline constexpr int kChangeFrom1 = 1311;
inline constexpr int kChangeRate1 = 1312;
inline constexpr int kChangeFrom2 = 1313;
inline constexpr int kChangeRate2 = 1314;
inline constexpr int kChangeFrom3 = 1315;
inline constexpr int kChangeRate3 = 1316;
inline constexpr int kChangeFrom4 = 1317;
inline constexpr int kChangeRate4 = 1318;
inline constexpr int kChangeFrom5 = 1319;
inline constexpr int kChangeRate5 = 1320;
inline constexpr int kChangeFrom6 = 1321;
inline constexpr int kChangeRate6 = 1322;
inline constexpr int kChangeFrom7 = 1323;
inline constexpr int kChangeRate7 = 1324;
inline constexpr int kChangeFrom8 = 1325;
inline constexpr int kChangeRate8 = 1326;
inline constexpr int kCalc = 1327;
inline constexpr int kClear = 1328;
inline constexpr int kSave = 1329;
inline constexpr int kList = 1330;
inline constexpr int kTotalPayment = 1331;
inline constexpr int kTotalInterest = 1332;
inline constexpr int kSettledUnpaid = 1333;
inline constexpr int kFirstUnpaidNumber = 1334;
inline constexpr int kLargestInstallment = 1335;
inline constexpr int kLastPayment = 1336;
inline constexpr int kGraph = 1337;
}  // namespace variable_rate_loan
// Borrowing limit (149): ids from 1400 on, in tab order.
namespace borrowing_limit {
inline constexpr int kAnnualIncome = 1400;
inline constexpr int kRadioFlat35 = 1401;
inline constexpr int kRadioTypedRatio = 1402;
inline constexpr int kBurdenRatio = 1403;
inline constexpr int kScreeningRate = 1404;
inline constexpr int kPaymentCount = 1405;
inline constexpr int kOtherRepayments = 1406;
inline constexpr int kCalc = 1407;
inline constexpr int kClear = 1408;
inline constexpr int kAppliedRatio = 1409;
inline constexpr int kMonthlyBudget = 1410;
inline constexpr int kBorrowingLimit = 1411;
inline constexpr int kInstallment = 1412;
}  // namespace borrowing_limit

// Savings goal (150): ids from 1500 on, in tab order.
namespace savings_goal {
inline constexpr int kGoal = 1500;
inline constexpr int kRadioSimple = 1501;
inline constexpr int kRadioCompound = 1502;
inline constexpr int kStartYear = 1503;
inline constexpr int kStartMonth = 1504;
inline constexpr int kEndYear = 1505;
inline constexpr int kEndMonth = 1506;
inline constexpr int kAnnualYield = 1507;
inline constexpr int kTaxRate = 1508;
inline constexpr int kCalc = 1509;
inline constexpr int kClear = 1510;
inline constexpr int kInstallment = 1511;
inline constexpr int kMaturityTotal = 1512;
inline constexpr int kPaidIn = 1513;
inline constexpr int kInterest = 1514;
}  // namespace savings_goal

// Repayment graph (160), opened by the グラフ button of a schedule dialog.
namespace graph {
inline constexpr int kChart = 1600;
inline constexpr int kSaveImage = 1601;
}  // namespace graph

}  // namespace res
