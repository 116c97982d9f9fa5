#pragma once
// Texts exchanged with peer programs are 8-bit Windows-1252; the program
// works in UTF-8.

#include <string>

namespace skycrier {

// Each byte as its Windows-1252 character; the five bytes that code page
// leaves unassigned pass through as the control characters of the same value.
std::string windows1252ToUtf8(const std::string& bytes);

// Each character as its Windows-1252 byte; a character that code page lacks,
// or a broken UTF-8 sequence, becomes '?'.
std::string utf8ToWindows1252(const std::string& text);

}  // namespace skycrier
