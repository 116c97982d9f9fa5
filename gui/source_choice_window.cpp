#include "gui/source_choice_window.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "gui/widgets.h"
#include "gui/window_geometry.h"

namespace skycrier::gui {
namespace {

struct SourceButton {
    const char* name;
    const char* caption;
    SourceKind kind;
};

constexpr SourceButton kSourceButtons[] = {
    {"RadioButtonNoMeteo", "Sin WX", SourceKind::None},
    {"RadioButtonMON", "Davis Weather Monitor II", SourceKind::MON},
    {"RadioButtonW23", "Lacrosse WS-2310 / 2315 / 2355 +", SourceKind::W23},
    {"RadioButtonW28", "Lacrosse WS-2800 / 3610 +", SourceKind::W28},
    {"RadioButtonAPRS", "WX APRS (formato UI-VIEW)", SourceKind::APRS},
    {"RadioButtonPro2", "Davis Vantage Pro2", SourceKind::Pro2},
    {"RadioButtonMETAR", "WX METAR (Aeropuertos)", SourceKind::METAR},
};

}  // namespace

SourceChoiceWindow::SourceChoiceWindow(SourceChoice& model, std::function<WindowGeometry()> mainWindow,
                                       QWidget* parent)
    : QWidget(parent, Qt::Tool), model_(model), mainWindow_(std::move(mainWindow)) {
    repaint_.watch(model_.changed);
    named(this, "TFormChoixMeteo");
    setWindowTitle(QStringLiteral("Fuente del WX"));
    auto* group = named(new QGroupBox(QStringLiteral("Wetter-Quellen")), "RadioGroup1");
    auto* column = new QVBoxLayout(group);
    for (const SourceButton& source : kSourceButtons) {
        auto* button = named(new QRadioButton(QString::fromUtf8(source.caption)), source.name);
        // A click on the source already chosen runs nothing, as the model's check does.
        connect(button, &QRadioButton::clicked, this, [this, kind = source.kind] {
            model_.check(kind);
            refresh();
            Q_EMIT changed();
        });
        column->addWidget(button);
        buttons_.push_back(button);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    adjustSize();
    refresh();
}

void SourceChoiceWindow::refresh() {
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        if (model_.isChecked(kSourceButtons[i].kind) && !buttons_[i]->isChecked()) buttons_[i]->setChecked(true);
    if (model_.visible() != isVisible()) setVisible(model_.visible());
}

void SourceChoiceWindow::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        model_.prepareToShow();
        placeWindow(*this, centredOn(mainWindow_(), width(), height()));
    }
    QWidget::showEvent(event);
}

void SourceChoiceWindow::closeEvent(QCloseEvent* event) {
    model_.close();
    QWidget::closeEvent(event);
}

}  // namespace skycrier::gui
