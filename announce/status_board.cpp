#include "announce/status_board.h"

namespace skycrier {

void StatusBoard::setEditData(std::string text) {
    editData_ = std::move(text);
    changed();
}

void StatusBoard::setTransmitterLed(bool on) {
    led_ = on;
    changed();
}

void StatusBoard::setButton1Enabled(bool enabled) {
    button1Enabled_ = enabled;
    changed();
}

void StatusBoard::setBitBtnOKCarteSonEnabled(bool enabled) {
    okSoundCardEnabled_ = enabled;
    changed();
}

void StatusBoard::changed() {
    if (onChange_) onChange_();
}

}  // namespace skycrier
