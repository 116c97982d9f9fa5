#include "sources/source_choice.h"

#include "sources/source_fixture.h"

namespace skycrier {
namespace {

class SourceChoiceTest : public test::SourceFixture {
protected:
    SourceChoice& choice = stations.sourceChoice;
    Ws23Source& w23 = stations.ws23Source;
    Ws28Source& w28 = stations.ws28Source;

    std::string writeW23(float tempIn) {
        test::Ws23Record r;
        r.tempIn = tempIn;
        return dir.write("history.dat",
                         test::ws23File(test::ws23Series(3, encodeDateTime(2026, 3, 10, 11, 40), 25, r)));
    }
};

TEST_F(SourceChoiceTest, ChoosingAFileSourcePollsItShowsItAndStopsTheOthers) {
    w23.loadDataFile(writeW23(20));
    w28.poller().start();
    stations.monitorSource.poller().start();
    choice.prepareToShow();
    choice.check(SourceKind::W23);
    EXPECT_EQ(choice.checkedSource(), SourceKind::W23);
    EXPECT_EQ(w23.boxes().insideTemperatureBox.caption, "T-int (°C) = 20.0");
    EXPECT_TRUE(w23.poller().enabled());
    EXPECT_FALSE(w28.poller().enabled());
    EXPECT_FALSE(stations.monitorSource.poller().enabled());
    EXPECT_TRUE(w23.visible());
    EXPECT_FALSE(choice.visible());
    EXPECT_TRUE(sourceUsable(SourceKind::W23, choice.meteo(SourceKind::W23)));

    // The timer keeps polling every minute until the user sets another period.
    writeW23(21);
    loop.advance(60'000);
    EXPECT_EQ(w23.boxes().insideTemperatureBox.caption, "T-int (°C) = 21.0");
    w23.poller().setMinutes(90);
    w23.refreshNow();
    EXPECT_EQ(w23.poller().interval(), 3'600'000);
}

TEST_F(SourceChoiceTest, ReducedProgramPollsWithoutAWindow) {
    reduced = true;
    w23.loadDataFile(writeW23(20));
    choice.check(SourceKind::W23);
    EXPECT_TRUE(w23.poller().enabled());
    EXPECT_FALSE(w23.visible());
    EXPECT_EQ(w23.boxes().insideTemperatureBox.caption, "T-int (°C) = 20.0");
}

TEST_F(SourceChoiceTest, NoSourceStopsEveryPollAndLeavesTheWindows) {
    w23.loadDataFile(writeW23(20));
    choice.check(SourceKind::W23);
    choice.check(SourceKind::None);
    EXPECT_EQ(choice.checkedSource(), SourceKind::None);
    EXPECT_FALSE(w23.poller().enabled());
    EXPECT_TRUE(w23.visible());
    EXPECT_FALSE(choice.itemEnabled(SourceKind::None, MeteoField::Text));
    EXPECT_FALSE(sourceUsable(SourceKind::None, choice.meteo(SourceKind::None)));
}

TEST_F(SourceChoiceTest, ASourceWithoutItsInputOnlyStopsTheOthers) {
    w23.loadDataFile(writeW23(20));
    choice.check(SourceKind::W23);
    for (const SourceKind kind : {SourceKind::MON, SourceKind::APRS, SourceKind::METAR}) {
        choice.check(kind);
        EXPECT_EQ(choice.checkedSource(), kind);
        EXPECT_FALSE(w23.poller().enabled());
        EXPECT_FALSE(sourceUsable(kind, choice.meteo(kind)));
    }
}

// The file is kept as configured; its error keeps the weather out of the bulletins until it is read.
TEST_F(SourceChoiceTest, ChosenSourceWithoutItsFileKeepsItAndShowsTheError) {
    const std::string absent = (dir.path() / "absent.dat").string();
    w23.loadDataFile(absent);
    choice.check(SourceKind::W23);
    EXPECT_EQ(choice.checkedSource(), SourceKind::W23);
    EXPECT_EQ(w23.poller().errorLine(), "Error de archivo");
    EXPECT_EQ(w23.inputLine(), absent);
    EXPECT_EQ(beeps, 0);
}

TEST_F(SourceChoiceTest, ItemsAreSpokenWhenSuppliedAndTicked) {
    w23.setSpoken(MeteoField::Tint, true);
    EXPECT_TRUE(choice.itemEnabled(SourceKind::W23, MeteoField::Tint));
    EXPECT_FALSE(choice.itemEnabled(SourceKind::W23, MeteoField::Text));
    stations.aprsSource.setSpoken(MeteoField::Tint, true);  // APRS has no inside temperature
    EXPECT_FALSE(choice.itemEnabled(SourceKind::APRS, MeteoField::Tint));
    stations.metarSource.setSpoken(MeteoField::Pluie, true);  // METAR's rain box: present weather
    EXPECT_TRUE(choice.itemEnabled(SourceKind::METAR, MeteoField::Phenomena));
    EXPECT_FALSE(choice.itemEnabled(SourceKind::METAR, MeteoField::Pluie));
}

// A file station's poll only reads a file: it runs even while a bulletin is on the air.
TEST_F(SourceChoiceTest, AFileStationIsReadDuringABulletinWithNothingPutOff) {
    stations.context.bulletinOnAir = [] { return true; };
    w23.loadDataFile(writeW23(20));
    w23.poll();
    EXPECT_FALSE(w23.meteo().DeferredPoll);
    EXPECT_EQ(w23.boxes().insideTemperatureBox.caption, "T-int (°C) = 20.0");
    writeW23(21);
    choice.pollIfDeferred(SourceKind::W23);
    EXPECT_EQ(w23.boxes().insideTemperatureBox.caption, "T-int (°C) = 20.0");
}

TEST_F(SourceChoiceTest, UnitChangeRefreshesOnlyTheSelectedSource) {
    w23.loadDataFile(writeW23(20));
    choice.check(SourceKind::W23);
    stations.unitsChoice.click(Quantity::Temperature, false);
    EXPECT_EQ(w23.boxes().insideTemperatureBox.caption, "T-int (°F) = 68.0");
    EXPECT_DOUBLE_EQ(w23.meteo().Tint, 68);
    EXPECT_FALSE(stations.unitsChoice.isMetric(Quantity::Temperature));

    writeW23(60);  // 140 °F, the upper bound
    w23.poll();
    EXPECT_FALSE(w23.boxes().insideTemperatureBox.red);
    writeW23(60.5f);
    w23.poll();
    EXPECT_TRUE(w23.boxes().insideTemperatureBox.red);

    // Checking the button that is already checked runs nothing.
    writeW23(10);
    stations.unitsChoice.setMetric(Quantity::Temperature, false);
    EXPECT_EQ(w23.boxes().insideTemperatureBox.caption, "T-int (°F) = 140.9");

    choice.check(SourceKind::None);
    stations.unitsChoice.setMetric(Quantity::Temperature, true);
    EXPECT_EQ(w23.boxes().insideTemperatureBox.caption, "T-int (°F) = 140.9");
    EXPECT_EQ(units.TempText, "C");
}

TEST_F(SourceChoiceTest, InchesOfMercuryScaleCorrectionAndThreshold) {
    test::Ws23Record r;
    auto records = test::ws23Series(10, encodeDateTime(2026, 3, 10, 11, 40), 25, r);
    records[records.size() - 4].pressure = 1012.8f;  // 0.2 hPa = 0.0059 inHg above 0.004
    w23.loadDataFile(dir.write("history.dat", test::ws23File(records)));
    w23.setPressureCorrection(3);
    choice.check(SourceKind::W23);
    EXPECT_EQ(w23.meteo().Tend, 0);
    EXPECT_DOUBLE_EQ(w23.meteo().Patm, 1016);
    stations.unitsChoice.click(Quantity::Pressure, false);
    EXPECT_EQ(w23.meteo().Tend, 1);
    EXPECT_DOUBLE_EQ(w23.meteo().Patm, 1013 * 0.02953 + 0.03);
}

TEST_F(SourceChoiceTest, WindowsShareOnePlaceAndHandEscapeToTheBulletin) {
    stations.context.sourceWindowPlace = {.top = 10, .left = 20, .width = 300, .height = 280};
    w28.prepareToShow();
    EXPECT_EQ(w28.place().left, 20);
    w28.keepPlace({.top = 50, .left = 60, .width = 310, .height = 290});
    w28.close();
    EXPECT_FALSE(w28.visible());
    stations.pro2Source.prepareToShow();
    EXPECT_EQ(stations.pro2Source.place().top, 50);
    EXPECT_EQ(stations.pro2Source.place().height, 290);

    EXPECT_EQ(escapes, 0);
    stations.monitorSource.askToEndBulletin();
    EXPECT_EQ(escapes, 1);
}

TEST_F(SourceChoiceTest, ChoiceWindowOpensAndCloses) {
    choice.prepareToShow();
    EXPECT_TRUE(choice.visible());
    choice.close();
    EXPECT_FALSE(choice.visible());
}

TEST_F(SourceChoiceTest, TheWeatherButtonHidesEveryWindowThenShowsTheChosenOne) {
    w23.prepareToShow();
    w28.prepareToShow();
    choice.hideSourceWindows();
    EXPECT_FALSE(w23.visible() || w28.visible());
    choice.showChosenWindow();
    EXPECT_TRUE(choice.visible());  // "Sin WX": the choice itself
    choice.check(SourceKind::W28);
    choice.hideSourceWindows();
    choice.showChosenWindow();
    EXPECT_TRUE(w28.visible());
    EXPECT_FALSE(w23.visible());
}

TEST_F(SourceChoiceTest, ThresholdIsSharedByTheHistoryStations) {
    EXPECT_DOUBLE_EQ(stations.context.TendencyThreshold, 0.4);
    w28.setTendencyThreshold(25);
    EXPECT_DOUBLE_EQ(stations.context.TendencyThreshold, 2.5);
    w23.setTendencyThreshold(25);  // the WS-23xx control stops at 9
    EXPECT_DOUBLE_EQ(stations.context.TendencyThreshold, 0.9);
}

}  // namespace
}  // namespace skycrier
