#pragma once
// The numbers of the internet reports' captions and output lines.

#include <string>

namespace skycrier {

// Fixed-point with exactly `decimals` decimals and at most `precision`
// significant digits: a value that would need more is first rounded to that
// many (1013.256 with precision 5 and 2 decimals shows "1013.30"). A value
// with more digits before the point than the precision keeps fixed notation
// (1852000, not an exponent form): only absurd reports get there, and their
// captions are red anyway.
std::string fixedPrecision(double value, int precision, int decimals);

// The nearest whole number (ties to even), "-0" shown as "0".
std::string wholeNumber(double value);

// The nearest whole number's digits, zero-padded to `width` after any "-" (-6 at width 3 is "-006").
std::string zeroPadded(double value, int width);

}  // namespace skycrier
