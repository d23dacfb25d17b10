#include "ui/host.h"

#include <cstdlib>

namespace ui {
namespace {
Host* g_host = nullptr;
}  // namespace

const res::ControlTemplate* DialogWindow::FindControl(int id) const {
  for (const res::ControlTemplate& control : Template().controls)
    if (control.id == id) return &control;
  return nullptr;
}

Host& CurrentHost() {
  if (g_host == nullptr) std::abort();  // an entry point forgot to set its host
  return *g_host;
}

void SetCurrentHost(Host* host) { g_host = host; }

}  // namespace ui
