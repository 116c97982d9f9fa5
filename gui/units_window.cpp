#include "gui/units_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/widgets.h"

namespace skycrier::gui {
namespace {

struct UnitGroup {
    const char* name;
    const char* caption;
    const char* metricName;
    const char* metricCaption;
    const char* imperialName;
    const char* imperialCaption;
    Quantity quantity;
};

constexpr UnitGroup kUnitGroups[] = {
    {"temperatureGroup", "Temperature", "RadioButtonTc", "°C", "RadioButtonTf", "°F", Quantity::Temperature},
    {"pressureGroup", "Pressure", "RadioButtonPm", "hPa", "RadioButtonPi", "inHg", Quantity::Pressure},
    {"windGroup", "Wind Speed", "RadioButtonVk", "km/h", "RadioButtonVm", "mph", Quantity::Wind},
    {"rainGroup", "Rain", "RadioButtonRm", "mm", "RadioButtonRi", "inch", Quantity::Rain},
};

}  // namespace

UnitsWindow::UnitsWindow(UnitsChoice& model, QWidget* parent) : QWidget(parent, Qt::Tool), model_(model) {
    repaint_.watch(model_.changed);
    named(this, "TFormMyUnits");
    setWindowTitle(QStringLiteral("My units"));
    auto* layout = new QGridLayout(this);
    int position = 0;
    for (const UnitGroup& unit : kUnitGroups) {
        auto* group = named(new QGroupBox(QString::fromUtf8(unit.caption)), unit.name);
        auto* column = new QVBoxLayout(group);
        // A click on the button already checked runs nothing, as the model's check does.
        const auto addButton = [&](const char* name, const char* caption, bool metric) {
            auto* button = named(new QRadioButton(QString::fromUtf8(caption)), name);
            connect(button, &QRadioButton::clicked, this, [this, quantity = unit.quantity, metric] {
                model_.setMetric(quantity, metric);
                refresh();
                Q_EMIT changed();
            });
            column->addWidget(button);
            return button;
        };
        QRadioButton* metric = addButton(unit.metricName, unit.metricCaption, true);
        buttons_.emplace_back(metric, addButton(unit.imperialName, unit.imperialCaption, false));
        layout->addWidget(group, position / 2, position % 2);
        ++position;
    }
    refresh();
}

void UnitsWindow::refresh() {
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        const bool metric = model_.isMetric(kUnitGroups[i].quantity);
        QRadioButton* shouldBeChecked = metric ? buttons_[i].first : buttons_[i].second;
        if (!shouldBeChecked->isChecked()) shouldBeChecked->setChecked(true);
    }
}

}  // namespace skycrier::gui
