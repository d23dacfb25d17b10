// Dialog 100: the About box.
#include "res/ids.h"
#include "res/templates.h"

namespace res {
namespace {

using enum ControlKind;

constexpr ControlTemplate kControls[] = {
    {kIdStatic, Icon, "", 11, 12, 21, 20, kGroupStart},
    {kIdStatic, Static, "Tavoro Millenium Version 4.0", 42, 14, 120, 8, 0},
    {kIdStatic, Static, "バグ  ご要望の連絡先", 42, 34, 120, 8, 0},
    {kIdStatic, Static, "Tavoro 開発チーム", 54, 46, 110, 8, 0},
    {kIdStatic, Static, "tavoro@example.jp", 54, 57, 110, 8, 0},
    {kIdOk, Button, "OK", 173, 7, 50, 14, kDefault | kTabStop | kGroupStart},
};

}  // namespace

// A plain modal frame: no minimize box, not in the task bar.
constinit const DialogTemplate kAboutDialog{
    kDlgAbout, "ﾊﾞｰｼﾞｮﾝ情報 Tavoro V.4", 230, 83, kDialogFont, kDialogPointSize, 0u, kControls,
};

}  // namespace res
