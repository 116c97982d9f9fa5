#include "gui/units_window.h"

#include <gtest/gtest.h>

#include <QRadioButton>

#include "gui_rig.h"

namespace skycrier {
namespace {

TEST(UnitsWindow, EachPairSetsItsUnitsAndFollowsThem) {
    test::GuiRig r;
    TFormMyUnits& model = r.a.stations.FormMyUnits;
    gui::UnitsWindow window{model};
    const struct {
        const char* metric;
        const char* imperial;
        bool (SpeechUnits::*isMetric)() const;
        void (TFormMyUnits::*checkInModel)(bool);
    } pairs[] = {
        {"RadioButtonTc", "RadioButtonTf", &SpeechUnits::temperatureMetric, &TFormMyUnits::checkTemperature},
        {"RadioButtonPm", "RadioButtonPi", &SpeechUnits::pressureMetric, &TFormMyUnits::checkPressure},
        {"RadioButtonVk", "RadioButtonVm", &SpeechUnits::windMetric, &TFormMyUnits::checkWind},
        {"RadioButtonRm", "RadioButtonRi", &SpeechUnits::rainMetric, &TFormMyUnits::checkRain},
    };
    for (const auto& pair : pairs) {
        SCOPED_TRACE(pair.metric);
        auto* metric = test::control<QRadioButton>(window, pair.metric);
        test::control<QRadioButton>(window, pair.imperial)->click();
        EXPECT_FALSE((r.a.units.*pair.isMetric)());
        EXPECT_FALSE(metric->isChecked());
        // The configuration sets units through the model; the window follows.
        (model.*pair.checkInModel)(true);
        window.refresh();
        EXPECT_TRUE(metric->isChecked());
    }
}

}  // namespace
}  // namespace skycrier
