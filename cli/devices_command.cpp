#include "cli/devices_command.h"

#include "cli/usage.h"
#include "platform/alsa_catalogue.h"
#include "platform/serial_port_list.h"

namespace skycrier::cli {
namespace {

constexpr const char* kNoneFound = "(none found)";

void printOutputs(std::ostream& out, const std::vector<OutputEntry>& outputs) {
    out << "Sound outputs:\n";
    for (const OutputEntry& o : outputs) {
        out << o.name << '\t' << o.description.value_or("");
        if (o.number) out << "\tdevice " << *o.number;
        out << '\n';
    }
    if (outputs.empty()) out << kNoneFound << '\n';
}

void printPorts(std::ostream& out, const std::vector<std::string>& ports) {
    out << "Serial ports:\n";
    for (const std::string& port : ports) out << port << '\n';
    if (ports.empty()) out << kNoneFound << '\n';
}

}  // namespace

int runDevicesCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (asksForHelp(args)) {
        printCommandHelp(out, kDevicesHelp);
        return 0;
    }
    if (!args.empty()) return usageError(err, "devices", "unknown option \"" + args[0] + "\"", kDevicesUsage);
    AlsaCatalogue catalogue;
    printOutputs(out, catalogue.outputs());
    out << '\n';
    printPorts(out, listSerialPorts());
    return 0;
}

}  // namespace skycrier::cli
