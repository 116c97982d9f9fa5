#pragma once
// Small helpers every window uses to build its controls: each control gets
// the name the rest of the program and the control listing know it by.

#include <QString>
#include <QWidget>
#include <string>
#include <vector>

#include "gui/translation.h"
#include "sources/source_window.h"

class QComboBox;
class QListWidget;
class QSpinBox;

namespace skycrier::gui {

inline QString qs(const std::string& text) { return QString::fromStdString(text); }

// Gives the object its name (and the hint, when there is one) and returns it.
template <typename T>
T* named(T* object, const char* name, const char* hint = nullptr) {
    object->setObjectName(QString::fromLatin1(name));
    if (hint) object->setToolTip(QString::fromUtf8(hint));
    return object;
}

// Sets a widget's text only when it changed, so a refresh leaves selections
// and cursors alone.
template <typename T>
void setTextIfChanged(T* widget, const QString& text) {
    if (widget->text() != text) widget->setText(text);
}

// Checks or unchecks a box, button or menu item only when its state differs.
template <typename T>
void setCheckedIfChanged(T* control, bool checked) {
    if (control->isChecked() != checked) control->setChecked(checked);
}

// Replaces a list's entries only when they differ, so a refresh leaves the
// current row alone.
void setItemsIfChanged(QListWidget* list, const std::vector<std::string>& items);
void setItemsIfChanged(QComboBox* list, const std::vector<std::string>& items);

// The colour a plausibility mark gives a caption: red or the palette's text colour.
void showRed(QWidget* widget, bool red);

// A model's caption with its plausibility mark.
template <typename T>
void showCaption(T* widget, const Caption& shown) {
    showOwnText(widget, shown.caption);
    showRed(widget, shown.red);
}

// A box for a model's number: its range and its value.
QSpinBox* spinBoxFor(const BoundedNumber& model, const char* name);

// A model's number, set without telling the box's listeners (it is no user's change).
void showValue(QSpinBox* spin, const BoundedNumber& shown);

}  // namespace skycrier::gui
