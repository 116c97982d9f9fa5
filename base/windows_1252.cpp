#include "base/windows_1252.h"

#include <cstdint>

namespace skycrier {
namespace {

// Code points of bytes 0x80..0x9F; 0 where the code page assigns none.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char32_t codePoint(unsigned char byte) {
    if (byte < 0x80 || byte > 0x9F) return byte;
    const char32_t mapped = kHighControls[byte - 0x80];
    return mapped != 0 ? mapped : byte;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char byteFor(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (unsigned i = 0; i < 32; ++i)
        if (codePoint(static_cast<unsigned char>(0x80 + i)) == c) return static_cast<char>(0x80 + i);
    return '?';
}

// The code point starting at text[i], advancing i; nothing for a broken sequence.
bool decodeUtf8(const std::string& text, std::size_t& i, char32_t& c) {
    const auto lead = static_cast<unsigned char>(text[i++]);
    int extra = 0;
    if (lead < 0x80) {
        c = lead;
        return true;
    }
    if ((lead & 0xE0) == 0xC0) {
        c = lead & 0x1F;
        extra = 1;
    } else if ((lead & 0xF0) == 0xE0) {
        c = lead & 0x0F;
        extra = 2;
    } else if ((lead & 0xF8) == 0xF0) {
        c = lead & 0x07;
        extra = 3;
    } else {
        return false;
    }
    for (; extra > 0; --extra, ++i) {
        if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) return false;
        c = (c << 6) | (static_cast<unsigned char>(text[i]) & 0x3F);
    }
    return true;
}

}  // namespace

std::string windows1252ToUtf8(const std::string& bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char b : bytes) appendUtf8(out, codePoint(static_cast<unsigned char>(b)));
    return out;
}

std::string utf8ToWindows1252(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        char32_t c = 0;
        out += decodeUtf8(text, i, c) ? byteFor(c) : '?';
    }
    return out;
}

}  // namespace skycrier
