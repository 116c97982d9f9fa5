#include "gui/widgets.h"

#include <QSignalBlocker>
#include <QSpinBox>

namespace skycrier::gui {

void showRed(QWidget* widget, bool red) {
    const QString sheet = red ? QStringLiteral("color: rgb(255, 0, 0);") : QString();
    if (widget->styleSheet() != sheet) widget->setStyleSheet(sheet);
}

void showValue(QSpinBox* spin, const SpinEdit& shown) {
    if (spin->value() == shown.value()) return;
    const QSignalBlocker quiet(spin);
    spin->setValue(shown.value());
}

}  // namespace skycrier::gui
