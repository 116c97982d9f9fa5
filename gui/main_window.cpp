#include "gui/main_window.h"

#include <QAbstractItemView>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <cstdio>

#include "app/program_folder.h"
#include "gui/help_file.h"
#include "gui/translation.h"
#include "gui/widgets.h"
#include "gui/window_geometry.h"

namespace skycrier::gui {
namespace {

constexpr const char* kWaveFilter = "Fichiers son *.wav|*.wav";

// A round lamp of the given colour, drawn so the program needs no image files.
QPixmap lamp(const QColor& colour) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(colour);
    painter.setPen(colour.darker());
    painter.drawEllipse(1, 1, 14, 14);
    return pixmap;
}

QLabel* lampLabel(const char* name, const QColor& colour, const char* hint = nullptr) {
    auto* label = named(new QLabel, name, hint);
    label->setPixmap(lamp(colour));
    return label;
}

std::string twoDigits(int n) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", n);
    return text;
}

}  // namespace

MainWindow::MainWindow(Program& program, Desktop& desktop)
    : program_(program), a_(program.announcer()), models_(a_.mainModels()), desktop_(desktop) {
    setObjectName("TForm1");
    showOwnTitle(this, models_.window.caption());
    // The system menu only: no minimise or maximise buttons.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    layout->addWidget(buildTopRow());
    auto* middle = new QHBoxLayout;
    middle->addWidget(buildPanelConfig(), 1);
    middle->addWidget(buildVolumePanel());
    layout->addLayout(middle);
    layout->addWidget(buildSoundCardPanel());
    layout->addWidget(buildOptions());
    statusField_ = named(new QLineEdit, "EditData");
    statusField_->setReadOnly(true);
    layout->addWidget(statusField_);
    buildHiddenControls(central);
    setCentralWidget(central);
    buildMenus();
    keepMenusInView();

    // Key preview: every key pressed in this window comes here first.
    qApp->installEventFilter(this);
    for (Signal<>* model : {&models_.window.changed, &models_.clock.changed, &a_.statusBoard().changed,
                            &a_.portWindow().changed, &models_.sound.changed})
        repaint_.watch(*model);
    if (models_.recorder) repaint_.watch(models_.recorder->statusChanged);
    refresh();
}

QWidget* MainWindow::buildTopRow() {
    auto* row = new QWidget;
    auto* h = new QHBoxLayout(row);
    h->setContentsMargins(0, 0, 0, 0);
    dateField_ = named(new QLineEdit, "EditDate");
    timeField_ = named(new QLineEdit, "EditTime");
    for (QLineEdit* e : {dateField_, timeField_}) {
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::NoFocus);
    }
    announceButton_ = named(new QPushButton("LOCUTAR"), "Button1");
    connect(announceButton_, &QPushButton::clicked, this, [this] {
        a_.requestBulletin(BulletinTrigger::Button);
        refresh();
    });
    ledOn_ = lampLabel("ImageLedON", Qt::red, "The transmitter is keyed");
    ledOff_ = lampLabel("ImageLedOFF", Qt::darkGray, "The transmitter is not keyed");
    portLabel_ = named(new QLabel("COM"), "LabelCOM");
    showsData(portLabel_);
    bulletinsAllowedLamp_ = lampLabel("ImageBrell", QColor(0, 160, 0), "Click for info");
    bulletinsHeldLamp_ = lampLabel("ImageBrellOff", QColor(200, 120, 0), "Haga Clic para info");
    for (QLabel* image : {bulletinsAllowedLamp_, bulletinsHeldLamp_}) {
        image->setCursor(Qt::PointingHandCursor);
        image->installEventFilter(this);
    }
    auto* button2 = named(new QPushButton("-"), "Button2", "Minimize");
    button2->setFixedWidth(button2->fontMetrics().horizontalAdvance("--") + 16);
    connect(button2, &QPushButton::clicked, this, [this] { models_.window.minimiseByUser(); });
    h->addWidget(dateField_);
    h->addWidget(timeField_);
    h->addWidget(announceButton_);
    h->addWidget(ledOn_);
    h->addWidget(ledOff_);
    h->addWidget(portLabel_);
    h->addWidget(bulletinsAllowedLamp_);
    h->addWidget(bulletinsHeldLamp_);
    h->addWidget(button2);
    return row;
}

QGroupBox* MainWindow::buildPanelConfig() {
    auto* panel = named(new QGroupBox("Contenido del anuncio"), "PanelConfig");
    auto* grid = new QGridLayout(panel);
    BulletinSettings& s = models_.settings;
    const auto fileRow = [&](int row, QCheckBox*& box, const char* boxName, const char* caption, QPushButton*& button,
                             const char* buttonName, bool BulletinSettings::*flag,
                             void (MainWindowModel::*choose)(const std::string&)) {
        box = named(new QCheckBox(QString::fromUtf8(caption)), boxName);
        button = named(new QPushButton("Navegar"), buttonName);
        hintShowsData(button);
        connect(box, &QCheckBox::toggled, this, [&s, flag](bool on) { s.*flag = on; });
        connect(button, &QPushButton::clicked, this, [this, choose] {
            if (const auto chosen = desktop_.chooseFile(this, kWaveFilter, "wav")) (models_.window.*choose)(*chosen);
            refresh();
        });
        grid->addWidget(box, row, 0);
        grid->addWidget(button, row, 1);
    };
    fileRow(0, playHeaderBox_, "CheckBoxEntete", "Encabezado", headerFileButton_, "ButtonParcourirEnTete",
            &BulletinSettings::playHeader, &MainWindowModel::chooseHeaderFile);
    pauseSecondsBox_ = named(new QSpinBox, "SpinEditPause");
    pauseSecondsBox_->setRange(0, 15);
    pauseSecondsBox_->setPrefix("Esperar ");
    pauseSecondsBox_->setSuffix(" sec");
    connect(pauseSecondsBox_, &QSpinBox::valueChanged, this, [&s](int v) { s.pauseSeconds = v; });
    grid->addWidget(pauseSecondsBox_, 1, 0, 1, 2);
    fileRow(2, playGreetingBox_, "CheckBoxBrell", "Hola", greetingFileButton_, "ButtonParcourirBrell",
            &BulletinSettings::playGreeting, &MainWindowModel::chooseGreetingFile);
    speakDateBox_ = named(new QCheckBox("Fecha"), "CheckBoxDate");
    connect(speakDateBox_, &QCheckBox::toggled, this, [&s](bool on) { s.speakDate = on; });
    grid->addWidget(speakDateBox_, 3, 0, 1, 2);
    fileRow(4, playClosingBox_, "CheckBoxFin", "adiós", closingFileButton_, "ButtonParcourirFin",
            &BulletinSettings::playClosing, &MainWindowModel::chooseClosingFile);

    grid->addWidget(named(new QLabel("Frecuencia"), "LabelFrecuencia"), 5, 0, 1, 2);
    auto* period = new QHBoxLayout;
    period->addWidget(named(new QLabel("Cada"), "LabelCada"));
    auto* updown = named(new QWidget, "UpDownPeriode");
    auto* arrows = new QVBoxLayout(updown);
    arrows->setContentsMargins(0, 0, 0, 0);
    arrows->setSpacing(0);
    for (const auto& [arrow, delta] : {std::pair{Qt::UpArrow, 1}, std::pair{Qt::DownArrow, -1}}) {
        auto* button = new QToolButton;
        button->setArrowType(arrow);
        button->setFixedSize(18, 11);
        connect(button, &QToolButton::clicked, this, [this, step = delta] { stepPeriod(step); });
        arrows->addWidget(button);
    }
    periodField_ = named(new QLineEdit, "Edit1");
    periodField_->setReadOnly(true);
    periodField_->setMaxLength(2);
    periodField_->setToolTip("Minutes between scheduled bulletins (0: none); the arrows change them");
    updown->setToolTip(periodField_->toolTip());
    periodField_->setFixedWidth(periodField_->fontMetrics().horizontalAdvance("000") + 12);
    period->addWidget(periodField_);
    period->addWidget(updown);
    period->addWidget(named(new QLabel("minutos"), "LabelMinutos"));
    period->addStretch();
    grid->addLayout(period, 6, 0, 1, 2);
    return panel;
}

QGroupBox* MainWindow::buildVolumePanel() {
    levelPanel_ = named(new QGroupBox, "Panel1");
    auto* v = new QVBoxLayout(levelPanel_);
    v->addWidget(named(new QLabel("Volumen"), "Label6"), 0, Qt::AlignHCenter);
    auto* h = new QHBoxLayout;
    volumeSlider_ = named(new QSlider(Qt::Vertical), "TrackBarVolume");
    volumeSlider_->setRange(0, 10);
    // Position 0, full volume, is at the top.
    volumeSlider_->setInvertedAppearance(true);
    volumeSlider_->setInvertedControls(true);
    volumeSlider_->setTickPosition(QSlider::TicksRight);
    connect(volumeSlider_, &QSlider::valueChanged, this,
            [this](int position) { models_.sound.moveVolumeSlider(position); });
    levelBar_ = named(new QProgressBar, "Gauge1");
    levelBar_->setOrientation(Qt::Vertical);
    levelBar_->setRange(0, 100);
    levelBar_->setTextVisible(false);
    levelBar_->setFixedWidth(12);
    h->addWidget(volumeSlider_);
    h->addWidget(levelBar_);
    v->addLayout(h, 1);
    levelPanel_->installEventFilter(this);
    return levelPanel_;
}

QGroupBox* MainWindow::buildSoundCardPanel() {
    outputPanel_ = named(new QGroupBox, "PanelCarteSon");
    auto* v = new QVBoxLayout(outputPanel_);
    auto* title = named(new QLabel(QString::fromUtf8("DIE SOUND-KARTE ÄNDERN")), "TitreCarteSon");
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    v->addWidget(title);
    systemOutputButton_ = named(new QRadioButton("Windows elije la placa de sonido"), "RadioButtonCarteWin");
    ownOutputButton_ = named(new QRadioButton("Seleccionar la placa de sonido"), "RadioButtonCarteMoi");
    systemOutputButton_->setChecked(true);
    v->addWidget(systemOutputButton_);
    v->addWidget(ownOutputButton_);
    v->addWidget(named(new QLabel(QString::fromUtf8("salida de reproducción")), "LabelSonOut"));
    outputListBox_ = named(new QComboBox, "ComboBoxChoixOut");
    outputListBox_->setEditable(true);
    // Outputs have long names and descriptions: the list opens wide, the panel stays narrow.
    outputListBox_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    outputListBox_->setMinimumContentsLength(24);
    outputListBox_->view()->setMinimumWidth(outputListBox_->fontMetrics().averageCharWidth() * 60);
    v->addWidget(outputListBox_);
    outputOkButton_ = named(new QPushButton("OK"), "BitBtnOKCarteSon");
    v->addWidget(outputOkButton_, 0, Qt::AlignRight);
    outputPanel_->hide();
    SoundOutput& model = models_.sound;
    connect(systemOutputButton_, &QRadioButton::clicked, this, [this, &model] {
        model.chooseSystemOutput();
        refresh();
    });
    connect(ownOutputButton_, &QRadioButton::clicked, this, [this, &model] {
        model.chooseOwnOutput();
        refresh();
    });
    connect(outputListBox_, &QComboBox::activated, this, [&model](int index) { model.pickOutput(index); });
    connect(outputListBox_, &QComboBox::editTextChanged, this, [&model](const QString& text) {
        if (text.toStdString() != model.outputList().Text) model.typeOutput(text.toStdString());
    });
    connect(outputOkButton_, &QPushButton::clicked, this, [this, &model] {
        model.confirmOutput();
        refresh();
    });
    return outputPanel_;
}

QWidget* MainWindow::buildOptions() {
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    auto* weather = named(new QPushButton("WX"), "ButtonInitMeteo", "Ver el WX");
    // Both buttons act on release, as the "Ver el WX" button does.
    weather->installEventFilter(this);
    startWithSessionBox_ = named(new QCheckBox("Ejecuta al inicio de Windows"), "CheckBoxDemarrage");
    startMinimisedBox_ = named(new QCheckBox("Minimizar al inicio del programa"), "CheckBoxReduire");
    checkVersionAtStartBox_ =
        named(new QCheckBox(QString::fromUtf8("Compruebe si hay una nueva versión al iniciar")), "CheckBoxInfoVersion");
    connect(startWithSessionBox_, &QCheckBox::clicked, this, [this](bool on) {
        models_.window.setStartWithSession(on);
    });
    connect(startMinimisedBox_, &QCheckBox::clicked, this, [this](bool on) {
        models_.window.setStartMinimised(on);
    });
    connect(checkVersionAtStartBox_, &QCheckBox::clicked, this,
            [this](bool on) { models_.window.setCheckVersionAtStart(on); });
    grid->addWidget(weather, 0, 0, 3, 1);
    grid->addWidget(startWithSessionBox_, 0, 1);
    grid->addWidget(startMinimisedBox_, 1, 1);
    grid->addWidget(checkVersionAtStartBox_, 2, 1);
    auto* lines = new QHBoxLayout;
    ctsLamp_ = named(new QLabel("CTS=On"), "LabelCTS");
    dsrLamp_ = named(new QLabel("DSR=On"), "LabelDSR");
    dcdLamp_ = named(new QLabel("DCD=On"), "LabelDCD");
    recorderStatusLabel_ = named(new QLabel, "StaticTextW");
    for (QLabel* l : {ctsLamp_, dsrLamp_, dcdLamp_}) {
        l->hide();
        lines->addWidget(l);
    }
    lines->addStretch();
    lines->addWidget(recorderStatusLabel_);
    grid->addLayout(lines, 3, 0, 1, 2);
    return box;
}

void MainWindow::buildHiddenControls(QWidget* parent) {
    // The line buffer, the log list, the port list and the sound test
    // controls exist for the program's own use and are never shown.
    for (QWidget* w : std::initializer_list<QWidget*>{
             named(new QPlainTextEdit(parent), "MemoFileInit"), named(new QPlainTextEdit(parent), "MemoLog"),
             named(new QListWidget(parent), "ListBoxPort"),
             named(new QPushButton("Wave ext", parent), "ButtonPlayWave"),
             named(new QPushButton("Wave int", parent), "ButtonPlayWaveRes"), named(new QLineEdit(parent), "EditSimu")})
        w->hide();
}

QMenu* MainWindow::buildHourMenu(const char* name, const std::string& caption, char prefix, int checkedHour) {
    auto* menu = named(new QMenu(qs(caption), this), name);
    auto* group = new QActionGroup(menu);
    for (int hour = 0; hour <= 24; ++hour) {
        const std::string item = prefix + twoDigits(hour);
        auto* action = named(menu->addAction(qs(twoDigits(hour))), item.c_str());
        action->setCheckable(true);
        action->setChecked(hour == checkedHour);
        group->addAction(action);
        hourItems_[item] = action;
        connect(action, &QAction::triggered, this, [this, item] {
            models_.window.chooseHourItem(item);
            refresh();
        });
    }
    return menu;
}

void MainWindow::buildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName("MainMenu1");
    menuFichier_ = named(bar->addMenu("Archivo"), "menuFichier");

    auto* announce = named(menuFichier_->addMenu("Anuncio del WX"), "MenuAnnonceMeteo");
    auto* announceGroup = new QActionGroup(announce);
    const char* announceNames[] = {"MenuAnnonceToujours", "MenuAnnonce1h", "MenuAnnonce2h", "MenuAnnonce3h"};
    const char* announceCaptions[] = {"Locutar siempre", "Ignorar si los datos tienen más de una hora",
                                      "Ignorar si los datos tienen más de dos horas",
                                      "Ignorar si los datos tienen más de tres horas"};
    for (int i = 0; i < 4; ++i) {
        QAction* action = named(announce->addAction(QString::fromUtf8(announceCaptions[i])), announceNames[i]);
        action->setCheckable(true);
        announceGroup->addAction(action);
        staleRuleItems_[i] = action;
        connect(action, &QAction::triggered, this,
                [this, i] { models_.settings.staleRule = static_cast<StaleRule>(i); });
    }

    auto* hours = named(menuFichier_->addMenu("Horario del anuncio"), "MenuPlageHoraire");
    startHourMenu_ = buildHourMenu("MenuDebutPlageHoraire", models_.window.startHourCaption(), 'D', 0);
    endHourMenu_ = buildHourMenu("MenuFinPlageHoraire", models_.window.endHourCaption(), 'F', 24);
    hours->addMenu(startHourMenu_);
    hours->addMenu(endHourMenu_);

    recordBulletinsItem_ = named(menuFichier_->addAction("Guardar anuncio"), "MenuRecord");
    recordBulletinsItem_->setCheckable(true);
    connect(recordBulletinsItem_, &QAction::triggered, this, [this] {
        if (models_.window.toggleRecording()) Q_EMIT recordWindowRequested();
        refresh();
    });

    auto* rose = named(menuFichier_->addMenu("Rosa de los vientos"), "MenuRoseVents");
    auto* roseGroup = new QActionGroup(rose);
    menu8secteurs_ = named(rose->addAction("8 direcciones"), "menu8secteurs");
    sixteenPointDirectionsItem_ = named(rose->addAction("16 direcciones"), "Menu16secteurs");
    for (QAction* action : {menu8secteurs_, sixteenPointDirectionsItem_}) {
        action->setCheckable(true);
        roseGroup->addAction(action);
    }
    connect(menu8secteurs_, &QAction::triggered, this, [this] { models_.settings.sixteenPointDirections = false; });
    connect(sixteenPointDirectionsItem_, &QAction::triggered, this,
            [this] { models_.settings.sixteenPointDirections = true; });

    connect(named(menuFichier_->addAction(QString::fromUtf8("Guardar configuración")), "menuSaveConfig"),
            &QAction::triggered, this, [this] { a_.saveConfiguration(Announcer::Save::OnPurpose); });
    connect(named(menuFichier_->addAction("Salir"), "MenuQuitter"), &QAction::triggered, this,
            [this] { Q_EMIT quitRequested(); });

    connect(named(bar->addAction("Fuente del WX"), "MenuChoix"), &QAction::triggered, this,
            [this] { showSourceWindowButtonReleased(true); });
    connect(named(bar->addAction("Ver el WX"), "menurVoirMeteo"), &QAction::triggered, this, [this] {
        a_.sources().sourceChoice.hideSourceWindows();
        a_.sources().sourceChoice.showChosenWindow();
        Q_EMIT sourceWindowsChanged();
    });
    connect(named(bar->addAction("Placa de sonido"), "MenuCarteSon"), &QAction::triggered, this, [this] {
        models_.sound.openOutputPanel();
        refresh();
    });
    connect(named(bar->addAction("Puerto COM"), "MenuCOM"), &QAction::triggered, this,
            [this] { Q_EMIT portWindowRequested(); });
    connect(named(bar->addAction("Unidades"), "MenuMyUnits"), &QAction::triggered, this,
            [this] { Q_EMIT unitsWindowRequested(); });

    helpItem_ = named(bar->addMenu("?"), "MenuHelpInfo");
    connect(named(helpItem_->addAction("Ayuda"), "MenuAide"), &QAction::triggered, this, [this] {
        desktop_.open(helpFile());
    });
    connect(named(helpItem_->addAction("Info"), "MenuInfo"), &QAction::triggered, this,
            [this] { Q_EMIT infoRequested(); });
    buildLanguageMenu();
    errorSimulationItem_ = named(new QAction(QString::fromUtf8("Simu Errreur (caché)"), this), "MenuSimuErreur");
    errorSimulationItem_->setCheckable(true);
    errorSimulationItem_->setVisible(false);
    errorSimulationItem_->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_E));
    helpItem_->addAction(errorSimulationItem_);
    // A hidden item's own shortcut is off: the window keeps it.
    auto* simulation = new QShortcut(errorSimulationItem_->shortcut(), this);
    connect(simulation, &QShortcut::activated, errorSimulationItem_, &QAction::trigger);
    connect(errorSimulationItem_, &QAction::triggered, this, [this] {
        a_.setErrorSimulation(!a_.errorSimulation());
        refresh();
    });
}

void MainWindow::buildLanguageMenu() {
    auto* menu = named(helpItem_->addMenu("Idioma"), "LanguageMenu");
    auto* group = new QActionGroup(menu);
    // Each language is named in its own words, in every language.
    englishItem_ = named(menu->addAction("English"), "EnglishItem");
    spanishItem_ = named(menu->addAction(QString::fromUtf8("Español")), "SpanishItem");
    for (const auto& [item, language] : {std::pair{englishItem_, Language::English}, std::pair{spanishItem_, Language::Spanish}}) {
        item->setCheckable(true);
        group->addAction(item);
        connect(item, &QAction::triggered, this, [this, choice = language] {
            models_.window.settings().language = languageCode(choice);
            Q_EMIT languageChosen(choice);
        });
    }
}

void MainWindow::keepMenusInView() { setMinimumWidth(menuBar()->sizeHint().width()); }

QList<QMenu*> MainWindow::topMenus() const {
    return {menuFichier_, menuFichier_->findChild<QMenu*>("MenuAnnonceMeteo"),
            menuFichier_->findChild<QMenu*>("MenuPlageHoraire"), startHourMenu_, endHourMenu_,
            menuFichier_->findChild<QMenu*>("MenuRoseVents"), helpItem_};
}

void MainWindow::stepPeriod(int delta) {
    ScheduleSettings& s = models_.schedule;
    s.periodPosition = std::clamp(s.periodPosition + delta, 0, static_cast<int>(std::size(kPeriodMinutes)) - 1);
    models_.window.showSelectedPeriod();
    refresh();
}

void MainWindow::showSourceWindowButtonReleased(bool rightButton) {
    a_.sources().sourceChoice.hideSourceWindows();
    if (rightButton)
        a_.sources().sourceChoice.prepareToShow();
    else
        a_.sources().sourceChoice.showChosenWindow();
    Q_EMIT sourceWindowsChanged();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type == QEvent::KeyPress) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || widget->window() != this) return false;
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) models_.window.askToEndBulletin();
        // No control of the main window takes a key.
        return true;
    }
    if (type == QEvent::MouseButtonRelease && watched->objectName() == "ButtonInitMeteo") {
        auto* press = static_cast<QMouseEvent*>(event);
        if (press->button() == Qt::LeftButton || press->button() == Qt::RightButton)
            showSourceWindowButtonReleased(press->button() == Qt::RightButton);
        return false;
    }
    if (type == QEvent::MouseButtonPress && watched == levelPanel_) {
        auto* press = static_cast<QMouseEvent*>(event);
        // The mark moves for a press right of the bar and below its top.
        const QRect bar = levelBar_->geometry();
        const QPoint at = press->position().toPoint();
        const bool onMark = at.x() > bar.right() && at.y() > bar.top();
        const auto button = press->button() == Qt::LeftButton    ? SoundOutput::MouseButton::Left
                            : press->button() == Qt::RightButton ? SoundOutput::MouseButton::Right
                                                                 : SoundOutput::MouseButton::Middle;
        models_.sound.pressLevelMark(button, onMark);
        refresh();
        return true;
    }
    if (type == QEvent::MouseButtonRelease && (watched == bulletinsAllowedLamp_ || watched == bulletinsHeldLamp_)) {
        Q_EMIT infoRequested();
        return true;
    }
    return false;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    Q_EMIT quitRequested();
}

void MainWindow::refresh() {
    const MainWindowModel& w = models_.window;
    const SchedulerDisplay& clock = models_.clock.shown();
    showOwnTitle(this, w.caption());
    setTextIfChanged(dateField_, qs(clock.dateText));
    setTextIfChanged(timeField_, qs(clock.timeText));
    setTextIfChanged(portLabel_, qs(w.portLabel()));
    // A chosen port that is not there yet is named in red, with its reason beside the pointer.
    showRed(portLabel_, w.portAbsent());
    showOwnHint(portLabel_, models_.port.failure());
    showOwnText(statusField_, a_.statusBoard().statusText());
    if (models_.recorder) showOwnText(recorderStatusLabel_, models_.recorder->recorderStatus());
    setTextIfChanged(periodField_, qs(models_.schedule.periodText));
    showOwnText(ctsLamp_, clock.ctsLamp);
    showOwnText(dsrLamp_, clock.dsrLamp);
    showOwnText(dcdLamp_, clock.dcdLamp);
    announceButton_->setEnabled(a_.statusBoard().announceEnabled());
    ledOn_->setVisible(a_.statusBoard().transmitterLed());
    ledOff_->setVisible(!a_.statusBoard().transmitterLed());
    bulletinsAllowedLamp_->setVisible(clock.bulletinsAllowedLamp);
    bulletinsHeldLamp_->setVisible(clock.bulletinsHeldLamp);

    const BulletinSettings& s = models_.settings;
    setCheckedIfChanged(playHeaderBox_, s.playHeader);
    setCheckedIfChanged(playGreetingBox_, s.playGreeting);
    setCheckedIfChanged(speakDateBox_, s.speakDate);
    setCheckedIfChanged(playClosingBox_, s.playClosing);
    headerFileButton_->setToolTip(qs(w.headerFileHint()));
    greetingFileButton_->setToolTip(qs(w.greetingFileHint()));
    closingFileButton_->setToolTip(qs(w.closingFileHint()));
    if (pauseSecondsBox_->value() != s.pauseSeconds) pauseSecondsBox_->setValue(s.pauseSeconds);
    if (volumeSlider_->value() != w.settings().volumePosition) volumeSlider_->setValue(w.settings().volumePosition);
    showOwnHint(volumeSlider_, models_.sound.volumeHint());
    if (levelBar_->value() != w.settings().levelMark) levelBar_->setValue(w.settings().levelMark);
    setCheckedIfChanged(startWithSessionBox_, w.settings().startWithSession);
    setCheckedIfChanged(startMinimisedBox_, w.settings().startMinimised);
    setCheckedIfChanged(checkVersionAtStartBox_, w.settings().checkVersionAtStart);

    for (int i = 0; i < 4; ++i) setCheckedIfChanged(staleRuleItems_[i], static_cast<int>(s.staleRule) == i);
    setCheckedIfChanged(hourItems_[w.checkedStartItem()], true);
    setCheckedIfChanged(hourItems_[w.checkedEndItem()], true);
    showOwnText(startHourMenu_->menuAction(), w.startHourCaption());
    showOwnText(endHourMenu_->menuAction(), w.endHourCaption());
    setCheckedIfChanged(recordBulletinsItem_, w.settings().recordBulletins);
    setCheckedIfChanged(menu8secteurs_, !s.sixteenPointDirections);
    setCheckedIfChanged(sixteenPointDirectionsItem_, s.sixteenPointDirections);
    setCheckedIfChanged(errorSimulationItem_, a_.errorSimulation());
    setCheckedIfChanged(englishItem_, currentLanguage() == Language::English);
    setCheckedIfChanged(spanishItem_, currentLanguage() == Language::Spanish);

    const SoundOutput& sound = models_.sound;
    if (outputPanel_->isVisibleTo(this) != sound.outputPanelShown()) {
        outputPanel_->setVisible(sound.outputPanelShown());
        // The window grew to show the panel; without it, it shrinks back.
        if (!sound.outputPanelShown()) {
            for (QWidget* up = outputPanel_->parentWidget(); up; up = up->parentWidget())
                if (up->layout()) up->layout()->activate();
            resize(minimumSizeHint().expandedTo(sizeHint()));
        }
    }
    setCheckedIfChanged(ownOutputButton_, w.settings().ownOutputChosen);
    setCheckedIfChanged(systemOutputButton_, !w.settings().ownOutputChosen);
    outputOkButton_->setEnabled(a_.statusBoard().soundOutputOkEnabled());
    const QSignalBlocker quiet(outputListBox_);
    setItemsIfChanged(outputListBox_, sound.outputList().Items);
    if (outputListBox_->currentIndex() != sound.outputList().ItemIndex)
        outputListBox_->setCurrentIndex(sound.outputList().ItemIndex);
    if (outputListBox_->currentText() != qs(sound.outputList().Text))
        outputListBox_->setEditText(qs(sound.outputList().Text));
}

}  // namespace skycrier::gui
