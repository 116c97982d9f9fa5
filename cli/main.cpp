#include <iostream>
#include <string>
#include <vector>

#include "cli/bulletin_command.h"
#include "cli/schedule_command.h"
#include "cli/station_command.h"
#include "cli/vocabulary_command.h"

namespace {

constexpr const char* kUsage =
    "usage: skycrier-cli bulletin [--ini FILE] [--record FILE] [--at \"YYYY-MM-DD HH:MM:SS\"]\n"
    "                    [--vocabulary DIR] [--folder DIR] --list | --wav FILE | --play [--device N]\n"
    "       skycrier-cli vocabulary [--vocabulary DIR] --list | --export DIR\n"
    "       skycrier-cli station w23|w28|pro2 FILE [--at \"YYYY-MM-DD HH:MM:SS\"] [--temp C|F]\n"
    "                    [--pressure hPa|inHg] [--wind kmh|mph] [--rain mm|inch] [--offset N]\n"
    "                    [--threshold N] [--relative]\n"
    "       skycrier-cli schedule --ini FILE --from \"YYYY-MM-DD HH:MM\" --to \"YYYY-MM-DD HH:MM\"\n"
    "                    [--bulletin-seconds N] [--folder DIR]";

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        std::cerr << kUsage << '\n';
        return 2;
    }
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (args[0] == "bulletin") return skycrier::cli::runBulletinCommand(rest, std::cout, std::cerr);
    if (args[0] == "vocabulary") return skycrier::cli::runVocabularyCommand(rest, std::cout, std::cerr);
    if (args[0] == "schedule") return skycrier::cli::runScheduleCommand(rest, std::cout, std::cerr);
    if (args[0] == "station") return skycrier::cli::runStationCommand(rest, std::cout, std::cerr);
    if (args[0] == "--help" || args[0] == "help") {
        std::cout << kUsage << '\n';
        return 0;
    }
    std::cerr << "unknown command \"" << args[0] << "\"; " << kUsage << '\n';
    return 2;
}
