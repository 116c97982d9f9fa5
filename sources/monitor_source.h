#pragma once
// Davis Weather Monitor II (MonitorSource, "Davis Monitor II"): a console read
// live over a serial port. Every poll asks the station for six readings and
// has each shown as it comes (see ReadingPresenter), with the gust the
// highest wind of the last ten valid polls. The readings are answered off
// the loop, one after the other; the status line counts them down meanwhile.
//
// Threading: the loop's thread only.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/task_scope.h"
#include "sources/reading_presenter.h"
#include "sources/source_window.h"

namespace skycrier {

inline constexpr const char* kNoComEntry = "No COM";
inline constexpr const char* kMonitorPortError = "Error: COM-Port";
inline constexpr const char* kMonitorStationError = "Error: Weather Monitor";

class MonitorSource final : public SourceWindow {
public:
    static constexpr int kBaudRate = 2400;
    static constexpr Millis kFirstPollMs = 1000;

    // The wind ring starts empty; no port is chosen yet.
    explicit MonitorSource(SourceContext& context);

    // The poll: six readings, then the timer again at the period. Nothing
    // while no port is chosen; put off while a bulletin is on the air; after
    // a failed opening the port is opened again first.
    void poll() override;
    // chooseMonitor once the other timers are stopped: the configured
    // port is opened and polled; without one the window asks for a port.
    void startAsChosen(bool keepHidden) override;
    // Also writes the chosen units into the captions.
    void prepareToShow() override;

    // The port button: "No COM" and the machine's ports into portList,
    // shown unless a silent fill was asked for (which it then clears).
    void showPortList();
    // The user picked a row of the port list: the station is closed, then
    // "No COM" hides the window, any other entry opens that port and polls.
    void choosePortFromList(int row);
    // Fills the list silently, selects the configured port and opens it (as
    // the source choice and the start-up do). A configured port the machine
    // does not list (an adapter not plugged in) is added to the list, so that
    // its setting is kept and its opening fails visibly.
    void openConfiguredPort();

    // The configuration's "METCOMM=": a port number (0 for none), "COM" and
    // a number, or a device path. False, with nothing changed, for anything else.
    bool loadPort(const std::string& value);
    // What "METCOMM=" saves: the number of a "COM" port, a device path, or 0.
    std::string portConfigValue() const;
    // The chosen port's name ("COM3" or a device path), empty for none.
    const std::string& port() const { return port_; }
    // The last port opening and the last poll succeeded (MeteoData.Input is "1").
    bool connected() const { return meteo_.Input == "1"; }

    // The program's close: no more polls, the port is released.
    void closeStation();
    // "FORMMETEO=N" at start-up: the window hides once the station is connected.
    void hideWhenConnected();

    static constexpr const char* kPortButtonHint = "Cliquer pour changer le port";
    struct PortList {
        std::vector<std::string> Items;
        int ItemIndex = -1;
        bool visible = false;
    };
    const PortList& portList() const { return portList_; }
    // "COM=" and the port.
    const std::string& portButtonText() const { return portButtonText_; }
    const std::string& versionText() const { return versionText_; }
    const std::string& statusText() const { return statusText_; }
    // "Registro horario de datos meteorológicos."
    const CheckBox& hourlyLogBox() const { return hourlyLogBox_; }
    void keepHourlyLog(bool keep);

private:
    using Reading = WeatherMonitorLink::Reading;
    struct Step;
    static const Step kSteps[6];

    void openPort();
    void readStep(std::size_t step);
    // Each takes one reading into the record and its caption; false ends the poll.
    bool takeInside(double fahrenheit);
    bool takeOutside(double fahrenheit);
    bool takeBarometer(double inHg);
    bool takeTrend(double code);
    bool takeWind(double mph);
    bool takeDirection(double degrees);
    void setConnected(bool connected, const std::string& failure = {});
    // The station did not answer: the poll ends, the timer keeps running.
    void failStation();
    void finishPoll();
    // Answers still on their way from an earlier port or poll are dropped.
    void forgetAnswers();

    std::string port_;
    WindRing windRing_;
    // The port is being opened (the poller counts it as a poll under way).
    bool opening_ = false;
    bool hideWhenConnected_ = false;
    // The last opening failed: the next poll opens the port again first.
    bool portFailed_ = false;
    unsigned generation_ = 0;
    std::string portButtonText_ = "COM=0";
    PortList portList_;
    std::string versionText_ = "DLL-Version: ";
    std::string statusText_;
    CheckBox hourlyLogBox_{{"Registro horario de datos meteorológicos."}};
    // openConfiguredPort asked showPortList not to show the list.
    bool silentPortFill_ = false;
    TaskScope tasks_;
};

}  // namespace skycrier
