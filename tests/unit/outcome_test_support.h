// Reading a calculation's outcome in a test: its result, or its warning's text.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "core/outcome.h"

namespace testing_support {

// The result; a warning fails the test and gives a default result.
template <class Result>
Result ResultOf(const core::Outcome<Result>& outcome) {
  if (auto* warning = std::get_if<core::Warning>(&outcome)) {
    ADD_FAILURE() << "unexpected warning '" << warning->text << "'";
    return {};
  }
  return std::get<Result>(outcome);
}

// The warning's text, or "(no warning)".
template <class Result>
std::string WarningTextOf(const core::Outcome<Result>& outcome) {
  auto* warning = std::get_if<core::Warning>(&outcome);
  return warning ? std::string(warning->text) : "(no warning)";
}

}  // namespace testing_support
