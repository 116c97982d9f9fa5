#include "app/port_window.h"

#include <algorithm>

namespace skycrier {

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
    if (item == kNoPortName)
        chooseNoPort();
    else
        choosePort(item);
}

void TFormCOM::choosePort(const std::string& name) {
    port_.choosePort(name);
    if (!port_.isOpen()) {
        showReleased();
        return;
    }
    mainWindow_.LabelCOM = port_.portName();
    selectCurrentPort();
}

void TFormCOM::chooseNoPort() {
    port_.chooseNoPort();
    showReleased();
}

void TFormCOM::showReleased() {
    mainWindow_.LabelCOM = "COM";
    selectCurrentPort();
    if (onReleased) onReleased();
}

// A configured "COM3" is listed as its device, /dev/ttyS2.
void TFormCOM::selectCurrentPort() {
    auto& items = ListBoxCOM.Items;
    if (items.empty()) return;
    if (port_.portName() == kNoPortName) {
        ListBoxCOM.ItemIndex = 0;
        return;
    }
    if (!port_.isOpen()) {
        ListBoxCOM.ItemIndex = -1;
        return;
    }
    auto item = std::find(items.begin(), items.end(), port_.devicePath());
    if (item == items.end()) item = items.insert(items.end(), port_.devicePath());
    ListBoxCOM.ItemIndex = static_cast<int>(item - items.begin());
}

}  // namespace skycrier
