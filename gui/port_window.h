#pragma once
// The port window ("Puerto COM"): the serial ports, the transmitter's port
// selected among them, and the lines that key it or start and inhibit a
// bulletin. It draws TFormCOM and hands the user's picks to it.
//
// Threading: the GUI thread, which is also the engine's loop.

#include <QWidget>
#include <vector>

#include "app/port_window.h"

class QCheckBox;
class QLabel;
class QListWidget;

namespace skycrier::gui {

class PortWindow : public QWidget {
    Q_OBJECT

public:
    explicit PortWindow(TFormCOM& model, QWidget* parent = nullptr);

    // Re-reads the model; only what differs changes on screen.
    void refresh();

Q_SIGNALS:
    // The user changed something through this window (other windows may show it).
    void changed();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void pick(int row);

    TFormCOM& model_;
    QListWidget* list_;
    // Why the chosen port is absent, in red; empty while it is open.
    QLabel* error_;
    // In the order of kPortLineBoxes.
    std::vector<QCheckBox*> lineBoxes_;
};

}  // namespace skycrier::gui
