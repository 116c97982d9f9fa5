#include "gui/monitor_window.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/widgets.h"
#include "gui/translation.h"

namespace skycrier::gui {

MonitorWindow::MonitorWindow(MonitorSource& model, QWidget* parent) : SourceWindowFrame(model, parent), model_(model) {
    port_ = named(new QPushButton, "ButtonPort", MonitorSource::kPortButtonHint);
    showsData(port_);
    connect(port_, &QPushButton::clicked, this, [this] { act([this] { model_.showPortList(); }); });
    ports_ = named(new QListWidget, "ListBoxPort");
    ports_->hide();
    connect(ports_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        act([this, item] {
            model_.choosePortFromList(ports_->row(item));
        });
    });
    status_ = named(new QLabel, "StaticTextStatus");
    version_ = named(new QLabel, "LabelVersion");
    sourceArea()->addWidget(port_);
    sourceArea()->addWidget(ports_);
    sourceArea()->addWidget(status_);
    sourceArea()->addWidget(version_);

    log_ = named(new QCheckBox(qs(model_.hourlyLogBox().caption)), "CheckBoxlog");
    connect(log_, &QCheckBox::toggled, this, [this](bool on) { model_.keepHourlyLog(on); });
    detailArea()->addWidget(log_);

    // This window names its tendency box in lower case, and shows its state in the status line.
    checkBoxOf(MeteoField::Tend)->setObjectName(QStringLiteral("CheckBoxtend"));
    errorLine()->hide();
    refresh();
}

void MonitorWindow::refreshOwn() {
    setTextIfChanged(port_, qs(model_.portButtonText()));
    showOwnText(status_, model_.statusText());
    showOwnText(version_, model_.versionText());
    setCheckedIfChanged(log_, model_.hourlyLogBox().checked);
    setItemsIfChanged(ports_, shownEach(model_.portList().Items));
    if (ports_->currentRow() != model_.portList().ItemIndex) ports_->setCurrentRow(model_.portList().ItemIndex);
    ports_->setVisible(model_.portList().visible);
}

void MonitorWindow::periodChanged(int minutes) {
    model_.poller().setMinutes(minutes);
    model_.poller().followPeriod();
}

}  // namespace skycrier::gui
