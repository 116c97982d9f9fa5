// The new-version check as a user meets it: silent at start-up unless a newer
// version exists, always an answer from the info window's button, and no
// local copy of the list left behind.

#include "app/version_check.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "platform/virtual_loop.h"
#include "support/fake_fetcher.h"
#include "support/temp_dir.h"

namespace skycrier {
namespace {

const std::string kListUrl = "https://skycrier.github.io/index_fichiers/versions.txt";
const std::string kNewer = "info: Hay una versión más reciente de SKYCRIER disponible en https://skycrier.github.io/";

struct VersionRig {
    // The messages shown, "info: " or "warning: " and the text, and the beeps as "beep".
    std::vector<std::string> run(void (VersionCheck::*handler)()) {
        shown.clear();
        (check.*handler)();
        loop.runPending();
        return shown;
    }
    bool listLeft() const { return std::filesystem::exists(dir.path() / "versions.txt"); }

    VirtualLoop loop;
    test::FakeFetcher web{loop};
    test::TempDir dir;
    std::string host;
    std::vector<std::string> shown;
    VersionCheck check{{loop, &web, dir.path() / "versions.txt", [this] { return host; }}};
};

TEST(VersionCheck, VersionNumberTakesOneDigitOfEachOfThreeComponents) {
    const std::pair<const char*, int> cases[] = {{"2.2.2", 222}, {"2.2.3", 223}, {"2.10.0", 210}, {"3", 300},
                                                 {".5", 0},      {"", 0},        {"2..5", 205},   {"2.x.9", 200},
                                                 {"v2.2.2", 0},  {"9.9.9.9", 999}};
    for (const auto& [text, number] : cases) EXPECT_EQ(VersionNumber(text), number) << text;
}

TEST(VersionCheck, StartUpSpeaksOnlyOfANewerVersionTheButtonAlwaysAnswers) {
    struct Case {
        const char* what;
        std::optional<std::string> list;  // nothing: the fetch fails
        std::vector<std::string> atStartUp;
        std::vector<std::string> onDemand;
    };
    const std::vector<std::string> none;
    const std::vector<std::string> newer = {"beep", kNewer};
    const std::vector<std::string> upToDate = {"info: Estas actualizado."};
    const std::vector<std::string> noAnswer = {"warning: Error Internet"};
    const Case cases[] = {
        {"newer", "brell=9.9.9\r\nskycrier=2.2.3\r\n", newer, newer},
        {"the same", "skycrier=2.2.2", none, upToDate},
        {"older by its digits", "skycrier=2.10.0\n", none, upToDate},
        {"a major release", "skycrier=3\n", newer, newer},
        {"no leading digit", "skycrier=.5\n", none, upToDate},
        {"a web page", "<html>\nskycrier=9.9.9\n</html>\n", none, noAnswer},
        {"a page after two bytes", "  <p>\nskycrier=9.9.9\n", none, noAnswer},
        {"no line of its own", "Skycrier=9.9.9\nskycrier =9.9.9\n=skycrier=9.9.9\nskycrierX=9.9.9\n", none,
         noAnswer},
        {"an empty list", "", none, noAnswer},
        {"no connection", std::nullopt, none, noAnswer},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        VersionRig r;
        if (c.list) r.web.answers[kListUrl] = *c.list;
        r.check.beep = [&r] { r.shown.push_back("beep"); };
        r.check.showMessage = [&r](MessageKind kind, const std::string& text) {
            r.shown.push_back((kind == MessageKind::Warning ? "warning: " : "info: ") + text);
        };
        EXPECT_EQ(r.run(&VersionCheck::CheckNewVersion), c.atStartUp);
        EXPECT_EQ(r.run(&VersionCheck::BitBtnNewReleaseClick), c.onDemand);
        // Only an empty list stays until the next fetch replaces it.
        EXPECT_EQ(r.listLeft(), c.list && c.list->empty());
    }
}

TEST(VersionCheck, RequestsDuringOneFetchShareItsListAndTheHostIsConfigurable) {
    VersionRig r;
    r.host = "http://127.0.0.1:8080/";
    r.web.answers["http://127.0.0.1:8080/index_fichiers/versions.txt"] = "other=1.0\nskycrier=2.3.0 beta\n";
    std::vector<std::string> answers;
    r.check.FetchVersionEntry("skycrier", [&](const std::string& v) { answers.push_back(v); });
    r.check.FetchVersionEntry("other", [&](const std::string& v) { answers.push_back(v); });
    EXPECT_TRUE(answers.empty()) << "answers come later, on the loop";
    r.loop.runPending();
    EXPECT_EQ(answers, (std::vector<std::string>{"2.3.0 beta", "1.0"}));
    EXPECT_EQ(r.web.urls.size(), 1u);
    EXPECT_FALSE(r.listLeft());

    std::string shown;
    r.check.showMessage = [&](MessageKind, const std::string& text) { shown = text; };
    r.check.BitBtnNewReleaseClick();
    r.loop.runPending();
    EXPECT_EQ(shown, "Hay una versión más reciente de SKYCRIER disponible en http://127.0.0.1:8080/");
}

TEST(VersionCheck, WithoutTheWebTheButtonSaysSoAndStartUpStaysQuiet) {
    VirtualLoop loop;
    test::TempDir dir;
    VersionCheck check({loop, nullptr, dir.path() / "versions.txt", [] { return std::string(); }});
    std::vector<std::string> shown;
    check.showMessage = [&](MessageKind, const std::string& text) { shown.push_back(text); };
    check.CheckNewVersion();
    check.BitBtnNewReleaseClick();
    loop.runPending();
    EXPECT_EQ(shown, std::vector<std::string>{"Error Internet"});
}

}  // namespace
}  // namespace skycrier
