// The function menu, the main window: one button per calculator, the About box
// and exit.
#pragma once

#include "ui/dialog.h"

namespace app {

class CMenuDlg : public ui::CDialog {
 public:
  CMenuDlg();

  bool OnInitDialog() override;
  bool OnSysCommand(unsigned command) override;
  // Minimised, the menu draws its own icon centred in the window.
  bool OnPaint(ui::WindowPainter& painter) override;
  int OnQueryDragIcon() override;

  int m_hIcon;  // the application icon

 private:
  void OnAbout();
};

}  // namespace app
