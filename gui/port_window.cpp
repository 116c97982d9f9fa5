#include "gui/port_window.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

#include "gui/keying_panel.h"
#include "gui/widgets.h"
#include "gui/translation.h"

namespace skycrier::gui {

PortWindow::PortWindow(PortWindowModel& model, QWidget* parent) : QWidget(parent, Qt::Tool), model_(model) {
    repaint_.watch(model_.changed);
    named(this, "TFormCOM");
    setWindowTitle(QString::fromUtf8(PortWindowModel::Caption));

    list_ = named(new QListWidget, "ListBoxCOM");
    connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { pick(list_->row(item)); });
    // Enter picks too, unless the style already activates on the click handled above.
    connect(list_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        if (!style()->styleHint(QStyle::SH_ItemView_ActivateItemOnSingleClick, nullptr, list_))
            pick(list_->row(item));
    });

    auto* groups = new QVBoxLayout;
    QGroupBox* group = nullptr;
    for (const PortLineBox& line : kPortLineBoxes) {
        if (!group || group->objectName() != QLatin1String(line.group)) {
            group = named(new QGroupBox(QString::fromUtf8(line.groupCaption)), line.group);
            group->setLayout(new QVBoxLayout);
            groups->addWidget(group);
            if (!keyingLines_) keyingLines_ = group;
        }
        auto* box = named(new QCheckBox(QString::fromUtf8(line.caption)), line.name);
        connect(box, &QCheckBox::clicked, this, [this, setting = line.checked](bool checked) {
            model_.setLine(setting, checked);
            Q_EMIT changed();
        });
        group->layout()->addWidget(box);
        lineBoxes_.push_back(box);
    }
    groups->addStretch();

    auto* body = new QHBoxLayout;
    body->addWidget(list_, 1);
    body->addLayout(groups);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(named(new QLabel(QString::fromUtf8(PortWindowModel::kPrompt)), "Label1"));
    layout->addLayout(body, 1);
    keying_ = new KeyingPanel(model_);
    connect(keying_, &KeyingPanel::applied, this, [this] {
        refresh();
        Q_EMIT changed();
    });
    layout->addWidget(keying_);
    error_ = named(new QLabel, "StaticTextErreur");
    error_->setWordWrap(true);
    showRed(error_, true);
    layout->addWidget(error_);
    refresh();
}

void PortWindow::refresh() {
    const QSignalBlocker quiet(list_);
    setItemsIfChanged(list_, shownEach(model_.portList().Items));
    const int selected = model_.portList().ItemIndex;
    if (list_->currentRow() != selected || list_->selectedItems().isEmpty() != (selected < 0)) {
        list_->clearSelection();
        list_->setCurrentRow(selected);
    }
    showOwnText(error_, model_.errorLine());

    for (std::size_t i = 0; i < lineBoxes_.size(); ++i) {
        setCheckedIfChanged(lineBoxes_[i], model_.lines().*kPortLineBoxes[i].checked);
    }
    keyingLines_->setEnabled(model_.lines().keying.kind == KeyingKind::Serial);
    keying_->refresh();
}

void PortWindow::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        if (!devicesListed_) keying_->listDevices();
        devicesListed_ = true;
        model_.prepareToShow();
        refresh();
    }
    QWidget::showEvent(event);
}

void PortWindow::pick(int row) {
    model_.choosePortFromList(row);
    refresh();
    Q_EMIT changed();
}

}  // namespace skycrier::gui
