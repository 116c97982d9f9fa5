#pragma once
// What every source window holds and does, whatever its station: its record,
// its poller (timer, period, deferral, error line), the boxes that choose
// what is spoken and whether its window is open. A GUI window draws this model
// and forwards the user's actions to its handlers; the rules live here.
//
// Threading: everything runs on the main loop.

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "base/meteo_data.h"
#include "base/speech_units.h"
#include "platform/http_fetch.h"
#include "platform/signal.h"
#include "sources/bounded_number.h"
#include "sources/source_poller.h"
#include "sources/weather_monitor_link.h"

namespace skycrier {

// A text shown in a window; red (colour 255) marks an implausible value.
struct Caption {
    std::string caption;
    bool red = false;
};

struct CheckBox : Caption {
    bool checked = false;
};

// The boxes under "Marque para locutar": each shows its value and, checked,
// has it spoken.
struct SpokenBoxes {
    CheckBox insideTemperatureBox{{"T-int (°C) ="}};
    CheckBox outsideTemperatureBox{{"T-ext (°C) ="}};
    CheckBox pressureBox{{"P-atm (hPa) ="}};
    CheckBox tendencyBox{{"Tendencia = "}};
    CheckBox windBox{{"Viento (km/h) ="}};
    CheckBox gustBox{{"Ráfaga (km/h) ="}};
    CheckBox directionBox{{"Dirección ="}};
    CheckBox feltTemperatureBox{{"Sensación (°C) ="}};
    CheckBox rainBox{{"Lluvia/24h (mm) = "}};
    CheckBox humidityBox{{"Humedad (%) ="}};
};

struct WindowGeometry {
    int top = 0;
    int left = 0;
    int width = 287;
    int height = 267;
};

// The path names a regular file (a directory or nothing at all does not count).
bool fileExists(const std::string& path);

// What the source windows share with each other and with the program around them.
struct SourceContext {
    SourceContext(EventLoop& eventLoop, const SpeechUnits& speechUnits) : loop(eventLoop), units(speechUnits) {}

    EventLoop& loop;
    const SpeechUnits& units;
    // Where a source window opens: the place and size the last one shown had.
    WindowGeometry sourceWindowPlace;
    // hPa per hour, shared by the three history-file stations.
    double TendencyThreshold = 0.4;
    // The source-choice window is on screen (a source window hides it when shown).
    bool choiceWindowVisible = false;
    // The system's beep after a failed poll or file choice.
    std::function<void()> beep = [] {};
    // The Escape key's request to end the bulletin on the air (ignored when none is).
    std::function<void()> escapeRequest = [] {};
    // A bulletin is on the air: a source that must not poll meanwhile has its
    // poller put the poll off (DeferredPoll) until the bulletin's end runs it.
    std::function<bool()> bulletinOnAir = [] { return false; };
    // The file a configured name stands for: relative names are taken from the program folder.
    std::function<std::string(const std::string&)> resolvePath = [](const std::string& name) { return name; };
    // The web, for the sources that fetch their reports; none (every fetch fails) when not given.
    HttpFetcher* fetcher = nullptr;
    // Where converted weather files are copied for other programs; empty when there is none.
    std::filesystem::path sharedDataFolder;
    // An error dialog: a file that could not be written.
    std::function<void(const std::string&)> showError = [](const std::string&) {};
    // The configuration is being applied at start-up: a source does not fetch meanwhile.
    bool loading = false;
    // The Weather Monitor II console's line; none: every opening fails.
    WeatherMonitorLink* weatherMonitor = nullptr;
    // The device a serial port's name stands for ("COM3" or a device path).
    std::function<std::string(const std::string&)> portDevice = [](const std::string& name) { return name; };
    // The machine's serial ports, as the main window lists them (without "No COM").
    std::function<std::vector<std::string>()> serialPorts = [] { return std::vector<std::string>(); };
    // The main window's time field (timeText), " HH:MM:SS" once the clock has been read.
    std::function<std::string()> mainWindowTime = [] { return std::string(); };
};

class ReadingPresenter;

class SourceWindow {
public:
    SourceWindow(SourceKind kind, SourceContext& context);
    virtual ~SourceWindow() = default;
    SourceWindow(const SourceWindow&) = delete;
    SourceWindow& operator=(const SourceWindow&) = delete;

    SourceKind kind() const { return kind_; }

    // One poll of the station, within one cycle of the poller: its timer
    // waits while the poll works and runs again when the poller tells it
    // finished. A source whose station answers later returns at once and
    // finishes when the answer is in.
    virtual void poll() = 0;
    // "Actualizar": the poll period from the poller's minutes, then one poll at once.
    virtual void refreshNow();
    // Another source was chosen: this one stops polling.
    virtual void stopPolling() { poller_.stop(); }
    // What choosing this source in the choice window starts, once the other
    // sources' timers are stopped; keepHidden is the main window's startMinimised.
    virtual void startAsChosen(bool keepHidden) = 0;

    // The window opens (at the context's sourceWindowPlace).
    virtual void prepareToShow();
    // The window closes: closed by its user, or hidden by the program.
    void close();
    // The shown window was moved or resized: the next source window opens there.
    void keepPlace(const WindowGeometry& current) { context_.sourceWindowPlace = current; }
    bool visible() const { return visible_; }
    const WindowGeometry& place() const { return context_.sourceWindowPlace; }
    // Escape in the window: the bulletin on the air is asked to end.
    void askToEndBulletin() { context_.escapeRequest(); }

    // The box that enables a field for speaking; the rain box also enables METAR's present weather.
    const CheckBox& checkBox(MeteoField field) const;
    const SpokenBoxes& boxes() const { return boxes_; }
    // The user ticks or clears a field's box (the configuration too).
    void setSpoken(MeteoField field, bool spoken);
    // The field is spoken: the source supplies it and its box is checked.
    bool itemEnabled(MeteoField field) const;

    // The source's record: what a bulletin speaks from it.
    const MeteoData& meteo() const { return meteo_; }
    SourcePoller& poller() { return poller_; }
    const SourcePoller& poller() const { return poller_; }

    // What the window shows changed: a poll ended or moved on, the window was shown or hidden.
    Signal<> changed;

protected:
    // What shows this source's readings, in the units and with the tendency threshold now in force.
    ReadingPresenter presenter() const;

    CheckBox& box(MeteoField field);

    SourceContext& context_;
    MeteoData meteo_;
    SourcePoller poller_;
    SpokenBoxes boxes_;

private:
    // The presenter writes the record and the boxes' captions.
    friend class ReadingPresenter;

    SourceKind kind_;
    bool visible_ = false;
    Subscription pollShown_;
};

}  // namespace skycrier
