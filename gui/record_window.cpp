#include "gui/record_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/record_window.h"
#include "gui/widgets.h"

namespace skycrier::gui {

RecordWindow::RecordWindow(TFormRecord& model, TForm1& mainWindow, Desktop& desktop) : mainWindow_(mainWindow) {
    setObjectName("TFormRecord");
    setWindowTitle("SKYCRIER");
    setWindowFlags(Qt::Dialog);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(named(new QLabel("Camino de Tapewell"), "Label1"));
    auto* row = new QHBoxLayout;
    EditSonivue_ = named(new QLineEdit, "EditSonivue");
    EditSonivue_->setMinimumWidth(EditSonivue_->fontMetrics().averageCharWidth() * 40);
    connect(EditSonivue_, &QLineEdit::textEdited, this,
            [this](const QString& text) { mainWindow_.EditSonivue = text.toStdString(); });
    auto* browse = named(new QPushButton("Navigar"), "ButtonParcourir");
    connect(browse, &QPushButton::clicked, this, [this, &model, &desktop] {
        // OpenDialogW: any file, no filter.
        const auto chosen = desktop.chooseFile(this, "", "");
        if (!chosen) return;
        const bool selectAll = model.ButtonParcourirClick(*chosen);
        refresh();
        if (selectAll) EditSonivue_->selectAll();
    });
    row->addWidget(EditSonivue_, 1);
    row->addWidget(browse);
    layout->addLayout(row);
}

void RecordWindow::refresh() { setTextIfChanged(EditSonivue_, qs(mainWindow_.EditSonivue)); }

}  // namespace skycrier::gui
