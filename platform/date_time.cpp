#include "platform/date_time.h"

#include <cmath>
#include <cstdio>

namespace skycrier {
namespace {

constexpr long kMillisPerDay = 86'400'000;

// Days since 1970-01-01 for a civil date (Howard Hinnant's algorithm).
constexpr long daysFromCivil(long y, unsigned m, unsigned d) {
    y -= m <= 2 ? 1 : 0;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long>(doe) - 719468;
}

void civilFromDays(long z, int& year, int& month, int& day) {
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long y = static_cast<long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(y + (month <= 2 ? 1 : 0));
}

constexpr long kEpochOffset = daysFromCivil(1899, 12, 30);

}  // namespace

long daysFromEpoch(int year, int month, int day) {
    return daysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) - kEpochOffset;
}

bool isValidDate(int year, int month, int day) {
    if (month < 1 || month > 12 || day < 1) return false;
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    const int last = month == 2 && leap ? 29 : kDays[month - 1];
    return day <= last;
}

double encodeDateTime(int year, int month, int day, int hour, int minute, int second, int millisecond) {
    const double days = static_cast<double>(daysFromEpoch(year, month, day));
    const double fraction =
        (((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + millisecond) / static_cast<double>(kMillisPerDay);
    return days + fraction;
}

DateTimeFields decodeDateTime(double dateTime) {
    const long long totalMillis = std::llround(dateTime * static_cast<double>(kMillisPerDay));
    long long days = totalMillis / kMillisPerDay;
    long long millis = totalMillis % kMillisPerDay;
    if (millis < 0) {
        millis += kMillisPerDay;
        days -= 1;
    }
    DateTimeFields f;
    civilFromDays(static_cast<long>(days) + kEpochOffset, f.year, f.month, f.day);
    f.hour = static_cast<int>(millis / 3'600'000);
    f.minute = static_cast<int>(millis / 60'000 % 60);
    f.second = static_cast<int>(millis / 1000 % 60);
    f.millisecond = static_cast<int>(millis % 1000);
    // 30 December 1899 was a Saturday.
    const long long weekday = ((days % 7) + 7 + 6) % 7;  // 0 = Sunday
    f.dayOfWeek = static_cast<int>(weekday) + 1;
    return f;
}

std::optional<double> parseDateTime(std::string_view text) {
    if (text.size() != 19) return std::nullopt;
    const auto digits = [&](std::size_t from, std::size_t count) -> int {
        int value = 0;
        for (std::size_t i = from; i < from + count; ++i) {
            if (text[i] < '0' || text[i] > '9') return -1;
            value = value * 10 + (text[i] - '0');
        }
        return value;
    };
    if (text[4] != '-' || text[7] != '-' || text[10] != ' ' || text[13] != ':' || text[16] != ':')
        return std::nullopt;
    const int year = digits(0, 4), month = digits(5, 2), day = digits(8, 2);
    const int hour = digits(11, 2), minute = digits(14, 2), second = digits(17, 2);
    // Year 0 does not exist in the civil calendar; the station readers take 1..9999 too.
    if (year < 1 || month < 0 || day < 0 || hour < 0 || minute < 0 || second < 0) return std::nullopt;
    if (!isValidDate(year, month, day) || hour > 23 || minute > 59 || second > 59) return std::nullopt;
    return encodeDateTime(year, month, day, hour, minute, second);
}

std::string formatDateTime(double dateTime) {
    const DateTimeFields f = decodeDateTime(dateTime);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", f.year, f.month, f.day, f.hour, f.minute,
                  f.second);
    return text;
}

}  // namespace skycrier
