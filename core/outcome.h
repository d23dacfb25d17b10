// What a calculation returns: its results, or why it stopped before them.
#pragma once

#include <string_view>
#include <variant>

#include "res/texts.h"

namespace core {

// The calculation's own check failed: its warning box shows the text.
struct Warning {
  std::string_view text;
};

// A value failed its field's validation in a way that cannot be computed
// safely (no repayments at all, a date before year 0): the field exchange has
// already shown its message, so the calculation stops without a box of its own.
struct AlreadyReported {};
inline constexpr AlreadyReported kAlreadyReported{};

// Why a calculation stopped.
using Stop = std::variant<Warning, AlreadyReported>;

template <class Result>
using Outcome = std::variant<Stop, Result>;

// The stop of every calculation whose amount does not fit.
inline constexpr Warning kOverflow{res::text::kOverflow};

}  // namespace core
