// Dialog templates as data: the one description of every window that both the
// Win32 host and the headless host build their controls from.
// Positions and sizes are in dialog units; captions are UTF-8.
#pragma once

#include <span>
#include <string_view>

namespace res {

enum class ControlKind {
  Button,  // push button
  Radio,   // auto radio button
  Edit,    // single-line edit
  Static,  // static text
  Group,   // frame: an etched frame when the caption is empty, else a group box
  List,    // report-view list with a column header
  Icon,    // static icon; the caption is empty and the icon is the application icon
  Chart,   // a repayment graph that the host draws; the caption is empty
};

// Style bits of a control. The first four are the ones a user can tell apart and
// that the script driver prints; the rest shape how a host draws the control and
// how the keyboard moves through the dialog.
enum ControlFlag : unsigned {
  kReadOnly = 1u << 0,
  kTabStop = 1u << 1,     // a radio's tab stop follows its check at run time
  kDefault = 1u << 2,     // push button with the default-button style
  kMultiline = 1u << 3,   // button caption broken over several lines
  kGroupStart = 1u << 4,  // starts a group (WS_GROUP): the arrow keys move within one
  kAlignRight = 1u << 5,  // static text aligned right
  kAlignCenter = 1u << 6, // static text centred
  // Where a control goes when a resizable dialog changes size: it keeps its
  // distance to the right edge, to the bottom edge, or grows with the dialog
  // so that it keeps its distances to all four edges.
  kAnchorRight = 1u << 7,
  kAnchorBottom = 1u << 8,
  kStretch = 1u << 9,
};

struct ControlTemplate {
  int id;
  ControlKind kind;
  std::string_view caption;
  int x, y, w, h;
  unsigned flags;
};

enum DialogStyle : unsigned {
  kMinimizeBox = 1u << 0,  // the frame carries a minimize box
  kAppWindow = 1u << 1,    // shown in the task bar as an application window
  kResizable = 1u << 2,    // a sizing border and a maximize box; never smaller than its template
};

struct DialogTemplate {
  int id;
  std::string_view title;
  int w, h;
  std::string_view font;
  int pointSize;
  unsigned style;
  // In tab order, which is also the order in which the controls are created.
  std::span<const ControlTemplate> controls;
  // The push button that Enter presses while no push button has the focus, and
  // the only one that shows as the default then; 0 leaves it to the platform.
  int defaultButton = 0;
};

// The template with this id, or nullptr when there is none.
const DialogTemplate* FindDialogTemplate(int id);

// Every template the program has, for tools that walk all of them.
std::span<const DialogTemplate* const> AllDialogTemplates();

}  // namespace res
