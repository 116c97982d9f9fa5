#pragma once
// The METAR window (MetarSource): an airport's report from the address
// typed in inputLine, its comment (the airport's name) and its station code;
// its "?" button opens the main window's help menu.
//
// Threading: the GUI thread, which is also the engine's loop.

#include "gui/internet_source_window.h"
#include "net/metar_source.h"

class QMenu;

namespace skycrier::gui {

class MetarWindow : public InternetSourceWindow {
    Q_OBJECT

public:
    MetarWindow(MetarSource& model, QMenu& helpMenu, QWidget* parent = nullptr);

protected:
    void addressKey(int key) override { model_.pressKeyInInput(key); }
    void historyChosen(int index) override { model_.chooseHistoryEntry(index); }
    void addressEdited() override { model_.inputEdited(); }
    void refreshSource() override;

private:
    MetarSource& model_;
    QLabel* airportName_;
    QLabel* airportCode_;
};

}  // namespace skycrier::gui
