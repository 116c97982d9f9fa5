#pragma once
// How skycrier-cli tells its usage. "skycrier-cli --help" lists the commands,
// one line each; "COMMAND --help" tells what the command does, its synopsis,
// its options and examples; a mistake in a command's options shows only the
// synopsis, so that the mistake stays in sight above it.

#include <ostream>
#include <span>
#include <string>
#include <vector>

namespace skycrier::cli {

inline constexpr const char* kBulletinUsage =
    "usage: skycrier-cli bulletin [--ini FILE] [--record FILE] [--at \"YYYY-MM-DD HH:MM:SS\"]\n"
    "                    [--vocabulary DIR] [--folder DIR] --list | --wav FILE | --play [--device NAME|N]\n";
inline constexpr const char* kVocabularyUsage = "usage: skycrier-cli vocabulary [--vocabulary DIR] --list | --export DIR\n";
inline constexpr const char* kStationUsage =
    "usage: skycrier-cli station w23|w28|pro2 FILE [--at \"YYYY-MM-DD HH:MM:SS\"] [--temp C|F]\n"
    "                    [--pressure hPa|inHg] [--wind kmh|mph] [--rain mm|inch] [--offset N]\n"
    "                    [--threshold N] [--relative]\n"
    "       skycrier-cli station mon PORT [--polls N] [--at \"YYYY-MM-DD HH:MM:SS\"] [--temp C|F]\n"
    "                    [--pressure hPa|inHg] [--wind kmh|mph] [--rain mm|inch]\n";
inline constexpr const char* kScheduleUsage =
    "usage: skycrier-cli schedule --ini FILE --from \"YYYY-MM-DD HH:MM\" --to \"YYYY-MM-DD HH:MM\"\n"
    "                    [--bulletin-seconds N] [--folder DIR]\n";
inline constexpr const char* kDevicesUsage = "usage: skycrier-cli devices\n";
inline constexpr const char* kRunUsage = "usage: skycrier-cli run [--folder DIR] [--ini FILE] [--mailbox NAME]\n";
inline constexpr const char* kCheckUsage = "usage: skycrier-cli check [--folder DIR] [--ini FILE] [--key]\n";
inline constexpr const char* kConfigUsage =
    "usage: skycrier-cli config --ini FILE [--at \"YYYY-MM-DD HH:MM:SS\"] [--folder DIR]\n";
inline constexpr const char* kPeerUsage =
    "usage: skycrier-cli peer hello|play|send TEXT|listen [--timeout S] [--mailbox NAME]\n";
inline constexpr const char* kMetarUsage =
    "usage: skycrier-cli metar FILE | CODE | --url URL [--at \"YYYY-MM-DD HH:MM:SS\"] [--temp C|F]\n"
    "                    [--pressure hPa|inHg] [--wind kmh|mph] [--rain mm|inch] [--offset N]\n"
    "                    [--tu UT|Loc] [--provider URL] [--folder DIR]\n";
inline constexpr const char* kAprsUsage =
    "usage: skycrier-cli aprs FILE | --url URL [--at \"YYYY-MM-DD HH:MM:SS\"] [--temp C|F]\n"
    "                    [--pressure hPa|inHg] [--wind kmh|mph] [--rain mm|inch] [--offset N]\n"
    "                    [--tu UT|Loc] [--in-wind kmh|mph|knot] [--in-temp C|F] [--in-rain mm|inch]\n"
    "                    [--folder DIR]\n";

struct OptionHelp {
    const char* option;
    const char* text;
};

struct CommandHelp {
    const char* name;
    const char* summary;   // one line in the list of commands
    const char* synopsis;  // the "usage:" lines above
    const char* about;     // what the command does and its exit status, a paragraph
    std::span<const OptionHelp> options;
    std::span<const char* const> examples;
};

extern const CommandHelp kBulletinHelp;
extern const CommandHelp kVocabularyHelp;
extern const CommandHelp kStationHelp;
extern const CommandHelp kMetarHelp;
extern const CommandHelp kAprsHelp;
extern const CommandHelp kScheduleHelp;
extern const CommandHelp kDevicesHelp;
extern const CommandHelp kRunHelp;
extern const CommandHelp kConfigHelp;
extern const CommandHelp kPeerHelp;
extern const CommandHelp kCheckHelp;

// The answer to "skycrier-cli --help": what the program is, each command with its summary, where to read more.
void printCommandList(std::ostream& out, std::span<const CommandHelp* const> commands);

// The answer to "COMMAND --help": the synopsis, what it does, each option on a line, examples.
void printCommandHelp(std::ostream& out, const CommandHelp& help);

// The arguments ask for the usage: "--help" or "-h" anywhere.
bool asksForHelp(const std::vector<std::string>& args);

// Writes "skycrier-cli COMMAND: MISTAKE" and the command's synopsis on err; returns 2.
int usageError(std::ostream& err, const std::string& command, const std::string& mistake, const char* usage);

}  // namespace skycrier::cli
