#include "gui/source_placeholder_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QShowEvent>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/widgets.h"
#include "gui/window_geometry.h"

namespace skycrier::gui {

SourcePlaceholderWindow::SourcePlaceholderWindow(SourceWindow& model, const char* objectName, const char* caption,
                                                 QWidget* parent)
    : QWidget(parent, Qt::Window), model_(model) {
    named(this, objectName);
    setWindowTitle(QString::fromUtf8(caption));
    auto* layout = new QVBoxLayout(this);
    auto* note = named(new QLabel(QStringLiteral("Ventana provisional: la ventana completa de esta fuente llegará "
                                                 "más adelante.")),
                       "placeholderNote");
    note->setWordWrap(true);
    layout->addWidget(note);

    for (const MeteoField field : kAllFields) {
        if (!supplies(model_.kind(), field)) continue;
        const CheckBox* box = &model_.checkBox(field);
        // Rain and present weather share one box.
        if (std::any_of(values_.begin(), values_.end(), [box](const auto& value) { return value.first == box; }))
            continue;
        auto* label = new QLabel;
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addWidget(label);
        values_.emplace_back(box, label);
    }

    error_ = named(new QLabel, "StaticTextErreur");
    QFont italic = error_->font();
    italic.setItalic(true);
    error_->setFont(italic);
    showRed(error_, true);
    error_->setWordWrap(true);
    layout->addWidget(error_);
    layout->addStretch();
    refresh();
}

void SourcePlaceholderWindow::refresh() {
    setTextIfChanged(error_, qs(model_.meteo.ErrorText));
    for (const auto& [box, label] : values_) {
        setTextIfChanged(label, qs(box->caption));
        showRed(label, box->red);
    }
    if (model_.visible) {
        placeWindow(*this, model_.geometry);
        if (!isVisible()) show();
    } else if (isVisible()) {
        hide();
    }
}

void SourcePlaceholderWindow::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        if (!model_.visible) model_.FormShow();
        placeWindow(*this, model_.geometry);
    }
    QWidget::showEvent(event);
}

void SourcePlaceholderWindow::closeEvent(QCloseEvent* event) {
    model_.FormClose(geometryOf(*this));
    QWidget::closeEvent(event);
}

void SourcePlaceholderWindow::moveEvent(QMoveEvent* event) {
    keepGeometry();
    QWidget::moveEvent(event);
}

void SourcePlaceholderWindow::resizeEvent(QResizeEvent* event) {
    keepGeometry();
    QWidget::resizeEvent(event);
}

void SourcePlaceholderWindow::keepGeometry() {
    if (isVisible() && model_.visible) model_.geometry = geometryOf(*this);
}

// The window takes every key; Escape asks to end the bulletin on the air.
void SourcePlaceholderWindow::keyPressEvent(QKeyEvent* event) {
    int key = event->key() == Qt::Key_Escape ? kKeyEscape : event->key();
    model_.FormKeyDown(key);
    event->accept();
}

}  // namespace skycrier::gui
