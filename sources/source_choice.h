#pragma once
// The source-choice window ("Fuente del WX"): exactly one radio button is
// checked and that source alone polls. It is also what the announcer reads
// the weather through.

#include <array>
#include <functional>

#include "base/weather_sources.h"
#include "platform/signal.h"
#include "sources/source_window.h"

namespace skycrier {

class SourceChoice final : public WeatherSources {
public:
    // One window per source kind, MON to METAR; they outlive this window.
    using Windows = std::array<SourceWindow*, 6>;

    SourceChoice(SourceContext& context, const Windows& windows);

    // The radio button of the kind is checked ("Sin WX" for None).
    bool isChecked(SourceKind kind) const { return checked_ == kind; }
    // Checks a radio button; one that was not checked runs its click handler.
    void check(SourceKind kind);

    // Each stops the other sources' polling (timers and fetches in flight), then starts its own source.
    void chooseNoSource();
    void chooseMonitor();
    void chooseWs23();
    void chooseWs28();
    void chooseAprs();
    void choosePro2();
    void chooseMetar();

    // The window opens (centred on the main window by the GUI).
    void prepareToShow();
    // The main window's "Ver el WX" button released: every source window
    // that is shown keeps its place and hides.
    void hideSourceWindows();
    // Its click: the chosen source's window, or this window while "Sin WX" is chosen.
    void showChosenWindow();
    // The user closed it.
    void close() {
        context_.choiceWindowVisible = false;
        changed.emit();
    }
    bool visible() const { return context_.choiceWindowVisible; }

    // The checked button or the window's visibility changed.
    Signal<> changed;

    // The main window's startMinimised: a chosen source then runs without its window.
    std::function<bool()> startMinimised = [] { return false; };

    SourceWindow& window(SourceKind kind) const;

    SourceKind checkedSource() const override { return checked_; }
    const MeteoData& meteo(SourceKind kind) const override;
    bool itemEnabled(SourceKind kind, MeteoField field) const override;
    void pollIfDeferred(SourceKind kind) override;

private:
    void choose(SourceKind kind);

    SourceContext& context_;
    Windows windows_;
    SourceKind checked_ = SourceKind::None;
    MeteoData none_;
};

}  // namespace skycrier
