#pragma once
// What the main window shows of the announcer: the status line, the
// transmitter lamp and whether the announce button can be pressed; and the
// failures worth a line in the operator's log.

#include <string>

#include "platform/signal.h"

namespace skycrier {

class StatusBoard {
public:
    const std::string& statusText() const { return editData_; }
    void setStatusText(std::string text);

    bool transmitterLed() const { return led_; }
    void setTransmitterLed(bool on);

    bool announceEnabled() const { return button1Enabled_; }
    void setAnnounceEnabled(bool enabled);

    bool soundOutputOkEnabled() const { return okSoundCardEnabled_; }
    void setSoundOutputOkEnabled(bool enabled);

    // Shows a failure in the status line and reports it, with its reason, for the log.
    void showFailure(const std::string& text, const std::string& reason = {});

    // After every change, for whatever shows the board (window, tray icon).
    Signal<> changed;
    // A failure for the operator's log (stderr of the command line, the service's journal).
    Signal<const std::string&> reported;
    // Something for the same log that stopped nothing (the sound output ran dry and was restarted).
    Signal<const std::string&> noticed;

private:
    void setAndNotify(auto& field, auto value) {
        field = std::move(value);
        changed.emit();
    }

    std::string editData_;
    bool led_ = false;
    bool button1Enabled_ = true;
    bool okSoundCardEnabled_ = true;
};

}  // namespace skycrier
