// The Save dialog's filter and default extension, and the UTF-16 boundary.
#include "ui/win32/save_dialog.h"

#include <gtest/gtest.h>

#include "core/utf16.h"

namespace ui::win32 {
namespace {

using namespace std::string_literals;

TEST(DialogFilter, BarsBecomeNulsAndTheListEndsWithTwo) {
  std::wstring filter = DialogFilter(
      "テキスト(*.txt)|*.txt|logファイル (*.log)|*.log|All Files (*.*)|*.*||");
  EXPECT_EQ(filter, L"テキスト(*.txt)\0*.txt\0logファイル (*.log)\0*.log\0All Files (*.*)\0*.*\0"s);
  // c_str() supplies the second NUL that ends the list.
  EXPECT_EQ(filter.c_str()[filter.size()], L'\0');
}

TEST(DialogFilter, MissingClosingBarsAreSupplied) {
  EXPECT_EQ(DialogFilter("Text|*.txt"), L"Text\0*.txt\0"s);
  EXPECT_EQ(DialogFilter("Text|*.txt|"), L"Text\0*.txt\0"s);
  EXPECT_EQ(DialogFilter(""), L"");
}

TEST(DialogDefaultExtension, WildcardsAreNoExtension) {
  EXPECT_EQ(DialogDefaultExtension("*.*"), L"");
  EXPECT_EQ(DialogDefaultExtension("*.txt"), L"");
  EXPECT_EQ(DialogDefaultExtension("t?t"), L"");
  EXPECT_EQ(DialogDefaultExtension("txt"), L"txt");
  EXPECT_EQ(DialogDefaultExtension(".log"), L"log");
  EXPECT_EQ(DialogDefaultExtension(""), L"");
}

TEST(WideText, JapaneseRoundTripsExactly) {
  std::string texts[] = {"ﾊﾞｰｼﾞｮﾝ情報(TavoroI) (&A)...", "Tavoro V.4　機能メニュー",
                         "元利均等返済\nシミュレーション", "１００", "¥\\", "𠮷"};
  for (const std::string& text : texts) EXPECT_EQ(core::ToUtf8(core::ToUtf16(text)), text);
  EXPECT_EQ(core::ToUtf16("ﾊﾞｰｼﾞｮﾝ"), L"ﾊﾞｰｼﾞｮﾝ");
  EXPECT_EQ(core::ToUtf16("𠮷").size(), 2u);  // a surrogate pair
}

TEST(WideText, MalformedInputBecomesReplacementCharacters) {
  EXPECT_EQ(core::ToUtf16("a\xff" "b"), L"a\xfffd" L"b");
  EXPECT_EQ(core::ToUtf8(L"a\xd800" L"b"), "a\xef\xbf\xbd" "b");
  EXPECT_EQ(core::ToUtf16(""), L"");
  EXPECT_EQ(core::ToUtf8(L""), "");
}

}  // namespace
}  // namespace ui::win32
