// How numbers look in an edit field: the parse rules of the field exchange and
// the way members are written back. Independent of locale and host.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ui {

// The text with what the Japanese input method types in full width read as
// ASCII: the digits, the plus and minus signs, the full stop and the blank
// (U+3000). Everything else stays as it is.
std::string FieldTextToAscii(std::string_view text);

// Both parses read the text through FieldTextToAscii first.

// Blanks, an optional sign, decimal digits, blanks. Nothing else, and the value
// must fit a signed 32-bit integer.
std::optional<int32_t> ParseIntField(std::string_view text);

// Blanks, an optional sign, a decimal number with an optional fraction and an
// optional exponent, blanks. No hex, no inf or nan, no thousands separators; a
// value beyond the range of a double does not parse.
std::optional<double> ParseRealField(std::string_view text);

// Plain decimal.
std::string FormatIntField(int32_t value);

// General notation with up to 15 significant digits, as printf's "%.15g". So
// that the text always parses again, a value whose 15 digits would round past
// the largest double is written with the fewest digits that read back exactly
// ("1.7976931348623157e+308").
std::string FormatRealField(double value);

}  // namespace ui
