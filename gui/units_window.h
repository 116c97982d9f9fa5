#pragma once
// The units window ("My units"): metric or imperial for temperature,
// pressure, wind and rain. It draws UnitsChoice and hands clicks to it.
//
// Threading: the GUI thread, which is also the engine's loop.

#include <QWidget>
#include <utility>
#include <vector>

#include "gui/repaint_on_change.h"
#include "sources/units_window.h"

class QRadioButton;

namespace skycrier::gui {

class UnitsWindow : public QWidget {
    Q_OBJECT

public:
    explicit UnitsWindow(UnitsChoice& model, QWidget* parent = nullptr);

    // Re-reads the model; only what differs changes on screen.
    void refresh();

Q_SIGNALS:
    // The user changed something through this window (other windows may show it).
    void changed();

private:
    UnitsChoice& model_;
    // Metric and imperial button of each group, in the order of the groups.
    std::vector<std::pair<QRadioButton*, QRadioButton*>> buttons_;
    RepaintOnChange repaint_{[this] { refresh(); }};
};

}  // namespace skycrier::gui
