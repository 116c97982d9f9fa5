#include "platform/weather_monitor_station.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <cstring>

#include "platform/crc16_xmodem.h"
#include "platform/serial_line.h"

namespace skycrier {
namespace {

constexpr std::uint8_t kAck = 0x06;
constexpr std::uint8_t kPacketStart = 0x01;
constexpr std::size_t kPacketSize = 18;  // start byte, 15 data bytes, CRC
constexpr auto kReplyTimeout = std::chrono::milliseconds(2000);

// WRD's first argument: nibble count in the high half, bank 0 = 2, bank 1 = 4.
constexpr std::uint8_t kOneNibbleBank0 = 0x12;
constexpr std::uint8_t kFourNibblesBank1 = 0x44;
constexpr std::uint8_t kTrendAddress = 0x79;
constexpr std::uint8_t kInsideOffsetAddress = 0x52;
constexpr std::uint8_t kOutsideOffsetAddress = 0x78;
constexpr std::uint8_t kBarometerOffsetAddress = 0x2C;

std::int16_t int16At(const std::uint8_t* bytes) {
    return static_cast<std::int16_t>(bytes[0] | (bytes[1] << 8));
}

bool invalidWord(std::int16_t value) { return value == 0x7FFF || value == -0x8000; }

}  // namespace

int WeatherMonitorStation::openCommPort(const std::string& devicePath, int baudRate) {
    closeCommPort();
    error_.clear();
    if (baudRate != 2400) {
        fail("unsupported baud rate " + std::to_string(baudRate));
        return 0;
    }
    // Non-blocking: every wait below is a poll with a time-out.
    fd_ = ::open(devicePath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) {
        fail(portOpenFailure(devicePath, errno));
        return 0;
    }
    termios settings{};
    if (!::isatty(fd_) || ::tcgetattr(fd_, &settings) != 0) {
        fail(devicePath + ": not a serial port");
        closeCommPort();
        return 0;
    }
    ::cfmakeraw(&settings);
    settings.c_cflag = (settings.c_cflag & ~(CSTOPB | PARENB | CSIZE | CRTSCTS)) | CS8 | CLOCAL | CREAD;
    ::cfsetispeed(&settings, B2400);
    ::cfsetospeed(&settings, B2400);
    if (::tcsetattr(fd_, TCSANOW, &settings) != 0) {
        fail(devicePath + ": " + std::strerror(errno));
        closeCommPort();
        return 0;
    }
    flush();
    const auto inside = readWord(kFourNibblesBank1, kInsideOffsetAddress);
    const auto outside = inside ? readWord(kFourNibblesBank1, kOutsideOffsetAddress) : std::nullopt;
    const auto barometer = outside ? readWord(kFourNibblesBank1, kBarometerOffsetAddress) : std::nullopt;
    if (!barometer) {
        closeCommPort();
        return 0;
    }
    insideOffset_ = static_cast<std::int16_t>(*inside);
    outsideOffset_ = static_cast<std::int16_t>(*outside);
    barometerOffset_ = static_cast<std::int16_t>(*barometer);
    return 1;
}

void WeatherMonitorStation::closeCommPort() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

double WeatherMonitorStation::getInsideTemp() {
    const auto loop = readLoop();
    if (!loop || invalidWord(loop->inside)) return kNoTemperature;
    return (loop->inside + insideOffset_) / 10.0;
}

double WeatherMonitorStation::getOutsideTemp() {
    const auto loop = readLoop();
    if (!loop || invalidWord(loop->outside)) return kNoTemperature;
    return (loop->outside + outsideOffset_) / 10.0;
}

double WeatherMonitorStation::getBarometer() {
    const auto loop = readLoop();
    if (!loop || loop->barometer <= 0) return kNoBarometer;
    return (loop->barometer - barometerOffset_) / 1000.0;
}

std::uint8_t WeatherMonitorStation::getBarometerTrend() {
    const auto nibble = readWord(kOneNibbleBank0, kTrendAddress);
    if (!nibble) return kNoTrend;
    // Steady wins over the other two bits.
    if (*nibble & 0x1) return 0;
    if (*nibble & 0x2) return 1;
    if (*nibble & 0x4) return 2;
    fail("no barometer trend yet");
    return kNoTrend;
}

double WeatherMonitorStation::getWindSpeed() {
    const auto loop = readLoop();
    return loop ? loop->wind : kNoWind;
}

int WeatherMonitorStation::getWindDirection() {
    const auto loop = readLoop();
    if (!loop || invalidWord(loop->direction)) return kNoDirection;
    return loop->direction;
}

std::optional<WeatherMonitorStation::Loop> WeatherMonitorStation::readLoop() {
    return retriedOnce([this] { return tryLoop(); });
}

std::optional<WeatherMonitorStation::Loop> WeatherMonitorStation::tryLoop() {
    // LOOP with 65536 - 1: exactly one packet.
    static constexpr std::array<std::uint8_t, 7> kCommand{'L', 'O', 'O', 'P', 0xFF, 0xFF, '\r'};
    std::array<std::uint8_t, 1 + kPacketSize> reply{};
    if (!send(kCommand.data(), kCommand.size()) || !receive(reply.data(), reply.size())) return std::nullopt;
    if (reply[0] != kAck) {
        fail("no acknowledgement");
        return std::nullopt;
    }
    const std::uint8_t* packet = reply.data() + 1;
    if (packet[0] != kPacketStart) {
        fail("packet does not start with 0x01");
        return std::nullopt;
    }
    const std::uint8_t* data = packet + 1;
    if (crc16Xmodem(data, kPacketSize - 1) != 0) {
        fail("packet CRC mismatch");
        return std::nullopt;
    }
    return Loop{int16At(data), int16At(data + 2), data[4], int16At(data + 5), int16At(data + 7)};
}

std::optional<unsigned> WeatherMonitorStation::readWord(std::uint8_t nibblesAndBank, std::uint8_t address) {
    return retriedOnce([&] { return tryWord(nibblesAndBank, address); });
}

std::optional<unsigned> WeatherMonitorStation::tryWord(std::uint8_t nibblesAndBank, std::uint8_t address) {
    const std::array<std::uint8_t, 6> command{'W', 'R', 'D', nibblesAndBank, address, '\r'};
    const std::size_t bytes = ((nibblesAndBank >> 4) + 1) / 2;
    std::array<std::uint8_t, 3> reply{};
    if (!send(command.data(), command.size()) || !receive(reply.data(), 1 + bytes)) return std::nullopt;
    if (reply[0] != kAck) {
        fail("no acknowledgement");
        return std::nullopt;
    }
    return bytes == 1 ? reply[1] & 0x0Fu : unsigned(reply[1] | (reply[2] << 8));
}

bool WeatherMonitorStation::send(const std::uint8_t* bytes, std::size_t count) {
    if (fd_ < 0) return fail("port not open");
    const auto deadline = std::chrono::steady_clock::now() + kReplyTimeout;
    while (count > 0) {
        const ssize_t written = ::write(fd_, bytes, count);
        if (written > 0) {
            bytes += written;
            count -= static_cast<std::size_t>(written);
            continue;
        }
        if (written < 0 && errno == EINTR) continue;
        if (written < 0 && errno != EAGAIN) {
            fail(std::string("line lost: ") + std::strerror(errno));
            closeCommPort();
            return false;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        pollfd watch{fd_, POLLOUT, 0};
        if (left.count() <= 0 || ::poll(&watch, 1, static_cast<int>(left.count())) == 0) return fail("write timed out");
    }
    return true;
}

bool WeatherMonitorStation::receive(std::uint8_t* bytes, std::size_t count) {
    const auto deadline = std::chrono::steady_clock::now() + kReplyTimeout;
    std::size_t got = 0;
    while (got < count) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) return fail(got == 0 ? "station silent" : "short reply");
        pollfd watch{fd_, POLLIN, 0};
        const int ready = ::poll(&watch, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR) continue;
        if (ready == 0) continue;
        const bool hungUp = ready > 0 && !(watch.revents & POLLIN);
        const ssize_t n = ready < 0 || hungUp ? -1 : ::read(fd_, bytes + got, count - got);
        if (hungUp) errno = ENXIO;
        if (n > 0) {
            got += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EINTR)) continue;
        // A hang-up (EIO, ENXIO, end of file) will not heal: drop the port.
        fail(n == 0 ? std::string("line lost") : std::string("line lost: ") + std::strerror(errno));
        closeCommPort();
        return false;
    }
    return true;
}

void WeatherMonitorStation::flush() {
    if (fd_ >= 0) ::tcflush(fd_, TCIOFLUSH);
}

bool WeatherMonitorStation::fail(const std::string& why) {
    error_ = why;
    return false;
}

}  // namespace skycrier
