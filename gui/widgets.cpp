#include "gui/widgets.h"

#include <QComboBox>
#include <QListWidget>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStringList>

namespace skycrier::gui {
namespace {

template <typename List, typename TextAt>
void replaceItemsIfChanged(List* list, const std::vector<std::string>& items, TextAt textAt) {
    QStringList texts;
    for (const std::string& item : items) texts << qs(item);
    QStringList shown;
    for (int i = 0; i < list->count(); ++i) shown << textAt(i);
    if (shown == texts) return;
    list->clear();
    list->addItems(texts);
}

}  // namespace

void showRed(QWidget* widget, bool red) {
    const QString sheet = red ? QStringLiteral("color: rgb(255, 0, 0);") : QString();
    if (widget->styleSheet() != sheet) widget->setStyleSheet(sheet);
}

void setItemsIfChanged(QListWidget* list, const std::vector<std::string>& items) {
    replaceItemsIfChanged(list, items, [list](int row) { return list->item(row)->text(); });
}

void setItemsIfChanged(QComboBox* list, const std::vector<std::string>& items) {
    replaceItemsIfChanged(list, items, [list](int i) { return list->itemText(i); });
}

QSpinBox* spinBoxFor(const BoundedNumber& model, const char* name) {
    auto* spin = named(new QSpinBox, name);
    spin->setRange(model.minimum(), model.maximum());
    spin->setValue(model.value());
    return spin;
}

void showValue(QSpinBox* spin, const BoundedNumber& shown) {
    if (spin->value() == shown.value()) return;
    const QSignalBlocker quiet(spin);
    spin->setValue(shown.value());
}

}  // namespace skycrier::gui
