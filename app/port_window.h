#pragma once
// The port window (PortWindowModel, "Puerto COM") as a model: the list of ports with
// the transmitter port selected, and the check boxes that choose the lines.
// It is the port choice the configuration drives: opening a port, or
// releasing it, updates the list's selection and the main window's portLabel.
//
// Threading: the loop's thread only.

#include <functional>
#include <string>
#include <vector>

#include "announce/bulletin_settings.h"
#include "app/configuration.h"
#include "app/main_window.h"
#include "app/transmitter_port_control.h"
#include "platform/signal.h"

namespace skycrier {

class PortWindowModel : public PortChoice {
public:
    // listPorts gives the system's serial devices (listSerialPorts() in the
    // program); it is asked once, when the window is first shown.
    PortWindowModel(TransmitterPortControl& port, MainWindowModel& mainWindow, PortLineSettings& lineSettings,
             std::function<std::vector<std::string>()> listPorts);

    static constexpr const char* Caption = "Puerto COM";
    static constexpr const char* kPrompt = "Elija puerto COM y señales activas";

    struct ListBox {
        std::vector<std::string> Items;
        // -1 while nothing is selected.
        int ItemIndex = -1;
    };
    // "No COM", then the device paths. A chosen port that is not listed (a
    // device the list does not look for, or one not plugged in) is added at
    // the end when shown, so that the choice stays visible.
    const ListBox& portList() const { return portList_; }
    // The selected port is chosen but absent: the window marks it red.
    bool absent() const { return port_.absent(); }
    // Why it is absent, for the window's error text; empty otherwise.
    const std::string& errorLine() const { return port_.failure(); }
    // The item selected, empty when none: what the configuration saves.
    std::string selectedItem() const;

    // Fills the list on the first showing and selects the transmitter port:
    // "No COM" when there is none, nothing before any choice.
    void prepareToShow();
    // The user picked the list's row (-1: beside the items): a port is opened
    // (an open one is closed first, the same one included), "No COM"
    // releases the port. A port that cannot be opened is answered with
    // answerUser, since the user is there to read it; it stays chosen and is
    // tried again.
    void choosePortFromList(int row);

    // Opens the named port ("COM3" or a device path) and shows
    // its name in portLabel; one that cannot be opened stays chosen, absent.
    void choosePort(const std::string& name) override;
    // Releases the port, selects "No COM", shows "COM" in
    // portLabel and runs onReleased.
    void chooseNoPort() override;
    std::string portName() const override { return port_.portName(); }

    // What else a release resets: carrier detect's state and its indicators.
    std::function<void()> onReleased;
    // After every change between open, absent and no port.
    std::function<void()> onChanged;
    // After every change of what the window shows: the list, its selection, the port.
    Signal<> changed;
    // The answer to the user's own click on a port that cannot be opened
    // (a dialog): its title and the reason. Never used without a click.
    std::function<void(const std::string&, const std::string&)> answerUser;

    // The modem lines that key the transmitter and start or hold bulletins.
    const PortLineSettings& lines() const { return lines_; }
    void setLine(bool PortLineSettings::*line, bool on);
    // How the transmitter is keyed: the port's lines, a switch, or VOX.
    void setKeying(const KeyingSettings& keying);
    // After every change of the keying.
    std::function<void()> onKeyingChanged;

private:
    void selectCurrentPort();
    void showPort();

    PortLineSettings& lines_;
    ListBox portList_;
    TransmitterPortControl& port_;
    MainWindowModel& mainWindow_;
    std::function<std::vector<std::string>()> listPorts_;
};

}  // namespace skycrier
