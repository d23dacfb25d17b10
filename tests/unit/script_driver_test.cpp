// The script driver end to end on the headless host: what each command prints.
#include "tools/script_driver.h"

#include <gtest/gtest.h>

#include <sstream>

#include "app/interest_app.h"
#include "ui/headless/headless_host.h"

namespace tools {
namespace {

std::string Play(const std::string& script) {
  std::istringstream in(script);
  std::ostringstream out;
  ScriptDriver driver(in, out);
  ui::HeadlessHost host(driver);
  app::Run(host);
  return out.str();
}

TEST(ScriptDriver, StartsAtTheMenuAndUnwindsAtTheEnd) {
  EXPECT_EQ(Play(""), "opened\t102\nclosed\t102\n");
  EXPECT_EQ(Play("open 3\n"), "opened\t102\nopened\t129\nclosed\t129\nclosed\t102\n");
}

TEST(ScriptDriver, BadCommandsPrintErrorsAndGoOn) {
  std::string out = Play(
      "frobnicate\n"
      "open 999\n"
      "get abc\n"
      "get 4242\n"
      "click 102\n"
      "open 3\n"
      "set 1013 5\n"
      "set 1008 5\n"
      "click 1002\n"
      "open 3\n"
      "get 1002\n");
  EXPECT_EQ(out,
            "opened\t102\n"
            "error\tunknown command: frobnicate\n"
            "error\tno menu button: 999\n"
            "error\tbad id: abc\n"
            "error\tno control: 4242\n"
            "error\tno control: 102\n"
            "opened\t129\n"
            "error\tread-only: 1013\n"
            "error\tnot an edit: 1008\n"
            "error\tnot a button: 1002\n"
            "error\tno menu button: 3\n"
            "1002\t0\n"
            "closed\t129\n"
            "closed\t102\n");
}

TEST(ScriptDriver, KeysGoToTheFocusedControlAndUnknownKeysAreErrors) {
  EXPECT_EQ(Play("key Tab\nfocus\nkey tab\nkey Ctrl+Z\nclipboard\n"),
            "opened\t102\nfocus\t130\nerror\tno key: tab\nerror\tno key: Ctrl+Z\n"
            "clipboard\t\nclosed\t102\n");
}

TEST(ScriptDriver, CommentsBlankLinesAndCrLfAreIgnored) {
  EXPECT_EQ(Play("# a comment\r\n\r\nfocus\r\n"), "opened\t102\nfocus\t3\nclosed\t102\n");
}

TEST(ScriptDriver, SetTakesEverythingAfterTheIdIncludingSpaces) {
  std::string out = Play("open 3\nset 1002  1 2 \nget 1002\nset 1002\nget 1002\n");
  EXPECT_NE(out.find("1002\t 1 2 \n"), std::string::npos) << out;
  EXPECT_NE(out.find("1002\t\n"), std::string::npos) << out;
}

TEST(ScriptDriver, FieldsKeepOneLine) {
  EXPECT_EQ(EscapeField("a\nb\tc\r"), "a\\nb\\tc\\r");
  std::string out = Play("get 131\n");
  EXPECT_NE(out.find("131\t元利均等返済\\nシミュレーション\n"), std::string::npos) << out;
}

TEST(ScriptDriver, VeryLongTextsAreRefusedNotCrashedOn) {
  std::string digits(200000, '9');
  std::string out = Play("open 3\nset 1002 " + digits + "\nset 1003 " + digits +
                         "\nclick 1008\nget 1013\n");
  // Beyond the range of a double, the amount does not parse; the exchange stops
  // there and the calculation runs on the members as they were.
  EXPECT_NE(out.find("msgbox\tTavoro\t数値を入力してください。\t48\n1013\t0\n"),
            std::string::npos)
      << out.substr(0, 300);
}

TEST(ScriptDriver, FlagNamesInFixedOrder) {
  EXPECT_EQ(FlagNames(0), "");
  EXPECT_EQ(FlagNames(res::kMultiline | res::kReadOnly | res::kGroupStart), "readonly,multiline");
  EXPECT_EQ(FlagNames(res::kDefault | res::kTabStop), "tabstop,default");
}

TEST(ScriptDriver, ExitButtonEndsTheProgramAndLaterLinesAreIgnored) {
  EXPECT_EQ(Play("click 57665\nfocus\n"), "opened\t102\nclosed\t102\n");
}

TEST(ScriptDriver, SaveAnswerIsUsedOnceOnly) {
  std::istringstream in("save out.txt\n");
  std::ostringstream out;
  ScriptDriver driver(in, out);
  ui::HeadlessHost host(driver);
  app::Run(host);  // reads the save line, then ends
  ui::SaveDialogRequest request{"*.*", "ganri.txt", "f", 6};
  EXPECT_EQ(driver.OnSaveDialog(request), "out.txt");
  EXPECT_EQ(driver.OnSaveDialog(request), std::nullopt);
  EXPECT_NE(out.str().find("savedialog\tganri.txt\tf\t6\n"), std::string::npos);
}

}  // namespace
}  // namespace tools
