// Reading a calculation's outcome in a test: its result, or what stopped it.
#pragma once

#include <gtest/gtest.h>

#include <string_view>
#include <variant>

#include "core/outcome.h"

namespace testing_support {

// What WarningOf gives for an outcome with results, and for a stop that the
// field exchange has already reported.
inline constexpr std::string_view kNoWarning = "(no warning)";
inline constexpr std::string_view kAlreadyReportedText = "(already reported)";

// The text of the warning that stopped the calculation, or one of the two above.
template <class Result>
std::string_view WarningOf(const core::Outcome<Result>& outcome) {
  const core::Stop* stop = std::get_if<core::Stop>(&outcome);
  if (stop == nullptr) return kNoWarning;
  const core::Warning* warning = std::get_if<core::Warning>(stop);
  return warning != nullptr ? warning->text : kAlreadyReportedText;
}

// The result; a stop fails the test and gives a default result.
template <class Result>
Result ResultOf(const core::Outcome<Result>& outcome) {
  if (const Result* result = std::get_if<Result>(&outcome)) return *result;
  ADD_FAILURE() << "unexpected stop: " << WarningOf(outcome);
  return {};
}

}  // namespace testing_support
