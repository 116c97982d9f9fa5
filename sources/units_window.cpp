#include "sources/units_window.h"

namespace skycrier {

bool UnitsChoice::isMetric(Quantity quantity) const {
    switch (quantity) {
        case Quantity::Temperature: return units_.temperatureMetric();
        case Quantity::Pressure: return units_.pressureMetric();
        case Quantity::Wind: return units_.windMetric();
        case Quantity::Rain: return units_.rainMetric();
    }
    return true;
}

void UnitsChoice::click(Quantity quantity, bool metric) {
    switch (quantity) {
        case Quantity::Temperature: units_.setTemperatureMetric(metric); break;
        case Quantity::Pressure: units_.setPressureMetric(metric); break;
        case Quantity::Wind: units_.setWindMetric(metric); break;
        case Quantity::Rain: units_.setRainMetric(metric); break;
    }
    refreshSelected();
    changed.emit();
}

void UnitsChoice::setMetric(Quantity quantity, bool metric) {
    if (isMetric(quantity) != metric) click(quantity, metric);
}

void UnitsChoice::refreshSelected() {
    if (!choice_) return;
    for (const SourceKind kind :
         {SourceKind::MON, SourceKind::W28, SourceKind::W23, SourceKind::APRS, SourceKind::Pro2, SourceKind::METAR})
        if (choice_->isChecked(kind)) choice_->window(kind).refreshNow();
}

}  // namespace skycrier
