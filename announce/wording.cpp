#include "announce/wording.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "base/meteo_data.h"

namespace skycrier::wording {
namespace {

std::string son(int n) { return "son" + std::to_string(n); }

}  // namespace

Segments number(int n) {
    if (n > 100) return {"son100_and", son(n - 100)};
    return {son(n)};
}

Segments date(int dayOfWeek, int day, int month, int year) {
    static const char* const kDays[] = {"sun", "mon", "tue", "wed", "thu", "fri", "sat"};
    static const char* const kMonths[] = {"jan", "feb", "mar", "apr", "may", "jun",
                                          "jul", "aug", "sep", "oct", "nov", "dec"};
    Segments out{std::string("son_") + kDays[(dayOfWeek + 6) % 7], son(day),
                 std::string("son_") + kMonths[(month + 11) % 12]};
    if (year >= 2023 && year <= 2050) {
        out.push_back(son(year));
    } else if ((year >= 2001 && year <= 2022) || (year >= 2051 && year <= 2059)) {
        out.push_back("son2000");
        out.push_back(son(year - 2000));
    }
    return out;
}

Segments timeOfDay(int hour, int minute) {
    Segments out;
    const bool oneOClock = (hour == 1 || hour == 13) && minute == 0;
    out.push_back(oneOClock ? "son_it_s1" : "son_it_s");
    if (!oneOClock) {
        const int h = hour < 13 ? hour : hour - 12;
        if (minute == 0)
            out.push_back(son(h));
        else
            // Just after midnight the hour is told as twelve: there is no "zero" hour word.
            out.push_back(son(h == 0 ? 12 : h) + "_et");
    }
    if (minute > 0) out.push_back(son(minute));
    // From 12:00 it is afternoon: "twelve thirty in the morning" would be heard as half past midnight.
    if (hour <= 5)
        out.push_back("son_am1");
    else if (hour <= 11)
        out.push_back("son_am");
    else if (hour <= 20)
        out.push_back("son_pm");
    else
        out.push_back("son_pm1");
    return out;
}

Segments temperature(int value) {
    Segments out;
    if (value < 0) out.push_back("son_minus");
    const int magnitude = std::abs(value);
    for (auto& s : number(magnitude)) out.push_back(std::move(s));
    out.push_back(magnitude <= 1 ? "son_degrees1" : "son_degrees");
    return out;
}

Segments feltTemperature(int value) {
    Segments out = temperature(value);
    out.back() = "son_degrees";
    return out;
}

Segments pressureHectopascal(int value) {
    Segments out;
    if (value == 1000) {
        out.push_back("son1000");
    } else {
        const int rest = value <= 1000 ? value - 900 : value - 1000;
        out.push_back(value <= 1000 ? "son900" : "son1000");
        if (rest > 0 && rest < 100) out.push_back(son(rest));
    }
    out.push_back("son_millibars");
    return out;
}

Segments decimal(double value, const std::string& unit) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", value);
    std::string formatted(text);
    const auto point = formatted.find('.');
    const std::string digits = point == std::string::npos ? "00" : formatted.substr(point + 1, 2);
    const double whole = std::trunc(value);
    Segments out;
    if (value - whole < 0.01) {
        out.push_back(son(static_cast<int>(whole)));
    } else if (digits == "00") {
        // x.995 and above print as the next whole number: say that number.
        out.push_back(son(static_cast<int>(whole) + 1));
    } else {
        out.push_back(son(static_cast<int>(whole)));
        out.push_back("son_point");
        out.push_back(son(digits[0] - '0'));
        out.push_back(son(digits[1] - '0'));
    }
    out.push_back(unit);
    return out;
}

Segments rainInch(double value) {
    if (value < 0.01) return {"son_null"};
    return decimal(value, "son_inch");
}

Segments speed(int value, bool metric) {
    if (value == 0) return {"son_null"};
    Segments out = number(value);
    const int spoken = value > 100 ? value - 100 : value;
    if (metric)
        out.push_back(spoken == 1 ? "son_kmh1" : "son_kmh");
    else
        out.push_back("son_mph");
    return out;
}

Segments rainMillimetre(int value) {
    if (value == 0) return {"son_null"};
    Segments out = number(value);
    out.push_back("son_millimeters");
    return out;
}

Segments humidity(int value) {
    if (value == 0) return {"son_null"};
    return {son(value), "son_percent"};
}

std::string tendency(int value) {
    switch (value) {
    case 0: return "son_steady";
    case 1: return "son_rising";
    default: return "son_falling";
    }
}

Segments direction(int d, bool sixteenSectors, bool variableAllowed) {
    if (d == kVariableDirection) {
        if (variableAllowed) return {"son_variable"};
        return {};
    }
    if (d < 0 || d > 360) return {};
    if (!sixteenSectors) {
        static const char* const kEight[] = {"son_north", "son_north_east", "son_east", "son_south_east",
                                             "son_south", "son_south_west", "son_west", "son_north_west"};
        // Sector k covers 45k-22 .. 45k+22 degrees.
        const int sector = ((d + 22) / 45) % 8;
        return {kEight[sector]};
    }
    struct Range {
        int from, to;
        const char* word;
    };
    static const Range kSixteen[] = {
        {0, 11, "son_north"},          {12, 33, "son_north_north_east"}, {34, 56, "son_north_east"},
        {57, 78, "son_east_north_east"}, {79, 101, "son_east"},          {102, 123, "son_east_south_east"},
        {124, 146, "son_south_east"},   {147, 168, "son_south_south_east"}, {169, 191, "son_south"},
        {192, 213, "son_south_south_west"}, {214, 236, "son_south_west"}, {237, 258, "son_west_south_west"},
        {259, 281, "son_west"},         {282, 303, "son_west_north_west"}, {304, 326, "son_north_west"},
        {327, 348, "son_north_north_west"}, {349, 360, "son_north"}};
    for (const Range& r : kSixteen)
        if (d >= r.from && d <= r.to) return {r.word};
    return {};
}

Segments presentWeather(std::uint32_t bits) {
    using namespace phenomena;
    Segments out;
    if (bits & Rain)
        out.push_back("son_raining");
    else if (bits & Snow)
        out.push_back("son_snowing");
    else if (bits & Hail)
        out.push_back("son_hailing");
    else if (bits & Mist)
        out.push_back("son_mist");
    else if (bits & Fog)
        out.push_back("son_fog");
    if ((bits & (Rain | Snow)) && !(bits & (Hail | Mist | Fog))) {
        if (bits & Light)
            out.push_back("son_lightly");
        else if (bits & Heavy)
            out.push_back("son_heavily");
        else
            out.push_back("son_moderatly");
    }
    return out;
}

}  // namespace skycrier::wording
