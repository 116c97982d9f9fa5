#include "sources/source_choice.h"

namespace skycrier {

SourceChoice::SourceChoice(SourceContext& context, const Windows& windows)
    : context_(context), windows_(windows) {}

SourceWindow& SourceChoice::window(SourceKind kind) const { return *windows_[static_cast<std::size_t>(kind) - 1]; }

void SourceChoice::check(SourceKind kind) {
    if (checked_ == kind) return;
    switch (kind) {
    case SourceKind::None: chooseNoSource(); break;
    case SourceKind::MON: chooseMonitor(); break;
    case SourceKind::W23: chooseWs23(); break;
    case SourceKind::W28: chooseWs28(); break;
    case SourceKind::APRS: chooseAprs(); break;
    case SourceKind::Pro2: choosePro2(); break;
    case SourceKind::METAR: chooseMetar(); break;
    }
}

void SourceChoice::chooseNoSource() {
    checked_ = SourceKind::None;
    for (SourceWindow* w : windows_) w->stopPolling();
    changed.emit();
}

void SourceChoice::chooseMonitor() { choose(SourceKind::MON); }
void SourceChoice::chooseWs23() { choose(SourceKind::W23); }
void SourceChoice::chooseWs28() { choose(SourceKind::W28); }
void SourceChoice::chooseAprs() { choose(SourceKind::APRS); }
void SourceChoice::choosePro2() { choose(SourceKind::Pro2); }
void SourceChoice::chooseMetar() { choose(SourceKind::METAR); }

void SourceChoice::choose(SourceKind kind) {
    checked_ = kind;
    for (SourceWindow* w : windows_)
        if (w->kind() != kind) w->stopPolling();
    window(kind).startAsChosen(startMinimised());
    changed.emit();
}

void SourceChoice::prepareToShow() {
    context_.choiceWindowVisible = true;
    changed.emit();
}

void SourceChoice::hideSourceWindows() {
    for (SourceWindow* w : windows_) w->close();
}

void SourceChoice::showChosenWindow() {
    if (checked_ == SourceKind::None)
        prepareToShow();
    else
        window(checked_).prepareToShow();
}

const MeteoData& SourceChoice::meteo(SourceKind kind) const {
    return kind == SourceKind::None ? none_ : window(kind).meteo();
}

bool SourceChoice::itemEnabled(SourceKind kind, MeteoField field) const {
    return kind != SourceKind::None && window(kind).itemEnabled(field);
}

void SourceChoice::pollIfDeferred(SourceKind kind) {
    if (kind != SourceKind::None) window(kind).poller().runDeferred();
}

}  // namespace skycrier
