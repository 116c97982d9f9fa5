#include "sources/monitor_source.h"

#include <algorithm>
#include <utility>

#include "base/decimal_integer.h"
#include "sources/derived_values.h"

namespace skycrier {
namespace {

// Below -70 °C the console did not answer (the library's failure value is far below).
constexpr double kLowestInsideTemperature = -70;
constexpr double kHectopascalPerInchOfMercury = 1 / 0.02953;
constexpr double kKilometresPerMile = 1.609344;
// The library's direction keeps these bits.
constexpr std::int32_t kDirectionMask = 0x8FFF;

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

struct TFormMeteo::Step {
    // The countdown text shown while the reading is under way, before its number and ")".
    const char* countdown;
    Reading reading;
    bool (TFormMeteo::*take)(double);
};

const TFormMeteo::Step TFormMeteo::kSteps[6] = {
    {"Weather Monitor leer ... (", Reading::InsideTemp, &TFormMeteo::takeInside},
    {"Weather Monitor leer (", Reading::OutsideTemp, &TFormMeteo::takeOutside},
    {"Weather Monitor leer (", Reading::Barometer, &TFormMeteo::takeBarometer},
    {"Leyendo Weather Monitor (", Reading::BarometerTrend, &TFormMeteo::takeTrend},
    {"Weather Monitor leer(", Reading::WindSpeed, &TFormMeteo::takeWind},
    {"Weather Monitor leer (", Reading::WindDirection, &TFormMeteo::takeDirection},
};

TFormMeteo::TFormMeteo(SourceContext& context) : SourceWindow(SourceKind::MON, context), tasks_(context.loop) {
    windRing.fill(kEmptyRingSlot);
    meteo.Input = "0";
}

void TFormMeteo::TimerMeteoTimer() {
    TimerMeteo.stop();
    // The poll under way re-arms the timer at its end.
    if (pollInFlight()) return;
    if (port_.empty()) {
        pollFinished.emit(false);
        return;
    }
    if (context_.bulletinOnAir()) {
        meteo.DeferredPoll = true;
        return;
    }
    if (portFailed_) {
        openPort();
        return;
    }
    WeatherMonitorLink* link = context_.weatherMonitor;
    LabelVersion = "DLL-Version: " + fixed(link ? link->getDllVersion() : 0, 3);
    polling_ = true;
    readStep(0);
}

void TFormMeteo::readStep(std::size_t step) {
    const Step& s = kSteps[step];
    StaticTextStatus = s.countdown + std::to_string(std::size(kSteps) - step) + ")";
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

double TFormMeteo::temperature(double fahrenheit) const {
    return context_.units.TempFactor == 1 ? (fahrenheit - 32) * 5 / 9 : fahrenheit;
}

bool TFormMeteo::takeInside(double fahrenheit) {
    const SpeechUnits& u = context_.units;
    meteo.Tint = temperature(fahrenheit);
    if (meteo.Tint < kLowestInsideTemperature * u.TempFactor + u.TempOffset) {
        failStation();
        return false;
    }
    setConnected(true);
    CheckBoxTint.red = !temperaturePlausible(meteo.Tint, u);
    CheckBoxTint.caption = "T-int (°" + u.TempText + ")= " + fixed(meteo.Tint, 1);
    return true;
}

bool TFormMeteo::takeOutside(double fahrenheit) {
    const SpeechUnits& u = context_.units;
    meteo.Text = temperature(fahrenheit);
    CheckBoxText.red = !temperaturePlausible(meteo.Text, u);
    CheckBoxText.caption = "T-ext (°" + u.TempText + ") = " + fixed(meteo.Text, 1);
    return true;
}

bool TFormMeteo::takeBarometer(double inHg) {
    const SpeechUnits& u = context_.units;
    const bool metric = u.PressFactor == 1;
    meteo.Patm = metric ? inHg * kHectopascalPerInchOfMercury : inHg;
    CheckBoxPatm.red = !pressurePlausible(meteo.Patm, u);
    CheckBoxPatm.caption = "P-atm (" + u.PressText + ") = " + fixed(meteo.Patm, metric ? 1 : 2);
    return true;
}

bool TFormMeteo::takeTrend(double code) {
    // The station's 8-bit code is kept as it came; only the three known ones have a caption.
    const auto byte = static_cast<std::uint8_t>(code);
    meteo.Tend = static_cast<std::int8_t>(byte);
    if (byte <= 2) CheckBoxTend.caption = tendencyCaption(byte);
    return true;
}

bool TFormMeteo::takeWind(double mph) {
    const SpeechUnits& u = context_.units;
    meteo.Vent = u.WindFactor == 1 ? mph * kKilometresPerMile : mph;
    // Winds kept in another unit would give a gust in the wrong one.
    if (u.WindFactor != ringWindFactor_) {
        for (double& slot : windRing)
            if (slot >= 0) slot = slot / ringWindFactor_ * u.WindFactor;
        ringWindFactor_ = u.WindFactor;
    }
    CheckBoxVent.red = !windPlausible(meteo.Vent, u);
    if (!CheckBoxVent.red) {
        windPosition = windPosition % static_cast<int>(windRing.size()) + 1;
        windRing[static_cast<std::size_t>(windPosition - 1)] = meteo.Vent;
    }
    CheckBoxVent.caption = "Viento (" + u.WindText + ") = " + fixed(meteo.Vent, 0);
    meteo.Rafa = std::max(0.0, *std::max_element(windRing.begin(), windRing.end()));
    CheckBoxRafa.caption = "Ráfaga (" + u.WindText + ") = " + fixed(meteo.Rafa, 0);
    return true;
}

bool TFormMeteo::takeDirection(double degrees) {
    meteo.Dire = static_cast<std::int32_t>(degrees) & kDirectionMask;
    CheckBoxDire.caption = "Dirección (°) = " + std::to_string(meteo.Dire);
    return true;
}

void TFormMeteo::failStation() {
    setConnected(false, kMonitorStationError);
    StaticTextStatus = kMonitorStationError;
    polling_ = false;
    TimerMeteo.start();
    pollFinished.emit(false);
}

void TFormMeteo::finishPoll() {
    StaticTextStatus = "Weather Monitor cerrado";
    if (const std::string time = context_.mainWindowTime(); !time.empty()) StaticTextStatus += "(" + time + " )";
    polling_ = false;
    followPollPeriod();
    TimerMeteo.start();
    pollFinished.emit(true);
}

void TFormMeteo::setConnected(bool connected, const std::string& failure) {
    meteo.Input = connected ? "1" : "0";
    meteo.ErrorText = connected ? "" : failure;
}

void TFormMeteo::forgetAnswers() {
    ++generation_;
    const bool abandoned = pollInFlight();
    opening_ = polling_ = false;
    if (abandoned) pollFinished.emit(false);
}

void TFormMeteo::startAsChosen(bool keepHidden) {
    if (port_.empty()) {
        FormShow();
        return;
    }
    if (!keepHidden) FormShow();
    openConfiguredPort();
}

void TFormMeteo::FormShow() {
    SourceWindow::FormShow();
    const SpeechUnits& u = context_.units;
    replaceDegreeLetter(CheckBoxTint.caption, u.TempText);
    replaceDegreeLetter(CheckBoxText.caption, u.TempText);
    replaceParenthesised(CheckBoxPatm.caption, u.PressText);
    replaceParenthesised(CheckBoxVent.caption, u.WindText);
    replaceParenthesised(CheckBoxRafa.caption, u.WindText);
}

void TFormMeteo::ButtonPortClick() {
    ListBoxPort.Items = {kNoComEntry};
    for (std::string& name : context_.serialPorts()) ListBoxPort.Items.push_back(std::move(name));
    if (!std::exchange(silentPortFill, false)) ListBoxPort.visible = true;
}

void TFormMeteo::openConfiguredPort() {
    silentPortFill = true;
    ButtonPortClick();
    auto& items = ListBoxPort.Items;
    auto found = std::find(items.begin(), items.end(), port_.empty() ? std::string(kNoComEntry) : port_);
    if (found == items.end()) found = items.insert(items.end(), port_);
    ListBoxPort.ItemIndex = static_cast<int>(found - items.begin());
    ListBoxPortClick();
}

void TFormMeteo::ListBoxPortClick() {
    TimerMeteo.stop();
    ListBoxPort.visible = false;
    forgetAnswers();
    portFailed_ = false;
    hideWhenConnected_ = false;
    if (context_.weatherMonitor) context_.weatherMonitor->closeCommPort();
    setConnected(false);
    const auto index = ListBoxPort.ItemIndex;
    if (index < 0 || static_cast<std::size_t>(index) >= ListBoxPort.Items.size()) return;
    const std::string& entry = ListBoxPort.Items[static_cast<std::size_t>(index)];
    if (entry == kNoComEntry) {
        port_.clear();
        ButtonPort = "COM=0";
        visible = false;
        return;
    }
    port_ = entry;
    ButtonPort = "COM=" + portConfigValue();
    openPort();
}

void TFormMeteo::openPort() {
    const std::string device = context_.portDevice(port_);
    const auto opened = [this, generation = generation_](int result) {
        if (generation != generation_) return;
        opening_ = false;
        portFailed_ = result != 1;
        if (result == 1) {
            setConnected(true);
            if (std::exchange(hideWhenConnected_, false) && visible) FormClose(geometry);
            TimerMeteoTimer();
            return;
        }
        hideWhenConnected_ = false;
        setConnected(false, kMonitorPortError);
        StaticTextStatus = kMonitorPortError;
        // A console silent or unplugged at start is tried again at each period, as after an unplug.
        followPollPeriod();
        TimerMeteo.start();
        pollFinished.emit(false);
    };
    opening_ = true;
    if (context_.weatherMonitor && !device.empty())
        context_.weatherMonitor->openCommPort(device, kBaudRate, tasks_.guard(opened));
    else
        tasks_.post([opened] { opened(0); });
}

bool TFormMeteo::loadPort(const std::string& value) {
    if (!value.empty() && value.front() == '/') {
        port_ = value;
    } else {
        // "COM3" names the same port as "3".
        const auto number = parseDecimalInteger(value.starts_with("COM") ? value.substr(3) : value);
        if (!number || *number < 0) return false;
        port_ = *number == 0 ? "" : "COM" + std::to_string(*number);
    }
    ButtonPort = "COM=" + portConfigValue();
    return true;
}

std::string TFormMeteo::portConfigValue() const {
    if (port_.empty()) return "0";
    return port_.starts_with("COM") ? port_.substr(3) : port_;
}

void TFormMeteo::closeStation() {
    TimerMeteo.stop();
    forgetAnswers();
    if (context_.weatherMonitor && !port_.empty()) context_.weatherMonitor->closeCommPort();
}

void TFormMeteo::hideWhenConnected() {
    if (!visible) return;
    if (connected())
        FormClose(geometry);
    else if (opening_)
        hideWhenConnected_ = true;
}

}  // namespace skycrier
