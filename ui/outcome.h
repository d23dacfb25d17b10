// What a calculation returns: the results, or the warning that stopped it.
#pragma once

#include <string_view>
#include <variant>

namespace ui {

struct Warning {
  std::string_view text;
};

template <class Result>
using Outcome = std::variant<Warning, Result>;

}  // namespace ui
