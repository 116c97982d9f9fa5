#include "announce/sequencer.h"

#include "announce/wording.h"
#include "platform/date_time.h"

namespace skycrier {
namespace {

constexpr int kItemPauseMs = 300;
constexpr int kTendencyPauseMs = 50;
constexpr int kKeyingPauseMs = 300;
constexpr int kReconnectDelayMs = 1000;

// Observations older than this many days are left out under the stale rules.
double staleLimitDays(StaleRule rule) {
    switch (rule) {
    case StaleRule::OneHour: return 0.042;
    case StaleRule::TwoHours: return 0.084;
    case StaleRule::ThreeHours: return 0.126;
    case StaleRule::Always: break;
    }
    return -1;
}

}  // namespace

bool sourceUsable(SourceKind kind, const MeteoData& data) {
    if (kind == SourceKind::None) return false;
    if (kind == SourceKind::MON) return data.Input == "1";
    return !data.Input.empty();
}

Sequencer::Sequencer(const Parts& parts)
    : parts_(parts), watchdog_(parts.loop, kWatchdogMs, [this] { abortRoutine(); }) {}

void Sequencer::Button1Click() {
    if (step_ != Idle || startupPending || running_) return;
    if (parts_.lines.CheckBoxDCD && CarrierBusy) return;

    running_ = true;
    ctsLatch = true;
    dsrLatch = true;
    escape_ = false;
    sourceKind_ = SourceKind::None;
    windSpoken_ = -1;
    pending_.clear();
    parts_.status.setButton1Enabled(false);
    watchdog_.start();
    parts_.status.setEditData(kSpeakingText);
    if (ErrorSimulation) return;

    step_ = Keying;
    if (parts_.port.isOpen() && parts_.port.portName() != kNoPortName) {
        for (const PortLine line : {PortLine::DTR, PortLine::RTS}) {
            const bool wanted = line == PortLine::DTR ? parts_.lines.CheckBoxDTR : parts_.lines.CheckBoxRTS;
            if (!wanted) continue;
            parts_.port.setLine(line, true);
            parts_.status.setTransmitterLed(true);
            observer_->onKey(line);
        }
        addWait(Keying, kKeyingPauseMs);
    }
    stage_ = Stage::Header;
    run();
}

void Sequencer::nextStep() {
    if (step_ > Idle && waitTask_ == 0) run();
}

void Sequencer::escapeRequest() {
    if (running_) escape_ = true;
}

void Sequencer::run() {
    for (;;) {
        if (escape_) {
            escape_ = false;
            pending_.clear();
            stage_ = Stage::Release;
        }
        if (pending_.empty()) {
            if (!plan()) return;
            continue;
        }
        Action action = std::move(pending_.front());
        pending_.pop_front();
        step_ = action.position;
        switch (action.kind) {
        case Action::Wait:
            observer_->onWait(action.milliseconds);
            waitThen(action.milliseconds);
            return;
        case Action::Segment:
            observer_->onPlaySegment(action.text);
            parts_.player.playResource(action.text);
            return;
        case Action::File:
            observer_->onPlayFile(action.text);
            parts_.player.playFile(action.text);
            return;
        }
    }
}

void Sequencer::waitThen(int milliseconds) {
    waitTask_ = parts_.loop.callAfter(milliseconds, [this] {
        waitTask_ = 0;
        run();
    });
}

void Sequencer::addWait(int position, int milliseconds) {
    pending_.push_back({Action::Wait, position, milliseconds, {}});
}

void Sequencer::addSegment(int position, std::string name) {
    pending_.push_back({Action::Segment, position, 0, std::move(name)});
}

void Sequencer::addSegments(int position, const std::vector<std::string>& names) {
    for (const auto& name : names) addSegment(position++, name);
}

// Queues what comes next; false when the bulletin has ended.
bool Sequencer::plan() {
    const BulletinSettings& s = parts_.settings;
    switch (stage_) {
    case Stage::Idle:
        return false;
    case Stage::Header:
        if (s.CheckBoxEntete && !s.headerFile.empty())
            pending_.push_back({Action::File, Header, 0, s.headerFile});
        stage_ = Stage::Greeting;
        return true;
    case Stage::Greeting:
        if (s.SpinEditPause != 0) addWait(Header, s.SpinEditPause * 1000);
        if (s.CheckBoxBrell && !s.greetingFile.empty())
            pending_.push_back({Action::File, Greeting, 0, s.greetingFile});
        stage_ = Stage::Date;
        return true;
    case Stage::Date:
        if (s.CheckBoxDate) {
            const DateTimeFields now = decodeDateTime(parts_.loop.localNow());
            const auto words = wording::date(now.dayOfWeek, now.day, now.month, now.year);
            for (std::size_t i = 0; i < words.size(); ++i) {
                // A year told as 2000 + n takes two positions, a plain year the last one.
                const int position = i < 3 ? DayName + static_cast<int>(i)
                                           : (words.size() == 5 && i == 3 ? YearHigh : Year);
                addSegment(position, words[i]);
            }
        }
        stage_ = Stage::Time;
        return true;
    case Stage::Time: {
        addWait(ItS, kItemPauseMs);
        const DateTimeFields now = decodeDateTime(parts_.loop.localNow());
        const auto words = wording::timeOfDay(now.hour, now.minute);
        for (std::size_t i = 0; i < words.size(); ++i) {
            int position = MinuteWord;
            if (i == 0) position = ItS;
            else if (i + 1 == words.size()) position = PartOfDay;
            else if (i == 1 && words[0] == "son_it_s") position = HourWord;
            addSegment(position, words[i]);
        }
        stage_ = Stage::Selection;
        return true;
    }
    case Stage::Selection:
        selectSource();
        return true;
    case Stage::Items:
        while (pending_.empty() && nextItem_ < std::size(kAllFields)) {
            const std::size_t index = nextItem_++;
            planItem(kAllFields[index], kFirstItemPosition + static_cast<int>(index) * 10);
        }
        if (pending_.empty()) stage_ = Stage::Closing;
        return true;
    case Stage::Closing:
        if (s.CheckBoxFin && !s.closingFile.empty())
            pending_.push_back({Action::File, Closing, 0, s.closingFile});
        stage_ = Stage::Release;
        return true;
    case Stage::Release:
        release();
        return false;
    }
    return false;
}

void Sequencer::selectSource() {
    sourceKind_ = SourceKind::None;
    const SourceKind checked = parts_.sources.checkedSource();
    if (checked != SourceKind::None && sourceUsable(checked, parts_.sources.meteo(checked))) sourceKind_ = checked;
    stage_ = Stage::Closing;

    if (sourceKind_ != SourceKind::None && sourceKind_ != SourceKind::MON &&
        !parts_.sources.meteo(sourceKind_).ErrorText.empty())
        return;
    const double limit = staleLimitDays(parts_.settings.staleRule);
    if (limit >= 0) {
        const double now = parts_.loop.localNow();
        const bool dated = sourceKind_ != SourceKind::None && sourceKind_ != SourceKind::MON;
        const double observedAt = dated ? parts_.sources.meteo(sourceKind_).ObservedAt : now;
        if (now - observedAt > limit) return;
    }
    if (sourceKind_ == SourceKind::None) return;
    stage_ = Stage::Items;
    nextItem_ = 0;
}

double Sequencer::itemValue(MeteoField field, double fallback) const {
    if (!supplies(sourceKind_, field) || !parts_.sources.itemEnabled(sourceKind_, field)) return fallback;
    return parts_.sources.meteo(sourceKind_).value(field);
}

void Sequencer::planItem(MeteoField item, int position) {
    using wording::roundHalfEven;
    const SpeechUnits& u = parts_.units;
    const auto speak = [&](int pause, const char* label, const std::vector<std::string>& words) {
        addWait(position, pause);
        if (label) addSegment(position, label);
        addSegments(position + 1, words);
    };
    switch (item) {
    case MeteoField::Tint:
    case MeteoField::Text: {
        const int v = roundHalfEven(itemValue(item, -200));
        if (v >= -100 && v <= 100)
            speak(kItemPauseMs, item == MeteoField::Tint ? "son_int_temp" : "son_ext_temp", wording::temperature(v));
        break;
    }
    case MeteoField::Patm: {
        const double f = u.PressFactor;
        const double x = itemValue(item, 900 * f);
        if (f == 1) {
            const int p = roundHalfEven(x);
            if (p >= 930 && p <= 1050) speak(kItemPauseMs, "son_pressure", wording::pressureHectopascal(p));
        } else if (x >= 930 * f && x <= 1050 * f) {
            speak(kItemPauseMs, "son_pressure", wording::decimal(x, "son_inhg"));
        }
        break;
    }
    case MeteoField::Tend: {
        const int t = static_cast<int>(itemValue(item, -1));
        if (t >= 0 && t <= 2) speak(kTendencyPauseMs, nullptr, {wording::tendency(t)});
        break;
    }
    case MeteoField::Vent: {
        const int v = roundHalfEven(itemValue(item, -1));
        windSpoken_ = v;
        if (v >= 0 && v <= 199 * u.WindFactor) {
            speak(kItemPauseMs, "son_wind", wording::speed(v, u.windMetric()));
            if (v > 100) windSpoken_ = v - 100;
        }
        break;
    }
    case MeteoField::Rafa: {
        const int v = roundHalfEven(itemValue(item, 0));
        if (v >= 5 * u.WindFactor && v <= 199 * u.WindFactor)
            speak(kItemPauseMs, "son_gust", wording::speed(v, u.windMetric()));
        break;
    }
    case MeteoField::Dire: {
        const int d = static_cast<int>(itemValue(item, -1));
        if (((d >= 0 && d <= 360) || d == kVariableDirection) && windSpoken_ >= 1)
            speak(kItemPauseMs, "son_dir",
                  wording::direction(d, parts_.settings.Menu16secteurs, sourceKind_ == SourceKind::METAR));
        break;
    }
    case MeteoField::TRes: {
        const int v = roundHalfEven(itemValue(item, -200));
        const int low = roundHalfEven(-75 * u.TempFactor + u.TempOffset);
        const int high = roundHalfEven(60 * u.TempFactor + u.TempOffset);
        if (v >= low && v <= high) speak(kItemPauseMs, "son_wind_chill", wording::feltTemperature(v));
        break;
    }
    case MeteoField::Pluie:
        if (u.rainMetric()) {
            const int v = roundHalfEven(itemValue(item, -1));
            if (v >= 0 && v <= 198) speak(kItemPauseMs, "son_rain24", wording::rainMillimetre(v));
        } else {
            const double x = itemValue(item, -1.0);
            if (x >= 0 && x < 10) speak(kItemPauseMs, "son_rain24", wording::rainInch(x));
        }
        break;
    case MeteoField::Phenomena: {
        const auto bits = static_cast<std::uint32_t>(itemValue(item, 0));
        if (bits == 0) break;
        int p = position;
        for (const auto& word : wording::presentWeather(bits)) {
            addWait(p, kItemPauseMs);
            addSegment(p++, word);
        }
        break;
    }
    case MeteoField::HumiExt: {
        const int v = roundHalfEven(itemValue(item, -1));
        if (v >= 0 && v <= 100) speak(kItemPauseMs, "son_humidity", wording::humidity(v));
        break;
    }
    }
}

void Sequencer::lowerLines() {
    if (!parts_.port.isOpen() && parts_.port.portName() == kNoPortName) return;
    for (const PortLine line : {PortLine::DTR, PortLine::RTS}) {
        if (parts_.port.isOpen()) observer_->onUnkey(line);
        parts_.port.setLine(line, false);
    }
    parts_.status.setTransmitterLed(false);
}

void Sequencer::release() {
    step_ = Release;
    lowerLines();
    running_ = false;
    step_ = Idle;
    stage_ = Stage::Idle;
    parts_.status.setButton1Enabled(true);
    parts_.status.setBitBtnOKCarteSonEnabled(true);
    watchdog_.stop();
    parts_.status.setEditData(kDoneText);
    observer_->onDone();

    if (PeerRequested) {
        PeerRequested = false;
        if (link_) link_->send("BRELL_DONE");
        afterRelease();
    } else {
        parts_.loop.callAfter(kReconnectDelayMs, [this] {
            if (link_) link_->reconnect();
            afterRelease();
        });
    }
}

void Sequencer::afterRelease() {
    const SourceKind kind = parts_.sources.checkedSource();
    if (kind == SourceKind::None) return;
    MeteoData& data = parts_.sources.meteo(kind);
    if (!data.DeferredPoll) return;
    data.DeferredPoll = false;
    parts_.sources.poll(kind);
}

void Sequencer::abortRoutine() {
    watchdog_.stop();
    if (running_ && parts_.player.playing() && !parts_.player.stalled()) {
        // A sound is still on the air: look again later rather than giving up,
        // so that an output that stops returning sounds cannot keep the transmitter keyed.
        watchdog_.start();
        return;
    }
    parts_.loop.cancel(waitTask_);
    waitTask_ = 0;
    pending_.clear();
    stage_ = Stage::Idle;
    escape_ = false;
    // An aborted bulletin must not leave the transmitter keyed.
    lowerLines();
    observer_->onAbort(parts_.status.EditData());

    const auto finish = [this] {
        parts_.player.clearState();
        running_ = false;
        step_ = Idle;
        parts_.status.setButton1Enabled(true);
    };
    if (!parts_.player.stopOutput()) {
        finish();
        return;
    }
    step_ = Release;
    parts_.loop.callAfter(kReconnectDelayMs, [this, finish] {
        if (link_) link_->reconnect();
        finish();
    });
}

}  // namespace skycrier
