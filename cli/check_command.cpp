#include "cli/check_command.h"

#include <cstdint>
#include <filesystem>
#include <optional>

#include "announce/wave_reader.h"
#include "app/air_check.h"
#include "app/announcer.h"
#include "app/builtin_clips.h"
#include "app/config_file.h"
#include "app/program_folder.h"
#include "base/text_lines.h"
#include "cli/english_text.h"
#include "cli/source_options.h"
#include "cli/usage.h"
#include "devices/linux_devices.h"
#include "platform/alsa_pcm.h"
#include "platform/folder_lock.h"
#include "platform/linux_serial_line.h"
#include "platform/pcm_format.h"
#include "platform/poll_loop.h"
#include "platform/regular_file.h"
#include "platform/task_scope.h"

namespace skycrier::cli {
namespace {

constexpr const char* kPrefix = "skycrier-cli check: ";
// Long enough to see the transmitter's lamp or hear its relay.
constexpr Millis kKeyMs = 1000;

struct CheckOptions {
    std::string folder;
    std::string ini;
    bool key = false;
};

std::optional<CheckOptions> parseOptions(const std::vector<std::string>& args, std::string& error) {
    CheckOptions o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--key") {
            o.key = true;
            continue;
        }
        if (a != "--folder" && a != "--ini") {
            error = "unknown option \"" + a + "\"";
            return std::nullopt;
        }
        std::string value;
        if (!optionValue(args, i, value, error)) return std::nullopt;
        (a == "--folder" ? o.folder : o.ini) = value;
    }
    return o;
}

// One line of the check: "ok", with a note at times, or the problem and what to do.
struct Item {
    bool ok;
    std::string text;
};

Item ok(const std::string& note = {}) { return {true, note.empty() ? "ok" : "ok (" + note + ")"}; }
Item problem(const std::string& what, const std::string& toDo) { return {false, what + "; " + toDo}; }

// Why the file would not play as a header, greeting or closing; empty when it plays.
std::string whyUnplayable(const std::string& path) {
    std::string reason;
    const auto file = RegularFile::open(path, reason);
    if (!file) return path + ": " + reason;
    FileSource source(*file);
    WaveInfo info;
    std::vector<std::uint8_t> samples;
    if (const PlayError e = readWave(source, info, samples); e != PlayError::None)
        return path + ": not a WAVE file the program plays (" + inEnglish(playErrorText(e, SoundOrigin::File)) + ")";
    if (!isPlayablePcm(info.format))
        return path + ": a layout no output plays (PCM of 8, 16, 24 or 32 bits, mono or stereo, 8 000 to "
                      "384 000 Hz plays)";
    return {};
}

// Where a source's input is configured, the prefix of its "speak this value" keys, and the command that reads it.
struct SourceKeys {
    const char* input;
    const char* ticks;
    const char* reader;
};

SourceKeys keysOf(SourceKind kind) {
    switch (kind) {
    case SourceKind::MON: return {"METCOMM=", "", "skycrier-cli station mon PORT"};
    case SourceKind::W23: return {"W23_DAT=", "W23_", "skycrier-cli station w23 FILE"};
    case SourceKind::W28: return {"W28_DAT=", "W28_", "skycrier-cli station w28 FILE"};
    case SourceKind::Pro2: return {"PRO2_DAT=", "PRO2_", "skycrier-cli station pro2 FILE"};
    case SourceKind::METAR: return {"METAR_DAT=", "METAR_", "skycrier-cli metar"};
    case SourceKind::APRS: return {"APRS_DAT=", "APRS_", "skycrier-cli aprs"};
    case SourceKind::None: break;
    }
    return {"METEO=", "", "skycrier-cli config"};
}

// The station as the service would set it up from its configuration, checked
// item by item. The announcer reads the configuration into its models and
// polls the chosen source; it touches no port, since the check opens the
// configured one itself to key it on request.
class StationCheck {
public:
    StationCheck(PollLoop& loop, const std::filesystem::path& folder, const std::string& ini)
        : loop_(loop),
          devices_(loop, {.folder = folder,
                          .configFile = ini,
                          .sound = DeviceChoices::Sound::Timed,
                          .opensPorts = false,
                          .resident = false}),
          announcer_(devices_.announcerParts()) {}

    Item configuration() {
        const std::string file = announcer_.configFile().string();
        std::error_code ec;
        if (!std::filesystem::exists(file, ec))
            return problem(file + " is not there, so the station would run on its defaults",
                           "write it (examples/skycrier.ini is a commented one), set the station up in the desktop "
                           "program, or name the file with --ini");
        std::string error;
        const auto text = readWholeFile(file, error);
        if (!text) return problem(error, "make it a readable text file of at most 1 MB, or name another with --ini");
        ConfigTargets targets = announcer_.configTargets();
        const LoadOutcome loaded = loadConfiguration(*text, targets);
        applyRememberedSource(loaded.remembered, targets);
        // The schedule reads the period as the selector shows it.
        announcer_.mainModels().window.showSelectedPeriod();
        if (loaded.ignored.empty()) return ok();
        std::vector<std::string> lines;
        for (const IgnoredLine& line : loaded.ignored)
            lines.push_back("line " + std::to_string(line.number) + " (" + inEnglish(line.reason) + ")");
        return problem(file + " has lines the program ignores or changes: " + joined(lines, ", "),
                       "correct or remove them (the README's table of configuration keys gives each key's values)");
    }

    // With another keying than the port's lines, the port only brings its inputs and may be left out.
    Item port(bool key) {
        const PortLineSettings& settings = announcer_.portWindow().lines();
        const bool keysByLines = settings.keying.kind == KeyingKind::Serial;
        const std::string name = announcer_.portWindow().portName();
        if (name.empty() || name == kNoPortName) {
            if (!keysByLines) return ok(std::string("none; the transmitter is keyed by PTT=") + keyingName(settings.keying.kind));
            return problem("no port chosen (COM=), so nothing will be keyed: a station without PTT is rarely meant",
                           "set COM= to the transmitter's port (skycrier-cli devices lists the serial ports)");
        }
        LinuxSerialLine line;
        TransmitterPortControl port(loop_, line);
        port.choosePort(name);
        if (!port.isOpen())
            return problem("COM=" + name + " does not open (" + inEnglish(port.failure()) + ")",
                           "plug the adapter in, or set COM= to a port skycrier-cli devices lists");
        const std::string device = port.chosenDevice();
        if (!keysByLines)
            return ok(device + ", for its inputs; the transmitter is keyed by PTT=" + keyingName(settings.keying.kind));
        std::vector<SerialPin> keys;
        if (settings.keyDtr) keys.push_back(SerialPin::DTR);
        if (settings.keyRts) keys.push_back(SerialPin::RTS);
        if (keys.empty())
            return problem(device + " opens, but DTR=0 and RTS=0 leave no line to key the transmitter",
                           "remove DTR=0 or RTS=0 for the line the transmitter's PTT hangs on");
        std::vector<std::string> names;
        for (const SerialPin pin : keys) names.push_back(pinName(pin));
        const std::string keyedBy = joined(names, " and ");
        if (!key) return ok(device + ", keyed by " + keyedBy + "; --key keys it for a second");
        return keyBriefly(port, keys, device, keyedBy);
    }

    // The keying when it is not the port's lines: the switch taken hold of and asked to unkey, or keyed on request.
    Item keying(bool key) {
        const KeyingSettings& k = announcer_.portWindow().lines().keying;
        if (k.kind == KeyingKind::Vox) return ok("VOX: the radio keys itself on the sound, nothing is keyed");
        const std::string what = keyingDescription(k);
        if (k.kind == KeyingKind::Gpio && k.gpioLine < 0)
            return problem("PTT=GPIO names no output line (GPIO_LINE=)",
                           "set GPIO_LINE= to the line the transmitter's PTT hangs on (skycrier-cli devices lists the "
                           "chips)");
        const auto keyer = makeLinuxSwitch(k);
        std::string error;
        const std::string toDo = "check the device and its settings (skycrier-cli devices lists what the machine has)";
        if (!keyer || !keyer->open(error)) return problem(what + " cannot be had (" + error + ")", toDo);
        // Unkeying waits for the device's answer, so a switch that opens in the background is reached for real.
        if (!keyer->setKeyed(false, error)) return problem(what + " does not answer (" + error + ")", toDo);
        if (!key) return ok(what + "; --key keys it for a second");
        const bool keyed = keyer->setKeyed(true, error);
        const std::string refused = error;
        if (keyed) waitOnLoop(kKeyMs);
        if (!keyer->setKeyed(false, error))
            return problem(what + " did not unkey (" + error + "): the transmitter may still be keyed",
                           "switch the transmitter off and check the device");
        if (!keyed) return problem(what + " refused to key (" + refused + ")", toDo);
        return ok(what + " keyed for one second");
    }

    Item soundOutput() {
        const OutputDevice output = announcer_.mainModels().window.chosenOutput();
        const auto pcm = devices_.catalogue().pcmName(output);
        if (!pcm)
            return problem("there is no sound output number " + std::to_string(output.number) + " (OSOUND=)",
                           "set OSOUNDNAME= to an output skycrier-cli devices lists, or OSOUND=-1 for the default");
        const std::string named = output.name.empty() && output.number == kDefaultOutputDevice
                                      ? "the default output"
                                      : "\"" + *pcm + "\"";
        std::string error;
        const auto opened = AlsaPcm::open(*pcm, error);
        const std::string toDo =
            "set OSOUNDNAME= to an output skycrier-cli devices lists, or close the program that holds it";
        if (!opened) return problem(named + " does not open (" + error + ")", toDo);
        // An output that opens but takes nothing would end every bulletin at its first sound.
        const std::vector<std::int16_t> silence(opened->periodFrames() * AlsaPcm::kChannels, 0);
        if (!opened->write(silence.data(), opened->periodFrames())) return problem(named + " takes no sound", toDo);
        opened->drop();
        return ok(named);
    }

    Item files() {
        std::vector<std::string> playing;
        std::vector<std::string> problems;
        for (const PlayedFile& p : playedFiles(announcer_.mainModels().settings)) {
            const std::string setting = std::string(p.fileKey) + p.file;
            const std::string why = p.file.empty() ? "which names no file" : whyUnplayable(announcer_.resolve(p.file));
            if (why.empty())
                playing.push_back(setting);
            else
                problems.push_back(std::string(p.switchKey) + " plays " + setting + ", " + why);
        }
        if (!problems.empty())
            return problem(joined(problems, "; "),
                           "every bulletin would end there: record the file again, name another, or switch it off");
        return ok(playing.empty() ? "none played" : joined(playing, ", "));
    }

    Item weather() {
        SourceModels& sources = announcer_.sources();
        const SourceKind chosen = sources.sourceChoice.checkedSource();
        if (chosen == SourceKind::None)
            return ok("none chosen: the bulletins say the date and time only; METEO= chooses a source");
        // As the service reads it: a console through its port, a web address fetched, a file read.
        MonitorSource& console = sources.monitorSource;
        if (chosen == SourceKind::MON && !console.port().empty()) console.openConfiguredPort();
        const SourceWindow& window = sources.sourceChoice.window(chosen);
        loop_.runUntil([&window] { return !window.poller().inFlight(); });

        WeatherSources& weather = sources.weatherSources();
        const std::vector<std::string> problems = weatherProblems(weather);
        const std::string name(sourceName(chosen));
        const MeteoData& data = weather.meteo(chosen);
        const SourceKeys keys = keysOf(chosen);
        const std::string checkInput =
            std::string("check ") + keys.input + " (" + keys.reader + " shows what the program reads)";
        // A reading without a value shows "--" in its box: a file that is no report reads without an error.
        int ticked = 0;
        int empty = 0;
        for (const MeteoField field : kAllFields) {
            if (!window.itemEnabled(field)) continue;
            ++ticked;
            if (window.checkBox(field).caption.ends_with("--")) ++empty;
        }
        std::vector<std::string> lines;
        if (!sourceUsable(chosen, data) || !data.ErrorText.empty())
            lines.push_back(inEnglish(problems.front()) + "; " + checkInput);
        else if (ticked > 0 && empty == ticked)
            lines.push_back("the reading of " + name + " gives none of the values ticked for speaking, so no weather "
                            "is spoken; " + checkInput);
        if (ticked == 0)
            lines.push_back(inEnglish(problems.back()) + "; tick the values to speak (" + keys.ticks + "TEMPEXT=Y, " +
                            keys.ticks + "PRESATM=Y and the like)");
        if (lines.empty()) return ok(name + " read");
        return {false, joined(lines, "; ")};
    }

    Item schedule() {
        const ScheduleSettings& schedule = announcer_.mainModels().schedule;
        const double now = loop_.localNow();
        if (nextScheduledBulletin(schedule, now)) return ok(announcer_.nextBulletinLine(now));
        if (periodMinutes(schedule) == 0)
            return problem("the period is off (PERIOD=0), so no bulletin comes by itself",
                           "set PERIOD= from 1 to 6 (a bulletin every 5, 10, 15, 20, 30 or 60 minutes)");
        return problem("START_RANGE= and END_RANGE= are both " + std::to_string(schedule.StartHour) +
                           ", so no hour is in the window",
                       "set START_RANGE= to the first hour of bulletins and END_RANGE= to the hour after the last");
    }

    bool keysBySwitchOrVox() { return announcer_.portWindow().lines().keying.kind != KeyingKind::Serial; }

private:
    // Raises the keying lines, holds them, and lowers every one of them whatever happened.
    Item keyBriefly(TransmitterPortControl& port, const std::vector<SerialPin>& keys, const std::string& device,
                    const std::string& keyedBy) {
        std::string error;
        std::string refused;
        for (const SerialPin pin : keys) {
            if (port.setLine(pin, true, error)) continue;
            refused = std::string(pinName(pin)) + " (" + error + ")";
            break;
        }
        if (refused.empty()) waitOnLoop(kKeyMs);
        std::vector<std::string> stuck;
        for (const SerialPin pin : keys)
            if (!port.setLine(pin, false, error)) stuck.push_back(std::string(pinName(pin)) + " (" + error + ")");
        if (!stuck.empty())
            return problem(device + " left " + joined(stuck, " and ") + " up: the transmitter may still be keyed",
                           "switch the transmitter off and check the port's adapter");
        if (!refused.empty())
            return problem(device + " refused to raise " + refused,
                           "this port cannot key a transmitter: check its adapter, or set COM= to another port");
        return ok(device + ": " + keyedBy + " keyed for one second");
    }

    // Runs the loop for that long: fetches and the console go on meanwhile.
    void waitOnLoop(Millis ms) {
        bool over = false;
        TaskScope timer(loop_);
        timer.callAfter(ms, [&over] { over = true; });
        loop_.runUntil([&over] { return over; });
    }

    PollLoop& loop_;
    LinuxDevices devices_;
    Announcer announcer_;
};

}  // namespace

int runCheckCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (asksForHelp(args)) {
        printCommandHelp(out, kCheckHelp);
        return 0;
    }
    std::string error;
    const auto options = parseOptions(args, error);
    if (!options) return usageError(err, "check", error, kCheckUsage);

    const std::filesystem::path folder = chooseProgramFolder(placesOfThisProgram(options->folder));
    // A program running on the folder holds the port and may be on the air: checking would key over it.
    const auto lock = FolderLock::take(folder, error);
    if (!lock) {
        err << kPrefix << error << "; stop it to check the station\n";
        return 1;
    }
    const auto loop = prepareProgramFolder(folder, builtInGreeting(), error) ? PollLoop::create(error) : nullptr;
    if (!loop) {
        err << kPrefix << error << '\n';
        return 1;
    }
    StationCheck check(*loop, folder, options->ini);
    bool allOk = true;
    // Each line as soon as it is known: a fetch or a silent console can take a while.
    const auto report = [&](const char* item, const Item& result) {
        out << item << ": " << result.text << std::endl;
        allOk = allOk && result.ok;
    };
    report("configuration", check.configuration());
    report("port", check.port(options->key));
    if (check.keysBySwitchOrVox()) report("keying", check.keying(options->key));
    report("sound output", check.soundOutput());
    report("files", check.files());
    report("weather", check.weather());
    report("schedule", check.schedule());
    return allOk ? 0 : 1;
}

}  // namespace skycrier::cli
