#pragma once
// The port window (TFormCOM, "Puerto COM") as a model: the list of ports with
// the transmitter port selected, and the check boxes that choose the lines.
// It is the port choice the configuration drives: opening a port, or
// releasing it, updates the list's selection and the main window's LabelCOM.
//
// Threading: the loop's thread only.

#include <functional>
#include <string>
#include <vector>

#include "announce/bulletin_settings.h"
#include "app/configuration.h"
#include "app/main_window.h"
#include "app/transmitter_port_control.h"

namespace skycrier {

// A check box of the window, the group it sits in and the setting it holds.
struct PortLineBox {
    const char* group;
    const char* groupCaption;
    const char* name;
    const char* caption;
    bool PortLineSettings::*checked;
};

// In the order the window shows them; the pins are those of a 9-pin connector.
inline constexpr PortLineBox kPortLineBoxes[] = {
    {"GroupBox1", "Control PTT (Alto)", "CheckBoxDTR", "DTR (pin 4)", &PortLineSettings::CheckBoxDTR},
    {"GroupBox1", "Control PTT (Alto)", "CheckBoxRTS", "RTS (pin 7)", &PortLineSettings::CheckBoxRTS},
    {"GroupBox2", "Locutar (->+)", "CheckBoxDSR", "DSR (pin 6)", &PortLineSettings::CheckBoxDSR},
    {"GroupBox2", "Locutar (->+)", "CheckBoxCTS", "CTS (pin 8)", &PortLineSettings::CheckBoxCTS},
    {"GroupBox3", "Inhibir anuncio (->+)", "CheckBoxDCD", "DCD (pin 1)", &PortLineSettings::CheckBoxDCD},
};

class TFormCOM : public PortChoice {
public:
    // listPorts gives the system's serial devices (listSerialPorts() in the
    // program); it is asked once, when the window is first shown.
    TFormCOM(TransmitterPortControl& port, TForm1& mainWindow, PortLineSettings& lineSettings,
             std::function<std::vector<std::string>()> listPorts);

    static constexpr const char* Caption = "Puerto COM";
    static constexpr const char* Label1 = "Elija puerto COM y señales activas";

    struct ListBox {
        std::vector<std::string> Items;
        // -1 while nothing is selected.
        int ItemIndex = -1;
    };
    // "No COM", then the device paths. A chosen port that is not listed (a
    // device the list does not look for, or one not plugged in) is added at
    // the end when shown, so that the choice stays visible.
    ListBox ListBoxCOM;
    // The selected port is chosen but absent: the window marks it red.
    bool absent() const { return port_.absent(); }
    // Why it is absent, for the window's error text; empty otherwise.
    const std::string& StaticTextErreur() const { return port_.failure(); }
    // The item selected, empty when none: what the configuration saves.
    std::string selectedItem() const;

    // Fills the list on the first showing and selects the transmitter port:
    // "No COM" when there is none, nothing before any choice.
    void FormShow();
    // The user picked ListBoxCOM.ItemIndex: a port is opened (an open one is
    // closed first, the same one included), "No COM" releases the port. A
    // port that cannot be opened is answered with answerClick, since the
    // user is there to read it; it stays chosen and is tried again.
    void ListBoxCOMClick();

    // menuCOMClick: opens the named port ("COM3" or a device path) and shows
    // its name in LabelCOM; one that cannot be opened stays chosen, absent.
    void choosePort(const std::string& name) override;
    // menuComNoneclick: releases the port, selects "No COM", shows "COM" in
    // LabelCOM and runs onReleased.
    void chooseNoPort() override;
    std::string portName() const override { return port_.portName(); }

    // What else a release resets: carrier detect's state and its indicators.
    std::function<void()> onReleased;
    // After every change between open, absent and no port.
    std::function<void()> onChanged;
    // The answer to the user's own click on a port that cannot be opened
    // (a dialog): its title and the reason. Never used without a click.
    std::function<void(const std::string&, const std::string&)> answerClick;

    PortLineSettings& lines;

private:
    void selectCurrentPort();
    void showPort();

    TransmitterPortControl& port_;
    TForm1& mainWindow_;
    std::function<std::vector<std::string>()> listPorts_;
};

}  // namespace skycrier
