// How the arrow keys move through a dialog, read from its template: the one
// rule that both hosts follow, so that a key lands on the same control on each.
#pragma once

#include <cstddef>
#include <span>
#include <utility>

#include "res/dialog_template.h"

namespace ui {

// The group that controls[index] belongs to, as [begin, end): from the control
// that starts it to the control before the next start.
std::pair<size_t, size_t> GroupOf(std::span<const res::ControlTemplate> controls, size_t index);

// The control that an arrow key moves to from controls[index]: the next one
// (or with `previous` the one before) of the same group, wrapping around at the
// group's ends. From a radio only the radios of its group count, so
// the arrows stay on the mode radios even where fields stand between them.
// Returns `index` itself when no other control qualifies.
size_t ArrowTarget(std::span<const res::ControlTemplate> controls, size_t index, bool previous);

}  // namespace ui
