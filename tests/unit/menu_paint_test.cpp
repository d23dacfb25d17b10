// The minimised function menu: its icon centred by (client − icon + 1) / 2.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/icon_layout.h"
#include "app/menu_dlg.h"
#include "res/ids.h"
#include "ui/window_painter.h"

namespace app {
namespace {

TEST(CentredIconOffset, OddSurplusGoesBeforeTheIcon) {
  EXPECT_EQ(CentredIconOffset(35, 32), 2);  // margins 2 and 1
  EXPECT_EQ(CentredIconOffset(36, 32), 2);  // equal margins
  EXPECT_EQ(CentredIconOffset(32, 32), 0);
  EXPECT_EQ(CentredIconOffset(33, 32), 1);
}

TEST(CentredIconOffset, ShortfallTruncatesTowardZero) {
  EXPECT_EQ(CentredIconOffset(29, 32), -1);  // -3 + 1 = -2, halved
  EXPECT_EQ(CentredIconOffset(28, 32), -1);  // -3 / 2 is -1, not the floor -2
  EXPECT_EQ(CentredIconOffset(0, 32), -15);
}

TEST(CentredIconOffset, ExtremeSizesStayDefined) {
  EXPECT_EQ(CentredIconOffset(INT32_MAX, 0), 1073741824);
  EXPECT_EQ(CentredIconOffset(INT32_MIN, INT32_MAX), INT32_MIN + 1);  // (-2^32 + 2) / 2
  EXPECT_EQ(CentredIconOffset(INT32_MAX, INT32_MIN), INT32_MAX);  // 2^31 does not fit
}

// Records what the menu asks of the paint context.
class RecordingPainter : public ui::WindowPainter {
 public:
  bool iconic = true;
  ui::Extent icon{32, 32};
  ui::Extent client{35, 29};
  std::vector<std::string> calls;

  bool IsIconic() const override { return iconic; }
  void BeginPaint() override { calls.push_back("begin"); }
  void EndPaint() override { calls.push_back("end"); }
  void EraseIconBackground() override { calls.push_back("erase"); }
  ui::Extent IconExtent() const override { return icon; }
  ui::Extent ClientExtent() const override { return client; }
  void DrawIcon(int iconId, int x, int y) override {
    calls.push_back("draw " + std::to_string(iconId) + " " + std::to_string(x) + " " +
                    std::to_string(y));
  }
};

TEST(MenuPaint, MinimisedMenuDrawsItsIconCentred) {
  CMenuDlg menu;
  RecordingPainter painter;
  EXPECT_TRUE(menu.OnPaint(painter));
  EXPECT_EQ(painter.calls, (std::vector<std::string>{"begin", "erase", "draw 128 2 -1", "end"}));
}

TEST(MenuPaint, OpenMenuLeavesPaintingToThePlatform) {
  CMenuDlg menu;
  RecordingPainter painter;
  painter.iconic = false;
  EXPECT_FALSE(menu.OnPaint(painter));
  EXPECT_TRUE(painter.calls.empty());
}

TEST(MenuPaint, DraggedMinimisedMenuShowsTheApplicationIcon) {
  CMenuDlg menu;
  EXPECT_EQ(menu.OnQueryDragIcon(), res::kIconMain);
}

}  // namespace
}  // namespace app
