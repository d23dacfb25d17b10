#include "ui/dialog.h"

#include "ui/data_exchange.h"
#include "ui/host.h"
#include "ui/win_app.h"

namespace ui {

CDialog::CDialog(int templateId) : templateId_(templateId) {}

CDialog::~CDialog() = default;

int CDialog::DoModal() { return CurrentHost().RunModal(*this); }

bool CDialog::OnInitDialog() {
  UpdateData(false);
  return true;
}

void CDialog::OnCommand(int id) {
  for (auto& [commandId, handler] : commands_) {
    if (commandId == id) {
      handler();
      return;
    }
  }
  if (id == kIdOk) {
    OnOK();
  } else if (id == kIdCancel) {
    OnCancel();
  } else if (CWinApp* app = CWinApp::Current()) {
    app->OnCommand(id, window_);
  }
}

void CDialog::OnOK() {
  if (UpdateData(true)) EndDialog(kIdOk);
}

void CDialog::OnCancel() { EndDialog(kIdCancel); }

bool CDialog::OnSysCommand(unsigned) { return false; }

bool CDialog::OnPaint(WindowPainter&) { return false; }

int CDialog::OnQueryDragIcon() { return 0; }

bool CDialog::UpdateData(bool saveAndValidate) {
  if (window_ == nullptr) return false;
  CDataExchange dx(*this, saveAndValidate);
  DoDataExchange(dx);
  return !dx.Failed();
}

void CDialog::DoDataExchange(CDataExchange&) {}

void CDialog::EndDialog(int result) {
  if (window_ != nullptr) window_->End(result);
}

int CDialog::MessageBox(std::string_view text, std::string_view caption, unsigned type) {
  return CurrentHost().MessageBox(window_, text, caption, type);
}

void CDialog::CheckRadioButton(int first, int last, int check) {
  if (window_ != nullptr) window_->CheckRadioButton(first, last, check);
}

std::string CDialog::GetDlgItemText(int id) const {
  return window_ != nullptr ? window_->GetItemText(id) : std::string();
}

void CDialog::SetDlgItemText(int id, std::string_view text) {
  if (window_ != nullptr) window_->SetItemText(id, text);
}

}  // namespace ui
