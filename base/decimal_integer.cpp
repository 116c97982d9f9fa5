#include "base/decimal_integer.h"

#include <charconv>

namespace skycrier {

std::optional<int> parseDecimalInteger(std::string_view text) {
    int value = 0;
    const char* last = text.data() + text.size();
    const auto [end, ec] = std::from_chars(text.data(), last, value);
    if (text.empty() || ec != std::errc() || end != last) return std::nullopt;
    return value;
}

}  // namespace skycrier
