#include "app/port_window.h"

#include <algorithm>

namespace skycrier {

TFormCOM::TFormCOM(TransmitterPortControl& port, TForm1& mainWindow, PortLineSettings& lineSettings,
                   std::function<std::vector<std::string>()> listPorts)
    : lines(lineSettings), port_(port), mainWindow_(mainWindow), listPorts_(std::move(listPorts)) {
    port_.changed = [this] { showPort(); };
}

std::string TFormCOM::selectedItem() const {
    const int index = ListBoxCOM.ItemIndex;
    if (index < 0 || index >= static_cast<int>(ListBoxCOM.Items.size())) return {};
    return ListBoxCOM.Items[static_cast<std::size_t>(index)];
}

void TFormCOM::FormShow() {
    if (ListBoxCOM.Items.empty()) {
        ListBoxCOM.Items.push_back(kNoPortName);
        if (listPorts_) {
            const auto ports = listPorts_();
            ListBoxCOM.Items.insert(ListBoxCOM.Items.end(), ports.begin(), ports.end());
        }
    }
    selectCurrentPort();
}

void TFormCOM::ListBoxCOMClick() {
    const std::string item = selectedItem();
    if (item.empty()) return;
    if (item == kNoPortName) {
        chooseNoPort();
        return;
    }
    choosePort(item);
    if (port_.absent() && answerClick) answerClick(kPortOpenError, port_.failure());
}

void TFormCOM::choosePort(const std::string& name) { port_.choosePort(name); }

void TFormCOM::chooseNoPort() { port_.chooseNoPort(); }

// The main window names the chosen port even while it is absent; without an
// open port nothing keys and no carrier is seen.
void TFormCOM::showPort() {
    const bool chosen = port_.isOpen() || port_.absent();
    mainWindow_.LabelCOM = chosen ? port_.portName() : "COM";
    mainWindow_.LabelCOMAbsent = port_.absent();
    selectCurrentPort();
    if (!port_.isOpen() && onReleased) onReleased();
    if (onChanged) onChanged();
}

// A configured "COM3" is listed as its device, /dev/ttyS2.
void TFormCOM::selectCurrentPort() {
    auto& items = ListBoxCOM.Items;
    if (items.empty()) return;
    if (port_.portName() == kNoPortName) {
        ListBoxCOM.ItemIndex = 0;
        return;
    }
    if (port_.portName().empty()) {
        ListBoxCOM.ItemIndex = -1;
        return;
    }
    const std::string device = port_.chosenDevice();
    auto item = std::find(items.begin(), items.end(), device);
    if (item == items.end()) item = items.insert(items.end(), device);
    ListBoxCOM.ItemIndex = static_cast<int>(item - items.begin());
}

}  // namespace skycrier
