#include "app/station_summary.h"

#include "base/text_lines.h"
#include "platform/date_time.h"

namespace skycrier {
namespace {

std::string sourceInput(const SourceModels& s, SourceKind kind) {
    switch (kind) {
    case SourceKind::MON: return "console on " + s.monitorSource.port();
    case SourceKind::W23: return "file " + s.ws23Source.inputLine();
    case SourceKind::W28: return "file " + s.ws28Source.inputLine();
    case SourceKind::Pro2: return "file " + s.pro2Source.inputLine();
    case SourceKind::APRS: return "from " + s.aprsSource.inputLine();
    case SourceKind::METAR: return "from " + s.metarSource.inputLine();
    case SourceKind::None: break;
    }
    return {};
}

std::string weatherLine(const SourceModels& s) {
    const SourceKind kind = s.sourceChoice.checkedSource();
    if (kind == SourceKind::None) return "weather: none chosen, the bulletins say the date and time only (METEO=)";
    return "weather: " + std::string(sourceName(kind)) + ", " + sourceInput(s, kind);
}

std::string asList(const std::vector<std::string>& words, const std::string& last = " and ") {
    std::string text;
    for (std::size_t i = 0; i < words.size(); ++i)
        text += (i == 0 ? "" : i + 1 == words.size() ? last : ", ") + words[i];
    return text;
}

// The lines that start a bulletin when they rise: the open port's, and a GPIO keying's trigger line.
std::vector<std::string> triggerLines(const StationState& a) {
    std::vector<std::string> lines;
    if (a.port.isOpen() && a.lines.triggerOnCts) lines.push_back("CTS");
    if (a.port.isOpen() && a.lines.triggerOnDsr) lines.push_back("DSR");
    const KeyingSettings& k = a.lines.keying;
    if (k.kind == KeyingKind::Gpio && k.gpioTriggerLine >= 0)
        lines.push_back("GPIO line " + std::to_string(k.gpioTriggerLine));
    return lines;
}

// What holds bulletins back, when DCD= lets it.
std::vector<std::string> busyLines(const StationState& a) {
    std::vector<std::string> lines;
    if (!a.lines.holdOnDcd) return lines;
    if (a.port.isOpen()) lines.push_back("a carrier on DCD");
    const KeyingSettings& k = a.lines.keying;
    if (k.kind == KeyingKind::Gpio && k.gpioBusyLine >= 0) lines.push_back("GPIO line " + std::to_string(k.gpioBusyLine));
    if (k.kind == KeyingKind::Hamlib && k.hamlibBusy) lines.push_back("the rig's squelch");
    return lines;
}

std::string portLine(const StationState& a) {
    std::string line;
    if (a.lines.keying.kind != KeyingKind::Serial) {
        line = "transmitter: keyed by " + keyingDescription(a.lines.keying) + " (PTT=" +
               keyingName(a.lines.keying.kind) + ")";
        if (a.port.isOpen()) line += "; port " + a.port.portName() + " for its inputs";
    } else if (!a.port.isOpen()) {
        return "transmitter: no port open (COM=), so nothing is keyed and no line starts a bulletin";
    } else {
        std::vector<std::string> keys;
        if (a.lines.keyDtr) keys.push_back("DTR");
        if (a.lines.keyRts) keys.push_back("RTS");
        line = "transmitter: port " + a.port.portName() + ", keyed by " +
               (keys.empty() ? std::string("no line") : asList(keys));
    }
    if (const auto triggers = triggerLines(a); !triggers.empty()) line += "; " + asList(triggers) + " start a bulletin";
    if (const auto busy = busyLines(a); !busy.empty())
        line += "; " + asList(busy, " or ") + " holds bulletins back";
    return line;
}

std::string scheduleLine(const ScheduleSettings& schedule) {
    const int period = periodMinutes(schedule);
    if (period == 0) return "schedule: off (PERIOD=)";
    return "schedule: every " + std::to_string(period) + " minutes from " + twoDigits(schedule.StartHour) +
           ":00 to " + twoDigits(schedule.EndHour) + ":00";
}

std::string soundLine(const MainWindowModel& window) {
    const OutputDevice output = window.chosenOutput();
    if (!output.name.empty()) return "sound: output " + output.name;
    if (output.number == kDefaultOutputDevice) return "sound: the system's default output";
    return "sound: output number " + std::to_string(output.number);
}

}  // namespace

std::string nextBulletinLine(const StationState& a, double localNow) {
    if (const auto next = nextScheduledBulletin(a.schedule, localNow)) {
        const DateTimeFields t = decodeDateTime(*next);
        const DateTimeFields today = decodeDateTime(localNow);
        std::string line = "next bulletin at " + twoDigits(t.hour) + ":" + twoDigits(t.minute);
        if (t.day != today.day) line += " tomorrow";
        return line;
    }
    const std::string why = periodMinutes(a.schedule) == 0 ? "the period is off" : "no hour is in the window";
    std::vector<std::string> askers;
    for (const std::string& line : triggerLines(a)) askers.push_back(line + " rises");
    if (a.peersConnected) askers.push_back("a peer program asks");
    if (askers.empty())
        return "no bulletin will come: " + why +
               " and nothing else can ask for one; set PERIOD= (or a port with CTS= or DSR=) in skycrier.ini";
    return "no scheduled bulletin (" + why + "); one comes when " + asList(askers, " or ");
}

std::vector<std::string> stationSummary(const StationState& a, double localNow) {
    return {weatherLine(a.stations), portLine(a), scheduleLine(a.schedule), soundLine(a.mainWindow),
            nextBulletinLine(a, localNow)};
}

}  // namespace skycrier
