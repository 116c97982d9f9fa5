#pragma once
// The units window ("My units"): four pairs of radio buttons, metric or
// imperial. A click sets its group's units and refreshes the selected source
// at once, so its window and its record show the new units.

#include "base/speech_units.h"
#include "sources/source_choice.h"

namespace skycrier {

class TFormMyUnits {
public:
    // Without a source choice (a bulletin composed from a record) there is nothing to refresh.
    TFormMyUnits(SpeechUnits& units, TFormChoixMeteo* choice) : units_(units), choice_(choice) {}

    // The radio buttons follow the units: the metric one is checked while its factor is 1.
    bool RadioButtonTc() const { return units_.temperatureMetric(); }
    bool RadioButtonTf() const { return !units_.temperatureMetric(); }
    bool RadioButtonPm() const { return units_.pressureMetric(); }
    bool RadioButtonPi() const { return !units_.pressureMetric(); }
    bool RadioButtonVk() const { return units_.windMetric(); }
    bool RadioButtonVm() const { return !units_.windMetric(); }
    bool RadioButtonRm() const { return units_.rainMetric(); }
    bool RadioButtonRi() const { return !units_.rainMetric(); }

    void RadioButtonTcClick();
    void RadioButtonTfClick();
    void RadioButtonPmClick();
    void RadioButtonPiClick();
    void RadioButtonVkClick();
    void RadioButtonVmClick();
    void RadioButtonRmClick();
    void RadioButtonRiClick();

    // The configuration's way in: checks the metric or the imperial button of
    // a group; a button that was not checked runs its click handler.
    void checkTemperature(bool metric);
    void checkPressure(bool metric);
    void checkWind(bool metric);
    void checkRain(bool metric);

private:
    // Presses the selected source's "Actualizar"; nothing while "Sin WX" is selected.
    void refreshSelected();

    SpeechUnits& units_;
    TFormChoixMeteo* choice_;
};

}  // namespace skycrier
