#include "sources/units_window.h"

namespace skycrier {

void TFormMyUnits::RadioButtonTcClick() {
    units_.setTemperatureMetric(true);
    refreshSelected();
}

void TFormMyUnits::RadioButtonTfClick() {
    units_.setTemperatureMetric(false);
    refreshSelected();
}

void TFormMyUnits::RadioButtonPmClick() {
    units_.setPressureMetric(true);
    refreshSelected();
}

void TFormMyUnits::RadioButtonPiClick() {
    units_.setPressureMetric(false);
    refreshSelected();
}

void TFormMyUnits::RadioButtonVkClick() {
    units_.setWindMetric(true);
    refreshSelected();
}

void TFormMyUnits::RadioButtonVmClick() {
    units_.setWindMetric(false);
    refreshSelected();
}

void TFormMyUnits::RadioButtonRmClick() {
    units_.setRainMetric(true);
    refreshSelected();
}

void TFormMyUnits::RadioButtonRiClick() {
    units_.setRainMetric(false);
    refreshSelected();
}

void TFormMyUnits::checkTemperature(bool metric) {
    if (metric && !RadioButtonTc()) RadioButtonTcClick();
    if (!metric && !RadioButtonTf()) RadioButtonTfClick();
}

void TFormMyUnits::checkPressure(bool metric) {
    if (metric && !RadioButtonPm()) RadioButtonPmClick();
    if (!metric && !RadioButtonPi()) RadioButtonPiClick();
}

void TFormMyUnits::checkWind(bool metric) {
    if (metric && !RadioButtonVk()) RadioButtonVkClick();
    if (!metric && !RadioButtonVm()) RadioButtonVmClick();
}

void TFormMyUnits::checkRain(bool metric) {
    if (metric && !RadioButtonRm()) RadioButtonRmClick();
    if (!metric && !RadioButtonRi()) RadioButtonRiClick();
}

void TFormMyUnits::refreshSelected() {
    if (!choice_) return;
    for (const SourceKind kind :
         {SourceKind::MON, SourceKind::W28, SourceKind::W23, SourceKind::APRS, SourceKind::Pro2, SourceKind::METAR})
        if (choice_->isChecked(kind)) choice_->window(kind).ButtonRafraichirClick();
}

}  // namespace skycrier
