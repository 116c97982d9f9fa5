#include "sources/source_choice.h"

#include <cmath>

namespace skycrier {

TFormChoixMeteo::TFormChoixMeteo(SourceContext& context, const Windows& windows)
    : context_(context), windows_(windows) {}

SourceWindow& TFormChoixMeteo::window(SourceKind kind) const { return *windows_[static_cast<std::size_t>(kind) - 1]; }

void TFormChoixMeteo::check(SourceKind kind) {
    if (checked_ == kind) return;
    switch (kind) {
    case SourceKind::None: RadioButtonNoMeteoClick(); break;
    case SourceKind::MON: RadioButtonMONClick(); break;
    case SourceKind::W23: RadioButtonW23Click(); break;
    case SourceKind::W28: RadioButtonW28Click(); break;
    case SourceKind::APRS: RadioButtonAPRSClick(); break;
    case SourceKind::Pro2: RadioButtonPro2Click(); break;
    case SourceKind::METAR: RadioButtonMETARClick(); break;
    }
}

void TFormChoixMeteo::RadioButtonNoMeteoClick() {
    checked_ = SourceKind::None;
    for (SourceWindow* w : windows_) w->stopPolling();
}

void TFormChoixMeteo::RadioButtonMONClick() { choose(SourceKind::MON); }
void TFormChoixMeteo::RadioButtonW23Click() { choose(SourceKind::W23); }
void TFormChoixMeteo::RadioButtonW28Click() { choose(SourceKind::W28); }
void TFormChoixMeteo::RadioButtonAPRSClick() { choose(SourceKind::APRS); }
void TFormChoixMeteo::RadioButtonPro2Click() { choose(SourceKind::Pro2); }
void TFormChoixMeteo::RadioButtonMETARClick() { choose(SourceKind::METAR); }

void TFormChoixMeteo::choose(SourceKind kind) {
    checked_ = kind;
    for (SourceWindow* w : windows_)
        if (w->kind() != kind) w->stopPolling();
    window(kind).startAsChosen(CheckBoxReduire());
}

void TFormChoixMeteo::FormShow(const WindowGeometry& mainWindow) {
    const auto half = [](int size) { return static_cast<int>(std::nearbyint(size / 2.0)); };
    geometry.top = mainWindow.top + half(mainWindow.height) - half(geometry.height);
    geometry.left = mainWindow.left + half(mainWindow.width) - half(geometry.width);
    context_.choiceWindowVisible = true;
}

void TFormChoixMeteo::hideSourceWindows() {
    for (SourceWindow* w : windows_) w->visible = false;
}

void TFormChoixMeteo::showChosenWindow(const WindowGeometry& mainWindow) {
    if (checked_ == SourceKind::None)
        FormShow(mainWindow);
    else
        window(checked_).FormShow();
}

MeteoData& TFormChoixMeteo::meteo(SourceKind kind) { return kind == SourceKind::None ? none_ : window(kind).meteo; }

bool TFormChoixMeteo::itemEnabled(SourceKind kind, MeteoField field) const {
    return kind != SourceKind::None && window(kind).itemEnabled(field);
}

void TFormChoixMeteo::poll(SourceKind kind) {
    if (kind != SourceKind::None) window(kind).TimerMeteoTimer();
}

}  // namespace skycrier
