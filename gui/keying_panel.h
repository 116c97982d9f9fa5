#pragma once
// The port window's keying group: how the transmitter is keyed (the port's
// lines, Hamlib, a CM108 sound card's GPIO pin, a GPIO line, or VOX) and that
// keying's settings, with the devices the machine offers. Hardware settings
// take effect on "Apply", never keystroke by keystroke: a half-typed GPIO line
// must not be driven.
//
// Threading: the GUI thread, which is also the engine's loop.

#include <QGroupBox>

#include "app/port_window.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QStackedWidget;

namespace skycrier::gui {

class KeyingPanel : public QGroupBox {
    Q_OBJECT

public:
    explicit KeyingPanel(PortWindowModel& model, QWidget* parent = nullptr);

    // Shows the model's keying unless the user is editing another one.
    void refresh();
    // Fills the device lists from the machine (Hamlib's rigs, the sound cards,
    // the GPIO chips) and shows the model's keying again.
    void listDevices();

Q_SIGNALS:
    // The keying was applied.
    void applied();

private:
    KeyingSettings edited() const;
    void show(const KeyingSettings& keying);
    void showKind(int kind);

    PortWindowModel& model_;
    // The keying last shown from the model.
    KeyingSettings shown_;
    QComboBox* kind_;
    QStackedWidget* pages_;
    QComboBox* rig_;
    QLineEdit* rigPort_;
    QSpinBox* rigSpeed_;
    QCheckBox* rigBusy_;
    QComboBox* card_;
    QSpinBox* cardPin_;
    QComboBox* chip_;
    QSpinBox* pttLine_;
    QSpinBox* triggerLine_;
    QSpinBox* busyLine_;
    QCheckBox* activeLow_;
    QPushButton* apply_;
};

}  // namespace skycrier::gui
