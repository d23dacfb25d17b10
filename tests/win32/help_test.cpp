// Help on the Win32 host: F1 on real windows reaches the help command once, and
// a missing guide gets a box with its full path beside the program. The shell
// is asked to open only a file that is there.
#include "ui/win32/shell_open.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "res/ids.h"
#include "res/texts.h"
#include "tests/win32/win32_automation.h"

namespace ui::win32 {
namespace {

TEST(Help, MissingGuideBoxGivesItsPathBesideTheProgram) {
  Win32Automation automation;
  automation.helpAnswer = false;
  automation.Then([](DialogWindow& menu) { menu.UserKey(Key::F1); })
      .Click(res::menu::kEqualPaymentLoan)
      .Click(res::equal_payment_loan::kList)
      .Then([](DialogWindow& calculator) { calculator.UserKey(Key::F1); });
  automation.Run();
  // Once each: the calculator's F1 does not go on to the menu that owns it.
  EXPECT_EQ(automation.helpFiles, (std::vector<std::string>(2, "guide-ja.html")));
  ASSERT_EQ(automation.boxes.size(), 2u);
  const auto& box = automation.boxes[1];
  EXPECT_EQ(box.caption, res::text::kGuideCaption);
  EXPECT_EQ(box.type, res::text::kGuideBoxType);
  std::string prefix = std::string(res::text::kGuideMissing) + "\n\n";
  ASSERT_EQ(box.text.substr(0, prefix.size()), prefix);
  std::string shown = box.text.substr(prefix.size());
  std::filesystem::path path(std::u8string(shown.begin(), shown.end()));
  EXPECT_TRUE(path.is_absolute()) << shown;
  EXPECT_EQ(path.filename(), "guide-ja.html");
  EXPECT_TRUE(std::filesystem::equivalent(path.parent_path(),
                                          std::filesystem::path(TAVORO_EXE).parent_path()))
      << shown;
}

TEST(Help, ShellOpensNothingThatIsNotAFile) {
  auto folder = std::filesystem::temp_directory_path();
  auto missing = (folder / "tavoro-no-such-guide.html").u8string();
  auto folderText = folder.u8string();
  EXPECT_EQ(OpenWithShell(nullptr, std::string(missing.begin(), missing.end())),
            HelpOpening::kMissing);
  EXPECT_EQ(OpenWithShell(nullptr, std::string(folderText.begin(), folderText.end())),
            HelpOpening::kMissing);
  EXPECT_EQ(OpenWithShell(nullptr, ""), HelpOpening::kMissing);
  EXPECT_EQ(OpenWithShell(nullptr, "\xff.html"), HelpOpening::kMissing);
}

}  // namespace
}  // namespace ui::win32
