#include "gui/metar_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui/widgets.h"
#include "gui/translation.h"

namespace skycrier::gui {

MetarWindow::MetarWindow(MetarSource& model, QMenu& helpMenu, QWidget* parent)
    : InternetSourceWindow(model, "TFormFavMETAR", parent), model_(model) {
    auto* help = named(new QToolButton, "SpeedButtonMenuAide");
    help->setText(QStringLiteral("?"));
    // The menu opens under the button and leaves the loop running: its items act on their own.
    connect(help, &QToolButton::clicked, this,
            [help, &helpMenu] { helpMenu.popup(help->mapToGlobal(QPoint(0, help->height()))); });
    addressRow()->addWidget(help);
    airportName_ = named(new QLabel, "LabelNomICAO");
    showsData(airportName_);
    airportCode_ = named(new QLabel, "LabelICAO");
    ownArea()->addWidget(airportName_);
    ownArea()->addWidget(airportCode_);
    refresh();
}

void MetarWindow::refreshSource() {
    setTextIfChanged(airportName_, qs(model_.inputComment()));
    showOwnText(airportCode_, model_.airportCode());
}

}  // namespace skycrier::gui
