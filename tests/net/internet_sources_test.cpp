// The METAR and APRS windows: what a poll fetches, the status it shows, the
// report it decodes, the files it writes, the history and the favourites.

#include <gtest/gtest.h>

#include <fstream>

#include "app/source_models.h"
#include "platform/date_time.h"
#include "platform/virtual_loop.h"
#include "support/fake_fetcher.h"
#include "support/temp_dir.h"

namespace skycrier {
namespace {

const std::string kMetarUrl = "https://aviationweather.gov/api/data/metar?ids=EDDF&format=raw";
const std::string kReport = "EDDF 101120Z 27010KT 9999 FEW030 12/05 Q1013";

struct Rig {
    Rig() {
        s.context.resolvePath = [this](const std::string& name) { return (dir.path() / name).string(); };
        s.context.fetcher = &web;
        s.context.sharedDataFolder = dir.path() / "shared";
        std::filesystem::create_directory(s.context.sharedDataFolder);
        s.context.showError = [this](const std::string& text) { errors.push_back(text); };
        s.context.beep = [this] { ++beeps; };
        s.sourceChoice.startMinimised = [] { return true; };
    }

    std::string file(const std::string& name) const {
        std::ifstream in(dir.path() / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    void poll(SourceWindow& w) {
        w.poll();
        loop.advanceUntil([&w] { return !w.poller().inFlight(); }, 1000);
    }

    VirtualLoop loop{encodeDateTime(2026, 3, 10, 13, 0, 0)};
    SpeechUnits units;
    SourceModels s{loop, units};
    test::FakeFetcher web{loop};
    test::TempDir dir;
    std::vector<std::string> errors;
    int beeps = 0;
    MetarSource& metar = s.metarSource;
    AprsSource& aprs = s.aprsSource;
};

TEST(MetarSource, AWebAddressIsFetchedWithoutItsCommentDecodedAndWrittenOut) {
    Rig r;
    r.web.answers[kMetarUrl] = "<html><body>\n<code>" + kReport + "</code><br/>\n</body></html>\n";
    r.metar.setInputLine(kMetarUrl + " // Frankfurt");
    r.metar.inputEdited();
    r.s.sourceChoice.check(SourceKind::METAR);
    r.loop.advanceUntil([&] { return !r.metar.poller().inFlight(); }, 1000);

    EXPECT_EQ(r.web.urls, std::vector<std::string>{kMetarUrl});
    EXPECT_EQ(r.metar.inputComment(), " Frankfurt");
    EXPECT_EQ(r.metar.poller().errorLine(), "");
    EXPECT_EQ(r.file("metar_web.txt"), kReport);
    EXPECT_EQ(r.metar.meteo().Input, "metar_web.txt");
    EXPECT_TRUE(sourceUsable(SourceKind::METAR, r.metar.meteo()));
    EXPECT_EQ(r.metar.meteo().Text, 12);
    EXPECT_EQ(r.metar.airportCode(), "Código aeropuerto= EDDF");
    EXPECT_EQ(r.metar.addressHistory().Items(), std::vector<std::string>{kMetarUrl + " // Frankfurt"});
    EXPECT_TRUE(r.metar.poller().enabled());
    const std::string uiview = "Mar 10 2026 11:20\r\n270/012g...t054r000p...P...h62b10130\r\n";
    EXPECT_EQ(r.file("metar_uiview.txt"), uiview);
    EXPECT_EQ(r.file("shared/metar_uiview.txt"), uiview);
    EXPECT_EQ(r.file("metar_cw.txt"), " TEMP 12C = QNH 1013hPa = WS 19kmh = WCT 10C = HUM 62 \r\n");
    EXPECT_EQ(r.file("shared/metar_cw.txt"), r.file("metar_cw.txt"));
}

TEST(MetarSource, EachFailureShowsItsNumberAndReasonAndTheTimerStaysArmed) {
    const struct {
        const char* what;
        std::optional<std::string> answer;
        const char* status;
    } cases[] = {
        {"no answer", std::nullopt, "Error archivo #1: HTTP 404: the server has no such page; check the address"},
        {"two bytes", "ab", "Error archivo #1: the page is not a report: only 2 bytes"},
        {"NUL bytes", kReport + std::string(1, '\0') + "\n",
         "Error archivo #1: the page is not a report: binary content"},
        {"control bytes", std::string(50, '\x01') + kReport,
         "Error archivo #1: the page is not a report: binary content"},
        {"a compressed page", "\x1f\x8b\x08\x00" + kReport,
         "Error archivo #1: the page is not a report: compressed content (gzip)"},
        {"a page with a forecast only", "<p>TAF: " + kReport + "</p>\n", "Error archivo #6"},
        {"a page without the station", "<p>nothing here</p>\n", "Error archivo #6"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Rig r;
        if (c.answer)
            r.web.answers[kMetarUrl] = *c.answer;
        else
            r.web.failures[kMetarUrl] = "HTTP 404: the server has no such page; check the address";
        r.metar.setInputLine(kMetarUrl);
        r.poll(r.metar);
        EXPECT_EQ(r.metar.poller().errorLine(), c.status);
        EXPECT_FALSE(sourceUsable(SourceKind::METAR, r.metar.meteo()));
        EXPECT_TRUE(r.metar.poller().enabled());
        // No report: the output files hold placeholders.
        EXPECT_EQ(r.file("metar_uiview.txt"), "\r\n.../...g...t...r...p...P...h..b.....\r\n");
    }
}

// A failed poll keeps the last good values; the status line and the log hear
// of a failure when it starts or changes and once more when it clears.
TEST(MetarSource, AFailureKeepsTheLastReportAndIsToldOnceWhenItStartsAndOnceWhenItClears) {
    Rig r;
    std::vector<std::string> told;
    const Subscription notices = r.metar.fetchNotice.connect([&](const std::string& text) { told.push_back(text); });
    r.metar.setInputLine(kMetarUrl);
    const std::string refused = "connection refused by aviationweather.gov: check the address and its port";
    const struct {
        std::optional<std::string> answer;  // nothing: refused
        const char* shown;
        const char* newLine;  // nothing when the poll tells nothing new
    } polls[] = {
        {kReport, "", nullptr},
        {"\x1f\x8b\x08\x00\x00\x00", "Error archivo #1: the page is not a report: compressed content (gzip)",
         "the METAR source cannot fetch its report from "},
        {std::nullopt, "Error archivo #1: connection refused by aviationweather.gov: check the address and its port",
         "the METAR source cannot fetch its report from "},
        {std::nullopt, "Error archivo #1: connection refused by aviationweather.gov: check the address and its port",
         nullptr},
        {kReport, "", "the METAR source fetches its report again from "},
    };
    for (const auto& p : polls) {
        SCOPED_TRACE(p.shown);
        const std::size_t before = told.size();
        r.web.answers.erase(kMetarUrl);
        r.web.failures.erase(kMetarUrl);
        if (p.answer)
            r.web.answers[kMetarUrl] = *p.answer;
        else
            r.web.failures[kMetarUrl] = refused;
        r.poll(r.metar);
        EXPECT_EQ(r.metar.poller().errorLine(), p.shown);
        EXPECT_EQ(r.metar.meteo().Text, 12);
        EXPECT_EQ(r.metar.meteo().Patm, 1013);
        ASSERT_EQ(told.size(), before + (p.newLine ? 1 : 0));
        if (p.newLine) {
            EXPECT_EQ(told.back(), p.newLine + kMetarUrl + (*p.shown ? std::string(": ") + p.shown : ""));
        }
    }
}

TEST(MetarSource, ALocalFileIsDecodedWithoutFetchingAndOtherInputsAreRefused) {
    Rig r;
    const std::string report = r.dir.write("report.txt", "\r\n" + kReport + "=\r\n\r\n");
    EXPECT_TRUE(r.metar.loadDataFile(report));
    r.poll(r.metar);
    EXPECT_TRUE(r.web.urls.empty());
    EXPECT_EQ(r.metar.meteo().Patm, 1013);

    Rig other;
    EXPECT_FALSE(other.metar.loadDataFile("nowhere.txt"));
    EXPECT_EQ(other.metar.poller().errorLine(), "Error de archivo #6");
    other.metar.setInputLine("ftp://example.org/report");
    other.metar.pressKeyInInput(13);
    EXPECT_EQ(other.metar.poller().errorLine(), "Error archivo #0");
}

// A report file on a share that mounts after the program started: kept as
// configured, and read at the first poll that finds it.
TEST(MetarSource, ALocalFileThatComesLateIsReadAtTheNextPoll) {
    Rig r;
    EXPECT_FALSE(r.metar.loadDataFile("late.txt"));
    r.metar.setInputLine("late.txt");
    r.poll(r.metar);
    EXPECT_EQ(r.metar.poller().errorLine(), "Error de archivo #6");
    r.dir.write("late.txt", kReport + "\r\n");
    r.poll(r.metar);
    EXPECT_EQ(r.metar.poller().errorLine(), "");
    EXPECT_EQ(r.metar.meteo().Patm, 1013);
    EXPECT_TRUE(r.web.urls.empty());
}

TEST(UrlHistory, TenEntriesTheNewestSelectedAKnownOneOnlySelected) {
    UrlHistory h;
    for (int i = 1; i <= 10; ++i) h.remember("u" + std::to_string(i));
    h.remember("");
    EXPECT_EQ(h.Items().size(), 10u);
    EXPECT_EQ(h.Text(), "u10");
    h.remember("u3");
    EXPECT_EQ(h.Items()[2], "u3");
    EXPECT_EQ(h.Text(), "u3");
    h.remember("u11");
    EXPECT_EQ(h.Items().front(), "u11");
    EXPECT_EQ(h.Items().back(), "u9");
    EXPECT_EQ(h.Text(), "u11");
    EXPECT_FALSE(h.load("u12"));
}

TEST(Favourites, AnEntryIsLoadedOnlyIntoAShownWindow) {
    Rig r;
    r.web.answers[kMetarUrl] = kReport;
    r.metar.favourites().setEntry(3, kMetarUrl);
    r.metar.favourites().loadEntry(3);  // window hidden
    r.metar.favourites().loadEntry(1);  // empty slot
    EXPECT_EQ(r.metar.inputLine(), "");
    r.metar.prepareToShow();
    r.metar.favourites().open();
    r.metar.favourites().loadEntry(3);
    r.loop.advanceUntil([&] { return !r.metar.poller().inFlight(); }, 1000);
    EXPECT_EQ(r.metar.inputLine(), kMetarUrl);
    EXPECT_FALSE(r.metar.favourites().visible());
    EXPECT_EQ(r.metar.meteo().Text, 12);
    EXPECT_EQ(Favourites::buttonCaption(10), "F10");

    // A favourite naming a file becomes the input, and the airport's name follows it.
    const std::string other = r.dir.write("lebl.txt", "LEBL 101120Z 27010KT 9999 FEW030 19/05 Q1013\r\n");
    r.metar.favourites().setEntry(5, other + " //Barcelona");
    r.metar.favourites().open();
    r.metar.favourites().loadEntry(5);
    r.loop.advanceUntil([&] { return !r.metar.poller().inFlight(); }, 1000);
    EXPECT_EQ(r.metar.inputComment(), "Barcelona");
}

TEST(AprsSource, AFavouriteNamingAFileIsReadAndTheTimeIsLocalUnlessToldOtherwise) {
    Rig r;
    EXPECT_EQ(r.aprs.timeZoneChoice(), 1);
    const std::string first = r.dir.write("one.txt", "220/004g005t077r000p000P000h50b09900\r\n");
    const std::string second = r.dir.write("two.txt", "220/004g005t050r000p000P000h50b09900\r\n");
    r.aprs.loadDataFile(first);
    r.aprs.prepareToShow();
    r.poll(r.aprs);
    EXPECT_EQ(r.aprs.meteo().Text, 25);
    r.aprs.favourites().setEntry(1, second);
    r.aprs.favourites().open();
    r.aprs.favourites().loadEntry(1);
    r.loop.advanceUntil([&] { return !r.aprs.poller().inFlight(); }, 1000);
    EXPECT_EQ(r.aprs.meteo().Input, second);
    EXPECT_EQ(r.aprs.meteo().Text, 10);
}

TEST(AprsSource, AWeatherFileAndATrackingSitePage) {
    Rig r;
    const std::string wx = r.dir.write("WXNOW.TXT", "Jan 15 2024 12:34\r\n220/004g005t077r000p000P000h50b09900\r\n");
    r.aprs.takeChosenFile(wx);
    EXPECT_EQ(r.aprs.meteo().Patm, 990);
    EXPECT_EQ(r.aprs.observationTime().caption, "Jan 15 2024 12:34");
    EXPECT_EQ(r.file("aprs_cw.txt"), " TEMP 25C = QNH 990hPa = WS 6kmh = WCT 25C = HUM 50 \r\n");

    const std::string page = "https://aprs.fi/?c=raw&call=EA4XYZ-13";
    r.web.answers[page] = "<html>\n<span class=\"raw_line\">2024-01-15 12:34:56 UTC: EA4XYZ-13>APRS:"
                          "_01151234c220s004g005t077r000p000P000h50b09900wRSW</span>\n</html>\n";
    r.aprs.setInputLine(page);
    r.aprs.pressKeyInInput(13);
    r.loop.advanceUntil([&] { return !r.aprs.poller().inFlight(); }, 1000);
    EXPECT_EQ(r.aprs.poller().errorLine(), "");
    EXPECT_EQ(r.aprs.meteo().Input, "aprs_web.txt");
    EXPECT_EQ(r.aprs.timeZoneChoice(), 1);
    EXPECT_EQ(r.aprs.observationTime().caption, "12:34:56 2024-01-15");
}

TEST(AprsSource, FailuresTheLoginBrowserAndAMissingFile) {
    Rig r;
    const std::string page = "https://aprs.fi/?c=raw&call=EA4XYZ-13";
    r.web.answers[page] = "<html><p>please log in</p></html>\n";
    r.aprs.setInputLine(page);
    r.poll(r.aprs);
    EXPECT_EQ(r.aprs.poller().errorLine(), "Error archivo #6");
    EXPECT_EQ(r.errors,
              std::vector<std::string>{"Bitte die URL überprüfen oder aprs.fi anzumelden, dann aktualisieren"});

    r.web.answers[page] = "<span class=\"raw_line\">2024-01-15 12:34:56 UTC: EA4XYZ>APRS:!4000.00N/00300.00W</span>\n";
    r.poll(r.aprs);
    EXPECT_EQ(r.aprs.poller().errorLine(), "Error archivo #7");

    // While the user logs in to the site, polls do not fetch.
    r.aprs.openLogin();
    r.poll(r.aprs);
    EXPECT_EQ(r.web.urls.size(), 2u);
    r.aprs.openLogin();
    r.poll(r.aprs);
    EXPECT_EQ(r.web.urls.size(), 3u);

    r.aprs.takeChosenFile((r.dir.path() / "missing.txt").string());
    EXPECT_EQ(r.aprs.inputLine(), "");
    EXPECT_EQ(r.aprs.meteo().Input, "");
    EXPECT_EQ(r.beeps, 1);
}

}  // namespace
}  // namespace skycrier
