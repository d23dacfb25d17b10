// What a calculation returns: the results, or the warning that stopped it.
#pragma once

#include <string_view>
#include <variant>

namespace ui {

struct Warning {
  std::string_view text;
};

// A calculation refused a value that failed its field's validation: the field
// exchange has already shown its message, so no warning box follows.
inline constexpr Warning kAlreadyReported{};

template <class Result>
using Outcome = std::variant<Warning, Result>;

}  // namespace ui
