#pragma once
// The main window (TForm1): clock, status, bulletin settings, volume, the
// main menu and the sound-card panel. It shows the engine's state and hands
// every action to the engine; the tray icon and the other windows are owned
// by the program's front end (desktop_program.h).
//
// Threading: the GUI thread, which is also the engine's loop thread.

#include <QMainWindow>
#include <map>
#include <string>

#include "app/program.h"
#include "gui/desktop.h"

class QAction;
class QActionGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSlider;
class QSpinBox;
class QGroupBox;

namespace skycrier::gui {

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(Program& program, Desktop& desktop);

    // Reads the engine's state into the controls; changes only what differs.
    void refresh();

    // The menus, for the screenshots of each menu open.
    QList<QMenu*> topMenus() const;
    // "?": the source windows' help buttons open it too.
    QMenu& helpMenu() const { return *MenuHelpInfo_; }

Q_SIGNALS:
    // "Ver el WX" and "Fuente del WX": the source windows' visibility changed in the model.
    void sourceWindowsChanged();
    // "Info" and the station lamp's click.
    void infoRequested();
    // "Puerto COM".
    void portWindowRequested();
    // "Guardar anuncio" became checked.
    void recordWindowRequested();
    // The item that opens the units window.
    void unitsWindowRequested();
    // "Salir" and the close box: the front end closes the program.
    void quitRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildTopRow();
    QGroupBox* buildPanelConfig();
    QGroupBox* buildVolumePanel();
    QGroupBox* buildSoundCardPanel();
    QWidget* buildOptions();
    void buildHiddenControls(QWidget* parent);
    void buildMenus();
    QMenu* buildHourMenu(const char* name, const std::string& caption, char prefix, int checkedHour);
    void stepPeriod(int delta);
    void showSourceWindowButtonReleased(bool rightButton);

    Program& program_;
    Announcer& a_;
    Desktop& desktop_;

    QLineEdit* EditDate_ = nullptr;
    QLineEdit* EditTime_ = nullptr;
    QPushButton* Button1_ = nullptr;
    QLabel* ImageLedON_ = nullptr;
    QLabel* ImageLedOFF_ = nullptr;
    QLabel* LabelCOM_ = nullptr;
    QLabel* ImageBrell_ = nullptr;
    QLabel* ImageBrellOff_ = nullptr;
    QCheckBox* CheckBoxEntete_ = nullptr;
    QPushButton* ButtonParcourirEnTete_ = nullptr;
    QSpinBox* SpinEditPause_ = nullptr;
    QCheckBox* CheckBoxBrell_ = nullptr;
    QPushButton* ButtonParcourirBrell_ = nullptr;
    QCheckBox* CheckBoxDate_ = nullptr;
    QCheckBox* CheckBoxFin_ = nullptr;
    QPushButton* ButtonParcourirFin_ = nullptr;
    QLineEdit* Edit1_ = nullptr;
    QSlider* TrackBarVolume_ = nullptr;
    QProgressBar* Gauge1_ = nullptr;
    QGroupBox* Panel1_ = nullptr;
    QCheckBox* CheckBoxDemarrage_ = nullptr;
    QCheckBox* CheckBoxReduire_ = nullptr;
    QCheckBox* CheckBoxInfoVersion_ = nullptr;
    QLineEdit* EditData_ = nullptr;
    QLabel* StaticTextW_ = nullptr;
    QLabel* LabelCTS_ = nullptr;
    QLabel* LabelDSR_ = nullptr;
    QLabel* LabelDCD_ = nullptr;
    QGroupBox* PanelCarteSon_ = nullptr;
    QRadioButton* RadioButtonCarteWin_ = nullptr;
    QRadioButton* RadioButtonCarteMoi_ = nullptr;
    QComboBox* ComboBoxChoixOut_ = nullptr;
    QPushButton* BitBtnOKCarteSon_ = nullptr;

    QMenu* menuFichier_ = nullptr;
    QMenu* MenuDebutPlageHoraire_ = nullptr;
    QMenu* MenuFinPlageHoraire_ = nullptr;
    QMenu* MenuHelpInfo_ = nullptr;
    std::map<std::string, QAction*> hourItems_;
    QAction* MenuAnnonce_[4] = {};
    QAction* MenuRecord_ = nullptr;
    QAction* menu8secteurs_ = nullptr;
    QAction* Menu16secteurs_ = nullptr;
    QAction* MenuSimuErreur_ = nullptr;
};

}  // namespace skycrier::gui
