#include "platform/http_fetch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "platform/timer.h"
#include "support/http_test_server.h"
#include "support/poll_loop.h"
#include "support/temp_dir.h"

namespace skycrier {
namespace {

using namespace std::string_literals;

constexpr HttpLimits kShortLimits{2'000, 2'000, 1024};

// CR LF, a lone LF and bytes that are not text all arrive unchanged.
const std::string kReport = "METAR LEBL 121030Z 24008KT 9999 FEW020 18/12 Q1016=\r\nnext\n\0\xff\x7f end"s;
const std::string kPage = "<html><body><p>LEBL 121030Z 24008KT</p></body></html>\n";

std::string redirectTo(const std::string& location) {
    return "HTTP/1.1 302 Found\r\nLocation: " + location + "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";
}

std::optional<std::string> fileContent(const std::filesystem::path& path) {
    if (!std::filesystem::exists(path)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

class HttpFetchTest : public ::testing::Test {
protected:
    // done's text, the loop running until done comes.
    std::string fetch(HttpFetcher& fetcher, const std::string& url, const std::string& into) {
        std::optional<std::string> result;
        fetcher.fetchToFile(url, into, [&](const std::string& error) { result = error; });
        EXPECT_FALSE(result) << "done runs later, on the loop";
        loop->runUntil([&] { return result.has_value(); });
        return *result;
    }

    std::vector<std::string> filesInFolder() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    std::unique_ptr<PollLoop> loop = test::newPollLoop();
    test::TempDir dir;
    const std::string path = (dir.path() / "metar_web.txt").string();
    test::HttpTestServer server{{
        {"/report.txt", test::httpAnswer(200, kReport, "Content-Type: text/plain\r\n")},
        {"/page.html", test::httpAnswer(200, kPage, "Content-Type: text/html; charset=utf-8\r\n")},
        {"/broken", test::httpAnswer(500, "server trouble\n")},
        {"/moved", redirectTo("/report.txt")},
        {"/circle", redirectTo("/circle")},
        {"/empty", test::httpAnswer(200, "")},
        {"/chunked", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\nConnection: close\r\n\r\n"
                     "7\r\nMETAR L\r\n5\r\nEBL 1\r\n0\r\n\r\n"},
        {"/big", test::httpAnswer(200, std::string(1025, 'x'))},
        {"/big-unsized", "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n" + std::string(4000, 'x')},
        {"/silent", test::kNoAnswer},
        {"/login", test::httpAnswer(200, "welcome\n", "Set-Cookie: visit=42; Path=/\r\n")},
    }};
};

TEST_F(HttpFetchTest, TheBodyReplacesTheStaleFileOnlyWhenTheFetchSucceeds) {
    const test::RefusingPort refusing;
    const std::string httpsToPlainServer = "https://127.0.0.1:" + std::to_string(server.port()) + "/report.txt";
    const struct {
        const char* what;
        std::string url;
        std::optional<std::string> body;  // nothing: a failure
        const char* reasonHas;
    } cases[] = {
        {"plain text", server.url("/report.txt"), kReport, ""},
        {"HTML page", server.url("/page.html"), kPage, ""},
        {"redirect", server.url("/moved"), kReport, ""},
        {"empty body", server.url("/empty"), "", ""},
        {"chunked body", server.url("/chunked"), "METAR LEBL 1", ""},
        {"404", server.url("/missing"), std::nullopt, "HTTP 404: the server has no such page; check the address"},
        {"500", server.url("/broken"), std::nullopt, "HTTP 500: the server is in trouble"},
        {"endless redirects", server.url("/circle"), std::nullopt, "redirects"},
        {"announced size over the cap", server.url("/big"), std::nullopt, "larger than 1024 bytes"},
        {"unannounced size over the cap", server.url("/big-unsized"), std::nullopt, "larger than 1024 bytes"},
        {"https to a plain server", httpsToPlainServer, std::nullopt, "no secure connection: "},
        {"connection refused", "http://127.0.0.1:" + std::to_string(refusing.port()) + "/", std::nullopt,
         "connection refused by 127.0.0.1: check the address and its port"},
        {"not a web address", "file:///etc/hostname", std::nullopt, "file"},
    };
    CurlFetcher fetcher(*loop, kShortLimits);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        dir.write("metar_web.txt", "stale report");
        const std::string reason = fetch(fetcher, c.url, path);
        if (c.body) {
            EXPECT_EQ(reason, "");
            EXPECT_EQ(fileContent(path), c.body);
            EXPECT_EQ(filesInFolder(), std::vector<std::string>{"metar_web.txt"});
        } else {
            EXPECT_NE(reason.find(c.reasonHas), std::string::npos) << reason;
            EXPECT_EQ(reason.find('\n'), std::string::npos) << reason;
            EXPECT_EQ(filesInFolder(), std::vector<std::string>{});
        }
    }
}

TEST_F(HttpFetchTest, TheRequestAsksForAFreshCopyAndNamesTheProgram) {
    CurlFetcher fetcher(*loop, kShortLimits);
    ASSERT_EQ(fetch(fetcher, server.url("/report.txt"), path), "");
    const auto requests = server.requests();
    ASSERT_EQ(requests.size(), 1u);
    for (const char* header :
         {"User-Agent: SkyCrier/2.2.2\r\n", "Cache-Control: no-cache\r\n", "Pragma: no-cache\r\n"}) {
        EXPECT_NE(requests[0].find(header), std::string::npos) << requests[0];
    }
}

// The Cookie header of the last request the server saw; empty when it had none.
std::string lastCookieHeader(const test::HttpTestServer& server) {
    const auto requests = server.requests();
    if (requests.empty()) return "no request";
    const std::string& head = requests.back();
    const auto start = head.find("\r\nCookie: ");
    if (start == std::string::npos) return "";
    const auto valueStart = start + 10;
    return head.substr(valueStart, head.find("\r\n", valueStart) - valueStart);
}

TEST_F(HttpFetchTest, AGivenCookieGoesOnlyToItsSiteAndPath) {
    // libcurl counts 127.0.0.1 as safe as https, so a test server here cannot tell secure cookies apart.
    const struct {
        const char* what;
        HttpCookie cookie;
        const char* sent;
    } cases[] = {
        {"this host, every path", {.domain = "127.0.0.1", .name = "s", .value = "1"}, "s=1"},
        {"this host, this path", {.domain = "127.0.0.1", .path = "/report.txt", .name = "s", .value = "1"}, "s=1"},
        {"this domain and its subdomains", {.domain = ".127.0.0.1", .name = "s", .value = "1"}, "s=1"},
        {"an empty path is the root", {.domain = "127.0.0.1", .path = "", .name = "s", .value = "1"}, "s=1"},
        {"http-only, lasting till 2100",
         {.domain = "127.0.0.1", .name = "s", .value = "1", .httpOnly = true, .expiry = 4'102'444'800}, "s=1"},
        {"another host", {.domain = "aprs.fi", .name = "s", .value = "1"}, ""},
        {"another path", {.domain = "127.0.0.1", .path = "/private", .name = "s", .value = "1"}, ""},
        {"expired", {.domain = "127.0.0.1", .name = "s", .value = "1", .expiry = 1'000'000'000}, ""},
        {"a line break in the value", {.domain = "127.0.0.1", .name = "s", .value = "1\r\nX-Injected: 1"}, ""},
        {"no name", {.domain = "127.0.0.1", .name = "", .value = "1"}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CurlFetcher fetcher(*loop, kShortLimits);
        fetcher.setCookie(c.cookie);
        ASSERT_EQ(fetch(fetcher, server.url("/report.txt"), path), "");
        EXPECT_EQ(lastCookieHeader(server), c.sent);
    }
}

TEST_F(HttpFetchTest, CookiesSetByAServerOrGivenLaterJoinTheNextRequestsUntilOneExpires) {
    CurlFetcher fetcher(*loop, kShortLimits);
    ASSERT_EQ(fetch(fetcher, server.url("/login"), path), "");
    EXPECT_EQ(lastCookieHeader(server), "");
    ASSERT_EQ(fetch(fetcher, server.url("/report.txt"), path), "");
    EXPECT_EQ(lastCookieHeader(server), "visit=42");

    fetcher.setCookie({.domain = "127.0.0.1", .name = "visit", .value = "43"});
    ASSERT_EQ(fetch(fetcher, server.url("/report.txt"), path), "");
    const std::string sent = lastCookieHeader(server);
    EXPECT_NE(sent.find("visit=43"), std::string::npos) << sent;
    EXPECT_EQ(sent.find("visit=42"), std::string::npos) << sent;

    fetcher.setCookie({.domain = "127.0.0.1", .name = "visit", .value = "", .expiry = 1});
    ASSERT_EQ(fetch(fetcher, server.url("/report.txt"), path), "");
    EXPECT_EQ(lastCookieHeader(server), "");
}

TEST_F(HttpFetchTest, ASilentServerEndsAtTheTimeOutWhileTheLoopKeepsRunning) {
    CurlFetcher fetcher(*loop, {.connectTimeoutMs = 2'000, .totalTimeoutMs = 300, .maxBodyBytes = 1024});
    int ticks = 0;
    Timer timer(*loop, 10, [&] { ++ticks; });
    timer.start();
    dir.write("metar_web.txt", "stale report");
    const std::string reason = fetch(fetcher, server.url("/silent"), path);
    EXPECT_EQ(reason, "timed out: 127.0.0.1 sent no whole answer within 1 s");
    EXPECT_GE(ticks, 10);
    EXPECT_EQ(filesInFolder(), std::vector<std::string>{});
}

TEST_F(HttpFetchTest, ACancelledFetchNeverCallsItsDoneAndLeavesNothing) {
    CurlFetcher fetcher(*loop);  // the default time-outs: far beyond this test
    bool cancelledDone = false;
    dir.write("metar_web.txt", "stale report");
    const auto id = fetcher.fetchToFile(server.url("/silent"), path, [&](const std::string&) { cancelledDone = true; });
    ASSERT_TRUE(server.waitForRequests(1));
    fetcher.cancel(id);
    fetcher.cancel(id);
    // The fetcher takes the cancel before this fetch's answer can come.
    EXPECT_EQ(fetch(fetcher, server.url("/report.txt"), (dir.path() / "other.txt").string()), "");
    EXPECT_FALSE(cancelledDone);
    EXPECT_EQ(filesInFolder(), std::vector<std::string>{"other.txt"});
}

TEST_F(HttpFetchTest, AFetcherGoneDuringATransferNeverCallsItsDoneAndLeavesNoFile) {
    auto fetcher = std::make_unique<CurlFetcher>(*loop);  // the default time-outs: far beyond this test
    bool silentDone = false;
    fetcher->fetchToFile(server.url("/silent"), path, [&](const std::string&) { silentDone = true; });
    // The silent server holds up no other fetch.
    EXPECT_EQ(fetch(*fetcher, server.url("/report.txt"), (dir.path() / "other.txt").string()), "");
    ASSERT_TRUE(server.waitForRequests(2));

    fetcher.reset();
    bool drained = false;
    loop->post([&] { drained = true; });
    loop->runUntil([&] { return drained; });
    EXPECT_FALSE(silentDone);
    EXPECT_EQ(filesInFolder(), std::vector<std::string>{"other.txt"});
}

}  // namespace
}  // namespace skycrier
