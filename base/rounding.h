#pragma once
// Doubles made integers. A parsed or computed value may be anything a double
// holds (a station's garbage, a configuration typo), and converting a value
// the integer cannot hold is undefined, so every conversion says whether it
// could be made.

#include <concepts>
#include <limits>
#include <optional>

namespace skycrier {

// Toward zero; nothing for NaN, infinities and values the type cannot hold.
template <std::integral T>
std::optional<T> truncateTo(double value) {
    // The open interval (min - 1, max + 1) is exactly what truncates into T.
    constexpr double below = static_cast<double>(std::numeric_limits<T>::min()) - 1.0;
    constexpr double above = static_cast<double>(std::numeric_limits<T>::max()) + 1.0;
    if (!(value > below && value < above)) return std::nullopt;
    return static_cast<T>(value);
}

// Nearest integer, ties to even (72.5 gives 72); nothing when out of range.
std::optional<int> roundHalfEven(double value);

}  // namespace skycrier
