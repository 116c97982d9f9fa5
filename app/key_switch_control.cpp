#include "app/key_switch_control.h"

#include <utility>

#include "app/transmitter_port_control.h"

namespace skycrier {

KeySwitchControl::KeySwitchControl(EventLoop& loop, const KeyingSettings& settings, SwitchMaker maker)
    : settings_(settings), maker_(std::move(maker)), retryTimer_(loop, kRetryMs, [this] { retry(); }), tasks_(loop) {}

KeySwitchControl::~KeySwitchControl() { close(); }

void KeySwitchControl::follow() {
    if (switch_ && made_ == settings_) return;
    if (!switch_ && !keysBySwitch(settings_.kind)) return;
    close();
    made_ = settings_;
    switch_.reset();
    failure_.clear();
    retryTimer_.stop();
    if (keysBySwitch(made_.kind)) {
        if (maker_) switch_ = maker_(made_);
        if (switch_) {
            switch_->open(failure_);
            switch_->watchInputs([this] { tasks_.post([this] { inputsChanged.emit(); }); });
            retryTimer_.start();
        } else {
            failure_ = std::string("this program cannot key through ") + keyingName(made_.kind);
        }
    }
    tell();
}

void KeySwitchControl::retry() {
    if (!switch_) return;
    if (!switch_->isOpen()) {
        failure_.clear();
        switch_->open(failure_);
    }
    tell();
}

std::string KeySwitchControl::trouble() const {
    if (!keysBySwitch(made_.kind)) return {};
    std::string why = failure_;
    if (why.empty() && switch_) why = switch_->trouble();
    if (why.empty()) return {};
    return std::string("Err: PTT ") + keyingName(made_.kind) + " (" + why +
           "): " + kKeptAndRetried;
}

std::string KeySwitchControl::troubleEnded() const {
    if (!switch_ || !switch_->isOpen()) return {};
    return std::string("PTT ") + keyingName(made_.kind) + " ready again";
}

std::string KeySwitchControl::whyNone() const { return failure_.empty() ? "no switch chosen" : failure_; }

void KeySwitchControl::tell() {
    const std::string now = trouble();
    if (now == told_) return;
    told_ = now;
    if (changed) changed();
}

bool KeySwitchControl::open(std::string& error) {
    if (!switch_) {
        error = whyNone();
        return false;
    }
    return switch_->open(error);
}

void KeySwitchControl::close() {
    if (switch_) switch_->close();
}

bool KeySwitchControl::isOpen() const { return switch_ && switch_->isOpen(); }

bool KeySwitchControl::setKeyed(bool keyed, std::string& error) {
    if (!switch_) {
        // Nothing made can be keyed, so nothing is left keyed either.
        if (!keyed) return true;
        error = whyNone();
        return false;
    }
    // A switch not held has keyed nothing; one to key is reached first.
    if (!switch_->isOpen()) {
        if (!keyed) return true;
        failure_.clear();
        if (!switch_->open(failure_)) {
            error = failure_;
            tell();
            return false;
        }
    }
    const bool done = switch_->setKeyed(keyed, error);
    tell();
    return done;
}

std::optional<bool> KeySwitchControl::readInput(SwitchInput input) {
    if (!switch_) return std::nullopt;
    return switch_->readInput(input);
}

void KeySwitchControl::watchInputs(std::function<void()> onChange) {
    if (switch_) switch_->watchInputs(std::move(onChange));
}

}  // namespace skycrier
