#include "ui/host.h"

#include <cstdlib>
#include <filesystem>

namespace ui {
namespace {
Host* g_host = nullptr;
}  // namespace

const res::ControlTemplate* DialogWindow::FindControl(int id) const {
  for (const res::ControlTemplate& control : Template().controls)
    if (control.id == id) return &control;
  return nullptr;
}

std::optional<std::string> AnswerSaveDialog(Automation& automation,
                                            const SaveDialogRequest& request) {
  std::optional<std::string> path = automation.OnSaveDialog(request);
  if (!path) return std::nullopt;
  std::error_code error;
  auto fsPath = std::filesystem::path(std::u8string(path->begin(), path->end()));
  if ((request.flags & kOfnOverwritePrompt) && std::filesystem::exists(fsPath, error) &&
      !automation.OnConfirmOverwrite(*path))
    return std::nullopt;
  return path;
}

Host& CurrentHost() {
  if (g_host == nullptr) std::abort();  // an entry point forgot to set its host
  return *g_host;
}

void SetCurrentHost(Host* host) { g_host = host; }

}  // namespace ui
