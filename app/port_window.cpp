#include "app/port_window.h"

#include <algorithm>

namespace skycrier {

PortWindowModel::PortWindowModel(TransmitterPortControl& port, MainWindowModel& mainWindow, PortLineSettings& lineSettings,
                   std::function<std::vector<std::string>()> listPorts)
    : lines_(lineSettings), port_(port), mainWindow_(mainWindow), listPorts_(std::move(listPorts)) {
    port_.changed = [this] { showPort(); };
}

std::string PortWindowModel::selectedItem() const {
    const int index = portList_.ItemIndex;
    if (index < 0 || index >= static_cast<int>(portList_.Items.size())) return {};
    return portList_.Items[static_cast<std::size_t>(index)];
}

void PortWindowModel::prepareToShow() {
    if (portList_.Items.empty()) {
        portList_.Items.push_back(kNoPortName);
        if (listPorts_) {
            const auto ports = listPorts_();
            portList_.Items.insert(portList_.Items.end(), ports.begin(), ports.end());
        }
    }
    selectCurrentPort();
    changed.emit();
}

void PortWindowModel::setLine(bool PortLineSettings::*line, bool on) {
    lines_.*line = on;
    changed.emit();
}

void PortWindowModel::setKeying(const KeyingSettings& keying) {
    if (lines_.keying == keying) return;
    lines_.keying = keying;
    if (onKeyingChanged) onKeyingChanged();
    changed.emit();
}

void PortWindowModel::choosePortFromList(int row) {
    portList_.ItemIndex = row;
    const std::string item = selectedItem();
    if (item.empty()) return;
    if (item == kNoPortName) {
        chooseNoPort();
        return;
    }
    choosePort(item);
    if (port_.absent() && answerUser) answerUser(kPortOpenError, port_.failure());
}

void PortWindowModel::choosePort(const std::string& name) { port_.choosePort(name); }

void PortWindowModel::chooseNoPort() { port_.chooseNoPort(); }

// The main window names the chosen port even while it is absent; without an
// open port nothing keys and no carrier is seen.
void PortWindowModel::showPort() {
    const bool chosen = port_.isOpen() || port_.absent();
    mainWindow_.setPort(chosen ? port_.portName() : "COM", port_.absent());
    selectCurrentPort();
    if (!port_.isOpen() && onReleased) onReleased();
    if (onChanged) onChanged();
    changed.emit();
}

// A configured "COM3" is listed as its device, /dev/ttyS2.
void PortWindowModel::selectCurrentPort() {
    auto& items = portList_.Items;
    if (items.empty()) return;
    if (port_.portName() == kNoPortName) {
        portList_.ItemIndex = 0;
        return;
    }
    if (port_.portName().empty()) {
        portList_.ItemIndex = -1;
        return;
    }
    const std::string device = port_.chosenDevice();
    auto item = std::find(items.begin(), items.end(), device);
    if (item == items.end()) item = items.insert(items.end(), device);
    portList_.ItemIndex = static_cast<int>(item - items.begin());
}

}  // namespace skycrier
