// printf-style formats for table cells and report lines, written without
// printf: the bytes are those that the C library's snprintf writes for the same
// format and values, at a fraction of its cost (integers through
// std::to_chars, reals through its exactly rounded fixed notation).
//
// A format is text with conversions "%[width][.precision]CONVERSION" and "%%"
// for a percent sign, where CONVERSION is d (an int), c (a char), or f or lf
// (a double; six decimals unless a precision is given). Each conversion is
// padded with blanks on the left to its width. The format is checked when the
// program is compiled: an unknown conversion, or an argument of another type
// than its conversion takes, is a compile error.
//
//   core::AppendFormat(report, "%4d.%2d %2d日間\n", year, month, days);
#pragma once

#include <array>
#include <concepts>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

namespace core {

namespace format_detail {

enum class Kind { Integer, Character, Real };

// A conversion as the format gives it; precision -1 when it gives none.
struct Conversion {
  Kind kind;
  int width;
  int precision;
};

// Bounds that keep every conversion's text short.
inline constexpr int kMaxWidth = 99;
inline constexpr int kMaxPrecision = 20;

// The conversion that starts at format[at] (just past its '%'); moves `at`
// past it. Nullopt when it is none of those above.
constexpr std::optional<Conversion> ParseConversion(std::string_view format, size_t& at) {
  auto number = [&](int limit) -> std::optional<int> {
    int value = 0;
    for (; at < format.size() && format[at] >= '0' && format[at] <= '9'; ++at) {
      value = value * 10 + (format[at] - '0');
      if (value > limit) return std::nullopt;
    }
    return value;
  };
  if (at < format.size() && format[at] == '0') return std::nullopt;  // no flags
  std::optional<int> width = number(kMaxWidth);
  std::optional<int> precision = -1;
  if (width && at < format.size() && format[at] == '.') {
    ++at;
    precision = number(kMaxPrecision);
  }
  if (!width || !precision || at >= format.size()) return std::nullopt;
  const bool longReal = format[at] == 'l';
  if (longReal && ++at >= format.size()) return std::nullopt;
  const char conversion = format[at++];
  if (conversion == 'f') return Conversion{Kind::Real, *width, *precision < 0 ? 6 : *precision};
  if (longReal || *precision >= 0) return std::nullopt;
  if (conversion == 'd') return Conversion{Kind::Integer, *width, -1};
  if (conversion == 'c') return Conversion{Kind::Character, *width, -1};
  return std::nullopt;
}

// True when every conversion of the format is valid and takes, in order, an
// argument of the kind given.
constexpr bool Matches(std::string_view format, std::span<const Kind> kinds) {
  size_t next = 0;
  for (size_t at = format.find('%'); at != std::string_view::npos; at = format.find('%', at)) {
    if (++at < format.size() && format[at] == '%') {
      ++at;
      continue;
    }
    std::optional<Conversion> conversion = ParseConversion(format, at);
    if (!conversion || next >= kinds.size() || kinds[next++] != conversion->kind) return false;
  }
  return next == kinds.size();
}

template <class T>
consteval Kind KindOf() {
  if constexpr (std::is_same_v<T, int>)
    return Kind::Integer;
  else if constexpr (std::is_same_v<T, char>)
    return Kind::Character;
  else if constexpr (std::is_same_v<T, double>)
    return Kind::Real;
  else
    static_assert(!sizeof(T), "a format takes int for %d, char for %c and double for %f");
}

// Called only where a format does not match: not constexpr, so that the
// compiler stops there.
void FormatDoesNotMatchItsArguments();

// One argument, stored by its kind.
struct Argument {
  Argument(int value) : integer(value) {}
  Argument(char value) : character(value) {}
  Argument(double value) : real(value) {}
  int integer = 0;
  char character = 0;
  double real = 0.0;
};

// Appends the format with the arguments in order. The format must match them
// (the checked forms below make sure it does); output stops at a conversion
// that does not.
void AppendFormatted(std::string& out, std::string_view format, std::span<const Argument> arguments);

}  // namespace format_detail

// A format for arguments of the types Args, checked when compiled.
template <class... Args>
class FormatString {
 public:
  template <class Text>
    requires std::convertible_to<const Text&, std::string_view>
  consteval FormatString(const Text& text) : text_(text) {
    constexpr std::array<format_detail::Kind, sizeof...(Args)> kinds{
        format_detail::KindOf<Args>()...};
    if (!format_detail::Matches(text_, kinds)) format_detail::FormatDoesNotMatchItsArguments();
  }
  constexpr std::string_view Text() const { return text_; }

 private:
  std::string_view text_;
};

// Appends what snprintf(format, args...) would write.
template <class... Args>
void AppendFormat(std::string& out, FormatString<std::type_identity_t<Args>...> format,
                  Args... args) {
  const std::array<format_detail::Argument, sizeof...(Args)> arguments{args...};
  format_detail::AppendFormatted(out, format.Text(), arguments);
}

// What snprintf(format, args...) would write.
template <class... Args>
std::string FormatText(FormatString<std::type_identity_t<Args>...> format, Args... args) {
  std::string out;
  AppendFormat<Args...>(out, format, args...);
  return out;
}

}  // namespace core
