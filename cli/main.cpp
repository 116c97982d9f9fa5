#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "app/config_file.h"
#include "cli/bulletin_command.h"
#include "cli/check_command.h"
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
    const skycrier::cli::CommandHelp& help;
    Command run;
};

const Entry kCommands[] = {
    {skycrier::cli::kBulletinHelp, skycrier::cli::runBulletinCommand},
    {skycrier::cli::kVocabularyHelp, skycrier::cli::runVocabularyCommand},
    {skycrier::cli::kStationHelp, skycrier::cli::runStationCommand},
    {skycrier::cli::kMetarHelp, skycrier::cli::runMetarCommand},
    {skycrier::cli::kAprsHelp, skycrier::cli::runAprsCommand},
    {skycrier::cli::kScheduleHelp, skycrier::cli::runScheduleCommand},
    {skycrier::cli::kDevicesHelp, skycrier::cli::runDevicesCommand},
    {skycrier::cli::kRunHelp, skycrier::cli::runRunCommand},
    {skycrier::cli::kConfigHelp, skycrier::cli::runConfigCommand},
    {skycrier::cli::kPeerHelp, skycrier::cli::runPeerCommand},
    {skycrier::cli::kCheckHelp, skycrier::cli::runCheckCommand},
};

const Entry* findCommand(const std::string& name) {
    for (const Entry& e : kCommands)
        if (name == e.help.name) return &e;
    return nullptr;
}

void printCommands(std::ostream& out) {
    std::vector<const skycrier::cli::CommandHelp*> helps;
    for (const Entry& e : kCommands) helps.push_back(&e.help);
    skycrier::cli::printCommandList(out, helps);
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        std::cerr << "skycrier-cli: a command is needed\n";
        printCommands(std::cerr);
        return 2;
    }
    if (args[0] == "--version") {
        std::cout << "skycrier-cli " << skycrier::kProgramVersion << '\n';
        return 0;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        // "help COMMAND" answers as "COMMAND --help" does.
        const Entry* asked = args.size() > 1 ? findCommand(args[1]) : nullptr;
        if (args.size() > 1 && !asked) {
            std::cerr << "skycrier-cli: unknown command \"" << args[1] << "\"\n";
            printCommands(std::cerr);
            return 2;
        }
        if (asked)
            skycrier::cli::printCommandHelp(std::cout, asked->help);
        else
            printCommands(std::cout);
        return 0;
    }
    const Entry* command = findCommand(args[0]);
    if (!command) {
        std::cerr << "skycrier-cli: unknown command \"" << args[0] << "\"\n";
        printCommands(std::cerr);
        return 2;
    }
    // Caught here so that the stack unwinds: the port's owner lowers the lines as it goes.
    try {
        return command->run(std::vector<std::string>(args.begin() + 1, args.end()), std::cout, std::cerr);
    } catch (const std::exception& fatal) {
        std::cerr << "skycrier-cli " << command->help.name << ": fatal error: " << fatal.what() << '\n';
        return 1;
    }
}
