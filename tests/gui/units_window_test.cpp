#include "gui/units_window.h"

#include <gtest/gtest.h>

#include <QRadioButton>

#include "gui_rig.h"

namespace skycrier {
namespace {

TEST(UnitsWindow, EachPairSetsItsUnitsAndFollowsThem) {
    test::GuiRig r;
    UnitsChoice& model = r.a.sources().unitsChoice;
    gui::UnitsWindow window{model};
    const struct {
        const char* metric;
        const char* imperial;
        bool (SpeechUnits::*isMetric)() const;
        Quantity quantity;
    } pairs[] = {
        {"RadioButtonTc", "RadioButtonTf", &SpeechUnits::temperatureMetric, Quantity::Temperature},
        {"RadioButtonPm", "RadioButtonPi", &SpeechUnits::pressureMetric, Quantity::Pressure},
        {"RadioButtonVk", "RadioButtonVm", &SpeechUnits::windMetric, Quantity::Wind},
        {"RadioButtonRm", "RadioButtonRi", &SpeechUnits::rainMetric, Quantity::Rain},
    };
    for (const auto& pair : pairs) {
        SCOPED_TRACE(pair.metric);
        auto* metric = test::control<QRadioButton>(window, pair.metric);
        test::control<QRadioButton>(window, pair.imperial)->click();
        EXPECT_FALSE((r.a.sources().context.units.*pair.isMetric)());
        EXPECT_FALSE(metric->isChecked());
        // The configuration sets units through the model; the window follows.
        model.setMetric(pair.quantity, true);
        window.refresh();
        EXPECT_TRUE(metric->isChecked());
    }
}

}  // namespace
}  // namespace skycrier
