#include "platform/gpio_switch.h"

#include <gpiod.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <utility>
#include <vector>

namespace skycrier {
namespace {

constexpr const char* kConsumer = "skycrier";

std::string chipFailure(const std::string& chip, int error) {
    const std::string named = "GPIO chip \"" + chip + "\"";
    if (error == EACCES || error == EPERM)
        return named + ": " + std::strerror(error) +
               ": your user needs access to the chip's /dev/gpiochipN; on Raspberry Pi OS add it to the gpio group "
               "(sudo adduser $USER gpio) and log in again";
    // A name, path, label or number that leads to no GPIO chip.
    if (error == 0 || error == ENOENT || error == ENODEV || error == ENOTTY)
        return named + " not found: skycrier-cli devices lists the chips";
    return named + ": " + std::strerror(error);
}

// Waits on the inputs' event fds until stopFd is written. Every wake-up reads
// the events that woke it, so that poll waits again, and calls `changed`; a
// line whose chip went away ends the watch after telling it once.
void watchLines(const std::vector<int>& eventFds, int stopFd, const std::function<void()>& changed) {
    std::vector<pollfd> fds{{stopFd, POLLIN, 0}};
    for (const int fd : eventFds) fds.push_back({fd, POLLIN, 0});
    for (;;) {
        if (::poll(fds.data(), fds.size(), -1) < 0) {
            if (errno == EINTR) continue;
            return;
        }
        if (fds[0].revents != 0) return;
        bool gone = false;
        for (std::size_t i = 1; i < fds.size(); ++i) {
            if (fds[i].revents == 0) continue;
            gpiod_line_event events[16];
            if ((fds[i].revents & POLLIN) == 0 || gpiod_line_event_read_fd_multiple(fds[i].fd, events, 16) < 0)
                gone = true;
        }
        changed();
        if (gone) return;
    }
}

}  // namespace

GpioSwitch::GpioSwitch(GpioSettings settings) : settings_(std::move(settings)) {}

GpioSwitch::~GpioSwitch() { close(); }

bool GpioSwitch::open(std::string& error) {
    if (chip_) return true;
    if (!requestLines(error)) {
        letGo();
        trouble_ = error;
        return false;
    }
    trouble_.clear();
    startWatching();
    return true;
}

bool GpioSwitch::requestLines(std::string& error) {
    errno = 0;
    chip_ = gpiod_chip_open_lookup(settings_.chip.c_str());
    if (!chip_) {
        error = chipFailure(settings_.chip, errno);
        return false;
    }
    // The kernel would refuse the second request of a line as in use by "skycrier", which helps no one.
    const std::pair<int, const char*> uses[] = {
        {settings_.line, "PTT"}, {settings_.triggerLine, "trigger"}, {settings_.busyLine, "busy"}};
    for (std::size_t i = 0; i < std::size(uses); ++i)
        for (std::size_t j = i + 1; j < std::size(uses); ++j)
            if (uses[i].first >= 0 && uses[i].first == uses[j].first) {
                error = lineName(uses[i].first) + " is chosen both for " + uses[i].second + " and for " +
                        uses[j].second + ": choose different lines";
                return false;
            }
    const struct {
        int offset;
        int type;
        gpiod_line** into;
    } wanted[] = {{settings_.line, GPIOD_LINE_REQUEST_DIRECTION_OUTPUT, &output_},
                  {settings_.triggerLine, GPIOD_LINE_REQUEST_EVENT_BOTH_EDGES, &trigger_},
                  {settings_.busyLine, GPIOD_LINE_REQUEST_EVENT_BOTH_EDGES, &busy_}};
    for (const auto& w : wanted) {
        if (w.offset < 0) continue;
        *w.into = requestLine(w.offset, w.type, error);
        if (!*w.into) return false;
    }
    return true;
}

gpiod_line* GpioSwitch::requestLine(int offset, int type, std::string& error) {
    const unsigned lines = gpiod_chip_num_lines(chip_);
    if (static_cast<unsigned>(offset) >= lines) {
        error = lineName(offset) + " does not exist: the chip has " + std::to_string(lines) + " lines, numbered from 0";
        return nullptr;
    }
    gpiod_line* line = gpiod_chip_get_line(chip_, static_cast<unsigned>(offset));
    if (!line) {
        error = lineName(offset) + ": " + std::strerror(errno);
        return nullptr;
    }
    const gpiod_line_request_config config{kConsumer, type,
                                           settings_.activeLow ? GPIOD_LINE_REQUEST_FLAG_ACTIVE_LOW : 0};
    // An output is driven inactive from the request on: the transmitter is never keyed by opening.
    if (gpiod_line_request(line, &config, 0) == 0) return line;
    const int why = errno;
    if (why == EBUSY) {
        gpiod_line_update(line);
        const char* user = gpiod_line_consumer(line);
        error = lineName(offset) + " is in use by " +
                (user ? "\"" + std::string(user) + "\"" : std::string("another program or a driver")) +
                ": stop that user of the line, or choose another line";
    } else {
        error = lineName(offset) + ": " + std::strerror(why);
    }
    return nullptr;
}

std::string GpioSwitch::lineName(int offset) const {
    return "GPIO line " + std::to_string(offset) + " of " + settings_.chip;
}

void GpioSwitch::close() {
    if (!chip_) return;
    // Released lines keep whatever level they had on many chips, so the output is made inactive first.
    if (output_) gpiod_line_set_value(output_, 0);
    letGo();
    trouble_.clear();
    changed_ = nullptr;
}

void GpioSwitch::letGo() {
    stopWatching();
    for (gpiod_line** line : {&output_, &trigger_, &busy_}) {
        if (*line) gpiod_line_release(*line);
        *line = nullptr;
    }
    if (chip_) gpiod_chip_close(chip_);
    chip_ = nullptr;
}

bool GpioSwitch::setKeyed(bool keyed, std::string& error) {
    if (!chip_) {
        error = trouble_.empty() ? "GPIO chip \"" + settings_.chip + "\" is not open" : trouble_;
        return false;
    }
    if (!output_) {
        if (!keyed) return true;
        error = "no GPIO line chosen for PTT: set GPIO_LINE=";
        return false;
    }
    if (gpiod_line_set_value(output_, keyed ? 1 : 0) == 0) return true;
    const int why = errno;
    error = lineName(settings_.line) + ": " + std::strerror(why);
    // A chip on USB can be unplugged; the next open() finds it again.
    if (why == ENODEV) {
        letGo();
        trouble_ = error;
    }
    return false;
}

std::optional<bool> GpioSwitch::readInput(SwitchInput input) {
    gpiod_line* line = input == SwitchInput::Trigger ? trigger_ : busy_;
    if (!line) return std::nullopt;
    const int value = gpiod_line_get_value(line);
    if (value < 0) return std::nullopt;
    return value == 1;
}

void GpioSwitch::watchInputs(std::function<void()> changed) {
    changed_ = std::move(changed);
    startWatching();
}

void GpioSwitch::startWatching() {
    if (!changed_ || !chip_ || watcher_.joinable()) return;
    std::vector<int> eventFds;
    for (gpiod_line* line : {trigger_, busy_})
        if (line) eventFds.push_back(gpiod_line_event_get_fd(line));
    if (eventFds.empty()) return;
    // Without an eventfd there is no watcher; the caller's regular readings still see the inputs.
    stopFd_ = ::eventfd(0, EFD_CLOEXEC);
    if (stopFd_ < 0) return;
    watcher_ = std::thread(
        [fds = std::move(eventFds), stop = stopFd_, changed = changed_] { watchLines(fds, stop, changed); });
}

void GpioSwitch::stopWatching() {
    if (!watcher_.joinable()) return;
    const std::uint64_t one = 1;
    static_cast<void>(::write(stopFd_, &one, sizeof one));
    watcher_.join();
    ::close(stopFd_);
    stopFd_ = -1;
}

}  // namespace skycrier
