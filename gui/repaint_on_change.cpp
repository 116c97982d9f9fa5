#include "gui/repaint_on_change.h"

namespace skycrier::gui {

RepaintOnChange::RepaintOnChange(std::function<void()> repaint) : repaint_(std::move(repaint)) {
    turnEnd_.setSingleShot(true);
    turnEnd_.setInterval(0);
    QObject::connect(&turnEnd_, &QTimer::timeout, [this] { repaint_(); });
}

void RepaintOnChange::request() {
    if (!turnEnd_.isActive()) turnEnd_.start();
}

}  // namespace skycrier::gui
