#pragma once
// What the main window shows of the announcer: the status line, the
// transmitter lamp and whether the announce button can be pressed.

#include <functional>
#include <string>

namespace skycrier {

class StatusBoard {
public:
    const std::string& EditData() const { return editData_; }
    void setEditData(std::string text);

    bool transmitterLed() const { return led_; }
    void setTransmitterLed(bool on);

    bool Button1Enabled() const { return button1Enabled_; }
    void setButton1Enabled(bool enabled);

    bool BitBtnOKCarteSonEnabled() const { return okSoundCardEnabled_; }
    void setBitBtnOKCarteSonEnabled(bool enabled);

    // Called after every change, for the window that shows the board.
    void setOnChange(std::function<void()> listener) { onChange_ = std::move(listener); }

private:
    void changed();

    std::string editData_;
    bool led_ = false;
    bool button1Enabled_ = true;
    bool okSoundCardEnabled_ = true;
    std::function<void()> onChange_;
};

}  // namespace skycrier
