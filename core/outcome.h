// What a calculation returns: the results, or the warning that stopped it.
#pragma once

#include <string_view>
#include <variant>

namespace core {

struct Warning {
  // Empty when the inputs failed their field validation in a way that cannot
  // be computed safely: the framework has shown its message, so the
  // calculation stops without a box of its own.
  std::string_view text;
};

// A calculation refused a value that failed its field's validation: the field
// exchange has already shown its message, so no warning box follows.
inline constexpr Warning kAlreadyReported{};

template <class Result>
using Outcome = std::variant<Warning, Result>;

}  // namespace core
