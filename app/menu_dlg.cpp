#include "app/menu_dlg.h"

#include "app/about_dlg.h"
#include "app/calculators.h"
#include "app/icon_layout.h"
#include "res/ids.h"
#include "res/string_table.h"
#include "ui/host.h"
#include "ui/window_painter.h"

namespace app {

CMenuDlg::CMenuDlg() : CDialog(res::kDlgMenu), m_hIcon(res::kIconMain) {
  for (const Calculator& calculator : Calculators()) OnClicked(calculator.buttonId, calculator.run);
  OnClicked(res::menu::kVersion, &CMenuDlg::OnAbout);
  // "終了" is left to the application object's exit command.
}

bool CMenuDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  ui::DialogWindow* window = Window();
  std::string_view aboutItem = res::LoadString(res::kStringAboutBox);
  if (!aboutItem.empty()) {
    window->AppendSystemMenuSeparator();
    window->AppendSystemMenuItem(res::kIdmAboutBox, aboutItem);
  }
  window->SetIcon(m_hIcon, true);
  window->SetIcon(m_hIcon, false);
  return true;
}

bool CMenuDlg::OnSysCommand(unsigned command) {
  // The platform keeps its own flags in the low four bits of a system command.
  if ((command & 0xFFF0) == res::kIdmAboutBox) {
    OnAbout();
    return true;
  }
  return false;
}

bool CMenuDlg::OnPaint(ui::WindowPainter& painter) {
  if (!painter.IsIconic()) return false;
  painter.BeginPaint();
  painter.EraseIconBackground();
  ui::Extent icon = painter.IconExtent();
  ui::Extent client = painter.ClientExtent();
  painter.DrawIcon(m_hIcon, CentredIconOffset(client.width, icon.width),
                   CentredIconOffset(client.height, icon.height));
  painter.EndPaint();
  return true;
}

int CMenuDlg::OnQueryDragIcon() { return m_hIcon; }

void CMenuDlg::OnAbout() {
  CAboutDlg about;
  about.DoModal();
}

}  // namespace app
