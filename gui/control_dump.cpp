#include "gui/control_dump.h"

#include <QAbstractButton>
#include <QApplication>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSlider>
#include <QSpinBox>

namespace skycrier::gui {
namespace {

QJsonArray actionTexts(const QList<QAction*>& actions) {
    QJsonArray items;
    for (const QAction* a : actions)
        if (!a->isSeparator()) items.append(a->text());
    return items;
}

QString captionOf(const QObject* o) {
    if (const auto* b = qobject_cast<const QAbstractButton*>(o)) return b->text();
    if (const auto* l = qobject_cast<const QLabel*>(o)) return l->text();
    if (const auto* e = qobject_cast<const QLineEdit*>(o)) return e->text();
    if (const auto* g = qobject_cast<const QGroupBox*>(o)) return g->title();
    if (const auto* m = qobject_cast<const QMenu*>(o)) return m->title();
    if (const auto* a = qobject_cast<const QAction*>(o)) return a->text();
    if (const auto* c = qobject_cast<const QComboBox*>(o)) return c->currentText();
    if (const auto* s = qobject_cast<const QSpinBox*>(o)) return s->text();
    if (const auto* s = qobject_cast<const QSlider*>(o)) return QString::number(s->value());
    if (const auto* p = qobject_cast<const QProgressBar*>(o)) return QString::number(p->value());
    if (const auto* t = qobject_cast<const QPlainTextEdit*>(o)) return t->toPlainText();
    return {};
}

// A caption wider than the room its control was given: part of it cannot be read.
bool clipped(const QWidget* w) {
    if (!w->isVisible()) return false;
    if (const auto* label = qobject_cast<const QLabel*>(w))
        return !label->wordWrap() && label->fontMetrics().size(0, label->text()).width() > label->contentsRect().width();
    if (const auto* button = qobject_cast<const QAbstractButton*>(w))
        return button->fontMetrics().size(Qt::TextShowMnemonic, button->text()).width() > button->width();
    return false;
}

QJsonObject describe(const QObject* o, const QWidget* window) {
    QJsonObject d;
    d["class"] = o->metaObject()->className();
    d["caption"] = captionOf(o);
    if (const auto* a = qobject_cast<const QAction*>(o)) {
        d["hint"] = a->toolTip() == a->text().remove('&') ? QString() : a->toolTip();
        d["checked"] = a->isChecked();
        d["visible"] = a->isVisible();
        d["enabled"] = a->isEnabled();
        if (a->menu()) d["items"] = actionTexts(a->menu()->actions());
        return d;
    }
    const auto* w = qobject_cast<const QWidget*>(o);
    d["hint"] = w->toolTip();
    const auto* b = qobject_cast<const QAbstractButton*>(o);
    d["checked"] = b && b->isChecked();
    d["visible"] = w == window ? w->isVisible() : w->isVisibleTo(window);
    d["enabled"] = w->isEnabled();
    if (w != window) {
        const QPoint at = w->mapTo(window, QPoint(0, 0));
        d["geometry"] = QJsonArray{at.x(), at.y(), w->width(), w->height()};
        d["clipped"] = clipped(w);
    }
    if (const auto* m = qobject_cast<const QMenu*>(o)) d["items"] = actionTexts(m->actions());
    if (const auto* bar = qobject_cast<const QMenuBar*>(o)) d["items"] = actionTexts(bar->actions());
    if (const auto* c = qobject_cast<const QComboBox*>(o)) {
        QJsonArray items;
        for (int i = 0; i < c->count(); ++i) items.append(c->itemText(i));
        d["items"] = items;
    }
    if (const auto* l = qobject_cast<const QListWidget*>(o)) {
        QJsonArray items;
        for (int i = 0; i < l->count(); ++i) items.append(l->item(i)->text());
        d["items"] = items;
    }
    return d;
}

QJsonObject dumpWindow(QWidget* window, const QString& caption) {
    QJsonObject controls;
    for (const QObject* o : window->findChildren<QObject*>()) {
        if (o->objectName().isEmpty() || o->objectName().startsWith("qt_")) continue;
        if (!qobject_cast<const QWidget*>(o) && !qobject_cast<const QAction*>(o)) continue;
        controls[o->objectName()] = describe(o, window);
    }
    QJsonObject w;
    w["caption"] = caption;
    w["visible"] = window->isVisible();
    w["controls"] = controls;
    return w;
}

}  // namespace

QJsonObject dumpControls(const std::vector<QWidget*>& windows, const std::vector<QMenu*>& menus) {
    QJsonObject all;
    for (QWidget* window : windows) {
        // Laid out at the size it asks for, as it is drawn for the pictures.
        const bool wasVisible = window->isVisible();
        window->show();
        window->adjustSize();
        QApplication::processEvents();
        all[window->objectName()] = dumpWindow(window, window->windowTitle());
        if (!wasVisible) window->hide();
    }
    for (QMenu* menu : menus) {
        QJsonObject m = dumpWindow(menu, menu->title());
        m["items"] = actionTexts(menu->actions());
        all[menu->objectName()] = m;
    }
    return all;
}

}  // namespace skycrier::gui
