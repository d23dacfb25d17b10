// What a dialog may paint itself, through whichever host shows it: for now the
// picture of a minimised window, which is the icon on an erased background.
#pragma once

namespace ui {

struct Extent {
  int width = 0;
  int height = 0;
};

// The paint context of a dialog's window, valid during one paint request.
class WindowPainter {
 public:
  virtual ~WindowPainter() = default;
  virtual bool IsIconic() const = 0;
  // Painting happens between these two; the host ends it if the dialog forgets.
  virtual void BeginPaint() = 0;
  virtual void EndPaint() = 0;
  // Erases the background behind the icon of the minimised window.
  virtual void EraseIconBackground() = 0;
  // The size of an icon as the system draws it.
  virtual Extent IconExtent() const = 0;
  virtual Extent ClientExtent() const = 0;
  // Draws icon resource `iconId` with its upper-left corner at (x, y).
  virtual void DrawIcon(int iconId, int x, int y) = 0;
};

}  // namespace ui
