// Dialog 160: the repayment graph of a schedule, resizable; the graph fills
// it above the two buttons, which keep to the lower right corner.
#include "res/ids.h"
#include "res/templates.h"

namespace res {
namespace {

using enum ControlKind;
namespace id = graph;

constexpr ControlTemplate kControls[] = {
    // The graph takes the focus first, so that Ctrl+C copies it at once.
    {id::kChart, Chart, "", 7, 7, 406, 224, kTabStop | kGroupStart | kStretch},
    {id::kSaveImage, Button, "画像を保存", 303, 239, 50, 14,
     kDefault | kTabStop | kGroupStart | kAnchorRight | kAnchorBottom},
    {kIdOk, Button, "閉じる", 363, 239, 50, 14,
     kDefault | kTabStop | kAnchorRight | kAnchorBottom},
};

}  // namespace

constinit const DialogTemplate kGraphDialog{
    kDlgGraph, "Tavoro V.4　返済グラフ", 420, 260, kDialogFont,
    kDialogPointSize, kResizable, kControls, kIdOk,
};

}  // namespace res
