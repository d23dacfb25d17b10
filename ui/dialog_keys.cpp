#include "ui/dialog_keys.h"

namespace ui {

std::pair<size_t, size_t> GroupOf(std::span<const res::ControlTemplate> controls, size_t index) {
  size_t begin = index;
  while (begin > 0 && !(controls[begin].flags & res::kGroupStart)) --begin;
  size_t end = index + 1;
  while (end < controls.size() && !(controls[end].flags & res::kGroupStart)) ++end;
  return {begin, end};
}

size_t ArrowTarget(std::span<const res::ControlTemplate> controls, size_t index, bool previous) {
  if (index >= controls.size()) return index;
  auto [begin, end] = GroupOf(controls, index);
  const bool radiosOnly = controls[index].kind == res::ControlKind::Radio;
  const size_t size = end - begin;
  for (size_t step = 1; step < size; ++step) {
    size_t offset = index - begin;
    size_t candidate = begin + (previous ? offset + size - step : offset + step) % size;
    if (!radiosOnly || controls[candidate].kind == res::ControlKind::Radio) return candidate;
  }
  return index;
}

}  // namespace ui
