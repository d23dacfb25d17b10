// printf-style formats for table cells and report lines, written without
// printf: the bytes are those that the C library's snprintf writes for the same
// format and values, at a fraction of its cost (integers written two digits
// at a time straight into place, reals through std::to_chars's exactly rounded
// fixed notation).
//
// A format is text with conversions "%[width][.precision]CONVERSION" and "%%"
// for a percent sign, where CONVERSION is d (an int), c (a char), or f or lf
// (a double; six decimals unless a precision is given). Each conversion is
// padded with blanks on the left to its width. The format is checked and taken
// apart when the program is compiled: an unknown conversion, or an argument of
// another type than its conversion takes, is a compile error.
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

enum class Kind : unsigned char { Integer, Character, Real };

// A conversion as the format gives it.
struct Conversion {
  Kind kind = Kind::Integer;
  unsigned char width = 0;
  unsigned char precision = 0;  // the decimals of a real
};

// Bounds that keep every conversion's text short.
inline constexpr int kMaxWidth = 99;
inline constexpr int kMaxPrecision = 20;
// The "%%" that one format may hold: a few are plenty for a line of a report.
inline constexpr size_t kMaxPercentSigns = 3;

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
  const char letter = format[at++];
  const auto w = static_cast<unsigned char>(*width);
  if (letter == 'f')
    return Conversion{Kind::Real, w, static_cast<unsigned char>(*precision < 0 ? 6 : *precision)};
  if (longReal || *precision >= 0) return std::nullopt;
  if (letter == 'd') return Conversion{Kind::Integer, w, 0};
  if (letter == 'c') return Conversion{Kind::Character, w, 0};
  return std::nullopt;
}

// The most bytes that a conversion writes, whatever its argument.
constexpr size_t Longest(const Conversion& conversion) {
  // A double's 309 integer digits, its sign, point and decimals; an int's ten
  // digits and sign; one character.
  const size_t longest = conversion.kind == Kind::Real ? 1 + 309 + 1 + conversion.precision
                         : conversion.kind == Kind::Integer ? 11
                                                            : 1;
  return longest > conversion.width ? longest : conversion.width;
}

// A stretch of the format's text, copied as it is, then a conversion when
// `converts`: a format taken apart once, so that writing it reads no format.
struct Piece {
  unsigned short textBegin = 0;
  unsigned short textSize = 0;
  bool converts = false;
  Conversion conversion;
};

struct Layout {
  size_t pieces;   // how many
  size_t longest;  // the most bytes the format writes
};

// Where the next '%' at or after `from` stands, or the format's size. By index:
// the format may be a compile-time array whose address a sanitizer build will
// not compare with null while compiling, as string_view::find does.
constexpr size_t NextPercent(std::string_view format, size_t from) {
  while (from < format.size() && format[from] != '%') ++from;
  return from;
}

// Takes the format apart into `pieces`, when every conversion of it is valid
// and takes, in order, an argument of the kind given, and there is room;
// else nullopt. A format with k conversions and p "%%" has k + p + 1 pieces.
constexpr std::optional<Layout> Compile(std::string_view format, std::span<const Kind> kinds,
                                        std::span<Piece> pieces) {
  if (format.size() > 0xFFFF) return std::nullopt;
  size_t count = 0, longest = 0, begin = 0, next = 0;
  auto add = [&](size_t end, std::optional<Conversion> conversion) {
    if (count == pieces.size()) return false;
    pieces[count++] = Piece{static_cast<unsigned short>(begin),
                            static_cast<unsigned short>(end - begin), conversion.has_value(),
                            conversion.value_or(Conversion{})};
    longest += end - begin + (conversion ? Longest(*conversion) : 0);
    return true;
  };
  for (size_t at = NextPercent(format, 0); at < format.size(); at = NextPercent(format, at)) {
    const size_t percent = at++;
    if (at < format.size() && format[at] == '%') {
      // "%%": the text so far with one of the two.
      if (!add(at, std::nullopt)) return std::nullopt;
      begin = ++at;
      continue;
    }
    std::optional<Conversion> conversion = ParseConversion(format, at);
    if (!conversion || next >= kinds.size() || kinds[next++] != conversion->kind ||
        !add(percent, conversion))
      return std::nullopt;
    begin = at;
  }
  if (next != kinds.size() || !add(format.size(), std::nullopt)) return std::nullopt;
  return Layout{count, longest};
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

// Appends the pieces of `text` with the arguments in order; `longest` is the
// most bytes they write (Compile made both for the arguments' kinds).
void AppendFormatted(std::string& out, std::string_view text, std::span<const Piece> pieces,
                     size_t longest, std::span<const Argument> arguments);

}  // namespace format_detail

// A format for arguments of the types Args, checked and taken apart when
// compiled.
template <class... Args>
class FormatString {
 public:
  static constexpr std::array<format_detail::Kind, sizeof...(Args)> kKinds{
      format_detail::KindOf<Args>()...};

  template <class Text>
    requires std::convertible_to<const Text&, std::string_view>
  consteval FormatString(const Text& text) : text_(text) {
    std::optional<format_detail::Layout> layout = format_detail::Compile(text_, kKinds, pieces_);
    if (!layout) format_detail::FormatDoesNotMatchItsArguments();
    count_ = layout->pieces;
    longest_ = layout->longest;
  }
  constexpr std::string_view Text() const { return text_; }
  constexpr std::span<const format_detail::Piece> Pieces() const { return {pieces_.data(), count_}; }
  constexpr size_t Longest() const { return longest_; }

 private:
  std::string_view text_;
  std::array<format_detail::Piece, sizeof...(Args) + format_detail::kMaxPercentSigns + 1> pieces_{};
  size_t count_ = 0;
  size_t longest_ = 0;
};

// Appends what snprintf(format, args...) would write.
template <class... Args>
void AppendFormat(std::string& out, const FormatString<std::type_identity_t<Args>...>& format,
                  Args... args) {
  const std::array<format_detail::Argument, sizeof...(Args)> arguments{args...};
  format_detail::AppendFormatted(out, format.Text(), format.Pieces(), format.Longest(), arguments);
}

// What snprintf(format, args...) would write.
template <class... Args>
std::string FormatText(const FormatString<std::type_identity_t<Args>...>& format, Args... args) {
  std::string out;
  AppendFormat<Args...>(out, format, args...);
  return out;
}

}  // namespace core
