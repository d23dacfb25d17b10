// Amounts typed and shown in 万円 (units of 10,000 yen), computed in yen.
//
// The rule of the calculators: the arithmetic takes amounts as their fields
// hold them, in 万円, and turns them into yen itself, at the step its rules
// say; everything it returns is whole yen. Only dialogs turn yen back into
// 万円, to show them.
#pragma once

#include <cstdint>

namespace core {

inline constexpr int32_t kYenPerMan = 10000;

// A whole number of 万円 in yen; 64 bits, so that no field's value wraps.
constexpr int64_t ManToYen(int man) { return int64_t{man} * kYenPerMan; }

// A real amount of 万円 in yen, the real product, not truncated.
constexpr double ManToYen(double man) { return man * static_cast<double>(kYenPerMan); }

// Yen shown in 万円: the real quotient, not rounded.
constexpr double ToMan(int64_t yen) {
  return static_cast<double>(yen) / static_cast<double>(kYenPerMan);
}

}  // namespace core
