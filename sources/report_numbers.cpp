#include "sources/report_numbers.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "base/rounding.h"
#include "sources/derived_values.h"

namespace skycrier {

std::string fixedPrecision(double value, int precision, int decimals) {
    // Below 10^(precision - decimals) the decimals never need more digits
    // than the precision allows: the common case, without the costly check.
    if (std::isfinite(value) && std::fabs(value) >= std::pow(10.0, precision - decimals)) {
        char significant[64];
        std::snprintf(significant, sizeof significant, "%.*e", precision - 1, value);
        const int exponent = std::atoi(std::strchr(significant, 'e') + 1);
        if (exponent + 1 + decimals > precision) value = std::strtod(significant, nullptr);
    }
    return fixed(value, decimals);
}

std::string wholeNumber(double value) {
    const double whole = std::nearbyint(value);
    if (const auto small = truncateTo<long long>(whole)) return std::to_string(*small);
    return fixed(whole, 0);
}

std::string zeroPadded(double value, int width) {
    std::string digits = wholeNumber(value);
    const bool negative = digits.front() == '-';
    if (negative) digits.erase(0, 1);
    if (digits.size() < static_cast<std::size_t>(width)) digits.insert(0, width - digits.size(), '0');
    return negative ? "-" + digits : digits;
}

}  // namespace skycrier
