#include "cli/monitor_station.h"

#include <optional>

#include "app/transmitter_port_control.h"
#include "base/decimal_integer.h"
#include "cli/json_text.h"
#include "cli/source_options.h"
#include "cli/usage.h"
#include "app/source_models.h"
#include "platform/linux_serial_data_line.h"
#include "platform/serial_port_list.h"
#include "platform/system_clock.h"
#include "sources/threaded_weather_monitor.h"
#include "platform/virtual_loop.h"

namespace skycrier::cli {
namespace {

// A console that stops answering for this long (real time) has been given up on.
constexpr Millis kSilentLinkMs = 30'000;

struct Options {
    std::string port;
    int polls = 1;
    SourceOptions source;
};

std::optional<Options> parseOptions(const std::vector<std::string>& args, std::string& error) {
    Options o;
    if (args.size() < 2) {
        error = "mon needs a port (COM3, 3 or a device path)";
        return std::nullopt;
    }
    o.port = args[1];
    for (std::size_t i = 2; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--offset") {
            error = "--offset is not for mon: the console's barometer has no correction";
            return std::nullopt;
        }
        if (const auto read = readSourceOption(args, i, o.source, error)) {
            if (!*read) return std::nullopt;
        } else if (a == "--polls") {
            std::string v;
            if (!optionValue(args, i, v, error)) return std::nullopt;
            const auto polls = parseDecimalInteger(v);
            if (!polls || *polls < 1) {
                error = "--polls needs a whole number of at least 1, not \"" + v + "\"";
                return std::nullopt;
            }
            o.polls = *polls;
        } else {
            error = "unknown option \"" + a + "\"";
            return std::nullopt;
        }
    }
    return o;
}

std::string controlsJson(const MonitorSource& w) {
    return captionsJson({{"CheckBoxTint", w.boxes().insideTemperatureBox},
                         {"CheckBoxText", w.boxes().outsideTemperatureBox},
                         {"CheckBoxPatm", w.boxes().pressureBox},
                         {"CheckBoxtend", w.boxes().tendencyBox},
                         {"CheckBoxVent", w.boxes().windBox},
                         {"CheckBoxRafa", w.boxes().gustBox},
                         {"CheckBoxDire", w.boxes().directionBox},
                         {"ButtonPort", Caption{w.portButtonText()}},
                         {"StaticTextStatus", Caption{w.statusText()}},
                         {"LabelVersion", Caption{w.versionText()}}});
}

}  // namespace

int runMonitorStation(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string error;
    const auto options = parseOptions(args, error);
    if (!options) return usageError(err, "station", error, kStationUsage);

    VirtualLoop loop(options->source.at ? *options->source.at : systemLocalNow());
    SpeechUnits units;
    SourceModels stations(loop, units);
    chooseUnits(stations.unitsChoice, options->source);
    MonitorSource& monitor = stations.monitorSource;
    if (!monitor.loadPort(options->port))
        return usageError(err, "station", "\"" + args[1] + "\" is neither a port number nor a device path",
                          kStationUsage);
    ThreadedWeatherMonitor link(loop, std::make_unique<LinuxSerialDataLine>());
    stations.context.weatherMonitor = &link;
    stations.context.portDevice = devicePathForPort;
    stations.context.serialPorts = [] { return listSerialPorts(); };
    stations.sourceChoice.startMinimised = [] { return true; };

    int finished = 0;
    bool read = false;
    const Subscription counted = monitor.poller().finished.connect([&](bool ok) {
        ++finished;
        read = ok;
    });
    // Choosing the source opens the port and polls; each later poll waits for
    // the timer, whose period passes at once on this clock.
    stations.sourceChoice.check(SourceKind::MON);
    for (;;) {
        if (!loop.waitForPostsUntil([&] { return !monitor.poller().inFlight(); }, kSilentLinkMs)) {
            err << "skycrier-cli station: the station's line gave no answer for "
                << kSilentLinkMs / 1000 << " s\n";
            break;
        }
        if (finished >= options->polls || !monitor.poller().enabled()) break;
        loop.advanceUntil([&] { return monitor.poller().inFlight(); });
    }

    out << "{\"MeteoData\": " << meteoJson(monitor.meteo()) << ", \"controls\": " << controlsJson(monitor) << "}\n";
    return read ? 0 : 1;
}

}  // namespace skycrier::cli
