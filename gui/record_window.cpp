#include "gui/record_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/record_window.h"
#include "gui/widgets.h"

namespace skycrier::gui {

RecordWindow::RecordWindow(RecorderWindowModel& model, MainWindowModel& mainWindow, Desktop& desktop) : mainWindow_(mainWindow) {
    repaint_.watch(mainWindow_.changed);
    setObjectName("TFormRecord");
    setWindowTitle("SKYCRIER");
    setWindowFlags(Qt::Dialog);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(named(new QLabel("Camino de Tapewell"), "Label1"));
    auto* row = new QHBoxLayout;
    recorderProgramField_ = named(new QLineEdit, "EditSonivue");
    recorderProgramField_->setMinimumWidth(recorderProgramField_->fontMetrics().averageCharWidth() * 40);
    connect(recorderProgramField_, &QLineEdit::textEdited, this,
            [this](const QString& text) { mainWindow_.setRecorderProgram(text.toStdString()); });
    auto* browse = named(new QPushButton("Navigar"), "ButtonParcourir");
    connect(browse, &QPushButton::clicked, this, [this, &model, &desktop] {
        // OpenDialogW: any file, no filter.
        const auto chosen = desktop.chooseFile(this, "", "");
        if (!chosen) return;
        const bool selectAll = model.takeChosenFile(*chosen);
        refresh();
        if (selectAll) recorderProgramField_->selectAll();
    });
    row->addWidget(recorderProgramField_, 1);
    row->addWidget(browse);
    layout->addLayout(row);
}

void RecordWindow::refresh() { setTextIfChanged(recorderProgramField_, qs(mainWindow_.settings().recorderProgram)); }

}  // namespace skycrier::gui
