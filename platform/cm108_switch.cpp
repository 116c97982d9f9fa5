#include "platform/cm108_switch.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "platform/hidraw_list.h"

namespace skycrier {
namespace {

std::string openFailure(const std::string& path, int error) {
    std::string text = path + ": " + std::strerror(error);
    // hidraw devices belong to root alone unless a udev rule says otherwise.
    if (error == EACCES || error == EPERM)
        text += ": give your group the card's hidraw device with a udev rule, e.g. a file "
                "/etc/udev/rules.d/90-cm108.rules holding SUBSYSTEM==\"hidraw\", ATTRS{idVendor}==\"0d8c\", "
                "GROUP=\"plugdev\", MODE=\"0660\"; then plug the card in again";
    else if (error == ENOENT || error == ENODEV || error == ENXIO)
        text += ": plug the sound card in, or name another in CM108_DEVICE= (skycrier-cli devices lists them)";
    return text;
}

// The errors of a card that was unplugged while held.
bool cardGone(int error) { return error == ENODEV || error == EIO || error == ENXIO; }

}  // namespace

std::array<std::uint8_t, 5> cm108Report(int gpio, bool high) {
    const auto pin = static_cast<std::uint8_t>(gpio >= 1 && gpio <= 8 ? 1u << (gpio - 1) : 0u);
    return {0x00, 0x00, high ? pin : std::uint8_t{0}, pin, 0x00};
}

Cm108Switch::Cm108Switch(std::string device, int gpio, std::filesystem::path sysfsRoot)
    : device_(std::move(device)), gpio_(gpio), sysfsRoot_(std::move(sysfsRoot)) {}

Cm108Switch::~Cm108Switch() { close(); }

bool Cm108Switch::open(std::string& error) {
    if (fd_ >= 0) return true;
    if (openDevice(error)) {
        trouble_.clear();
        return true;
    }
    trouble_ = error;
    return false;
}

bool Cm108Switch::openDevice(std::string& error) {
    if (gpio_ < 1 || gpio_ > 8) {
        error = "CM108 GPIO" + std::to_string(gpio_) + " does not exist: the cards have GPIO1 to GPIO8 (CM108_GPIO=)";
        return false;
    }
    path_ = device_;
    if (path_.empty()) {
        const auto cards = listCm108Devices(sysfsRoot_);
        if (cards.empty()) {
            error = "no CM108-family sound card found: plug it in, or name its /dev/hidrawN in CM108_DEVICE=";
            return false;
        }
        path_ = cards.front().path;
    }
    fd_ = ::open(path_.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd_ < 0) {
        error = openFailure(path_, errno);
        return false;
    }
    // The pin may have been left high by whoever had the card before.
    if (const int why = writeReport(false); why != 0) {
        error = path_ + ": " + std::strerror(why) + ": not a CM108-family sound card, or it does not answer";
        ::close(fd_);
        fd_ = -1;
        return false;
    }
    return true;
}

void Cm108Switch::close() {
    if (fd_ < 0) return;
    writeReport(false);
    ::close(fd_);
    fd_ = -1;
    trouble_.clear();
}

bool Cm108Switch::setKeyed(bool keyed, std::string& error) {
    if (fd_ < 0) {
        error = trouble_.empty() ? "the CM108 sound card is not open" : trouble_;
        return false;
    }
    const int why = writeReport(keyed);
    if (why == 0) return true;
    error = path_ + ": " + std::strerror(why);
    if (cardGone(why)) {
        // Let go, so that the next open() finds the card again, perhaps under another number.
        error += ": the sound card went away; plug it in again";
        ::close(fd_);
        fd_ = -1;
        trouble_ = error;
    }
    return false;
}

int Cm108Switch::writeReport(bool keyed) {
    const auto report = cm108Report(gpio_, keyed);
    int why = 0;
    // An unkey that fails once is worth a second try: a transmitter left keyed is the worse outcome.
    for (int attempt = keyed ? 1 : 2; attempt > 0; --attempt) {
        ssize_t written;
        do {
            written = ::write(fd_, report.data(), report.size());
        } while (written < 0 && errno == EINTR);
        if (written == static_cast<ssize_t>(report.size())) return 0;
        why = written < 0 ? errno : EIO;
    }
    return why;
}

}  // namespace skycrier
