// Report files: the Shift-JIS bytes, CR LF line ends, and replacing a file
// whole or not at all.
#include "core/report_file.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/resource.h>
#endif

#include <algorithm>
#include <csignal>
#include <filesystem>

#include "core/shift_jis.h"
#include "tests/unit/temp_folder.h"

namespace core {
namespace {

namespace fs = std::filesystem;

std::string Bytes(std::initializer_list<unsigned char> bytes) {
  return std::string(bytes.begin(), bytes.end());
}

TEST(ShiftJis, ConvertsThePrintedCharacters) {
  // 借 入 （ ） full-width space, the backslash as the single byte 0x5C.
  EXPECT_EQ(Utf8ToShiftJis("借入（円）　\\"),
            Bytes({0x8E, 0xD8, 0x93, 0xFC, 0x81, 0x69, 0x89, 0x7E, 0x81, 0x6A, 0x81, 0x40, 0x5C}));
  EXPECT_EQ(Utf8ToShiftJis("%d日間 1回"), Bytes({'%', 'd', 0x93, 0xFA, 0x8A, 0xD4, ' ', '1', 0x89,
                                                 0xF1}));
  // Half-width katakana take one byte each.
  EXPECT_EQ(Utf8ToShiftJis("ﾊﾞ"), Bytes({0xCA, 0xDE}));
  EXPECT_EQ(Utf8ToShiftJis(""), std::string());
}

TEST(ShiftJis, RefusesWhatCodePage932CannotHold) {
  EXPECT_EQ(Utf8ToShiftJis("残り\xF0\x9F\x98\x80"), std::nullopt);  // an emoji
  EXPECT_EQ(Utf8ToShiftJis("\xFF\xFE"), std::nullopt);              // not UTF-8
}

TEST(EncodeReport, EveryLineEndsInCarriageReturnLineFeed) {
  std::optional<std::string> bytes = EncodeReport("借入金額（円）　         \\   1000000\n\n最終\n");
  ASSERT_TRUE(bytes);
  const std::string firstLine = Bytes({0x8E, 0xD8, 0x93, 0xFC, 0x8B, 0xE0, 0x8A, 0x7A, 0x81, 0x69,
                                       0x89, 0x7E, 0x81, 0x6A, 0x81, 0x40}) +
                                "         \\   1000000\r\n";
  EXPECT_EQ(*bytes, firstLine + "\r\n" + Bytes({0x8D, 0xC5, 0x8F, 0x49}) + "\r\n");
  EXPECT_EQ(EncodeReport("a\nb"), "a\r\nb");
}

// A report written line by line has the bytes of its whole UTF-8 text encoded,
// whatever the numbers; 表 ends in the byte 0x5C, % never is part of a character.
TEST(ReportText, HasTheBytesOfItsTextEncoded) {
  const int balances[] = {2147483647, -2147483647 - 1, 0};
  ReportText report;
  for (int repayment = 1; repayment <= 3; ++repayment) {
    report.Append("%4d.%2d 表%3d回 %8.5lf%%\n", 2001, repayment, repayment, 0.015625 * repayment);
    report.Append("%2c残り\\%10d\n", repayment == 2 ? '*' : ' ', balances[repayment - 1]);
  }
  report.Append("\n合計\n");
  EXPECT_TRUE(report.Complete());
  EXPECT_EQ(report.Bytes(), EncodeReport("2001. 1 表  1回  0.01562%\n  残り\\2147483647\n"
                                         "2001. 2 表  2回  0.03125%\n *残り\\-2147483648\n"
                                         "2001. 3 表  3回  0.04688%\n  残り\\         0\n"
                                         "\n合計\n"));
  // A mark that is not ASCII cannot be written as it is: the report is not complete.
  report.Append("%2c\n", '\xA5');
  EXPECT_FALSE(report.Complete());
}

class ReplaceFileTest : public ::testing::Test {
 protected:
  static std::string Read(const fs::path& path) { return testing_support::TempFolder::Read(path); }
  static std::string Utf8(const fs::path& path) { return testing_support::TempFolder::Utf8(path); }
  static void Write(const fs::path& path, std::string_view bytes) {
    testing_support::TempFolder::Write(path, bytes);
  }
  // The names in the folder: a failed replacement leaves no temporary file behind.
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder.Path()))
      names.push_back(Utf8(entry.path().filename()));
    std::sort(names.begin(), names.end());
    return names;
  }

  testing_support::TempFolder folder;
};

TEST_F(ReplaceFileTest, CreatesANewFile) {
  const fs::path target = folder / "ganri.txt";
  ReportText report;
  report.Append("回\n");
  ASSERT_TRUE(WriteReportFile(Utf8(target), report));
  EXPECT_EQ(Read(target), Bytes({0x89, 0xF1, '\r', '\n'}));
  EXPECT_EQ(Names(), std::vector<std::string>{"ganri.txt"});
}

TEST_F(ReplaceFileTest, ReplacesTheWholeContentOfAnExistingFile) {
  const fs::path target = folder / "old.txt";
  Write(target, std::string(5000, 'x'));
  ASSERT_TRUE(ReplaceFileContents(Utf8(target), "short"));
  EXPECT_EQ(Read(target), "short");
  EXPECT_EQ(Names(), std::vector<std::string>{"old.txt"});
}

TEST_F(ReplaceFileTest, NamesWithJapaneseCharactersWork) {
  const fs::path target = folder.Path() / fs::path(u8"返済表 2000年.txt");
  ASSERT_TRUE(ReplaceFileContents(Utf8(target), "ok"));
  EXPECT_EQ(Read(target), "ok");
}

TEST_F(ReplaceFileTest, FailuresLeaveEverythingAsItWas) {
  // A folder that does not exist: nothing is created.
  EXPECT_FALSE(ReplaceFileContents(Utf8(folder / "missing" / "a.txt"), "x"));
  EXPECT_FALSE(fs::exists(folder / "missing"));
  // A folder as the target, or a device: not a plain file, not replaced.
  fs::create_directory(folder / "sub");
  EXPECT_FALSE(ReplaceFileContents(Utf8(folder / "sub"), "x"));
  EXPECT_TRUE(fs::is_directory(folder / "sub"));
#ifndef _WIN32
  EXPECT_FALSE(ReplaceFileContents("/dev/null", "x"));
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
#endif
  // A text with a character that has no Shift-JIS code: the old file stays.
  Write(folder / "keep.txt", "previous report");
  ReportText report;
  report.Append("\xF0\x9F\x98\x80\n");
  EXPECT_FALSE(WriteReportFile(Utf8(folder / "keep.txt"), report));
  EXPECT_EQ(Read(folder / "keep.txt"), "previous report");
  EXPECT_EQ(Names(), (std::vector<std::string>{"keep.txt", "sub"}));
  EXPECT_FALSE(ReplaceFileContents("", "x"));
}

// File-size limits and links are the POSIX way to provoke these cases.
#ifndef _WIN32
TEST_F(ReplaceFileTest, AWriteThatFailsMidwayKeepsTheOldFile) {
  // A file-size limit makes the write fail part of the way through, as a full
  // disk would; the signal it raises is ignored so that write reports the error.
  const fs::path target = folder / "report.txt";
  Write(target, "previous report");
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 4096;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool written = ReplaceFileContents(Utf8(target), std::string(100000, 'y'));
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);
  EXPECT_FALSE(written);
  EXPECT_EQ(Read(target), "previous report");
  EXPECT_EQ(Names(), std::vector<std::string>{"report.txt"});
}

TEST_F(ReplaceFileTest, ALinkGetsTheReportInTheFileItNames) {
  Write(folder / "real.txt", "old");
  fs::create_symlink(folder / "real.txt", folder / "link.txt");
  ASSERT_TRUE(ReplaceFileContents(Utf8(folder / "link.txt"), "new"));
  EXPECT_TRUE(fs::is_symlink(folder / "link.txt"));
  EXPECT_EQ(Read(folder / "real.txt"), "new");
}
#endif

}  // namespace
}  // namespace core
