#include "announce/status_board.h"

namespace skycrier {

void StatusBoard::setStatusText(std::string text) { setAndNotify(editData_, std::move(text)); }

void StatusBoard::setTransmitterLed(bool on) { setAndNotify(led_, on); }

void StatusBoard::setAnnounceEnabled(bool enabled) { setAndNotify(button1Enabled_, enabled); }

void StatusBoard::setSoundOutputOkEnabled(bool enabled) { setAndNotify(okSoundCardEnabled_, enabled); }

void StatusBoard::showFailure(const std::string& text, const std::string& reason) {
    setStatusText(text);
    reported.emit(reason.empty() ? text : text + " (" + reason + ")");
}

}  // namespace skycrier
