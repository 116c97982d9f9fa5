#pragma once
// The main window (MainWindowModel): clock, status, bulletin settings, volume, the
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
#include "gui/repaint_on_change.h"
#include "gui/translation.h"

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
    // Every menu title stays in view: the window is at least as wide as its
    // menu bar, whose titles change length with the language.
    void keepMenusInView();
    // "?": the source windows' help buttons open it too.
    QMenu& helpMenu() const { return *helpItem_; }

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
    // An item of "Idioma": the front end shows every window in that language.
    void languageChosen(skycrier::gui::Language language);

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
    void buildLanguageMenu();
    QMenu* buildHourMenu(const char* name, const std::string& caption, char prefix, int checkedHour);
    void stepPeriod(int delta);
    void showSourceWindowButtonReleased(bool rightButton);

    Program& program_;
    Announcer& a_;
    const Announcer::MainWindowModels models_;
    Desktop& desktop_;

    QLineEdit* dateField_ = nullptr;
    QLineEdit* timeField_ = nullptr;
    QPushButton* announceButton_ = nullptr;
    QLabel* ledOn_ = nullptr;
    QLabel* ledOff_ = nullptr;
    QLabel* portLabel_ = nullptr;
    QLabel* bulletinsAllowedLamp_ = nullptr;
    QLabel* bulletinsHeldLamp_ = nullptr;
    QCheckBox* playHeaderBox_ = nullptr;
    QPushButton* headerFileButton_ = nullptr;
    QSpinBox* pauseSecondsBox_ = nullptr;
    QCheckBox* playGreetingBox_ = nullptr;
    QPushButton* greetingFileButton_ = nullptr;
    QCheckBox* speakDateBox_ = nullptr;
    QCheckBox* playClosingBox_ = nullptr;
    QPushButton* closingFileButton_ = nullptr;
    QLineEdit* periodField_ = nullptr;
    QSlider* volumeSlider_ = nullptr;
    QProgressBar* levelBar_ = nullptr;
    QGroupBox* levelPanel_ = nullptr;
    QCheckBox* startWithSessionBox_ = nullptr;
    QCheckBox* startMinimisedBox_ = nullptr;
    QCheckBox* checkVersionAtStartBox_ = nullptr;
    QLineEdit* statusField_ = nullptr;
    QLabel* recorderStatusLabel_ = nullptr;
    QLabel* ctsLamp_ = nullptr;
    QLabel* dsrLamp_ = nullptr;
    QLabel* dcdLamp_ = nullptr;
    QGroupBox* outputPanel_ = nullptr;
    QRadioButton* systemOutputButton_ = nullptr;
    QRadioButton* ownOutputButton_ = nullptr;
    QComboBox* outputListBox_ = nullptr;
    QPushButton* outputOkButton_ = nullptr;

    QMenu* menuFichier_ = nullptr;
    QMenu* startHourMenu_ = nullptr;
    QMenu* endHourMenu_ = nullptr;
    QMenu* helpItem_ = nullptr;
    std::map<std::string, QAction*> hourItems_;
    QAction* staleRuleItems_[4] = {};
    QAction* recordBulletinsItem_ = nullptr;
    QAction* menu8secteurs_ = nullptr;
    QAction* sixteenPointDirectionsItem_ = nullptr;
    QAction* errorSimulationItem_ = nullptr;
    QAction* englishItem_ = nullptr;
    QAction* spanishItem_ = nullptr;
    RepaintOnChange repaint_{[this] { refresh(); }};
};

}  // namespace skycrier::gui
