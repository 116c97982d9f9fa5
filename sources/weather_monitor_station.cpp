#include "sources/weather_monitor_station.h"

#include <array>
#include <chrono>

#include "platform/crc16_xmodem.h"

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
    if (std::string why; !line_.open(devicePath, baudRate, why)) {
        fail(why);
        return 0;
    }
    line_.flush();
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
    if (!line_.isOpen()) return fail("port not open");
    std::string why;
    return line_.write(bytes, count, kReplyTimeout, why) || fail(why);
}

bool WeatherMonitorStation::receive(std::uint8_t* bytes, std::size_t count) {
    const SerialRead got = line_.read(bytes, count, kReplyTimeout);
    if (!got.lostLine.empty()) return fail(got.lostLine);
    if (got.received < count) return fail(got.received == 0 ? "station silent" : "short reply");
    return true;
}

bool WeatherMonitorStation::fail(const std::string& why) {
    error_ = why;
    return false;
}

}  // namespace skycrier
