#include "cli/station_command.h"

#include <optional>

#include "base/decimal_integer.h"
#include "cli/json_text.h"
#include "cli/monitor_station.h"
#include "cli/source_options.h"
#include "cli/usage.h"
#include "platform/date_time.h"
#include "platform/regular_file.h"
#include "platform/system_clock.h"
#include "platform/virtual_loop.h"
#include "app/source_models.h"

namespace skycrier::cli {
namespace {

struct Options {
    SourceKind kind = SourceKind::None;
    std::string file;
    SourceOptions source;
    std::optional<int> threshold;
    bool relative = false;
};

std::optional<Options> parseOptions(const std::vector<std::string>& args, std::string& error) {
    Options o;
    if (args.size() < 2) {
        error = "needs a station (w23, w28 or pro2) and a file, or mon and a port";
        return std::nullopt;
    }
    const std::pair<const char*, SourceKind> kStations[] = {
        {"w23", SourceKind::W23}, {"w28", SourceKind::W28}, {"pro2", SourceKind::Pro2}};
    for (const auto& [name, kind] : kStations)
        if (args[0] == name) o.kind = kind;
    if (o.kind == SourceKind::None) {
        error = "unknown station \"" + args[0] + "\" (w23, w28, pro2 or mon)";
        return std::nullopt;
    }
    o.file = args[1];
    for (std::size_t i = 2; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (const auto read = readSourceOption(args, i, o.source, error)) {
            if (!*read) return std::nullopt;
        } else if (a == "--threshold") {
            std::string v;
            if (!optionValue(args, i, v, error)) return std::nullopt;
            o.threshold = parseDecimalInteger(v);
            if (!o.threshold) {
                error = a + " needs a whole number, not \"" + v + "\"";
                return std::nullopt;
            }
        } else if (a == "--relative") {
            if (o.kind != SourceKind::W28) {
                error = "--relative is for w28 only";
                return std::nullopt;
            }
            o.relative = true;
        } else {
            error = "unknown option \"" + a + "\"";
            return std::nullopt;
        }
    }
    return o;
}

std::string controlsJson(const HistorySource& w) {
    std::vector<std::pair<std::string, Caption>> shown;
    for (const MeteoField f : kAllFields)
        if (f != MeteoField::Phenomena) shown.emplace_back("CheckBox" + std::string(fieldName(f)), w.checkBox(f));
    shown.emplace_back("LabelHumInt", w.insideHumidityCaption());
    shown.emplace_back("LabelTros", w.dewPointCaption());
    // The error line is drawn in red whatever it says.
    shown.emplace_back("StaticTextErreur", Caption{w.poller().errorLine(), true});
    shown.emplace_back("Editdatemeteo", w.observationTime());
    shown.emplace_back("Label6", w.pressureUnit());
    shown.emplace_back("Label9", w.tendencyUnit());
    return captionsJson(shown);
}

}  // namespace

int runStationCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (asksForHelp(args)) {
        printCommandHelp(out, kStationHelp);
        return 0;
    }
    if (!args.empty() && args[0] == "mon") return runMonitorStation(args, out, err);
    std::string error;
    const auto options = parseOptions(args, error);
    if (!options) return usageError(err, "station", error, kStationUsage);
    // Opened without blocking first: a named pipe given as the file is refused, not waited on.
    if (std::string reason; !RegularFile::open(options->file, reason)) {
        err << "skycrier-cli station: " << options->file << ": " << reason << '\n';
        return 2;
    }

    VirtualLoop loop(options->source.at ? *options->source.at : systemLocalNow());
    SpeechUnits units;
    SourceModels stations(loop, units);
    chooseUnits(stations.unitsChoice, options->source);
    HistorySource& window = options->kind == SourceKind::W23   ? static_cast<HistorySource&>(stations.ws23Source)
                            : options->kind == SourceKind::W28 ? static_cast<HistorySource&>(stations.ws28Source)
                                                               : static_cast<HistorySource&>(stations.pro2Source);
    if (options->threshold) {
        const BoundedNumber& spin = window.tendencyThreshold();
        if (*options->threshold < spin.minimum() || *options->threshold > spin.maximum())
            return usageError(err, "station",
                              "--threshold for " + args[0] + " is " + std::to_string(spin.minimum()) + ".." +
                                  std::to_string(spin.maximum()),
                              kStationUsage);
        window.setTendencyThreshold(*options->threshold);
    }
    if (options->source.offset) window.setPressureCorrection(*options->source.offset);
    if (options->relative) stations.ws28Source.selectAbsolutePressure(false);
    window.loadDataFile(options->file);
    stations.sourceChoice.startMinimised = [] { return true; };
    bool polled = false;
    const Subscription finished = window.poller().finished.connect([&polled](bool) { polled = true; });
    // Choosing the source polls it; the answer may come later.
    stations.sourceChoice.check(options->kind);
    loop.advanceUntil([&polled] { return polled; });

    out << "{\"MeteoData\": " << meteoJson(window.meteo()) << ", \"controls\": " << controlsJson(window) << "}\n";
    return window.meteo().ErrorText.empty() ? 0 : 1;
}

}  // namespace skycrier::cli
