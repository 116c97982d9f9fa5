#pragma once
// Date-times are doubles counting days since 30 December 1899 00:00, the
// fraction being the time of day. Stored files and the sources all use this
// form, so it is kept as the program's one representation of a moment.

#include <optional>
#include <string>
#include <string_view>

namespace skycrier {

struct DateTimeFields {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
    int dayOfWeek = 7;  // 1 = Sunday .. 7 = Saturday
};

// Days from 30 December 1899 to the given civil date (proleptic Gregorian).
long daysFromEpoch(int year, int month, int day);

double encodeDateTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0,
                      int millisecond = 0);

// Nearest millisecond, so that a value written as 12:00:00 never reads back as 11:59:59.
DateTimeFields decodeDateTime(double dateTime);

bool isValidDate(int year, int month, int day);

// "YYYY-MM-DD HH:MM:SS" of years 1 to 9999; nothing when the text is
// malformed or names no real moment.
std::optional<double> parseDateTime(std::string_view text);

// "YYYY-MM-DD HH:MM:SS", the fixed form used wherever the program shows a moment.
std::string formatDateTime(double dateTime);

}  // namespace skycrier
