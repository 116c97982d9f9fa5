#pragma once
// The units window ("My units"): four pairs of radio buttons, metric or
// imperial. A click sets its quantity's units and refreshes the selected
// source at once, so its window and its record show the new units.

#include "base/speech_units.h"
#include "sources/source_choice.h"

namespace skycrier {

enum class Quantity { Temperature, Pressure, Wind, Rain };

class UnitsChoice {
public:
    // Without a source choice (a bulletin composed from a record) there is nothing to refresh.
    UnitsChoice(SpeechUnits& units, SourceChoice* choice) : units_(units), choice_(choice) {}

    // Whether the quantity's metric button is checked: its units are metric.
    bool isMetric(Quantity quantity) const;
    // A click on one of the quantity's buttons, even the one already checked.
    void click(Quantity quantity, bool metric);
    // The configuration's way in: a click only when the units change.
    void setMetric(Quantity quantity, bool metric);

    // After every click.
    Signal<> changed;

private:
    // Presses the selected source's "Actualizar"; nothing while "Sin WX" is selected.
    void refreshSelected();

    SpeechUnits& units_;
    SourceChoice* choice_;
};

}  // namespace skycrier
