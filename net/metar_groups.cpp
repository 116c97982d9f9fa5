#include "net/metar_groups.h"

#include "base/decimal_integer.h"
#include "base/meteo_data.h"

namespace skycrier {
namespace {

// Up to count characters from index; short or empty near the end, never out of range.
std::string_view part(std::string_view text, std::size_t index, std::ptrdiff_t count) {
    if (index >= text.size() || count <= 0) return {};
    return text.substr(index, static_cast<std::size_t>(count));
}

std::optional<int> signedTemperature(std::string_view text) {
    if (text.starts_with('M')) {
        const auto magnitude = parseDecimalInteger(part(text, 1, 2));
        if (magnitude) return -*magnitude;
        return std::nullopt;
    }
    return parseDecimalInteger(text);
}

bool isReportTypeWord(std::string_view group) {
    return group == "METAR" || group == "SPECI" || group == "COR" || group == "AUTO";
}

bool startsTrendOrRemarks(std::string_view group) {
    return group == "TEMPO" || group == "BECMG" || group == "NOSIG" || group == "RMK";
}

}  // namespace

MetarGroups splitMetarGroups(std::string_view report) {
    MetarGroups groups{};
    const auto nextGroup = [&report] {
        const std::size_t blank = report.find(' ');
        const std::string_view group = report.substr(0, blank);
        report.remove_prefix(blank == std::string_view::npos ? report.size() : blank + 1);
        return group;
    };
    // Feeds that pass whole bulletins put the report type before the station.
    std::string_view first = nextGroup();
    while (isReportTypeWord(first) && !report.empty()) first = nextGroup();
    groups[0] = first;
    for (std::size_t i = 1; i < groups.size() && !report.empty(); ++i) {
        const std::string_view group = nextGroup();
        // A forecast or a remark is not what the station observes now.
        if (startsTrendOrRemarks(group)) break;
        groups[i] = group;
    }
    return groups;
}

bool hasTimeGroupShape(std::string_view group) { return group.size() == 7 && group[6] == 'Z'; }

std::optional<MetarTimeGroup> readTimeGroup(std::string_view group) {
    if (!hasTimeGroupShape(group)) return std::nullopt;
    const auto day = parseDecimalInteger(group.substr(0, 2));
    const auto hour = parseDecimalInteger(group.substr(2, 2));
    const auto minute = parseDecimalInteger(group.substr(4, 2));
    if (!day || !hour || !minute) return std::nullopt;
    return MetarTimeGroup{*day, *hour, *minute};
}

std::optional<MetarWind> readWind(const MetarGroups& groups) {
    for (std::size_t i = 1; i < groups.size(); ++i) {
        const std::string_view g = groups[i];
        MetarWind wind;
        std::size_t suffix = 0;
        if (g.ends_with("KT")) {
            wind.kmhPerUnit = 1.852;
            suffix = 2;
        } else if (g.ends_with("KMH")) {
            wind.kmhPerUnit = 1.0;
            suffix = 3;
        } else if (g.ends_with("MPS")) {
            wind.kmhPerUnit = 3.6;
            suffix = 3;
        } else {
            continue;
        }
        const std::string_view direction = part(g, 0, 3);
        if (direction == "VRB")
            wind.direction = kVariableWind;
        else if (direction != "///")
            wind.direction = parseDecimalInteger(direction);
        const auto end = static_cast<std::ptrdiff_t>(g.size() - suffix);
        const std::size_t gustMark = g.find('G');
        if (gustMark != std::string_view::npos) {
            const auto mark = static_cast<std::ptrdiff_t>(gustMark);
            wind.speed = parseDecimalInteger(part(g, 3, mark - 3));
            wind.gust = parseDecimalInteger(part(g, gustMark + 1, end - mark - 1));
        } else {
            wind.speed = parseDecimalInteger(part(g, 3, end - 3));
        }
        return wind;
    }
    return std::nullopt;
}

MetarTemperature readTemperature(const MetarGroups& groups) {
    for (std::size_t i = 1; i < groups.size(); ++i) {
        const std::string_view g = groups[i];
        const std::size_t slash = g.find('/');
        // A missing dew point leaves the temperature and its slash alone ("12/",
        // "M04/"): the temperature still counts.
        if ((g.size() == 3 || g.size() == 4) && slash == g.size() - 1)
            if (const auto temperature = signedTemperature(g.substr(0, slash))) return {temperature, std::nullopt};
        if (g.size() < 5 || g.size() > 7 || (slash != 2 && slash != 3) || g.find("//") != std::string_view::npos)
            continue;
        // North American visibility in statute miles (M1/4SM, 15/16SM) has
        // the same shape as a temperature group.
        if (g.ends_with("SM")) continue;
        return {signedTemperature(g.substr(0, slash)), signedTemperature(g.substr(slash + 1))};
    }
    return {};
}

std::optional<MetarPressure> readPressure(const MetarGroups& groups) {
    for (std::size_t i = 1; i < groups.size(); ++i) {
        const std::string_view g = groups[i];
        if (g.size() != 5 || (g[0] != 'Q' && g[0] != 'A')) continue;
        if (const auto figure = parseDecimalInteger(g.substr(1)))
            return MetarPressure{g[0] == 'Q' ? 1.0 : 0.338639, *figure};
    }
    return std::nullopt;
}

std::uint32_t readWeather(const MetarGroups& groups) {
    for (std::size_t i = 1; i < groups.size(); ++i) {
        const std::string_view g = groups[i];
        // Recent weather (RERA, RESN) has ended before the observation, and
        // weather in the vicinity (VCFG, VCSH) is not at the station.
        if (g.size() < 2 || g.size() > 5 || g.starts_with("RE") || g.starts_with("VC")) continue;
        std::uint32_t bits = 0;
        // Groups of 3 and 5 characters carry an intensity sign: -RA, +SHRA.
        if (g.size() == 3 || g.size() == 5) {
            if (g[0] == '-')
                bits = phenomena::Light;
            else if (g[0] == '+')
                bits = phenomena::Heavy;
            else
                continue;
        }
        const std::string_view kind = g.substr(g.size() - 2);
        if (kind == "RA") bits |= phenomena::Rain;
        if (kind == "SN") bits |= phenomena::Snow;
        if (kind == "GR") bits |= phenomena::Hail;
        if (kind == "BR") bits |= phenomena::Mist;
        if (kind == "FG") bits |= phenomena::Fog;
        if (bits != 0) return bits;
    }
    return 0;
}

}  // namespace skycrier
