#include "sources/ws28_source.h"

#include <limits>

#include "sources/source_fixture.h"

namespace skycrier {
namespace {

using test::Ws28Record;

double lastTime() { return encodeDateTime(2026, 3, 10, 11, 40, 0); }

// 70 records 25 minutes apart: the tendency compares with record b - 3; the
// day's rain covers records b down to b - 57.
std::vector<Ws28Record> typicalDay() {
    Ws28Record base;
    base.absolutePressure = 1012;
    base.relativePressure = 1019;
    base.wind = 2;
    auto records = test::ws28Series(70, lastTime(), 25, base);
    const std::size_t b = records.size() - 1;
    Ws28Record& newest = records[b];
    newest.absolutePressure = 1013;
    newest.relativePressure = 1020;
    newest.wind = 5;
    newest.gust = 7.5f;
    newest.direction = 3;
    newest.rain = 1;
    newest.tempIn = 21.3f;
    newest.tempOut = 4.2f;
    newest.humIn = 45;
    newest.humOut = 80;
    records[b - 3].absolutePressure = 1011;
    records[b - 3].relativePressure = 1021;
    records[b - 57].rain = 0.5f;
    records[b - 58].rain = 7;  // a day older: not counted
    return records;
}

class Ws28Test : public test::SourceFixture {
protected:
    Ws28Source& w = stations.ws28Source;

    void poll(const std::vector<Ws28Record>& records) {
        w.loadDataFile(dir.write("history.dat", test::ws28File(records)));
        w.poll();
    }
};

TEST_F(Ws28Test, MetricCaptionsAndRecord) {
    poll(typicalDay());
    EXPECT_EQ(w.boxes().insideTemperatureBox.caption, "T-int (°C) = 21.3");
    EXPECT_EQ(w.boxes().outsideTemperatureBox.caption, "T-ext (°C) = 4.2");
    EXPECT_EQ(w.boxes().pressureBox.caption, "P-atm (hPa) = 1013.0");
    EXPECT_EQ(w.boxes().tendencyBox.caption, "Tendencia: creciente");
    EXPECT_EQ(w.boxes().windBox.caption, "Viento (km/h) = 18");
    EXPECT_EQ(w.boxes().gustBox.caption, "Ráfaga (km/h) = 27");
    EXPECT_EQ(w.boxes().directionBox.caption, "Dirección (°) = 68");
    EXPECT_EQ(w.boxes().feltTemperatureBox.caption, "Sensación (°C) = 0.3");
    EXPECT_EQ(w.boxes().rainBox.caption, "Lluvia/24h (mm) = 1.5");
    EXPECT_EQ(w.boxes().humidityBox.caption, "Humidad (%) = 80");
    EXPECT_EQ(w.insideHumidityCaption().caption, "Humidad-int (%) = 45");
    EXPECT_EQ(w.dewPointCaption().caption, "Punto de rocio (°C) = 1.0");
    EXPECT_EQ(w.observationTime().caption, "2026-03-10 11:40:00");
    EXPECT_EQ(w.poller().errorLine(), "");
    EXPECT_DOUBLE_EQ(w.meteo().Rafa, 27);
    EXPECT_DOUBLE_EQ(w.meteo().Pluie, 1.5);
    EXPECT_DOUBLE_EQ(w.meteo().HumiExt, 80);
    EXPECT_DOUBLE_EQ(w.meteo().ObservedAt, lastTime());
}

TEST_F(Ws28Test, ImperialCaptions) {
    imperial();
    poll(typicalDay());
    EXPECT_EQ(w.boxes().insideTemperatureBox.caption, "T-int (°F) = 70.3");
    EXPECT_EQ(w.boxes().pressureBox.caption, "P-atm (inHg) = 29.91");
    EXPECT_EQ(w.boxes().windBox.caption, "Viento (mph) = 11");
    EXPECT_EQ(w.boxes().gustBox.caption, "Ráfaga (mph) = 17");
    EXPECT_EQ(w.boxes().feltTemperatureBox.caption, "Sensación (°F) = 32.6");
    EXPECT_EQ(w.boxes().rainBox.caption, "Lluvia/24h (inch) = 0.06");
    EXPECT_EQ(w.dewPointCaption().caption, "Punto de rocio (°F) = 33.8");
}

TEST_F(Ws28Test, RelativePressureRepollsAtOnceAndDrivesTheTendency) {
    poll(typicalDay());
    w.chooseRelativePressure();
    EXPECT_TRUE(w.relativePressure());
    EXPECT_EQ(w.boxes().pressureBox.caption, "P-atm (hPa) = 1020.0");
    EXPECT_EQ(w.boxes().tendencyBox.caption, "Tendencia: decreciente");  // 1021 an hour ago
    EXPECT_EQ(w.meteo().Tend, 2);
    w.chooseAbsolutePressure();
    EXPECT_EQ(w.meteo().Patm, 1013);
}

TEST_F(Ws28Test, GarbageAbsolutePressureDoesNotDisturbTheRelativeOne) {
    auto records = typicalDay();
    for (auto& r : records) r.absolutePressure = 10101010.0f;
    w.selectAbsolutePressure(false);
    poll(records);
    EXPECT_EQ(w.poller().errorLine(), "");
    EXPECT_DOUBLE_EQ(w.meteo().Patm, 1020);
    EXPECT_FALSE(w.boxes().pressureBox.red);
}

TEST_F(Ws28Test, GustIsItsOwnFieldAndMayBeImplausibleAlone) {
    auto records = typicalDay();
    records.back().gust = 210 / 3.6f;
    poll(records);
    EXPECT_TRUE(w.boxes().gustBox.red);
    EXPECT_FALSE(w.boxes().windBox.red);
    EXPECT_EQ(w.boxes().gustBox.caption, "Ráfaga (km/h) = 210");
    records.back().wind = 60;  // an implausible mean wind leaves the gust alone
    records.back().gust = 8;
    poll(records);
    EXPECT_TRUE(w.boxes().windBox.red);
    EXPECT_NEAR(w.meteo().Rafa, 28.8, 1e-9);
    EXPECT_EQ(w.meteo().TRes, -200);
}

TEST_F(Ws28Test, NegativeRainGivesNoValue) {
    auto records = typicalDay();
    records[records.size() - 2].rain = -3;
    poll(records);
    EXPECT_EQ(w.meteo().Pluie, -1);
    EXPECT_EQ(w.boxes().rainBox.caption, "Lluvia/24h (mm) = --");
}

TEST_F(Ws28Test, RecordZeroNeverCounts) {
    Ws28Record r;
    r.rain = 1;
    auto records = test::ws28Series(3, lastTime(), 25, r);
    records[0].rain = 100;
    records[0].absolutePressure = 1000;
    poll(records);
    EXPECT_DOUBLE_EQ(w.meteo().Pluie, 2);
    EXPECT_EQ(w.meteo().Tend, 0);  // reference record 1, not record 0
}

TEST_F(Ws28Test, OneTimeStampForEveryRecordSumsNoMoreThanADayOfMinutes) {
    Ws28Record r;
    r.rain = 1;
    // 3 000 records of one moment: the newest and the 1 440 a day of one-minute logging holds.
    poll(test::ws28Series(3000, lastTime(), 0, r));
    EXPECT_DOUBLE_EQ(w.meteo().Pluie, 1441);
}

TEST_F(Ws28Test, NegativeHumidityFailsTheDewPoint) {
    auto records = typicalDay();
    records.back().humOut = -5;
    poll(records);
    EXPECT_EQ(w.poller().errorLine(), "Error archivo");
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(w.boxes().rainBox.caption, "Lluvia/24h (mm) = 1.5");
    poll(typicalDay());
    EXPECT_EQ(w.poller().errorLine(), "");
}

TEST_F(Ws28Test, UnreadableTimesFailThePoll) {
    auto records = typicalDay();
    records.back().time = std::numeric_limits<double>::infinity();
    poll(records);
    EXPECT_EQ(w.poller().errorLine(), "Error archivo");
    records.back().time = 1e300;
    poll(records);
    EXPECT_EQ(w.poller().errorLine(), "Error archivo");
    EXPECT_TRUE(w.poller().enabled());
}

TEST_F(Ws28Test, NeutralCaptionsCarryTheUnits) {
    imperial();
    w.takeChosenFile((dir.path() / "none.dat").string());
    EXPECT_EQ(w.boxes().insideTemperatureBox.caption, "T-int (°F) = ");
    EXPECT_EQ(w.boxes().pressureBox.caption, "P-atm (inHg) = ");
    EXPECT_EQ(w.boxes().gustBox.caption, "Ráfaga (mph) = ");
    EXPECT_EQ(w.boxes().humidityBox.caption, "Humidad (%) = ");
    EXPECT_EQ(w.boxes().rainBox.caption, "Lluvia/24h (inch) =  ");
    EXPECT_EQ(w.boxes().feltTemperatureBox.caption, "Sensación (°C) =");  // not reset
    EXPECT_EQ(w.poller().errorLine(), "Error archivo");
}

}  // namespace
}  // namespace skycrier
