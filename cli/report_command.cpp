#include "cli/report_command.h"

#include <filesystem>
#include <optional>

#include "app/program_folder.h"
#include "cli/json_text.h"
#include "cli/source_options.h"
#include "cli/usage.h"
#include "net/url_line.h"
#include "app/source_models.h"
#include "platform/http_fetch.h"
#include "platform/program_location.h"
#include "platform/regular_file.h"
#include "platform/system_clock.h"
#include "platform/virtual_loop.h"

namespace skycrier::cli {
namespace {

// A little longer than a fetch may take.
constexpr Millis kFetchPatienceMs = 70'000;

struct ReportOptions {
    std::string file;
    std::string url;
    // METAR: an airport code in place of the file, and where codes are fetched from.
    std::string code;
    std::string provider;
    std::string folder;
    SourceOptions source;
    std::optional<bool> universalTime;
    AprsInputUnits input;
};

// The options of both commands; the input units only for aprs.
std::optional<ReportOptions> parseOptions(const std::vector<std::string>& args, bool aprs, std::string& error) {
    ReportOptions o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        std::string v;
        if (const auto read = readSourceOption(args, i, o.source, error)) {
            if (!*read) return std::nullopt;
            continue;
        }
        const bool takesValue = a == "--url" || a == "--folder" || a == "--tu" || (!aprs && a == "--provider") ||
                                (aprs && (a == "--in-wind" || a == "--in-temp" || a == "--in-rain"));
        if (!takesValue) {
            if (a.starts_with("-") || !o.file.empty()) {
                error = "unknown option \"" + a + "\"";
                return std::nullopt;
            }
            o.file = a;
            continue;
        }
        if (!optionValue(args, i, v, error)) return std::nullopt;
        bool ok = true;
        if (a == "--url") {
            o.url = v;
        } else if (a == "--provider") {
            o.provider = v;
            ok = isProviderPattern(v);
            if (!ok)
                error = "--provider takes a web address with " + std::string(kAirportPlaceholder) +
                        " where the airport code goes, not \"" + v + "\"";
        } else if (a == "--folder") {
            o.folder = v;
        } else if (a == "--tu") {
            bool ut = false;
            ok = optionChoice(a, v, ut, "UT", "Loc", error);
            o.universalTime = ut;
        } else if (a == "--in-temp") {
            ok = optionChoice(a, v, o.input.fahrenheit, "F", "C", error);
        } else if (a == "--in-rain") {
            ok = optionChoice(a, v, o.input.hundredthsOfInch, "inch", "mm", error);
        } else if (v == "kmh" || v == "mph" || v == "knot") {
            o.input.wind = v == "kmh" ? AprsWindUnit::Kmh : v == "mph" ? AprsWindUnit::Mph : AprsWindUnit::Knot;
        } else {
            error = a + " takes kmh, mph or knot, not \"" + v + "\"";
            ok = false;
        }
        if (!ok) return std::nullopt;
    }
    if (o.file.empty() == o.url.empty()) {
        error = aprs ? "needs a report FILE or --url URL, not both"
                     : "needs a report FILE, an airport CODE or --url URL, only one of them";
        return std::nullopt;
    }
    // A file of that name wins, as in the window.
    std::error_code ec;
    if (!aprs && !airportCodeOf(o.file).empty() && !std::filesystem::exists(o.file, ec)) o.code = std::move(o.file);
    return o;
}

std::vector<std::pair<std::string, Caption>> itemCaptions(const InternetSource& w) {
    std::vector<std::pair<std::string, Caption>> shown;
    for (const MeteoField f : {MeteoField::Text, MeteoField::Patm, MeteoField::Vent, MeteoField::Rafa,
                               MeteoField::Dire, MeteoField::TRes, MeteoField::Pluie, MeteoField::HumiExt})
        shown.emplace_back("CheckBox" + std::string(fieldName(f)), w.checkBox(f));
    return shown;
}

// One poll of the chosen source, as choosing it in the program does; the
// printing is the caller's. Returns the exit code, or nothing after a usage mistake.
int pollOnce(const std::vector<std::string>& args, bool aprs, std::ostream& out, std::ostream& err) {
    const std::string command = aprs ? "aprs" : "metar";
    const char* usage = aprs ? kAprsUsage : kMetarUsage;
    if (asksForHelp(args)) {
        printCommandHelp(out, aprs ? kAprsHelp : kMetarHelp);
        return 0;
    }
    std::string error;
    const auto options = parseOptions(args, aprs, error);
    if (!options) return usageError(err, command, error, usage);
    std::filesystem::path input;
    if (!options->file.empty() && options->code.empty()) {
        // Opened without blocking first: a named pipe given as the file is refused, not waited on.
        if (std::string reason; !RegularFile::open(options->file, reason)) {
            err << "skycrier-cli " << command << ": " << options->file << ": " << reason << '\n';
            return 2;
        }
        input = std::filesystem::absolute(options->file);
    }
    const std::filesystem::path folder = chooseProgramFolder(placesOfThisProgram(options->folder));
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (!std::filesystem::is_directory(folder, ec)) {
        err << "skycrier-cli " << command << ": " << folder.string() << ": cannot be used as the program folder\n";
        return 2;
    }

    VirtualLoop loop(options->source.at ? *options->source.at : systemLocalNow(), systemUtcOffsets());
    CurlFetcher web(loop);
    SpeechUnits units;
    SourceModels stations(loop, units);
    stations.context.resolvePath = [folder](const std::string& name) { return resolveInFolder(folder, name); };
    stations.context.fetcher = &web;
    stations.context.showError = [&err, command](const std::string& text) {
        err << "skycrier-cli " << command << ": " << text << '\n';
    };
    stations.sourceChoice.startMinimised = [] { return true; };
    chooseUnits(stations.unitsChoice, options->source);
    InternetSource& window = aprs ? static_cast<InternetSource&>(stations.aprsSource)
                                  : static_cast<InternetSource&>(stations.metarSource);
    if (options->source.offset) window.setPressureCorrection(*options->source.offset);
    if (options->universalTime) window.chooseTimeZone(*options->universalTime ? 0 : 1);
    stations.aprsSource.setInputUnits(options->input);
    if (!options->provider.empty()) stations.metarSource.setProvider(options->provider);
    window.loadDataFile(!options->code.empty() ? options->code : input.empty() ? options->url : input.string());
    bool read = false;
    const Subscription finished = window.poller().finished.connect([&read](bool r) { read = r; });
    // Choosing the source polls it; a fetch takes real time.
    stations.sourceChoice.check(aprs ? SourceKind::APRS : SourceKind::METAR);
    loop.waitForPostsUntil([&window] { return !window.poller().inFlight(); }, kFetchPatienceMs);

    std::vector<std::pair<std::string, Caption>> controls = itemCaptions(window);
    if (!aprs) {
        controls.emplace_back("LabelICAO", Caption{stations.metarSource.airportCode()});
        stations.metarSource.inputEdited();
        controls.emplace_back("LabelNomICAO", Caption{stations.metarSource.inputComment()});
    }
    controls.emplace_back("LabelTros", window.dewPointCaption());
    controls.emplace_back("Editdatemeteo", window.observationTime());
    // The error line is drawn in red whatever it says.
    controls.emplace_back("StaticTextErreur", Caption{window.poller().errorLine(), true});
    controls.emplace_back("Label6", window.pressureUnit());
    out << "{\"MeteoData\": " << meteoJson(window.meteo()) << ", \"controls\": " << captionsJson(controls);
    if (aprs) {
        out << ", \"cw\": " << jsonString(stations.aprsSource.cwLine());
    } else {
        const MetarSource& m = stations.metarSource;
        out << ", \"uiview\": [" << jsonString(m.uiviewTimeLine()) << ", " << jsonString(m.uiviewWeatherLine())
            << "], \"cw\": " << jsonString(m.cwLine());
    }
    out << "}\n";
    return read && window.poller().errorLine().empty() ? 0 : 1;
}

}  // namespace

int runMetarCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    return pollOnce(args, false, out, err);
}

int runAprsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    return pollOnce(args, true, out, err);
}

}  // namespace skycrier::cli
