// Save-to-file of the schedule simulations, on a probe dialog: the Save dialog
// it asks for, and what happens to the chosen file on each way out.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "res/ids.h"
#include "res/texts.h"
#include "tests/unit/temp_folder.h"
#include "tests/unit/test_automation.h"
#include "ui/calculator_dialog.h"
#include "ui/host.h"

namespace ui {
namespace {

namespace fs = std::filesystem;

class SaveProbeDlg : public CCalculatorDlg {
 public:
  SaveProbeDlg() : CCalculatorDlg(res::kDlgEqualPaymentLoan) {
    OnClicked(res::equal_payment_loan::kSave, [this] {
      SaveReportToFile("ganri.txt", [this]() -> std::optional<core::ReportText> {
        ++reportsWritten;
        if (stopReport) {
          Warn(res::text::kLoanDateAfterStart);
          return std::nullopt;
        }
        core::ReportText report;
        report.Append("利息\\%10d\n", 2377);
        return report;
      });
    });
  }
  bool stopReport = false;
  int reportsWritten = 0;
};

class SaveReportTest : public ::testing::Test {
 protected:
  SaveReportTest() : target(folder / "ganri.txt") {}

  void PressSave() {
    automation.Click(res::equal_payment_loan::kSave);
    dialog.DoModal();
  }
  static std::string Read(const fs::path& path) { return testing_support::TempFolder::Read(path); }

  testing_support::TestAutomation automation;
  SaveProbeDlg dialog;
  testing_support::TempFolder folder;
  fs::path target;
};

TEST_F(SaveReportTest, AsksWithTheReportSaveDialog) {
  PressSave();
  ASSERT_EQ(automation.saveDialogs.size(), 1u);
  const SaveDialogRequest& request = automation.saveDialogs[0];
  EXPECT_EQ(request.defaultExtension, "*.*");
  EXPECT_EQ(request.initialName, "ganri.txt");
  EXPECT_EQ(request.filter,
            "テキスト(*.txt)|*.txt|logファイル (*.log)|*.log|All Files (*.*)|*.*||");
  EXPECT_EQ(request.flags, 6u);
}

TEST_F(SaveReportTest, CancelWritesNothing) {
  automation.saveAnswer.reset();
  PressSave();
  EXPECT_EQ(dialog.reportsWritten, 0);
  EXPECT_TRUE(fs::is_empty(folder.Path()));
  EXPECT_TRUE(automation.boxes.empty());
}

TEST_F(SaveReportTest, OkWritesTheReportInShiftJisWithCrLf) {
  automation.saveAnswer = target.string();
  PressSave();
  EXPECT_EQ(dialog.reportsWritten, 1);
  EXPECT_EQ(Read(target), "\x97\x98\x91\xA7\\      2377\r\n");
  EXPECT_TRUE(automation.overwritePrompts.empty());  // nothing to overwrite yet
}

TEST_F(SaveReportTest, AnExistingFileIsReplacedOnlyAfterConfirmation) {
  std::ofstream(target, std::ios::binary) << "earlier";
  automation.saveAnswer = target.string();
  automation.overwriteAnswer = false;
  PressSave();
  EXPECT_EQ(automation.overwritePrompts, std::vector<std::string>{target.string()});
  EXPECT_EQ(dialog.reportsWritten, 0);
  EXPECT_EQ(Read(target), "earlier");

  automation.overwriteAnswer = true;
  PressSave();
  EXPECT_EQ(automation.overwritePrompts.size(), 2u);
  EXPECT_EQ(Read(target), "\x97\x98\x91\xA7\\      2377\r\n");
}

TEST_F(SaveReportTest, AStoppedReportLeavesTheFileAsItWas) {
  std::ofstream(target, std::ios::binary) << "earlier";
  dialog.stopReport = true;
  automation.saveAnswer = target.string();
  PressSave();
  // Only the report's own warning; the file keeps its content.
  ASSERT_EQ(automation.boxes.size(), 1u);
  EXPECT_EQ(automation.boxes[0].text, res::text::kLoanDateAfterStart);
  EXPECT_EQ(Read(target), "earlier");

  // A new file is not created either.
  automation.saveAnswer = (folder / "new.txt").string();
  PressSave();
  EXPECT_FALSE(fs::exists(folder / "new.txt"));
}

TEST_F(SaveReportTest, AFileThatCannotBeWrittenIsReported) {
  automation.saveAnswer = (folder / "no such folder" / "ganri.txt").string();
  PressSave();
  ASSERT_EQ(automation.boxes.size(), 1u);
  EXPECT_EQ(automation.boxes[0].caption, "注意");
  EXPECT_EQ(automation.boxes[0].text, res::text::kReportNotWritten);
  EXPECT_EQ(automation.boxes[0].type, 16u);
  EXPECT_FALSE(fs::exists(folder / "no such folder"));
}

}  // namespace
}  // namespace ui
