#include "sources/ws23_source.h"

#include <filesystem>
#include <limits>

#include "sources/source_fixture.h"

namespace skycrier {
namespace {

using test::Ws23Record;

double lastTime() { return encodeDateTime(2026, 3, 10, 11, 40, 0); }

// 70 records 25 minutes apart: the tendency compares with record b - 3, the
// day's rain with record b - 58, the gust looks at records b - 1 .. b - 9.
std::vector<Ws23Record> typicalDay() {
    Ws23Record base;
    base.pressure = 1012;
    base.wind = 2;
    base.rain = 10;
    auto records = test::ws23Series(70, lastTime(), 25, base);
    const std::size_t b = records.size() - 1;
    Ws23Record& newest = records[b];
    newest.pressure = 1013;
    newest.wind = 5;
    newest.direction = 3;
    newest.rain = 12.5f;
    newest.tempIn = 21.3f;
    newest.tempOut = 4.2f;
    newest.humIn = 45;
    newest.humOut = 80;
    records[b - 3].pressure = 1011;
    records[b - 4].wind = 7.5f;  // 27 km/h, the gust
    records[b - 2].wind = 60;    // 216 km/h, implausible, never a gust
    records[b - 10].wind = 20;   // beyond the look-back
    records[b - 58].rain = 10;
    records[b - 57].rain = 11;
    return records;
}

class Ws23Test : public test::SourceFixture {
protected:
    Ws23Source& w = stations.ws23Source;

    void poll(const std::vector<Ws23Record>& records) {
        w.loadDataFile(dir.write("history.dat", test::ws23File(records)));
        w.poll();
    }
};

TEST_F(Ws23Test, MetricCaptionsAndRecord) {
    poll(typicalDay());
    EXPECT_EQ(w.boxes().insideTemperatureBox.caption, "T-int (°C) = 21.3");
    EXPECT_EQ(w.boxes().outsideTemperatureBox.caption, "T-ext (°C) = 4.2");
    EXPECT_EQ(w.boxes().pressureBox.caption, "P-atm (hPa) = 1013.0");
    EXPECT_EQ(w.boxes().tendencyBox.caption, "Tendencia: creciente");
    EXPECT_EQ(w.boxes().windBox.caption, "Viento (km/h) = 18");
    EXPECT_EQ(w.boxes().gustBox.caption, "Ráfaga (km/h) = 27");
    EXPECT_EQ(w.boxes().directionBox.caption, "Dirección (°) = 68");
    EXPECT_EQ(w.boxes().feltTemperatureBox.caption, "Sensación(°C) = 0.3");
    EXPECT_EQ(w.boxes().rainBox.caption, "Lluvia/24h (mm) = 2.5");
    EXPECT_EQ(w.boxes().humidityBox.caption, "Humidad (%) = 80");
    EXPECT_EQ(w.insideHumidityCaption().caption, "Humidad-int (%) = 45");
    EXPECT_EQ(w.dewPointCaption().caption, "Punto de rocio (°C) = 1.0");
    EXPECT_EQ(w.observationTime().caption, "2026-03-10 11:40:00");
    EXPECT_EQ(w.pressureUnit().caption, "hPa");
    EXPECT_EQ(w.tendencyUnit().caption, "0.1*mB/h");
    EXPECT_EQ(w.poller().errorLine(), "");

    const MeteoData& d = w.meteo();
    EXPECT_FLOAT_EQ(d.Tint, 21.3f);
    EXPECT_DOUBLE_EQ(d.Patm, 1013);
    EXPECT_EQ(d.Tend, 1);
    EXPECT_DOUBLE_EQ(d.Vent, 18);
    EXPECT_DOUBLE_EQ(d.Rafa, 27);
    EXPECT_EQ(d.Dire, 68);
    EXPECT_NEAR(d.Pluie, 2.5, 1e-9);
    EXPECT_EQ(d.HumiExt, 80);
    EXPECT_NEAR(d.ObservedAt, lastTime(), 1e-9);
    EXPECT_EQ(beeps, 0);
    for (const Caption* c :
         {static_cast<const Caption*>(&w.boxes().insideTemperatureBox), static_cast<const Caption*>(&w.boxes().windBox),
          static_cast<const Caption*>(&w.boxes().pressureBox), static_cast<const Caption*>(&w.insideHumidityCaption())})
        EXPECT_FALSE(c->red);
}

TEST_F(Ws23Test, ImperialCaptionsAndRecord) {
    imperial();
    poll(typicalDay());
    EXPECT_EQ(w.boxes().insideTemperatureBox.caption, "T-int (°F) = 70.3");
    EXPECT_EQ(w.boxes().outsideTemperatureBox.caption, "T-ext (°F) = 39.6");
    EXPECT_EQ(w.boxes().pressureBox.caption, "P-atm (inHg) = 29.91");
    EXPECT_EQ(w.boxes().tendencyBox.caption, "Tendencia: creciente");
    EXPECT_EQ(w.boxes().windBox.caption, "Viento (mph) = 11");
    EXPECT_EQ(w.boxes().gustBox.caption, "Ráfaga (mph) = 17");
    EXPECT_EQ(w.boxes().feltTemperatureBox.caption, "Sensación(°F) = 32.6");
    EXPECT_EQ(w.boxes().rainBox.caption, "Lluvia/24h (inch) = 0.10");
    EXPECT_EQ(w.dewPointCaption().caption, "Punto de rocio (°F) = 33.8");
    EXPECT_EQ(w.pressureUnit().caption, "0.01*inHg");
    EXPECT_EQ(w.tendencyUnit().caption, "0.01*inHg");
    EXPECT_NEAR(w.meteo().Patm, 1013 * 0.02953, 1e-9);
}

TEST_F(Ws23Test, OneOrTwoRecordsHaveNoTendencyNoRainAndTheirOwnGust) {
    Ws23Record r;
    r.wind = 3;
    poll(test::ws23Series(2, lastTime(), 25, r));
    EXPECT_EQ(w.recordSpacing(), 0);
    EXPECT_EQ(w.meteo().Tend, 0);
    EXPECT_EQ(w.boxes().tendencyBox.caption, "Tendencia: variable");
    EXPECT_EQ(w.meteo().Pluie, -1);
    EXPECT_EQ(w.boxes().rainBox.caption, "Lluvia/24h (mm) = --");
    EXPECT_NEAR(w.meteo().Rafa, 10.8, 1e-6);

    r.wind = 70;  // implausible: no gust at all
    poll({r});
    EXPECT_EQ(w.meteo().Rafa, 0);
    EXPECT_TRUE(w.boxes().windBox.red);
    EXPECT_EQ(w.boxes().feltTemperatureBox.caption, "Sensación (°C) = --");
    EXPECT_EQ(w.meteo().TRes, -200);
}

TEST_F(Ws23Test, TimeFieldZeroIsFirstJanuary1900OneOClock) {
    std::string bytes = test::ws23Bytes({});
    std::fill(bytes.begin() + 4, bytes.begin() + 8, '\0');
    w.loadDataFile(dir.write("history.dat", bytes));
    w.poll();
    EXPECT_EQ(w.observationTime().caption, "1900-01-01 01:00:00");
}

TEST_F(Ws23Test, PressureCorrectionInTheChosenUnit) {
    auto records = test::ws23Series(3, lastTime(), 25);
    w.setPressureCorrection(3);
    poll(records);
    EXPECT_DOUBLE_EQ(w.meteo().Patm, 1016);
    stations.unitsChoice.click(Quantity::Pressure, false);
    w.poll();
    EXPECT_DOUBLE_EQ(w.meteo().Patm, 1013 * 0.02953 + 0.03);
}

TEST_F(Ws23Test, TendencyNeedsAChangeStrictlyBeyondTheThresholdAndBelowFifty) {
    auto records = test::ws23Series(10, lastTime(), 25);
    const std::size_t b = records.size() - 1;
    w.setTendencyThreshold(5);
    records[b].pressure = 1013.5f;
    poll(records);
    EXPECT_EQ(w.meteo().Tend, 0);  // exactly 0.5 hPa
    records[b].pressure = 1013.75f;
    poll(records);
    EXPECT_EQ(w.meteo().Tend, 1);
    records[b].pressure = 1012.25f;
    poll(records);
    EXPECT_EQ(w.meteo().Tend, 2);
    EXPECT_EQ(w.boxes().tendencyBox.caption, "Tendencia: decreciente");
    records[b - 3].pressure = 963;  // 50 hPa within the hour is not believed
    records[b].pressure = 1013;
    poll(records);
    EXPECT_EQ(w.meteo().Tend, 0);
}

TEST_F(Ws23Test, ImplausiblePressureKeepsTheLastTendency) {
    auto records = test::ws23Series(10, lastTime(), 25);
    records[records.size() - 4].pressure = 1010;
    poll(records);
    EXPECT_EQ(w.meteo().Tend, 1);
    records.back().pressure = 900;
    poll(records);
    EXPECT_TRUE(w.boxes().pressureBox.red);
    EXPECT_EQ(w.meteo().Tend, 1);
    EXPECT_EQ(w.boxes().tendencyBox.caption, "Tendencia: creciente");
}

TEST_F(Ws23Test, FeltTemperatureFromFiveKmhAndDirectionRounding) {
    Ws23Record r;
    r.wind = 1.3611111f;  // 4.9 km/h
    r.direction = 1;
    poll({r});
    EXPECT_EQ(w.meteo().TRes, -200);
    EXPECT_EQ(w.meteo().Dire, 22);
    r.wind = 1.3888889f;  // just over 5 km/h
    r.direction = 15;
    poll({r});
    EXPECT_NE(w.meteo().TRes, -200);
    EXPECT_EQ(w.meteo().Dire, 338);
    r.direction = 3 + 32;  // only the low five bits count
    poll({r});
    EXPECT_EQ(w.meteo().Dire, 68);
}

TEST_F(Ws23Test, ResetRainCounterGivesNoRain) {
    auto records = typicalDay();
    records.back().rain = 5;
    poll(records);
    EXPECT_EQ(w.meteo().Pluie, -1);
    EXPECT_EQ(w.boxes().rainBox.caption, "Lluvia/24h (mm) = --");
}

TEST_F(Ws23Test, MissingHumidityFailsTheDewPointAfterEverythingElse) {
    auto records = typicalDay();
    records.back().humOut = -1;  // the byte 0xFF
    poll(records);
    EXPECT_EQ(w.meteo().HumiExt, -1);
    EXPECT_TRUE(w.boxes().humidityBox.red);
    EXPECT_EQ(w.boxes().rainBox.caption, "Lluvia/24h (mm) = 2.5");
    EXPECT_EQ(w.poller().errorLine(), "Error archivo");
    EXPECT_EQ(beeps, 1);

    records.back().humOut = 0;  // H^0.125 = 0: the dew point is 0.1 T - 112
    poll(records);
    EXPECT_EQ(w.dewPointCaption().caption, "Punto de rocio (°C) = -111.6");
    EXPECT_EQ(w.poller().errorLine(), "");  // a good poll clears the error
}

TEST_F(Ws23Test, SensorMissingValuesAreMarkedRed) {
    Ws23Record r;
    r.tempOut = 81.1f;
    r.humIn = 110;
    poll({r});
    EXPECT_TRUE(w.boxes().outsideTemperatureBox.red);
    EXPECT_TRUE(w.insideHumidityCaption().red);
    EXPECT_EQ(w.dewPointCaption().caption, "Punto de rocio (°C) = --");
    EXPECT_EQ(w.boxes().feltTemperatureBox.caption, "Sensación (°C) = --");
}

TEST_F(Ws23Test, BrokenFilesFailWithoutStoppingThePoll) {
    w.loadDataFile(dir.write("history.dat", std::string(35, '\x7f')));
    w.poll();
    EXPECT_EQ(w.poller().errorLine(), "Error archivo");
    EXPECT_TRUE(w.poller().enabled());

    Ws23Record r;
    r.tempIn = std::numeric_limits<float>::quiet_NaN();
    poll({r});
    EXPECT_EQ(w.poller().errorLine(), "Error archivo");
    EXPECT_TRUE(w.poller().enabled());

    // A trailer shorter than a record is ignored.
    w.loadDataFile(dir.write("history.dat", test::ws23File(typicalDay()) + std::string(28, '\1')));
    w.poll();
    EXPECT_EQ(w.poller().errorLine(), "");
    EXPECT_EQ(w.boxes().windBox.caption, "Viento (km/h) = 18");
}

TEST_F(Ws23Test, ObservationTimeNeverMovesBackwardsWithinAFile) {
    const std::string path = dir.write("history.dat", test::ws23File(typicalDay()));
    w.loadDataFile(path);
    w.poll();
    dir.write("history.dat", test::ws23File(test::ws23Series(3, lastTime() - 1, 25)));
    w.poll();
    EXPECT_NEAR(w.meteo().ObservedAt, lastTime(), 1e-9);
    EXPECT_EQ(w.observationTime().caption, "2026-03-09 11:40:00");
}

TEST_F(Ws23Test, MissingFileChangesNothingAndKeepsPolling) {
    poll(typicalDay());
    std::filesystem::remove(dir.path() / "history.dat");
    w.poll();
    EXPECT_EQ(w.boxes().windBox.caption, "Viento (km/h) = 18");
    EXPECT_EQ(w.poller().errorLine(), "");
    EXPECT_TRUE(w.poller().enabled());
}

TEST_F(Ws23Test, ChoosingAFile) {
    poll(typicalDay());
    w.takeChosenFile((dir.path() / "absent.dat").string());
    EXPECT_EQ(w.path(), "");
    EXPECT_EQ(w.inputLine(), "");
    EXPECT_EQ(w.poller().errorLine(), "Error archivo");
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(w.boxes().insideTemperatureBox.caption, "T-int(°C) = ");
    EXPECT_EQ(w.boxes().feltTemperatureBox.caption, "Sensación (C°) = ");
    EXPECT_EQ(w.boxes().humidityBox.caption, "Humidad (%) =");
    EXPECT_EQ(w.boxes().rainBox.caption, "Lluvia/24h (mm) =");
    EXPECT_EQ(w.observationTime().caption, "");

    // An older file of another station: its own time counts.
    w.poller().setMinutes(5);
    const std::string older = dir.write("older.dat", test::ws23File(test::ws23Series(3, lastTime() - 2, 25)));
    w.takeChosenFile(older);
    EXPECT_EQ(w.path(), older);
    EXPECT_TRUE(w.takeInputSelection());
    EXPECT_EQ(w.poller().errorLine(), "");
    EXPECT_NEAR(w.meteo().ObservedAt, lastTime() - 2, 1e-9);
    EXPECT_EQ(w.poller().interval(), 300'000);
    EXPECT_TRUE(w.poller().enabled());
}

}  // namespace
}  // namespace skycrier
