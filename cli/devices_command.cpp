#include "cli/devices_command.h"

#include <cstdio>

#include "cli/usage.h"
#include "platform/alsa_catalogue.h"
#include "platform/gpio_chips.h"
#include "platform/hamlib_rigs.h"
#include "platform/hidraw_list.h"
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

// What else keys a transmitter: the sound cards with GPIO, the machine's GPIO chips, and Hamlib's rigs.
void printSwitches(std::ostream& out) {
    out << "CM108 sound cards (PTT=CM108, CM108_DEVICE=):\n";
    const auto cards = listCm108Devices();
    for (const HidDevice& card : cards) {
        char id[16];
        std::snprintf(id, sizeof id, "%04x:%04x", card.vendor, card.product);
        out << card.path << '\t' << card.name << '\t' << id << '\n';
    }
    if (cards.empty()) out << kNoneFound << '\n';
    out << "\nGPIO chips (PTT=GPIO, GPIO_CHIP=):\n";
    const auto chips = listGpioChips();
    for (const GpioChip& chip : chips) out << chip.name << '\t' << chip.label << '\t' << chip.lines << " lines\n";
    if (chips.empty()) out << kNoneFound << '\n';
    out << "\nHamlib rig models (PTT=HAMLIB, HAMLIB_MODEL=):\n";
    for (const RigModel& rig : listRigModels()) out << rig.number << '\t' << rig.maker << '\t' << rig.model << '\n';
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
    out << '\n';
    printSwitches(out);
    return 0;
}

}  // namespace skycrier::cli
