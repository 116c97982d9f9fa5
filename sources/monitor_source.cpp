#include "sources/monitor_source.h"

#include <algorithm>
#include <utility>

#include "base/decimal_integer.h"
#include "sources/derived_values.h"

namespace skycrier {
namespace {

// The text between the caption's first "(" and the next ")" becomes unit.
void replaceParenthesised(std::string& caption, const std::string& unit) {
    const auto open = caption.find('(');
    const auto close = caption.find(')', open);
    if (open != std::string::npos && close != std::string::npos) caption.replace(open + 1, close - open - 1, unit);
}

// The character after the caption's "°" becomes the temperature letter.
void replaceDegreeLetter(std::string& caption, const std::string& letter) {
    const std::string degree = "°";
    const auto at = caption.find(degree);
    if (at != std::string::npos && at + degree.size() < caption.size())
        caption.replace(at + degree.size(), 1, letter);
}

}  // namespace

struct MonitorSource::Step {
    // The countdown text shown while the reading is under way, before its number and ")".
    const char* countdown;
    Reading reading;
    bool (MonitorSource::*take)(double);
};

const MonitorSource::Step MonitorSource::kSteps[6] = {
    {"Weather Monitor leer ... (", Reading::InsideTemp, &MonitorSource::takeInside},
    {"Weather Monitor leer (", Reading::OutsideTemp, &MonitorSource::takeOutside},
    {"Weather Monitor leer (", Reading::Barometer, &MonitorSource::takeBarometer},
    {"Leyendo Weather Monitor (", Reading::BarometerTrend, &MonitorSource::takeTrend},
    {"Weather Monitor leer(", Reading::WindSpeed, &MonitorSource::takeWind},
    {"Weather Monitor leer (", Reading::WindDirection, &MonitorSource::takeDirection},
};

MonitorSource::MonitorSource(SourceContext& context) : SourceWindow(SourceKind::MON, context), tasks_(context.loop) {
    meteo_.Input = "0";
}

void MonitorSource::poll() {
    poller_.stop();
    // The poll under way re-arms the timer at its end.
    if (poller_.inFlight()) return;
    if (port_.empty()) {
        poller_.finished.emit(false);
        return;
    }
    if (poller_.deferDuringBulletin()) return;
    if (portFailed_) {
        openPort();
        return;
    }
    WeatherMonitorLink* link = context_.weatherMonitor;
    versionText_ = "DLL-Version: " + fixed(link ? link->getDllVersion() : 0, 3);
    poller_.begin();
    readStep(0);
}

void MonitorSource::readStep(std::size_t step) {
    const Step& s = kSteps[step];
    statusText_ = s.countdown + std::to_string(std::size(kSteps) - step) + ")";
    changed.emit();
    const auto take = [this, step, generation = generation_](double value) {
        if (generation != generation_ || !(this->*kSteps[step].take)(value)) return;
        if (step + 1 < std::size(kSteps))
            readStep(step + 1);
        else
            finishPoll();
    };
    if (context_.weatherMonitor)
        context_.weatherMonitor->read(s.reading, tasks_.guard(take));
    else
        tasks_.post([this] { failStation(); });
}

bool MonitorSource::takeInside(double fahrenheit) {
    if (!presenter().showMonitorInside(fahrenheit, *this)) {
        failStation();
        return false;
    }
    setConnected(true);
    return true;
}

bool MonitorSource::takeOutside(double fahrenheit) {
    presenter().showMonitorOutside(fahrenheit, *this);
    return true;
}

bool MonitorSource::takeBarometer(double inHg) {
    presenter().showMonitorBarometer(inHg, *this);
    return true;
}

bool MonitorSource::takeTrend(double code) {
    presenter().showMonitorTrend(code, *this);
    return true;
}

bool MonitorSource::takeWind(double mph) {
    presenter().showMonitorWind(mph, windRing_, *this);
    return true;
}

bool MonitorSource::takeDirection(double degrees) {
    presenter().showMonitorDirection(degrees, *this);
    return true;
}

void MonitorSource::failStation() {
    setConnected(false, kMonitorStationError);
    statusText_ = kMonitorStationError;
    poller_.finish(false, false);
}

void MonitorSource::finishPoll() {
    statusText_ = "Weather Monitor cerrado";
    if (const std::string time = context_.mainWindowTime(); !time.empty()) statusText_ += "(" + time + " )";
    poller_.finish(true, true);
}

void MonitorSource::setConnected(bool connected, const std::string& failure) {
    meteo_.Input = connected ? "1" : "0";
    poller_.setError(connected ? "" : failure);
}

void MonitorSource::forgetAnswers() {
    ++generation_;
    opening_ = false;
    if (poller_.abandon()) poller_.finished.emit(false);
}

void MonitorSource::startAsChosen(bool keepHidden) {
    if (port_.empty()) {
        prepareToShow();
        return;
    }
    if (!keepHidden) prepareToShow();
    openConfiguredPort();
}

void MonitorSource::prepareToShow() {
    SourceWindow::prepareToShow();
    const SpeechUnits& u = context_.units;
    replaceDegreeLetter(boxes_.insideTemperatureBox.caption, u.TempText);
    replaceDegreeLetter(boxes_.outsideTemperatureBox.caption, u.TempText);
    replaceParenthesised(boxes_.pressureBox.caption, u.PressText);
    replaceParenthesised(boxes_.windBox.caption, u.WindText);
    replaceParenthesised(boxes_.gustBox.caption, u.WindText);
}

void MonitorSource::showPortList() {
    portList_.Items = {kNoComEntry};
    for (std::string& name : context_.serialPorts()) portList_.Items.push_back(std::move(name));
    if (!std::exchange(silentPortFill_, false)) portList_.visible = true;
}

void MonitorSource::openConfiguredPort() {
    silentPortFill_ = true;
    showPortList();
    auto& items = portList_.Items;
    auto found = std::find(items.begin(), items.end(), port_.empty() ? std::string(kNoComEntry) : port_);
    if (found == items.end()) found = items.insert(items.end(), port_);
    choosePortFromList(static_cast<int>(found - items.begin()));
}

void MonitorSource::choosePortFromList(int row) {
    portList_.ItemIndex = row;
    poller_.stop();
    portList_.visible = false;
    forgetAnswers();
    portFailed_ = false;
    hideWhenConnected_ = false;
    if (context_.weatherMonitor) context_.weatherMonitor->closeCommPort();
    setConnected(false);
    const auto index = portList_.ItemIndex;
    if (index < 0 || static_cast<std::size_t>(index) >= portList_.Items.size()) return;
    const std::string& entry = portList_.Items[static_cast<std::size_t>(index)];
    if (entry == kNoComEntry) {
        port_.clear();
        portButtonText_ = "COM=0";
        close();
        return;
    }
    port_ = entry;
    portButtonText_ = "COM=" + portConfigValue();
    openPort();
}

void MonitorSource::openPort() {
    const std::string device = context_.portDevice(port_);
    const auto opened = [this, generation = generation_](int result) {
        if (generation != generation_) return;
        opening_ = false;
        poller_.abandon();
        portFailed_ = result != 1;
        if (result == 1) {
            setConnected(true);
            if (std::exchange(hideWhenConnected_, false) && visible()) close();
            poll();
            return;
        }
        hideWhenConnected_ = false;
        setConnected(false, kMonitorPortError);
        statusText_ = kMonitorPortError;
        // A console silent or unplugged at start is tried again at each period, as after an unplug.
        poller_.finish(false, true);
    };
    opening_ = true;
    poller_.begin();
    if (context_.weatherMonitor && !device.empty())
        context_.weatherMonitor->openCommPort(device, kBaudRate, tasks_.guard(opened));
    else
        tasks_.post([opened] { opened(0); });
}

bool MonitorSource::loadPort(const std::string& value) {
    if (!value.empty() && value.front() == '/') {
        port_ = value;
    } else {
        // "COM3" names the same port as "3".
        const auto number = parseDecimalInteger(value.starts_with("COM") ? value.substr(3) : value);
        if (!number || *number < 0) return false;
        port_ = *number == 0 ? "" : "COM" + std::to_string(*number);
    }
    portButtonText_ = "COM=" + portConfigValue();
    return true;
}

std::string MonitorSource::portConfigValue() const {
    if (port_.empty()) return "0";
    return port_.starts_with("COM") ? port_.substr(3) : port_;
}

void MonitorSource::closeStation() {
    poller_.stop();
    forgetAnswers();
    if (context_.weatherMonitor && !port_.empty()) context_.weatherMonitor->closeCommPort();
}

void MonitorSource::hideWhenConnected() {
    if (!visible()) return;
    if (connected())
        close();
    else if (opening_)
        hideWhenConnected_ = true;
}

void MonitorSource::keepHourlyLog(bool keep) {
    hourlyLogBox_.checked = keep;
    changed.emit();
}

}  // namespace skycrier
