#include "gui/favourites_window.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include "gui/widgets.h"

namespace skycrier::gui {
namespace {

// Wide enough to read an address with its comment.
constexpr int kInitialWidth = 420;

}  // namespace

FavouritesWindow::FavouritesWindow(Favourites& model, const char* name, QWidget* parent)
    : QWidget(parent, Qt::Window), model_(model) {
    named(this, name);
    setWindowTitle(QString::fromUtf8(model_.Caption));
    auto* layout = new QGridLayout(this);
    layout->addWidget(named(new QLabel(QString::fromUtf8(Favourites::kInstruction)), "Label1"), 0, 0, 1, 2);
    for (int n = 1; n <= Favourites::kSlots; ++n) {
        const std::string buttonName = "Button" + std::to_string(n);
        const std::string editName = "Edit" + std::to_string(n);
        auto* button = named(new QPushButton(qs(Favourites::buttonCaption(n))), buttonName.c_str());
        showsData(button);
        auto* edit = named(new QLineEdit, editName.c_str());
        const auto slot = static_cast<std::size_t>(n - 1);
        connect(edit, &QLineEdit::textEdited, this,
                [this, slot](const QString& text) { model_.setEntry(static_cast<int>(slot) + 1, text.toStdString()); });
        connect(button, &QPushButton::clicked, this, [this, n] {
            model_.loadEntry(n);
            refresh();
            Q_EMIT changed();
        });
        layout->addWidget(button, n, 0);
        layout->addWidget(edit, n, 1);
        edits_.push_back(edit);
    }
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(Favourites::kSlots + 1, 1);
    resize(kInitialWidth, sizeHint().height());
    refresh();
}

void FavouritesWindow::refresh() {
    for (std::size_t i = 0; i < edits_.size(); ++i) setTextIfChanged(edits_[i], qs(model_.entries()[i]));
    if (model_.visible() != isVisible()) setVisible(model_.visible());
}

// Each entry is selected whole, ready to be typed over.
void FavouritesWindow::showEvent(QShowEvent* event) {
    model_.open();
    for (QLineEdit* edit : edits_)
        if (!edit->text().isEmpty()) edit->selectAll();
    QWidget::showEvent(event);
}

void FavouritesWindow::closeEvent(QCloseEvent* event) {
    model_.close();
    QWidget::closeEvent(event);
}

}  // namespace skycrier::gui
