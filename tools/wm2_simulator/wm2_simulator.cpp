// A Weather Monitor II console on a pseudo-terminal, for trying the station
// library without a station. Prints the terminal's device path on the first
// line of stdout, then answers LOOP and WRD as the console does until killed.
//
//   wm2_simulator [--inside F] [--outside F] [--barometer inHg] [--wind mph[*n],...]
//                 [--direction deg] [--trend steady|rising|falling|none]
//                 [--fault none|silence|crc|short|garbage|unplug]
//                 [--inside-offset tenths] [--outside-offset tenths]
//                 [--barometer-offset thousandths] [--faulty-answers n]
//
// The values are the calibrated ones; LOOP carries them uncalibrated and the
// offsets are answered to WRD as the console keeps them.
// A list of winds is a script: each LOOP answer takes the next value ("20*3"
// counts for three answers), and the last one stays.
// A fault spoils every LOOP answer, or only the first n with --faulty-answers
// (WRD keeps working, so the station opens);
// "unplug" closes the terminal and exits on the first LOOP.

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/crc16_xmodem.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Station {
    double inside = 68.0;
    double outside = 50.0;
    double barometer = 29.92;
    std::vector<int> winds{0};
    std::size_t nextWind = 0;
    int direction = 0;
    unsigned trendNibble = 0x1;
    int insideOffset = 0;     // tenths °F, added to the loop value
    int outsideOffset = 0;    // tenths °F, added to the loop value
    int barometerOffset = 0;  // thousandths inHg, subtracted from the loop value
    std::string fault = "none";
    int faultyAnswers = -1;  // LOOP answers still to spoil; negative = all
};

void putInt16(std::uint8_t* out, long value) {
    const auto word = static_cast<std::uint16_t>(static_cast<std::int16_t>(value));
    out[0] = static_cast<std::uint8_t>(word & 0xFF);
    out[1] = static_cast<std::uint8_t>(word >> 8);
}

Bytes loopAnswer(const Station& station) {
    // ACK, start byte, 15 data bytes, CRC high byte first.
    Bytes answer(2 + 15 + 2, 0);
    answer[0] = 0x06;
    answer[1] = 0x01;
    std::uint8_t* data = answer.data() + 2;
    putInt16(data, std::lround(station.inside * 10) - station.insideOffset);
    putInt16(data + 2, std::lround(station.outside * 10) - station.outsideOffset);
    data[4] = static_cast<std::uint8_t>(station.winds[std::min(station.nextWind, station.winds.size() - 1)]);
    putInt16(data + 5, station.direction);
    putInt16(data + 7, std::lround(station.barometer * 1000) + station.barometerOffset);
    data[9] = data[10] = 0x80;  // humidity unknown; rain and the unused bytes stay 0
    std::uint16_t crc = skycrier::crc16Xmodem(data, 15);
    if (station.fault == "crc") crc ^= 0x5A5A;
    data[15] = static_cast<std::uint8_t>(crc >> 8);
    data[16] = static_cast<std::uint8_t>(crc & 0xFF);
    if (station.fault == "short") answer.resize(10);
    if (station.fault == "garbage") answer.assign(answer.size(), 0x5A);
    return answer;
}

Bytes wordAnswer(const Station& station, std::uint8_t nibblesAndBank, std::uint8_t address) {
    if (nibblesAndBank == 0x12 && address == 0x79) return {0x06, static_cast<std::uint8_t>(station.trendNibble)};
    const std::map<std::uint8_t, int> calibration{
        {0x52, station.insideOffset}, {0x78, station.outsideOffset}, {0x2C, station.barometerOffset}};
    // Other addresses read as zero.
    Bytes answer(1 + ((nibblesAndBank >> 4) + 1) / 2, 0);
    answer[0] = 0x06;
    if (nibblesAndBank == 0x44 && calibration.count(address)) putInt16(answer.data() + 1, calibration.at(address));
    return answer;
}

// "20*3,5" is 20, 20, 20, 5; nothing when the text is no such list.
std::optional<std::vector<int>> windScript(const std::string& text) {
    std::vector<int> winds;
    std::size_t at = 0;
    while (at <= text.size()) {
        const std::size_t comma = std::min(text.find(',', at), text.size());
        const std::string item = text.substr(at, comma - at);
        char* end = nullptr;
        const long value = std::strtol(item.c_str(), &end, 10);
        long count = 1;
        if (*end == '*') count = std::strtol(end + 1, &end, 10);
        if (item.empty() || *end != '\0' || value < 0 || value > 255 || count < 1 || count > 100000)
            return std::nullopt;
        winds.insert(winds.end(), static_cast<std::size_t>(count), static_cast<int>(value));
        at = comma + 1;
    }
    return winds;
}

bool parseOptions(int argc, char** argv, Station& station) {
    static const std::map<std::string, unsigned> trends{{"steady", 0x1}, {"rising", 0x2}, {"falling", 0x4}, {"none", 0}};
    for (int i = 1; i < argc; i += 2) {
        if (i + 1 >= argc) return false;
        const std::string option = argv[i];
        const char* value = argv[i + 1];
        char* end = nullptr;
        const double number = std::strtod(value, &end);
        const bool numeric = end != value && *end == '\0';
        if (option == "--inside" && numeric) station.inside = number;
        else if (option == "--outside" && numeric) station.outside = number;
        else if (option == "--barometer" && numeric) station.barometer = number;
        else if (option == "--wind" && windScript(value)) station.winds = *windScript(value);
        else if (option == "--direction" && numeric) station.direction = static_cast<int>(number);
        else if (option == "--inside-offset" && numeric) station.insideOffset = static_cast<int>(number);
        else if (option == "--outside-offset" && numeric) station.outsideOffset = static_cast<int>(number);
        else if (option == "--barometer-offset" && numeric) station.barometerOffset = static_cast<int>(number);
        else if (option == "--trend" && trends.count(value)) station.trendNibble = trends.at(value);
        else if (option == "--fault") station.fault = value;
        else if (option == "--faulty-answers" && numeric) station.faultyAnswers = static_cast<int>(number);
        else return false;
    }
    return true;
}

bool writeAll(int fd, const Bytes& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    Station station;
    if (!parseOptions(argc, argv, station)) {
        std::fprintf(stderr, "usage: %s [--inside F] [--outside F] [--barometer inHg] [--wind mph[*n],...] [--direction deg]"
                             " [--trend steady|rising|falling|none] [--fault none|silence|crc|short|garbage|unplug]"
                             " [--inside-offset tenths] [--outside-offset tenths] [--barometer-offset thousandths]"
                             " [--faulty-answers n]\n",
                     argv[0]);
        return 2;
    }
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) {
        std::perror("pseudo-terminal");
        return 1;
    }
    const std::string slavePath = ::ptsname(master);
    // Holding the slave open keeps the terminal alive while the library reopens it.
    const int slave = ::open(slavePath.c_str(), O_RDWR | O_NOCTTY);
    termios settings{};
    if (slave < 0 || ::tcgetattr(slave, &settings) != 0) {
        std::perror(slavePath.c_str());
        return 1;
    }
    ::cfmakeraw(&settings);
    ::tcsetattr(slave, TCSANOW, &settings);
    std::printf("%s\n", slavePath.c_str());
    std::fflush(stdout);

    Bytes command;
    for (;;) {
        std::uint8_t byte = 0;
        const ssize_t n = ::read(master, &byte, 1);
        if (n <= 0) return 0;
        command.push_back(byte);
        if (byte != '\r') continue;
        const std::string text(command.begin(), command.end());
        Bytes answer;
        if (text.rfind("LOOP", 0) == 0 && command.size() == 7) {
            if (station.faultyAnswers == 0) station.fault = "none";
            if (station.faultyAnswers > 0) --station.faultyAnswers;
            if (station.fault == "unplug") {
                ::close(slave);
                ::close(master);
                return 0;
            }
            if (station.fault != "silence") answer = loopAnswer(station);
            ++station.nextWind;
        } else if (text.rfind("WRD", 0) == 0 && command.size() == 6) {
            answer = wordAnswer(station, command[3], command[4]);
        } else {
            answer = {'!'};
        }
        command.clear();
        if (!answer.empty() && !writeAll(master, answer)) return 0;
    }
}
