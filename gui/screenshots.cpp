#include "gui/screenshots.h"

#include <QApplication>
#include <QDir>
#include <QMenuBar>
#include <QPainter>

namespace skycrier::gui {
namespace {

void settle() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

// Where a menu opens, in the main window's coordinates: below its title in
// the menu bar, or beside its item in the menu it hangs from.
QPoint menuPlace(QMainWindow& window, QMenu* menu) {
    QMenuBar* bar = window.menuBar();
    const QRect barItem = bar->actionGeometry(menu->menuAction());
    if (barItem.isValid() && bar->actions().contains(menu->menuAction()))
        return bar->mapTo(&window, barItem.bottomLeft());
    for (QObject* w : menu->menuAction()->associatedObjects()) {
        auto* parent = qobject_cast<QMenu*>(w);
        if (!parent || parent->objectName().isEmpty()) continue;
        const QPoint parentPlace = menuPlace(window, parent);
        return parentPlace + parent->actionGeometry(menu->menuAction()).topRight();
    }
    return {0, 0};
}

// The menu and the menus it hangs from, outermost first; the menu bar's
// overflow list, which lists titles that once did not fit, is none of them.
QList<QMenu*> menuChain(QMenu* menu) {
    QList<QMenu*> chain{menu};
    for (QObject* w : menu->menuAction()->associatedObjects())
        if (auto* parent = qobject_cast<QMenu*>(w); parent && !parent->objectName().isEmpty())
            return menuChain(parent) + chain;
    return chain;
}

}  // namespace

std::vector<QString> writeScreenshots(const QString& folder, const std::vector<QWidget*>& windows,
                                      QMainWindow& mainWindow, const QList<QMenu*>& menus, QString& error) {
    std::vector<QString> written;
    if (!QDir().mkpath(folder)) {
        error = folder + ": cannot be created";
        return {};
    }
    const auto save = [&](const QPixmap& picture, const QString& name) {
        const QString path = QDir(folder).filePath(name + ".png");
        if (!picture.save(path, "PNG")) {
            error = path + ": cannot be written";
            return false;
        }
        written.push_back(path);
        return true;
    };
    for (QWidget* window : windows) {
        const bool wasVisible = window->isVisible();
        window->show();
        window->adjustSize();
        settle();
        if (!save(window->grab(), window->objectName())) return {};
        if (!wasVisible) window->hide();
    }
    mainWindow.show();
    settle();
    for (QMenu* menu : menus) {
        QPixmap base = mainWindow.grab();
        // The picture grows to hold menus that open past the window's edge.
        QList<QPair<QPoint, QPixmap>> layers;
        QRect bounds = base.rect();
        for (QMenu* m : menuChain(menu)) {
            m->adjustSize();
            const QPixmap picture = m->grab();
            const QPoint place = menuPlace(mainWindow, m);
            layers.append({place, picture});
            bounds = bounds.united(QRect(place, picture.size()));
        }
        QPixmap canvas(bounds.size());
        canvas.fill(Qt::white);
        QPainter painter(&canvas);
        painter.drawPixmap(0, 0, base);
        for (const auto& [place, picture] : layers) painter.drawPixmap(place, picture);
        painter.end();
        if (!save(canvas, mainWindow.objectName() + "-" + menu->objectName())) return {};
    }
    return written;
}

}  // namespace skycrier::gui
