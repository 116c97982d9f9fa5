// The reading presenter on readings made by hand, without any file: the
// plausibility bounds hold in every unit, both ends included.

#include "sources/reading_presenter.h"

#include "sources/source_fixture.h"

namespace skycrier {
namespace {

class ReadingPresenterTest : public test::SourceFixture {};

TEST_F(ReadingPresenterTest, BoundsAreIncludedAndConvertedLikeTheValuesTheyLimit) {
    const struct {
        const char* what;
        double tempOut, pressure, windMs, humidity;
        bool redText, redPatm, redVent, redHumidity;
    } cases[] = {
        {"lower bounds", -50, 930, 0, 0, false, false, false, false},
        {"upper bounds", 60, 1050, 55, 100, false, false, false, false},
        {"below", -50.5, 929.5, -0.5, 0, true, true, true, false},
        {"above", 60.5, 1050.5, 55.5, 100.5, true, true, true, true},
    };
    for (const bool metric : {true, false}) {
        SpeechUnits u;
        u.setTemperatureMetric(metric);
        u.setPressureMetric(metric);
        u.setWindMetric(metric);
        u.setRainMetric(metric);
        for (const auto& c : cases) {
            Ws28Reading r;
            r.tempOut = c.tempOut;
            r.pressure = c.pressure;
            r.wind = c.windMs;
            r.humidityOut = c.humidity;
            Ws28Source& w = stations.ws28Source;
            ReadingPresenter(u, 0.4).showWs28(r, 0, w);
            const std::string row = std::string(c.what) + (metric ? ", metric" : ", imperial");
            EXPECT_EQ(w.boxes().outsideTemperatureBox.red, c.redText) << row;
            EXPECT_EQ(w.boxes().pressureBox.red, c.redPatm) << row;
            EXPECT_EQ(w.boxes().windBox.red, c.redVent) << row;
            EXPECT_EQ(w.boxes().humidityBox.red, c.redHumidity) << row;
        }
    }
}

}  // namespace
}  // namespace skycrier
