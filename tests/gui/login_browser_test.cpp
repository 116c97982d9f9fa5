#include "gui/login_browser.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QWebEngineView>
#include <optional>
#include <string>
#include <vector>

#include "gui/qt_event_loop.h"
#include "platform/http_fetch.h"
#include "support/http_test_server.h"
#include "support/temp_dir.h"

namespace skycrier {
namespace {

constexpr int kWaitMs = 15'000;

// The program's fetcher, noting the name of every cookie handed to it.
class NotingFetcher : public HttpFetcher {
public:
    explicit NotingFetcher(HttpFetcher& inner) : inner_(inner) {}
    FetchId fetchToFile(const std::string& url, const std::string& path,
                        std::function<void(const std::string&)> done) override {
        return inner_.fetchToFile(url, path, std::move(done));
    }
    void cancel(FetchId id) override { inner_.cancel(id); }
    void setCookie(const HttpCookie& cookie) override {
        names.push_back(cookie.name);
        inner_.setCookie(cookie);
    }

    std::vector<std::string> names;

private:
    HttpFetcher& inner_;
};

// The login page sets one cookie in its answer's head and one from a script.
const std::string kLoginPage =
    "<html><body><p>Entrar</p><script>document.cookie = 'by_script=2; path=/';</script></body></html>";

TEST(LoginBrowserTest, ALoginsCookiesReachTheProgramsLaterFetchesOfTheSite) {
    test::HttpTestServer server{{
        {"/?c=login", test::httpAnswer(200, kLoginPage,
                                       "Content-Type: text/html; charset=utf-8\r\nSet-Cookie: by_head=1; Path=/\r\n")},
        {"/raw.txt", test::httpAnswer(200, "packets\n")},
    }};
    gui::QtEventLoop loop;
    CurlFetcher curl(loop, {5'000, 5'000, 1024});
    NotingFetcher fetcher(curl);
    gui::LoginBrowser browser(&fetcher);
    browser.resize(480, 320);
    browser.show();

    browser.navigate(server.url("/?c=login"));
    if (!browser.failure().isEmpty()) GTEST_SKIP() << browser.failure().toStdString();
    const bool handedOver = QTest::qWaitFor(
        [&] { return fetcher.names.size() >= 2 || !browser.failure().isEmpty(); }, kWaitMs);
    if (!browser.failure().isEmpty()) GTEST_SKIP() << browser.failure().toStdString();
    ASSERT_TRUE(handedOver) << "cookies handed over: " << fetcher.names.size();

    test::TempDir dir;
    std::optional<std::string> result;
    fetcher.fetchToFile(server.url("/raw.txt"), (dir.path() / "aprs_web.txt").string(),
                        [&](const std::string& error) { result = error; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return result.has_value(); }, kWaitMs));
    ASSERT_EQ(*result, "");
    const std::string head = server.requests().back();
    ASSERT_NE(head.find("GET /raw.txt"), std::string::npos) << head;
    EXPECT_NE(head.find("by_head=1"), std::string::npos) << head;
    EXPECT_NE(head.find("by_script=2"), std::string::npos) << head;
}

TEST(LoginBrowserTest, WithoutItsHelperProgramTheBrowserSaysWhyInsteadOfStarting) {
    qputenv("QTWEBENGINEPROCESS_PATH", "/nonexistent/QtWebEngineProcess");
    gui::LoginBrowser browser(nullptr);
    browser.navigate("http://127.0.0.1:1/");
    qunsetenv("QTWEBENGINEPROCESS_PATH");
    const QString failure = browser.failure();
    EXPECT_TRUE(failure.startsWith("El navegador no puede arrancar aquí")) << failure.toStdString();
    EXPECT_TRUE(failure.contains("QtWebEngineProcess")) << failure.toStdString();
    EXPECT_EQ(browser.findChild<QWebEngineView*>(), nullptr);
}

}  // namespace
}  // namespace skycrier
