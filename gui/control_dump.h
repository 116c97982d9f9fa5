#pragma once
// The look of the windows as data, for reviewing them without a display:
// each window by its class name with its caption and every named control.

#include <QJsonObject>
#include <QMenu>
#include <QWidget>
#include <vector>

namespace skycrier::gui {

// {"TForm1": {"caption": ..., "visible": ..., "controls": {"Button1": {"class", "caption",
// "hint", "checked", "visible", "enabled", "geometry" [x, y, width, height] in the
// window, "clipped" (a caption wider than its control), "items"?}, ...}}, ...};
// each window is laid out at the size it asks for first; menus not
// owned by a window (the tray's) are listed as windows of their own.
QJsonObject dumpControls(const std::vector<QWidget*>& windows, const std::vector<QMenu*>& menus);

}  // namespace skycrier::gui
