#include "gui/keying_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "gui/translation.h"
#include "gui/widgets.h"
#include "platform/gpio_chips.h"
#include "platform/hamlib_rigs.h"
#include "platform/hidraw_list.h"

namespace skycrier::gui {
namespace {

// In the order of KeyingKind.
constexpr const char* kKinds[] = {"Serial port lines (DTR/RTS)", "Hamlib (CAT)", "CM108 sound card GPIO", "GPIO line",
                                  "VOX (the radio keys itself)"};

// The number an editable list's text begins with ("2  Hamlib NET rigctl"); the default when none.
int leadingNumber(const QString& text, int fallback) {
    bool ok = false;
    const int n = text.section(QLatin1Char(' '), 0, 0).toInt(&ok);
    return ok ? n : fallback;
}

// An editable list's device: its text up to the first blank ("/dev/hidraw3  C-Media ...").
std::string leadingWord(const QString& text) { return text.trimmed().section(QLatin1Char(' '), 0, 0).toStdString(); }

QComboBox* editableList(const char* name) {
    auto* list = named(new QComboBox, name);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    showsData(list->lineEdit());
    return list;
}

QSpinBox* lineNumber(const char* name) {
    auto* spin = named(new QSpinBox, name);
    spin->setRange(-1, 65'535);
    spin->setSpecialValueText(QStringLiteral("None"));
    return spin;
}

QWidget* page(QLayout* layout) {
    auto* widget = new QWidget;
    widget->setLayout(layout);
    return widget;
}

QLabel* note(const char* text) {
    auto* label = new QLabel(QString::fromUtf8(text));
    label->setWordWrap(true);
    return label;
}

}  // namespace

KeyingPanel::KeyingPanel(PortWindowModel& model, QWidget* parent)
    : QGroupBox(QStringLiteral("Transmitter keying"), parent), model_(model) {
    named(this, "GroupBoxPTT");
    kind_ = named(new QComboBox, "ComboBoxPTT");
    for (const char* kind : kKinds) kind_->addItem(QString::fromUtf8(kind));
    pages_ = named(new QStackedWidget, "PanelPTT");

    rig_ = editableList("ComboBoxRig");
    rigPort_ = named(new QLineEdit, "EditHamlibPort");
    rigPort_->setPlaceholderText(QStringLiteral("/dev/ttyUSB0 or host:port"));
    showsData(rigPort_);
    rigSpeed_ = named(new QSpinBox, "SpinHamlibSpeed");
    rigSpeed_->setRange(0, 4'000'000);
    rigSpeed_->setSpecialValueText(QStringLiteral("Rig's default"));
    rigBusy_ = named(new QCheckBox(QStringLiteral("The rig's squelch (DCD) holds bulletins back")), "CheckBoxHamlibDCD");
    auto* hamlib = new QFormLayout;
    hamlib->addRow(QStringLiteral("Rig model"), rig_);
    hamlib->addRow(QStringLiteral("Rig port"), rigPort_);
    hamlib->addRow(QStringLiteral("Speed (baud)"), rigSpeed_);
    hamlib->addRow(rigBusy_);

    card_ = editableList("ComboBoxCM108");
    card_->lineEdit()->setPlaceholderText(QStringLiteral("the first CM108-family card found"));
    cardPin_ = named(new QSpinBox, "SpinCM108GPIO");
    cardPin_->setRange(1, 8);
    auto* cm108 = new QFormLayout;
    cm108->addRow(QStringLiteral("Sound card"), card_);
    cm108->addRow(QStringLiteral("GPIO pin"), cardPin_);

    chip_ = editableList("ComboBoxGpioChip");
    pttLine_ = lineNumber("SpinGpioLine");
    triggerLine_ = lineNumber("SpinGpioTrigger");
    busyLine_ = lineNumber("SpinGpioBusy");
    activeLow_ = named(new QCheckBox(QStringLiteral("Lines active low")), "CheckBoxGpioActiveLow");
    auto* gpio = new QFormLayout;
    gpio->addRow(QStringLiteral("GPIO chip"), chip_);
    gpio->addRow(QStringLiteral("PTT line"), pttLine_);
    gpio->addRow(QStringLiteral("Trigger line"), triggerLine_);
    gpio->addRow(QStringLiteral("Busy line"), busyLine_);
    gpio->addRow(activeLow_);

    auto* serial = new QVBoxLayout;
    serial->addWidget(note("The ticked DTR and RTS lines of the port key the transmitter."));
    serial->addStretch();
    auto* vox = new QVBoxLayout;
    vox->addWidget(note("Nothing is keyed: the radio's VOX keys it on the sound."));
    vox->addStretch();
    for (QLayout* layout : {static_cast<QLayout*>(serial), static_cast<QLayout*>(hamlib), static_cast<QLayout*>(cm108),
                            static_cast<QLayout*>(gpio), static_cast<QLayout*>(vox)})
        pages_->addWidget(page(layout));

    apply_ = named(new QPushButton(QStringLiteral("Apply")), "ButtonApplyPTT");
    connect(kind_, &QComboBox::currentIndexChanged, this, [this](int kind) { showKind(kind); });
    const auto edit = [this] { apply_->setEnabled(edited() != model_.lines().keying); };
    for (QComboBox* list : {rig_, card_, chip_}) connect(list, &QComboBox::editTextChanged, this, edit);
    connect(rigPort_, &QLineEdit::textChanged, this, edit);
    for (QSpinBox* spin : {rigSpeed_, cardPin_, pttLine_, triggerLine_, busyLine_})
        connect(spin, &QSpinBox::valueChanged, this, edit);
    for (QCheckBox* box : {rigBusy_, activeLow_}) connect(box, &QCheckBox::toggled, this, edit);
    connect(apply_, &QPushButton::clicked, this, [this] {
        model_.setKeying(edited());
        refresh();
        Q_EMIT applied();
    });
    auto* top = new QHBoxLayout;
    top->addWidget(kind_, 1);
    top->addWidget(apply_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(pages_);
    show(model_.lines().keying);
}

void KeyingPanel::listDevices() {
    const QSignalBlocker quietRigs(rig_);
    const QSignalBlocker quietCards(card_);
    const QSignalBlocker quietChips(chip_);
    for (QComboBox* list : {rig_, card_, chip_}) list->clear();
    for (const RigModel& rig : listRigModels())
        rig_->addItem(QString::number(rig.number) + QStringLiteral("  ") + qs(rig.maker) + QLatin1Char(' ') + qs(rig.model));
    for (const HidDevice& card : listCm108Devices()) card_->addItem(qs(card.path) + QStringLiteral("  ") + qs(card.name));
    for (const GpioChip& chip : listGpioChips()) chip_->addItem(qs(chip.name) + QStringLiteral("  ") + qs(chip.label));
    show(model_.lines().keying);
}

void KeyingPanel::refresh() {
    const KeyingSettings& keying = model_.lines().keying;
    if (keying != shown_) show(keying);
    apply_->setEnabled(edited() != keying);
}

void KeyingPanel::show(const KeyingSettings& k) {
    shown_ = k;
    kind_->setCurrentIndex(static_cast<int>(k.kind));
    showKind(static_cast<int>(k.kind));
    const int listed = rig_->findText(QString::number(k.hamlibModel) + QStringLiteral("  "), Qt::MatchStartsWith);
    if (listed >= 0)
        rig_->setCurrentIndex(listed);
    else
        rig_->setEditText(QString::number(k.hamlibModel));
    rigPort_->setText(qs(k.hamlibPort));
    rigSpeed_->setValue(k.hamlibSpeed);
    rigBusy_->setChecked(k.hamlibBusy);
    card_->setEditText(qs(k.cm108Device));
    cardPin_->setValue(k.cm108Gpio);
    chip_->setEditText(qs(k.gpioChip));
    pttLine_->setValue(k.gpioLine);
    triggerLine_->setValue(k.gpioTriggerLine);
    busyLine_->setValue(k.gpioBusyLine);
    activeLow_->setChecked(k.gpioActiveLow);
}

void KeyingPanel::showKind(int kind) {
    pages_->setCurrentIndex(kind);
    apply_->setEnabled(edited() != model_.lines().keying);
}

KeyingSettings KeyingPanel::edited() const {
    KeyingSettings k;
    k.kind = static_cast<KeyingKind>(kind_->currentIndex());
    k.hamlibModel = leadingNumber(rig_->currentText(), k.hamlibModel);
    k.hamlibPort = rigPort_->text().trimmed().toStdString();
    k.hamlibSpeed = rigSpeed_->value();
    k.hamlibBusy = rigBusy_->isChecked();
    k.cm108Device = leadingWord(card_->currentText());
    k.cm108Gpio = cardPin_->value();
    const std::string chip = leadingWord(chip_->currentText());
    if (!chip.empty()) k.gpioChip = chip;
    k.gpioLine = pttLine_->value();
    k.gpioTriggerLine = triggerLine_->value();
    k.gpioBusyLine = busyLine_->value();
    k.gpioActiveLow = activeLow_->isChecked();
    return k;
}

}  // namespace skycrier::gui
