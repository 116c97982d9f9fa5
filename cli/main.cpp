#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "app/config_file.h"
#include "cli/bulletin_command.h"
#include "cli/config_command.h"
#include "cli/devices_command.h"
#include "cli/peer_command.h"
#include "cli/report_command.h"
#include "cli/run_command.h"
#include "cli/schedule_command.h"
#include "cli/station_command.h"
#include "cli/usage.h"
#include "cli/vocabulary_command.h"

namespace {

using Command = int (*)(const std::vector<std::string>&, std::ostream&, std::ostream&);

struct Entry {
    const char* name;
    Command run;
    const char* usage;
};

const Entry kCommands[] = {
    {"bulletin", skycrier::cli::runBulletinCommand, skycrier::cli::kBulletinUsage},
    {"vocabulary", skycrier::cli::runVocabularyCommand, skycrier::cli::kVocabularyUsage},
    {"station", skycrier::cli::runStationCommand, skycrier::cli::kStationUsage},
    {"metar", skycrier::cli::runMetarCommand, skycrier::cli::kMetarUsage},
    {"aprs", skycrier::cli::runAprsCommand, skycrier::cli::kAprsUsage},
    {"schedule", skycrier::cli::runScheduleCommand, skycrier::cli::kScheduleUsage},
    {"devices", skycrier::cli::runDevicesCommand, skycrier::cli::kDevicesUsage},
    {"run", skycrier::cli::runRunCommand, skycrier::cli::kRunUsage},
    {"config", skycrier::cli::runConfigCommand, skycrier::cli::kConfigUsage},
    {"peer", skycrier::cli::runPeerCommand, skycrier::cli::kPeerUsage},
};

void printUsage(std::ostream& out) {
    for (const Entry& e : kCommands) out << e.usage;
    out << "       skycrier-cli --version\n";
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        std::cerr << "skycrier-cli: a command is needed\n";
        printUsage(std::cerr);
        return 2;
    }
    if (args[0] == "--version") {
        std::cout << "skycrier-cli " << skycrier::kProgramVersion << '\n';
        return 0;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        printUsage(std::cout);
        return 0;
    }
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    for (const Entry& e : kCommands) {
        if (args[0] != e.name) continue;
        // Caught here so that the stack unwinds: the port's owner lowers the lines as it goes.
        try {
            return e.run(rest, std::cout, std::cerr);
        } catch (const std::exception& fatal) {
            std::cerr << "skycrier-cli " << e.name << ": fatal error: " << fatal.what() << '\n';
            return 1;
        }
    }
    std::cerr << "skycrier-cli: unknown command \"" << args[0] << "\"\n";
    printUsage(std::cerr);
    return 2;
}
