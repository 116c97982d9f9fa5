#pragma once
// Lines of the program's text files, whichever system wrote them.

#include <string>
#include <string_view>
#include <vector>

namespace skycrier {

// CR, LF and CR LF each end a line; a last line without an end counts, and
// an end at the very end adds no empty line. The views point into text.
std::vector<std::string_view> splitLines(std::string_view text);

// The text without the spaces and tabs around it.
std::string trimmed(std::string_view text);
// The pieces with the separator between each two.
std::string joined(const std::vector<std::string>& pieces, std::string_view separator);
// A number of 0..99 as two digits ("07").
std::string twoDigits(int number);

}  // namespace skycrier
