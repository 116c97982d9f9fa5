// A fetch under way is not a failed poll: a bulletin meanwhile speaks the
// last good report, and a source change or a new request abandons the fetch.

#include <gtest/gtest.h>

#include "support/announcer_rig.h"
#include "support/fake_fetcher.h"

namespace skycrier {
namespace {

const std::string kUrl = "https://aviationweather.gov/api/data/metar?ids=EDDF&format=raw";
const std::string kOtherUrl = "https://aviationweather.gov/api/data/metar?ids=LEBL&format=raw";

struct FetchRig : test::Rig {
    FetchRig() {
        a.sources().context.fetcher = &web;
        a.sources().sourceChoice.startMinimised = [] { return true; };
        metar.setSpoken(MeteoField::Text, true);
        metar.setInputLine(kUrl);
    }
    bool spoke(const std::string& segment) const {
        return std::find(recorder.lines.begin(), recorder.lines.end(), "play " + segment) != recorder.lines.end();
    }
    void settle() { loop.advanceUntil([this] { return !metar.poller().inFlight(); }, 1000); }

    test::FakeFetcher web{loop};
    MetarSource& metar = a.sources().metarSource;
};

TEST(FetchInFlight, ABulletinDuringAFetchSpeaksTheLastReportWhileItIsFreshEnough) {
    const struct {
        const char* what;
        const char* report;  // the rig's clock reads 14:05 UTC on the 7th
        bool spoken;
    } cases[] = {
        {"observed 35 minutes ago", "EDDF 071330Z 27010KT 9999 FEW030 12/05 Q1013", true},
        {"observed 3 hours ago", "EDDF 071100Z 27010KT 9999 FEW030 12/05 Q1013", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FetchRig r;
        r.a.mainModels().settings.staleRule = StaleRule::OneHour;
        r.web.answers[kUrl] = c.report;
        r.a.sources().sourceChoice.check(SourceKind::METAR);
        r.settle();
        ASSERT_EQ(r.metar.meteo().Text, 12);

        // The next poll's fetch hangs.
        r.web.silent.insert(kUrl);
        r.loop.advance(r.metar.poller().interval());
        ASSERT_TRUE(r.metar.poller().inFlight());
        EXPECT_EQ(r.metar.poller().errorLine(), "Descargar ...");
        EXPECT_EQ(r.metar.meteo().ErrorText, "");

        r.run(nullptr);
        EXPECT_EQ(r.spoke("son_ext_temp"), c.spoken);
        EXPECT_EQ(r.spoke("son12"), c.spoken);
    }
}

TEST(FetchInFlight, ChoosingAnotherSourceAbandonsTheFetchAndEndsThePolling) {
    const struct {
        const char* what;
        bool answers;  // the answer is already on its way to the loop when the choice changes
        SourceKind next;
    } cases[] = {
        {"a hung fetch, then no source", false, SourceKind::None},
        {"an answered fetch, then no source", true, SourceKind::None},
        {"a hung fetch, then the APRS source", false, SourceKind::APRS},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FetchRig r;
        if (c.answers)
            r.web.answers[kUrl] = "EDDF 071330Z 27010KT 9999 FEW030 12/05 Q1013";
        else
            r.web.silent.insert(kUrl);
        r.a.sources().sourceChoice.check(SourceKind::METAR);
        ASSERT_TRUE(r.metar.poller().inFlight());
        r.a.sources().sourceChoice.check(c.next);

        r.loop.advance(30 * 60'000);
        EXPECT_EQ(r.web.cancelled, 1);
        EXPECT_EQ(r.web.urls.size(), 1u);
        EXPECT_FALSE(r.metar.poller().inFlight());
        EXPECT_FALSE(r.metar.poller().enabled());
        EXPECT_EQ(r.metar.meteo().Input, "");
        EXPECT_EQ(r.metar.poller().errorLine(), "");
    }
}

TEST(FetchInFlight, ANewRequestCancelsTheHungFetchAndStartsItsOwn) {
    const struct {
        const char* what;
        std::function<void(FetchRig&)> ask;
    } cases[] = {
        {"Actualizar", [](FetchRig& r) { r.metar.refreshNow(); }},
        {"Enter", [](FetchRig& r) { r.metar.pressKeyInInput(13); }},
        {"a favourite",
         [](FetchRig& r) {
             r.metar.prepareToShow();
             r.metar.favourites().setEntry(1, kOtherUrl);
             r.metar.favourites().loadEntry(1);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FetchRig r;
        r.web.silent.insert(kUrl);
        r.web.answers[kOtherUrl] = "LEBL 071330Z 24008KT 9999 FEW020 18/12 Q1016";
        r.a.sources().sourceChoice.check(SourceKind::METAR);
        ASSERT_TRUE(r.metar.poller().inFlight());

        r.metar.setInputLine(kOtherUrl);
        c.ask(r);
        r.settle();
        EXPECT_EQ(r.web.cancelled, 1);
        EXPECT_EQ(r.web.urls, (std::vector<std::string>{kUrl, kOtherUrl}));
        EXPECT_EQ(r.metar.meteo().Text, 18);
        EXPECT_EQ(r.metar.poller().errorLine(), "");
        EXPECT_TRUE(r.metar.poller().enabled());
    }
}

}  // namespace
}  // namespace skycrier
