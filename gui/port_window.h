#pragma once
// The port window ("Puerto COM"): the serial ports, the transmitter's port
// selected among them, and the lines that key it or start and inhibit a
// bulletin. It draws PortWindowModel and hands the user's picks to it.
//
// Threading: the GUI thread, which is also the engine's loop.

#include <QWidget>
#include <vector>

#include "app/port_window.h"
#include "gui/repaint_on_change.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;

namespace skycrier::gui {

class KeyingPanel;

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
    {"GroupBox1", "Control PTT (Alto)", "CheckBoxDTR", "DTR (pin 4)", &PortLineSettings::keyDtr},
    {"GroupBox1", "Control PTT (Alto)", "CheckBoxRTS", "RTS (pin 7)", &PortLineSettings::keyRts},
    {"GroupBox2", "Locutar (->+)", "CheckBoxDSR", "DSR (pin 6)", &PortLineSettings::triggerOnDsr},
    {"GroupBox2", "Locutar (->+)", "CheckBoxCTS", "CTS (pin 8)", &PortLineSettings::triggerOnCts},
    {"GroupBox3", "Inhibir anuncio (->+)", "CheckBoxDCD", "DCD (pin 1)", &PortLineSettings::holdOnDcd},
};

class PortWindow : public QWidget {
    Q_OBJECT

public:
    explicit PortWindow(PortWindowModel& model, QWidget* parent = nullptr);

    // Re-reads the model; only what differs changes on screen.
    void refresh();

Q_SIGNALS:
    // The user changed something through this window (other windows may show it).
    void changed();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void pick(int row);

    PortWindowModel& model_;
    QListWidget* list_;
    // Why the chosen port is absent, in red; empty while it is open.
    QLabel* error_;
    // In the order of kPortLineBoxes.
    std::vector<QCheckBox*> lineBoxes_;
    // The lines that key the transmitter, of use only while they do.
    QGroupBox* keyingLines_ = nullptr;
    KeyingPanel* keying_;
    bool devicesListed_ = false;
    RepaintOnChange repaint_{[this] { refresh(); }};
};

}  // namespace skycrier::gui
