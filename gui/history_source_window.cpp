#include "gui/history_source_window.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "gui/desktop.h"
#include "gui/translation.h"
#include "gui/widgets.h"

namespace skycrier::gui {
namespace {

constexpr DataFileKind kHistoryDat{"Archivo history.dat", "Fichiers history.dat|*.dat", "dat"};
constexpr DataFileKind kWeatherLinkMonth{"Archivo .wlk", "Fichier weatherlink wlk|*.wlk", "wlk"};

// A field without limits would ask for room for ten digits; the values it
// holds need five, so the window stays narrow.
void fitFiveDigits(QSpinBox* spin) {
    QSpinBox probe;
    probe.setRange(-99999, 99999);
    spin->setMinimumWidth(probe.minimumSizeHint().width());
}

// A caption that breaks between its words when the window is narrow.
QLabel* wrapping(const char* caption) {
    auto* label = new QLabel(QString::fromUtf8(caption));
    label->setWordWrap(true);
    return label;
}

}  // namespace

HistorySourceWindow::HistorySourceWindow(Ws23Source& model, Desktop& desktop, QWidget* parent)
    : HistorySourceWindow(model, kHistoryDat, desktop, parent) {
    refreshOwn();
}

HistorySourceWindow::HistorySourceWindow(Ws28Source& model, Desktop& desktop, QWidget* parent)
    : HistorySourceWindow(model, kHistoryDat, desktop, parent) {
    addPressureChoice(model);
    refreshOwn();
}

HistorySourceWindow::HistorySourceWindow(Pro2Source& model, Desktop& desktop, QWidget* parent)
    : HistorySourceWindow(model, kWeatherLinkMonth, desktop, parent) {
    addFollowMonth(model);
    refreshOwn();
}

HistorySourceWindow::HistorySourceWindow(HistorySource& model, const DataFileKind& file, Desktop& desktop,
                                         QWidget* parent)
    : SourceWindowFrame(model, parent), model_(model), desktop_(desktop) {
    addFileRow(file);
    addDetails();
}

void HistorySourceWindow::addFileRow(const DataFileKind& file) {
    path_ = named(new QLineEdit, "EditDat");
    // The path comes from the chooser only; the field shows it and lets it be copied.
    path_->setReadOnly(true);
    auto* browse = named(new QPushButton(QStringLiteral("Navigar")), "ButtonParcourir");
    connect(browse, &QPushButton::clicked, this, [this, file] {
        if (const auto chosen = desktop_.chooseFile(this, file.filter, file.defaultSuffix))
            act([this, &chosen] { model_.takeChosenFile(*chosen); });
    });
    auto* row = new QHBoxLayout;
    row->addWidget(path_, 1);
    row->addWidget(browse);
    sourceArea()->addWidget(new QLabel(QString::fromUtf8(file.label)));
    sourceArea()->addLayout(row);
}

void HistorySourceWindow::addDetails() {
    dateTime_ = named(new QLineEdit, "Editdatemeteo");
    dateTime_->setReadOnly(true);
    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(new QLabel(QStringLiteral("Fecha y hora")));
    dateRow->addWidget(dateTime_, 1);
    detailArea()->addLayout(dateRow);

    correction_ = spinBoxFor(model_.pressureCorrection(), "SpinEditOffSetPression");
    fitFiveDigits(correction_);
    connect(correction_, &QSpinBox::valueChanged, this,
            [this](int value) { act([this, value] { model_.setPressureCorrection(value); }); });
    threshold_ = spinBoxFor(model_.tendencyThreshold(), "SpinEditSeuiltendance");
    connect(threshold_, &QSpinBox::valueChanged, this, [this](int value) {
        act([this, value] {
            model_.setTendencyThreshold(value);
        });
    });
    correctionUnit_ = named(new QLabel, "Label6");
    thresholdUnit_ = named(new QLabel, "Label9");
    auto* settings = new QGridLayout;
    settings->addWidget(wrapping("Corrección de presión"), 0, 0);
    settings->addWidget(correction_, 0, 1);
    settings->addWidget(correctionUnit_, 0, 2);
    settings->addWidget(wrapping("Paso de tendencia"), 1, 0);
    settings->addWidget(threshold_, 1, 1);
    settings->addWidget(thresholdUnit_, 1, 2);
    settings->setColumnStretch(3, 1);
    detailArea()->addLayout(settings);

    insideHumidity_ = named(new QLabel, "LabelHumInt");
    dewPoint_ = named(new QLabel, "LabelTros");
    detailArea()->addWidget(insideHumidity_);
    detailArea()->addWidget(dewPoint_);
}

void HistorySourceWindow::addPressureChoice(Ws28Source& model) {
    ws28_ = &model;
    absolute_ = named(new QRadioButton(QStringLiteral("Absoluta")), "RadioButtonPABS");
    relative_ = named(new QRadioButton(QStringLiteral("Relativa")), "RadioButtonPREL");
    connect(absolute_, &QRadioButton::clicked, this, [this] { act([this] { ws28_->chooseAbsolutePressure(); }); });
    connect(relative_, &QRadioButton::clicked, this, [this] { act([this] { ws28_->chooseRelativePressure(); }); });
    auto* group = new QGroupBox(QString::fromUtf8("Presión"));
    auto* row = new QHBoxLayout(group);
    row->addWidget(absolute_);
    row->addWidget(relative_);
    row->addStretch();
    detailArea()->addWidget(group);
}

void HistorySourceWindow::addFollowMonth(Pro2Source& model) {
    pro2_ = &model;
    followMonth_ = named(new QCheckBox(qs(model.currentMonthFileBox().caption)), "CheckBoxFichier");
    connect(followMonth_, &QCheckBox::toggled, this,
            [this](bool on) { act([this, on] { pro2_->followCurrentMonth(on); }); });
    detailArea()->addWidget(followMonth_);
}

void HistorySourceWindow::refreshOwn() {
    setTextIfChanged(path_, qs(model_.inputLine()));
    // A one-off request (after a choice or on showing): later refreshes keep the user's selection.
    if (model_.takeInputSelection()) path_->selectAll();
    showCaption(dateTime_, model_.observationTime());
    showValue(correction_, model_.pressureCorrection());
    showValue(threshold_, model_.tendencyThreshold());
    showCaption(correctionUnit_, model_.pressureUnit());
    showCaption(thresholdUnit_, model_.tendencyUnit());
    showCaption(insideHumidity_, model_.insideHumidityCaption());
    showCaption(dewPoint_, model_.dewPointCaption());
    if (ws28_) {
        const QSignalBlocker quietAbsolute(absolute_);
        const QSignalBlocker quietRelative(relative_);
        setCheckedIfChanged(absolute_, ws28_->absolutePressure());
        setCheckedIfChanged(relative_, ws28_->relativePressure());
    }
    if (pro2_) {
        const QSignalBlocker quiet(followMonth_);
        showOwnText(followMonth_, pro2_->currentMonthFileBox().caption);
        setCheckedIfChanged(followMonth_, pro2_->currentMonthFileBox().checked);
    }
}

}  // namespace skycrier::gui
