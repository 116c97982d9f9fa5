#include "cli/usage.h"

#include <algorithm>
#include <sstream>


namespace skycrier::cli {
namespace {

// Help lines fit an 80-column terminal.
constexpr std::size_t kWidth = 79;
// Option texts start in this column; a longer option puts its text on the next line.
constexpr std::size_t kOptionColumn = 24;

constexpr const char* kAt = "--at \"YYYY-MM-DD HH:MM:SS\"";
constexpr const char* kFolderText = "the program folder (default ~/.config/skycrier)";
constexpr OptionHelp kUnitOptions[] = {
    {"--temp C|F", "temperatures shown in Celsius or Fahrenheit"},
    {"--pressure hPa|inHg", "pressures shown in hPa or inches of mercury"},
    {"--wind kmh|mph", "wind speeds shown in km/h or mph"},
    {"--rain mm|inch", "rain shown in millimetres or inches"},
};

// Writes words from `column` on, wrapped at kWidth; later lines start at `indent`.
void writeWrapped(std::ostream& out, const std::string& text, std::size_t column, std::size_t indent) {
    std::istringstream words(text);
    bool lineHasWord = false;
    for (std::string word; words >> word;) {
        if (lineHasWord && column + 1 + word.size() > kWidth) {
            out << '\n' << std::string(indent, ' ');
            column = indent;
            lineHasWord = false;
        }
        if (lineHasWord) {
            out << ' ';
            ++column;
        }
        out << word;
        column += word.size();
        lineHasWord = true;
    }
    out << '\n';
}

constexpr OptionHelp kBulletinOptions[] = {
    {"--ini FILE", "the configuration (default: none, no weather source)"},
    {"--record FILE", "speak this observation (Field=value lines) instead"},
    {kAt, "the local time to compose at (default now)"},
    {"--vocabulary DIR", "recordings replacing built-in words (son_north.wav)"},
    {"--folder DIR", kFolderText},
    {"--list", "print its actions, one a line: key, wait, play, done"},
    {"--wav FILE", "render it into FILE, 16-bit mono at 24000 Hz"},
    {"--play", "play it on the sound card, keying the port of COM="},
    {"--device NAME|N", "the sound output: an ALSA name or a device number"},
};
constexpr const char* kBulletinExamples[] = {
    "skycrier-cli bulletin --ini ~/.config/skycrier/skycrier.ini --list",
    "skycrier-cli bulletin --ini station.ini --play --device pulse",
};

constexpr OptionHelp kVocabularyOptions[] = {
    {"--vocabulary DIR", "recordings replacing built-in words (son_north.wav)"},
    {"--list", "one word a line: name, rate, format size, sample bytes"},
    {"--export DIR", "write every word into DIR as NAME.wav, in lower case"},
};
constexpr const char* kVocabularyExamples[] = {
    "skycrier-cli vocabulary --list",
    "skycrier-cli vocabulary --export ~/my-voice",
};

constexpr OptionHelp kStationOptions[] = {
    {"w23|w28|pro2 FILE", "WS-23xx or WS-28xx history.dat, Vantage Pro2 .wlk"},
    {"mon PORT", "a Weather Monitor II on COM3, 3 or a device path"},
    {kAt, "the clock of the poll (pro2 picks the month by it)"},
    kUnitOptions[0],
    kUnitOptions[1],
    kUnitOptions[2],
    kUnitOptions[3],
    {"--offset N", "the pressure correction, whole hPa (not for mon)"},
    {"--threshold N", "the tendency step in tenths of hPa per hour"},
    {"--relative", "w28 only: read the relative pressure"},
    {"--polls N", "mon only: polls to run, at once (default 1)"},
};
constexpr const char* kStationExamples[] = {
    "skycrier-cli station w23 /srv/ws2300/history.dat --temp C --pressure hPa",
    "skycrier-cli station mon /dev/ttyUSB0 --polls 3",
};

constexpr OptionHelp kMetarOptions[] = {
    {"FILE", "a METAR report file"},
    {"CODE", "an airport's ICAO code (EDDF), fetched from --provider"},
    {"--url URL", "fetch the report from this http(s) address"},
    {kAt, "the clock of the poll"},
    kUnitOptions[0],
    kUnitOptions[1],
    kUnitOptions[2],
    kUnitOptions[3],
    {"--offset N", "the pressure correction, whole hPa"},
    {"--tu UT|Loc", "the time base of the date shown"},
    {"--provider URL", "where a CODE is fetched: an address with {ICAO}"},
    {"--folder DIR", kFolderText},
};
constexpr const char* kMetarExamples[] = {
    "skycrier-cli metar EDDF --temp C --pressure hPa",
    "skycrier-cli metar --url \"https://aviationweather.gov/api/data/metar?ids=EDDF&format=raw\"",
};

constexpr OptionHelp kAprsOptions[] = {
    {"FILE", "an APRS weather report file, such as WXNOW.TXT"},
    {"--url URL", "fetch a tracking site's raw-packet page"},
    {kAt, "the clock of the poll"},
    kUnitOptions[0],
    kUnitOptions[1],
    kUnitOptions[2],
    kUnitOptions[3],
    {"--offset N", "the pressure correction, whole hPa"},
    {"--tu UT|Loc", "the time base of the report's time stamp"},
    {"--in-wind kmh|mph|knot", "the report's wind unit (default mph)"},
    {"--in-temp C|F", "the report's temperature unit (default F)"},
    {"--in-rain mm|inch", "the report's rain unit (default hundredths of inch)"},
    {"--folder DIR", kFolderText},
};
constexpr const char* kAprsExamples[] = {
    "skycrier-cli aprs ~/aprs/WXNOW.TXT --in-temp F",
    "skycrier-cli aprs --url \"https://aprs.fi/?c=raw&call=N0CALL-13\"",
};

constexpr OptionHelp kScheduleOptions[] = {
    {"--ini FILE", "the configuration: PERIOD=, START_RANGE=, END_RANGE="},
    {"--from \"YYYY-MM-DD HH:MM\"", "when the program starts"},
    {"--to \"YYYY-MM-DD HH:MM\"", "when the simulation ends, at most 366 days later"},
    {"--bulletin-seconds N", "seconds each bulletin lasts, 0 to 115 (default 30)"},
    {"--folder DIR", kFolderText},
};
constexpr const char* kScheduleExamples[] = {
    "skycrier-cli schedule --ini station.ini --from \"2026-12-08 00:00\" "
    "--to \"2026-12-09 00:00\"",
};

constexpr const char* kDevicesExamples[] = {"skycrier-cli devices"};

constexpr OptionHelp kRunOptions[] = {
    {"--folder DIR", kFolderText},
    {"--ini FILE", "the configuration (default: the folder's skycrier.ini)"},
    {"--mailbox NAME", "serve the private peer mailbox /dev/shm/NAME"},
};
constexpr const char* kRunExamples[] = {
    "skycrier-cli run",
    "skycrier-cli run --folder ~/stations/repeater --mailbox repeater",
};

constexpr OptionHelp kConfigOptions[] = {
    {"--ini FILE", "the configuration to load"},
    {kAt, "the clock a station file is polled at (default now)"},
    {"--folder DIR", "where relative file names are taken from"},
};
constexpr const char* kConfigExamples[] = {
    "skycrier-cli config --ini ~/.config/skycrier/skycrier.ini >/dev/null",
};

constexpr OptionHelp kPeerOptions[] = {
    {"hello", "prints BRELL_READY, or BRELL_OCCUPIED during a bulletin"},
    {"play", "asks for a bulletin; prints BRELL_DONE at its end"},
    {"send TEXT", "writes TEXT into the mailbox, in Windows-1252"},
    {"listen", "prints every message, one a line, in UTF-8"},
    {"--timeout S", "seconds to wait in all (hello 5, play 300, listen ever)"},
    {"--mailbox NAME", "use the private mailbox /dev/shm/NAME"},
};
constexpr const char* kPeerExamples[] = {
    "skycrier-cli peer hello",
    "skycrier-cli peer play --timeout 600",
};

constexpr OptionHelp kCheckOptions[] = {
    {"--folder DIR", kFolderText},
    {"--ini FILE", "the configuration (default: the folder's skycrier.ini)"},
    {"--key", "key the transmitter for one second, then unkey it"},
};
constexpr const char* kCheckExamples[] = {
    "skycrier-cli check",
    "skycrier-cli check --key",
};

}  // namespace

const CommandHelp kBulletinHelp{
    "bulletin",
    "compose one bulletin and list it, write it as WAVE or play it",
    kBulletinUsage,
    "Composes one bulletin, as the program would speak it now, from the weather source the configuration chooses "
    "(polled once, a web address fetched first) or from a recorded observation. --list prints it action by action, "
    "--wav renders it into a file, --play plays it on the sound card and keys the transmitter on the port of COM=. "
    "Exit 0 when it went out whole; 1 when it aborted or a line could not be keyed; 2 for a bad option or input; "
    "3 when it played unkeyed because the port would not open; 128 + N after signal N.",
    kBulletinOptions,
    kBulletinExamples,
};

const CommandHelp kVocabularyHelp{
    "vocabulary",
    "list the built-in words, or export them as WAVE files",
    kVocabularyUsage,
    "Lists the words a bulletin is built from, or writes each of them as a WAVE file: a starting point for "
    "recordings of your own, which --vocabulary (and VOCABULARY= in the configuration) then put in place of the "
    "built-in words. Exit 0; 2 for a bad option or a folder that cannot be used.",
    kVocabularyOptions,
    kVocabularyExamples,
};

const CommandHelp kStationHelp{
    "station",
    "read a station's data file or a Weather Monitor II console once",
    kStationUsage,
    "Polls a WS-23xx or WS-28xx history.dat, a Vantage Pro2 .wlk month file or a live Weather Monitor II console "
    "once, as the source's window does, and prints one JSON object: MeteoData (every value of the observation) and "
    "controls (each caption of the window with its red mark). Exit 0 after a good poll; 1 when the source reports "
    "an error; 2 for a bad option or an unreadable file.",
    kStationOptions,
    kStationExamples,
};

const CommandHelp kMetarHelp{
    "metar",
    "read an airport's METAR from a file, a code or a web address once",
    kMetarUsage,
    "One poll of a METAR source, as its window runs it, on a report file, an airport's code or a web address "
    "fetched first. Prints one JSON object: MeteoData, controls, uiview (the UI-View lines) and cw (the CW beacon's "
    "line); the fetched page and the output files go into the program folder. Exit 0 after a good poll; 1 when the "
    "poll reports an error (a failed fetch, a page with no report); 2 for a bad option.",
    kMetarOptions,
    kMetarExamples,
};

const CommandHelp kAprsHelp{
    "aprs",
    "read an APRS weather report from a file or a web address once",
    kAprsUsage,
    "One poll of an APRS source, as its window runs it, on a report file or a web address fetched first (the "
    "newest raw line of a tracking site's page). Prints one JSON object: MeteoData, controls and cw (the CW "
    "beacon's line); the fetched page and the output files go into the program folder. Exit 0 after a good poll; "
    "1 when the poll reports an error; 2 for a bad option.",
    kAprsOptions,
    kAprsExamples,
};

const CommandHelp kScheduleHelp{
    "schedule",
    "show when bulletins would start between two dates",
    kScheduleUsage,
    "Runs the real scheduler and sequencer in virtual time from --from to --to with the configuration's period "
    "and hours, and prints the local start of every bulletin, YYYY-MM-DD HH:MM:SS, one a line. A week takes well "
    "under a second and no device is touched. Exit 0; 2 for a bad option or an unreadable --ini.",
    kScheduleOptions,
    kScheduleExamples,
};

const CommandHelp kDevicesHelp{
    "devices",
    "list the sound outputs, the serial ports and what else can key a transmitter",
    kDevicesUsage,
    "Lists the sound outputs (ALSA name, description, and device N for the numbered hardware devices), the "
    "serial ports, the CM108-family sound cards (hidraw device, name, USB id), the GPIO chips (name, label, "
    "lines) and Hamlib's rig models (number, maker, model). A name or number from it goes into --device, "
    "OSOUNDNAME= or OSOUND=, a port into COM= or METCOMM=, a card into CM108_DEVICE=, a chip into GPIO_CHIP= and "
    "a rig model into HAMLIB_MODEL=. Exit 0; 2 for any argument. It takes no option.",
    {},
    kDevicesExamples,
};

const CommandHelp kRunHelp{
    "run",
    "the headless service: announce by itself until stopped",
    kRunUsage,
    "The headless service. It loads the configuration, starts the chosen weather source and announces by itself: "
    "every PERIOD= minutes within START_RANGE=..END_RANGE=, when CTS or DSR rises, when a peer asks; never while "
    "DCD is high. Each bulletin is one line on stderr and in skycrier.log. SIGTERM or Ctrl-C stops it (a bulletin "
    "on the air ends at once, unkeyed); SIGHUP reads the configuration again between bulletins. Exit 0 after a "
    "signal; 1 when it cannot start (another program runs on the folder, ...); 2 for a bad option.",
    kRunOptions,
    kRunExamples,
};

const CommandHelp kConfigHelp{
    "config",
    "load a configuration and print the skycrier.ini a save would write",
    kConfigUsage,
    "Loads FILE as the program's start-up does, opening no device and fetching nothing (a chosen station file is "
    "polled once), and prints on stdout the skycrier.ini a save right after would write, CR LF line ends. Each "
    "line it ignored or changed is told on stderr with its number and why. Exit 0, also with ignored lines; 2 for "
    "a bad option or an unreadable FILE.",
    kConfigOptions,
    kConfigExamples,
};

const CommandHelp kPeerHelp{
    "peer",
    "talk to a running SkyCrier through the peer mailbox",
    kPeerUsage,
    "Talks to SkyCrier (the desktop program or the service) through the mailbox in shared memory that programs "
    "sharing the transmitter use. Exit 0 when the answer came (listen: at its time-out or on Ctrl-C); 1 when none "
    "came in time or the mailbox cannot be opened; 2 for bad usage.",
    kPeerOptions,
    kPeerExamples,
};

const CommandHelp kCheckHelp{
    "check",
    "try the port, sound output, files, weather and schedule in use",
    kCheckUsage,
    "A pre-flight of what the service will use, with the folder and configuration chosen as for run: the port "
    "opens, the sound output opens, every configured WAVE file reads, the chosen weather source reads or fetches, "
    "and the period and hours give a next bulletin. One line per item: ok, or the problem and what to do. Exit 0 "
    "when all is well; 1 when an item is not, or another program runs on the folder; 2 for a bad option.",
    kCheckOptions,
    kCheckExamples,
};

void printCommandList(std::ostream& out, std::span<const CommandHelp* const> commands) {
    out << "skycrier-cli: SkyCrier, weather bulletins on the air, without a display.\n\n"
           "Commands:\n";
    std::size_t width = 0;
    for (const CommandHelp* c : commands) width = std::max(width, std::string(c->name).size());
    for (const CommandHelp* c : commands)
        out << "  " << c->name << std::string(width + 2 - std::string(c->name).size(), ' ') << c->summary << '\n';
    out << "\nskycrier-cli COMMAND --help tells more.\n"
           "skycrier-cli --version prints the version.\n";
}

void printCommandHelp(std::ostream& out, const CommandHelp& help) {
    out << help.synopsis << '\n';
    writeWrapped(out, help.about, 0, 0);
    if (!help.options.empty()) out << "\nOptions:\n";
    for (const OptionHelp& o : help.options) {
        const std::string option = std::string("  ") + o.option;
        out << option;
        if (option.size() + 2 > kOptionColumn) out << '\n' << std::string(kOptionColumn, ' ');
        else out << std::string(kOptionColumn - option.size(), ' ');
        writeWrapped(out, o.text, kOptionColumn, kOptionColumn);
    }
    out << (help.examples.size() == 1 ? "\nExample:\n" : "\nExamples:\n");
    for (const char* example : help.examples) out << "  " << example << '\n';
}

bool asksForHelp(const std::vector<std::string>& args) {
    return std::any_of(args.begin(), args.end(), [](const std::string& a) { return a == "--help" || a == "-h"; });
}

int usageError(std::ostream& err, const std::string& command, const std::string& mistake, const char* usage) {
    err << "skycrier-cli " << command << ": " << mistake << '\n' << usage;
    return 2;
}

}  // namespace skycrier::cli
