#pragma once
// The METAR window (TFormMeteoMETAR): an airport's report from the address
// typed in EditDat, its comment (the airport's name) and its station code;
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
    MetarWindow(TFormMeteoMETAR& model, QMenu& helpMenu, QWidget* parent = nullptr);

protected:
    void addressKey(int key) override { model_.EditDatKeyPress(key); }
    void historyChosen(int index) override { model_.ComboBoxPathChange(index); }
    void addressEdited() override { model_.EditDatChange(); }
    void refreshSource() override;

private:
    TFormMeteoMETAR& model_;
    QLabel* airportName_;
    QLabel* airportCode_;
};

}  // namespace skycrier::gui
