#include "gui/metar_window.h"

#include <QLabel>
#include <QVBoxLayout>

#include "gui/widgets.h"

namespace skycrier::gui {

MetarWindow::MetarWindow(TFormMeteoMETAR& model, QWidget* parent)
    : InternetSourceWindow(model, "TFormFavMETAR", parent), model_(model) {
    airportName_ = named(new QLabel, "LabelNomICAO");
    airportCode_ = named(new QLabel, "LabelICAO");
    ownArea()->addWidget(airportName_);
    ownArea()->addWidget(airportCode_);
    refresh();
}

void MetarWindow::refreshSource() {
    setTextIfChanged(airportName_, qs(model_.LabelNomICAO));
    setTextIfChanged(airportCode_, qs(model_.LabelICAO));
}

}  // namespace skycrier::gui
