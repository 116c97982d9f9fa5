#include "gui/widgets.h"

namespace skycrier::gui {

void showRed(QWidget* widget, bool red) {
    const QString sheet = red ? QStringLiteral("color: rgb(255, 0, 0);") : QString();
    if (widget->styleSheet() != sheet) widget->setStyleSheet(sheet);
}

}  // namespace skycrier::gui
