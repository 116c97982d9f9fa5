#include "net/url_line.h"

#include <gtest/gtest.h>

namespace skycrier {
namespace {

TEST(UrlLine, CommentIsShownButNeverFetched) {
    const std::string longComment(300, 'c');
    const struct {
        std::string line;
        std::size_t cut;
        std::string address;
        std::string comment;
    } cases[] = {
        {"https://host/metar?ids=LEBL //Barcelona", 200, "https://host/metar?ids=LEBL", "Barcelona"},
        {"http://host/wx.txt", 200, "http://host/wx.txt", ""},
        // Only the first mark counts; "//" without the blank is part of the address.
        {"http://host/a //one //two", 100, "http://host/a", "one //two"},
        {"http://host/a //", 100, "http://host/a", ""},
        // The cut deletes a fixed count of characters, so a long comment leaves its tail.
        {"http://host/a //" + longComment, 100, "http://host/a" + std::string(203, 'c'), std::string(300, 'c')},
        {"http://host/a //" + longComment + longComment, 200, "http://host/a" + std::string(403, 'c'),
         std::string(500, 'c')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(cutComment(c.line, c.cut), c.address);
        EXPECT_EQ(urlComment(c.line), c.comment);
    }
}

TEST(UrlLine, FileNameAndWebAddress) {
    EXPECT_EQ(UrlFileName("https://host/data/metar_web.txt"), "metar_web.txt");
    EXPECT_EQ(UrlFileName("wxnow.txt"), "wxnow.txt");
    EXPECT_EQ(UrlFileName("http://host/"), "");

    for (const char* web : {"http://host", "https://host/x"}) EXPECT_TRUE(isWebAddress(web)) << web;
    for (const char* other : {"", "HTTP://host", "ftp://host", " http://host", "/home/wx/wxnow.txt"}) {
        EXPECT_FALSE(isWebAddress(other)) << other;
    }
}

}  // namespace
}  // namespace skycrier
