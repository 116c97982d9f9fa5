// Texts from peer programs arrive in Windows-1252 and are shown in UTF-8.

#include <gtest/gtest.h>

#include "base/windows_1252.h"

namespace skycrier {
namespace {

TEST(Windows1252, ConvertsBothWays) {
    const std::pair<std::string, std::string> cases[] = {
        {"BRELL connect\xE9", "BRELL connecté"},
        {"\x80 \x9F \xA0\xFF", "€ Ÿ \u00A0ÿ"},
        // Unassigned bytes travel as the control characters of the same value.
        {"\x81\x9D", "\u0081\u009D"},
        {"", ""},
    };
    for (const auto& [bytes, text] : cases) {
        EXPECT_EQ(windows1252ToUtf8(bytes), text);
        EXPECT_EQ(utf8ToWindows1252(text), bytes);
    }
}

TEST(Windows1252, WhatTheCodePageLacksBecomesAQuestionMark) {
    EXPECT_EQ(utf8ToWindows1252("a\u0394b\U0001F600c"), "a?b?c");
    EXPECT_EQ(utf8ToWindows1252("x\xC3"), "x?");
    EXPECT_EQ(utf8ToWindows1252("\xFF" "a"), "?a");
}

}  // namespace
}  // namespace skycrier
