// The new-version check as a user meets it: silent at start-up unless a newer
// version exists, always an answer from the info window's button, and no
// local copy of the list left behind.

#include "app/version_check.h"

#include <gtest/gtest.h>

#include <optional>

#include "platform/virtual_loop.h"
#include "support/fake_fetcher.h"
#include "support/temp_dir.h"

namespace skycrier {
namespace {

struct VersionRig {
    VersionRig() {
        check.beep = [this] { shown.push_back("beep"); };
        check.showMessage = [this](MessageKind kind, const std::string& text) {
            shown.push_back((kind == MessageKind::Warning ? "warning: " : "") + text);
        };
        check.notice = [this](const std::string& text) { shown.push_back("notice: " + text); };
    }
    // The beeps and messages of one check, in order.
    std::vector<std::string> run(void (VersionCheck::*handler)()) {
        shown.clear();
        (check.*handler)();
        loop.runPending();
        return shown;
    }

    VirtualLoop loop;
    test::FakeFetcher web{loop};
    test::TempDir dir;
    std::string host;
    std::vector<std::string> shown;
    VersionCheck check{{loop, &web, dir.path() / "versions.txt", [this] { return host; }}};
};

TEST(VersionCheck, VersionNumberTakesOneDigitOfEachOfThreeComponents) {
    const std::pair<const char*, int> cases[] = {{"2.2.2", 222}, {"2.2.3", 223}, {"2.10.0", 210}, {"3", 300},
                                                 {".5", 0},      {"", 0},        {"2..5", 205},   {"2.x.9", 200}};
    for (const auto& [text, number] : cases) EXPECT_EQ(VersionNumber(text), number) << text;
}

TEST(VersionCheck, StartUpSpeaksOnlyOfANewerVersionTheButtonAlwaysAnswers) {
    const std::vector<std::string> none;
    const std::string newText = "Hay una versión más reciente de SKYCRIER disponible en https://skycrier.github.io/";
    // Unasked, it is a notice: no box waits for a click at start-up.
    const std::vector<std::string> newerNotice = {"beep", "notice: " + newText};
    const std::vector<std::string> newer = {"beep", newText};
    const std::vector<std::string> upToDate = {"Estas actualizado."};
    const std::vector<std::string> noAnswer = {"warning: Error Internet"};
    const struct {
        std::optional<std::string> list;  // nothing: the fetch fails
        std::vector<std::string> atStartUp, onDemand;
    } cases[] = {
        {"brell=9.9.9\r\nskycrier=2.2.3\r\n", newerNotice, newer},
        {"skycrier=2.2.2", none, upToDate},
        {"skycrier=2.10.0\n", none, upToDate},
        {"skycrier=3\n", newerNotice, newer},
        {"skycrier=.5\n", none, upToDate},
        {"<html>\nskycrier=9.9.9\n</html>\n", none, noAnswer},
        {"  <p>\nskycrier=9.9.9\n", none, noAnswer},
        {"Skycrier=9.9.9\nskycrier =9.9.9\n=skycrier=9.9.9\nskycrierX=9.9.9\n", none, noAnswer},
        {"", none, noAnswer},
        {std::nullopt, none, noAnswer},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.list.value_or("no connection"));
        VersionRig r;
        if (c.list) r.web.answers["https://skycrier.github.io/index_fichiers/versions.txt"] = *c.list;
        EXPECT_EQ(r.run(&VersionCheck::checkAtStart), c.atStartUp);
        EXPECT_EQ(r.run(&VersionCheck::checkOnRequest), c.onDemand);
        // Only an empty list stays until the next fetch replaces it.
        EXPECT_EQ(std::filesystem::exists(r.dir.path() / "versions.txt"), c.list && c.list->empty());
    }
}

TEST(VersionCheck, RequestsDuringOneFetchShareItAndTheHostIsConfigurable) {
    VersionRig r;
    r.host = "http://127.0.0.1:8080/";
    r.web.answers["http://127.0.0.1:8080/index_fichiers/versions.txt"] = "other=1.0\nskycrier=2.3.0 beta\n";
    std::vector<std::string> answers;
    r.check.fetchVersionEntry("skycrier", [&](const std::string& v) { answers.push_back(v); });
    r.check.fetchVersionEntry("other", [&](const std::string& v) { answers.push_back(v); });
    r.check.checkAtStart();
    EXPECT_TRUE(answers.empty()) << "answers come later, on the loop";
    r.loop.runPending();
    EXPECT_EQ(answers, (std::vector<std::string>{"2.3.0 beta", "1.0"}));
    EXPECT_EQ(r.web.urls.size(), 1u);
    EXPECT_EQ(r.shown.back(), "notice: Hay una versión más reciente de SKYCRIER disponible en http://127.0.0.1:8080/");

    VersionCheck offline({r.loop, nullptr, r.dir.path() / "versions.txt", [] { return std::string(); }});
    std::string shown;
    offline.showMessage = [&](MessageKind, const std::string& text) { shown = text; };
    offline.checkOnRequest();
    r.loop.runPending();
    EXPECT_EQ(shown, "Error Internet");
}

}  // namespace
}  // namespace skycrier
