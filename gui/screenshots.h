#pragma once
// Pictures of the windows for reviewing their look: one PNG per window and
// one of the main window with each of its menus open.

#include <QMainWindow>
#include <QMenu>
#include <QString>
#include <vector>

namespace skycrier::gui {

// Writes WINDOW.png for each window and MainWindowModel-MENU.png for each menu into
// the folder; returns the files written, or an empty list and the reason.
std::vector<QString> writeScreenshots(const QString& folder, const std::vector<QWidget*>& windows,
                                      QMainWindow& mainWindow, const QList<QMenu*>& menus, QString& error);

}  // namespace skycrier::gui
