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
    : program_(program), a_(program.announcer), desktop_(desktop) {
    setObjectName("TForm1");
    setWindowTitle(qs(a_.mainWindow.Caption));
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
    EditData_ = named(new QLineEdit, "EditData");
    EditData_->setReadOnly(true);
    layout->addWidget(EditData_);
    buildHiddenControls(central);
    setCentralWidget(central);
    buildMenus();
    // Every menu title stays in view.
    setMinimumWidth(menuBar()->sizeHint().width());

    // Key preview: every key pressed in this window comes here first.
    qApp->installEventFilter(this);
    refresh();
}

QWidget* MainWindow::buildTopRow() {
    auto* row = new QWidget;
    auto* h = new QHBoxLayout(row);
    h->setContentsMargins(0, 0, 0, 0);
    EditDate_ = named(new QLineEdit, "EditDate");
    EditTime_ = named(new QLineEdit, "EditTime");
    for (QLineEdit* e : {EditDate_, EditTime_}) {
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::NoFocus);
    }
    Button1_ = named(new QPushButton("LOCUTAR"), "Button1");
    connect(Button1_, &QPushButton::clicked, this, [this] {
        a_.sequencer.requestBulletin(BulletinTrigger::Button);
        refresh();
    });
    ImageLedON_ = lampLabel("ImageLedON", Qt::red);
    ImageLedOFF_ = lampLabel("ImageLedOFF", Qt::darkGray);
    LabelCOM_ = named(new QLabel("COM"), "LabelCOM");
    ImageBrell_ = lampLabel("ImageBrell", QColor(0, 160, 0), "Click for info");
    ImageBrellOff_ = lampLabel("ImageBrellOff", QColor(200, 120, 0), "Haga Clic para info");
    for (QLabel* image : {ImageBrell_, ImageBrellOff_}) {
        image->setCursor(Qt::PointingHandCursor);
        image->installEventFilter(this);
    }
    auto* button2 = named(new QPushButton("-"), "Button2", "Minimize");
    button2->setFixedWidth(button2->fontMetrics().horizontalAdvance("--") + 16);
    connect(button2, &QPushButton::clicked, this, [this] { a_.mainWindow.Button2Click(); });
    h->addWidget(EditDate_);
    h->addWidget(EditTime_);
    h->addWidget(Button1_);
    h->addWidget(ImageLedON_);
    h->addWidget(ImageLedOFF_);
    h->addWidget(LabelCOM_);
    h->addWidget(ImageBrell_);
    h->addWidget(ImageBrellOff_);
    h->addWidget(button2);
    return row;
}

QGroupBox* MainWindow::buildPanelConfig() {
    auto* panel = named(new QGroupBox("Contenido del anuncio"), "PanelConfig");
    auto* grid = new QGridLayout(panel);
    BulletinSettings& s = a_.settings;
    const auto fileRow = [&](int row, QCheckBox*& box, const char* boxName, const char* caption, QPushButton*& button,
                             const char* buttonName, bool BulletinSettings::*flag, void (TForm1::*choose)(const std::string&)) {
        box = named(new QCheckBox(QString::fromUtf8(caption)), boxName);
        button = named(new QPushButton("Navegar"), buttonName);
        connect(box, &QCheckBox::toggled, this, [&s, flag](bool on) { s.*flag = on; });
        connect(button, &QPushButton::clicked, this, [this, choose] {
            if (const auto chosen = desktop_.chooseFile(this, kWaveFilter, "wav")) (a_.mainWindow.*choose)(*chosen);
            refresh();
        });
        grid->addWidget(box, row, 0);
        grid->addWidget(button, row, 1);
    };
    fileRow(0, CheckBoxEntete_, "CheckBoxEntete", "Encabezado", ButtonParcourirEnTete_, "ButtonParcourirEnTete",
            &BulletinSettings::CheckBoxEntete, &TForm1::chooseHeaderFile);
    SpinEditPause_ = named(new QSpinBox, "SpinEditPause");
    SpinEditPause_->setRange(0, 15);
    SpinEditPause_->setPrefix("Esperar ");
    SpinEditPause_->setSuffix(" sec");
    connect(SpinEditPause_, &QSpinBox::valueChanged, this, [&s](int v) { s.SpinEditPause = v; });
    grid->addWidget(SpinEditPause_, 1, 0, 1, 2);
    fileRow(2, CheckBoxBrell_, "CheckBoxBrell", "Hola", ButtonParcourirBrell_, "ButtonParcourirBrell",
            &BulletinSettings::CheckBoxBrell, &TForm1::chooseGreetingFile);
    CheckBoxDate_ = named(new QCheckBox("Fecha"), "CheckBoxDate");
    connect(CheckBoxDate_, &QCheckBox::toggled, this, [&s](bool on) { s.CheckBoxDate = on; });
    grid->addWidget(CheckBoxDate_, 3, 0, 1, 2);
    fileRow(4, CheckBoxFin_, "CheckBoxFin", "adiós", ButtonParcourirFin_, "ButtonParcourirFin",
            &BulletinSettings::CheckBoxFin, &TForm1::chooseClosingFile);

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
    Edit1_ = named(new QLineEdit, "Edit1");
    Edit1_->setReadOnly(true);
    Edit1_->setMaxLength(2);
    Edit1_->setFixedWidth(Edit1_->fontMetrics().horizontalAdvance("000") + 12);
    period->addWidget(Edit1_);
    period->addWidget(updown);
    period->addWidget(named(new QLabel("minutos"), "LabelMinutos"));
    period->addStretch();
    grid->addLayout(period, 6, 0, 1, 2);
    return panel;
}

QGroupBox* MainWindow::buildVolumePanel() {
    Panel1_ = named(new QGroupBox, "Panel1");
    auto* v = new QVBoxLayout(Panel1_);
    v->addWidget(named(new QLabel("Volumen"), "Label6"), 0, Qt::AlignHCenter);
    auto* h = new QHBoxLayout;
    TrackBarVolume_ = named(new QSlider(Qt::Vertical), "TrackBarVolume");
    TrackBarVolume_->setRange(0, 10);
    // Position 0, full volume, is at the top.
    TrackBarVolume_->setInvertedAppearance(true);
    TrackBarVolume_->setInvertedControls(true);
    TrackBarVolume_->setTickPosition(QSlider::TicksRight);
    connect(TrackBarVolume_, &QSlider::valueChanged, this,
            [this](int position) { a_.soundOutput.setTrackBarVolume(position); });
    Gauge1_ = named(new QProgressBar, "Gauge1");
    Gauge1_->setOrientation(Qt::Vertical);
    Gauge1_->setRange(0, 100);
    Gauge1_->setTextVisible(false);
    Gauge1_->setFixedWidth(12);
    h->addWidget(TrackBarVolume_);
    h->addWidget(Gauge1_);
    v->addLayout(h, 1);
    Panel1_->installEventFilter(this);
    return Panel1_;
}

QGroupBox* MainWindow::buildSoundCardPanel() {
    PanelCarteSon_ = named(new QGroupBox, "PanelCarteSon");
    auto* v = new QVBoxLayout(PanelCarteSon_);
    auto* title = named(new QLabel(QString::fromUtf8("DIE SOUND-KARTE ÄNDERN")), "TitreCarteSon");
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    v->addWidget(title);
    RadioButtonCarteWin_ = named(new QRadioButton("Windows elije la placa de sonido"), "RadioButtonCarteWin");
    RadioButtonCarteMoi_ = named(new QRadioButton("Seleccionar la placa de sonido"), "RadioButtonCarteMoi");
    RadioButtonCarteWin_->setChecked(true);
    v->addWidget(RadioButtonCarteWin_);
    v->addWidget(RadioButtonCarteMoi_);
    v->addWidget(named(new QLabel(QString::fromUtf8("salida de reproducción")), "LabelSonOut"));
    ComboBoxChoixOut_ = named(new QComboBox, "ComboBoxChoixOut");
    ComboBoxChoixOut_->setEditable(true);
    // Outputs have long names and descriptions: the list opens wide, the panel stays narrow.
    ComboBoxChoixOut_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ComboBoxChoixOut_->setMinimumContentsLength(24);
    ComboBoxChoixOut_->view()->setMinimumWidth(ComboBoxChoixOut_->fontMetrics().averageCharWidth() * 60);
    v->addWidget(ComboBoxChoixOut_);
    BitBtnOKCarteSon_ = named(new QPushButton("OK"), "BitBtnOKCarteSon");
    v->addWidget(BitBtnOKCarteSon_, 0, Qt::AlignRight);
    PanelCarteSon_->hide();
    SoundOutput& model = a_.soundOutput;
    connect(RadioButtonCarteWin_, &QRadioButton::clicked, this, [this, &model] {
        model.RadioButtonCarteWinClick();
        refresh();
    });
    connect(RadioButtonCarteMoi_, &QRadioButton::clicked, this, [this, &model] {
        model.RadioButtonCarteMoiClick();
        refresh();
    });
    connect(ComboBoxChoixOut_, &QComboBox::activated, this, [&model](int index) { model.ComboBoxChoixOutSelect(index); });
    connect(ComboBoxChoixOut_, &QComboBox::editTextChanged, this, [&model](const QString& text) {
        if (text.toStdString() != model.ComboBoxChoixOut.Text) model.ComboBoxChoixOutChange(text.toStdString());
    });
    connect(BitBtnOKCarteSon_, &QPushButton::clicked, this, [this, &model] {
        model.BitBtnOKCarteSonClick();
        refresh();
    });
    return PanelCarteSon_;
}

QWidget* MainWindow::buildOptions() {
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    auto* weather = named(new QPushButton("WX"), "ButtonInitMeteo", "Ver el WX");
    // Both buttons act on release, as the "Ver el WX" button does.
    weather->installEventFilter(this);
    CheckBoxDemarrage_ = named(new QCheckBox("Ejecuta al inicio de Windows"), "CheckBoxDemarrage");
    CheckBoxReduire_ = named(new QCheckBox("Minimizar al inicio del programa"), "CheckBoxReduire");
    CheckBoxInfoVersion_ =
        named(new QCheckBox(QString::fromUtf8("Compruebe si hay una nueva versión al iniciar")), "CheckBoxInfoVersion");
    connect(CheckBoxDemarrage_, &QCheckBox::clicked, this, [this](bool on) {
        a_.mainWindow.CheckBoxDemarrage = on;
        a_.mainWindow.CheckBoxDemarrageClick();
    });
    connect(CheckBoxReduire_, &QCheckBox::clicked, this, [this](bool on) {
        a_.mainWindow.CheckBoxReduire = on;
        a_.mainWindow.CheckBoxReduireClick();
    });
    connect(CheckBoxInfoVersion_, &QCheckBox::clicked, this,
            [this](bool on) { a_.mainWindow.CheckBoxInfoVersion = on; });
    grid->addWidget(weather, 0, 0, 3, 1);
    grid->addWidget(CheckBoxDemarrage_, 0, 1);
    grid->addWidget(CheckBoxReduire_, 1, 1);
    grid->addWidget(CheckBoxInfoVersion_, 2, 1);
    auto* lines = new QHBoxLayout;
    LabelCTS_ = named(new QLabel("CTS=On"), "LabelCTS");
    LabelDSR_ = named(new QLabel("DSR=On"), "LabelDSR");
    LabelDCD_ = named(new QLabel("DCD=On"), "LabelDCD");
    StaticTextW_ = named(new QLabel, "StaticTextW");
    for (QLabel* l : {LabelCTS_, LabelDSR_, LabelDCD_}) {
        l->hide();
        lines->addWidget(l);
    }
    lines->addStretch();
    lines->addWidget(StaticTextW_);
    grid->addLayout(lines, 3, 0, 1, 2);
    return box;
}

void MainWindow::buildHiddenControls(QWidget* parent) {
    // The line buffer, the log list, the port list and the sound test
    // controls exist for the program's own use and are never shown.
    for (QWidget* w : std::initializer_list<QWidget*>{
             named(new QPlainTextEdit(parent), "MemoFileInit"), named(new QPlainTextEdit(parent), "MemoLog"),
             named(new QListWidget(parent), "ListBoxPort"), named(new QPushButton("Wave ext", parent), "ButtonPlayWave"),
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
            a_.mainWindow.hourItemClick(item);
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
        MenuAnnonce_[i] = action;
        connect(action, &QAction::triggered, this, [this, i] { a_.settings.staleRule = static_cast<StaleRule>(i); });
    }

    auto* hours = named(menuFichier_->addMenu("Horario del anuncio"), "MenuPlageHoraire");
    MenuDebutPlageHoraire_ = buildHourMenu("MenuDebutPlageHoraire", a_.mainWindow.MenuDebutPlageHoraire, 'D', 0);
    MenuFinPlageHoraire_ = buildHourMenu("MenuFinPlageHoraire", a_.mainWindow.MenuFinPlageHoraire, 'F', 24);
    hours->addMenu(MenuDebutPlageHoraire_);
    hours->addMenu(MenuFinPlageHoraire_);

    MenuRecord_ = named(menuFichier_->addAction("Guardar anuncio"), "MenuRecord");
    MenuRecord_->setCheckable(true);
    connect(MenuRecord_, &QAction::triggered, this, [this] {
        if (a_.mainWindow.MenuRecordClick()) Q_EMIT recordWindowRequested();
        refresh();
    });

    auto* rose = named(menuFichier_->addMenu("Rosa de los vientos"), "MenuRoseVents");
    auto* roseGroup = new QActionGroup(rose);
    menu8secteurs_ = named(rose->addAction("8 direcciones"), "menu8secteurs");
    Menu16secteurs_ = named(rose->addAction("16 direcciones"), "Menu16secteurs");
    for (QAction* action : {menu8secteurs_, Menu16secteurs_}) {
        action->setCheckable(true);
        roseGroup->addAction(action);
    }
    connect(menu8secteurs_, &QAction::triggered, this, [this] { a_.settings.Menu16secteurs = false; });
    connect(Menu16secteurs_, &QAction::triggered, this, [this] { a_.settings.Menu16secteurs = true; });

    connect(named(menuFichier_->addAction(QString::fromUtf8("Guardar configuración")), "menuSaveConfig"),
            &QAction::triggered, this, [this] { a_.saveConfiguration(Announcer::Save::OnPurpose); });
    connect(named(menuFichier_->addAction("Salir"), "MenuQuitter"), &QAction::triggered, this,
            [this] { Q_EMIT quitRequested(); });

    connect(named(bar->addAction("Fuente del WX"), "MenuChoix"), &QAction::triggered, this,
            [this] { showSourceWindowButtonReleased(true); });
    connect(named(bar->addAction("Ver el WX"), "menurVoirMeteo"), &QAction::triggered, this, [this] {
        a_.stations.FormChoixMeteo.hideSourceWindows();
        a_.stations.FormChoixMeteo.showChosenWindow(geometryOf(*this));
        Q_EMIT sourceWindowsChanged();
    });
    connect(named(bar->addAction("Placa de sonido"), "MenuCarteSon"), &QAction::triggered, this, [this] {
        a_.soundOutput.MenuCarteSonClick();
        refresh();
    });
    connect(named(bar->addAction("Puerto COM"), "MenuCOM"), &QAction::triggered, this,
            [this] { Q_EMIT portWindowRequested(); });
    connect(named(bar->addAction("Unidades"), "MenuMyUnits"), &QAction::triggered, this,
            [this] { Q_EMIT unitsWindowRequested(); });

    MenuHelpInfo_ = named(bar->addMenu("?"), "MenuHelpInfo");
    connect(named(MenuHelpInfo_->addAction("Ayuda"), "MenuAide"), &QAction::triggered, this, [this] {
        desktop_.open(helpFile());
    });
    connect(named(MenuHelpInfo_->addAction("Info"), "MenuInfo"), &QAction::triggered, this,
            [this] { Q_EMIT infoRequested(); });
    MenuSimuErreur_ = named(new QAction(QString::fromUtf8("Simu Errreur (caché)"), this), "MenuSimuErreur");
    MenuSimuErreur_->setCheckable(true);
    MenuSimuErreur_->setVisible(false);
    MenuSimuErreur_->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_E));
    MenuHelpInfo_->addAction(MenuSimuErreur_);
    // A hidden item's own shortcut is off: the window keeps it.
    auto* simulation = new QShortcut(MenuSimuErreur_->shortcut(), this);
    connect(simulation, &QShortcut::activated, MenuSimuErreur_, &QAction::trigger);
    connect(MenuSimuErreur_, &QAction::triggered, this, [this] {
        a_.sequencer.setErrorSimulation(!a_.sequencer.errorSimulation());
        refresh();
    });
}

QList<QMenu*> MainWindow::topMenus() const {
    return {menuFichier_, menuFichier_->findChild<QMenu*>("MenuAnnonceMeteo"),
            menuFichier_->findChild<QMenu*>("MenuPlageHoraire"), MenuDebutPlageHoraire_, MenuFinPlageHoraire_,
            menuFichier_->findChild<QMenu*>("MenuRoseVents"), MenuHelpInfo_};
}

void MainWindow::stepPeriod(int delta) {
    ScheduleSettings& s = a_.schedule;
    s.UpDownPeriode = std::clamp(s.UpDownPeriode + delta, 0, static_cast<int>(std::size(kPeriodMinutes)) - 1);
    a_.mainWindow.UpDownPeriodeMouseDown();
    refresh();
}

void MainWindow::showSourceWindowButtonReleased(bool rightButton) {
    a_.stations.FormChoixMeteo.hideSourceWindows();
    if (rightButton)
        a_.stations.FormChoixMeteo.FormShow(geometryOf(*this));
    else
        a_.stations.FormChoixMeteo.showChosenWindow(geometryOf(*this));
    Q_EMIT sourceWindowsChanged();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type == QEvent::KeyPress) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || widget->window() != this) return false;
        int key = static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape ? kKeyEscape : 0;
        a_.mainWindow.FormKeyDown(key);
        // No control of the main window takes a key.
        return true;
    }
    if (type == QEvent::MouseButtonRelease && watched->objectName() == "ButtonInitMeteo") {
        auto* press = static_cast<QMouseEvent*>(event);
        if (press->button() == Qt::LeftButton || press->button() == Qt::RightButton)
            showSourceWindowButtonReleased(press->button() == Qt::RightButton);
        return false;
    }
    if (type == QEvent::MouseButtonPress && watched == Panel1_) {
        auto* press = static_cast<QMouseEvent*>(event);
        // The mark moves for a press right of the bar and below its top.
        const QRect bar = Gauge1_->geometry();
        const QPoint at = press->position().toPoint();
        const bool onMark = at.x() > bar.right() && at.y() > bar.top();
        const auto button = press->button() == Qt::LeftButton    ? SoundOutput::MouseButton::Left
                            : press->button() == Qt::RightButton ? SoundOutput::MouseButton::Right
                                                                 : SoundOutput::MouseButton::Middle;
        a_.soundOutput.Panel1MouseDown(button, onMark);
        refresh();
        return true;
    }
    if (type == QEvent::MouseButtonRelease && (watched == ImageBrell_ || watched == ImageBrellOff_)) {
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
    const TForm1& w = a_.mainWindow;
    const Scheduler& clock = a_.scheduler;
    if (windowTitle() != qs(w.Caption)) setWindowTitle(qs(w.Caption));
    setTextIfChanged(EditDate_, qs(clock.EditDate));
    setTextIfChanged(EditTime_, qs(clock.EditTime));
    setTextIfChanged(LabelCOM_, qs(w.LabelCOM));
    // A chosen port that is not there yet is named in red, with its reason beside the pointer.
    showRed(LabelCOM_, w.LabelCOMAbsent);
    LabelCOM_->setToolTip(qs(a_.port.failure()));
    setTextIfChanged(EditData_, qs(a_.status.EditData()));
    if (a_.recorder) setTextIfChanged(StaticTextW_, qs(a_.recorder->StaticTextW));
    setTextIfChanged(Edit1_, qs(a_.schedule.Edit1));
    setTextIfChanged(LabelCTS_, qs(clock.LabelCTS));
    setTextIfChanged(LabelDSR_, qs(clock.LabelDSR));
    setTextIfChanged(LabelDCD_, qs(clock.LabelDCD));
    Button1_->setEnabled(a_.status.Button1Enabled());
    ImageLedON_->setVisible(a_.status.transmitterLed());
    ImageLedOFF_->setVisible(!a_.status.transmitterLed());
    ImageBrell_->setVisible(clock.ImageBrell);
    ImageBrellOff_->setVisible(clock.ImageBrellOff);

    const BulletinSettings& s = a_.settings;
    setCheckedIfChanged(CheckBoxEntete_, s.CheckBoxEntete);
    setCheckedIfChanged(CheckBoxBrell_, s.CheckBoxBrell);
    setCheckedIfChanged(CheckBoxDate_, s.CheckBoxDate);
    setCheckedIfChanged(CheckBoxFin_, s.CheckBoxFin);
    ButtonParcourirEnTete_->setToolTip(qs(w.ButtonParcourirEnTete.Hint));
    ButtonParcourirBrell_->setToolTip(qs(w.ButtonParcourirBrell.Hint));
    ButtonParcourirFin_->setToolTip(qs(w.ButtonParcourirFin.Hint));
    if (SpinEditPause_->value() != s.SpinEditPause) SpinEditPause_->setValue(s.SpinEditPause);
    if (TrackBarVolume_->value() != w.TrackBarVolume) TrackBarVolume_->setValue(w.TrackBarVolume);
    if (TrackBarVolume_->toolTip() != qs(a_.soundOutput.TrackBarVolumeHint))
        TrackBarVolume_->setToolTip(qs(a_.soundOutput.TrackBarVolumeHint));
    if (Gauge1_->value() != w.Gauge1) Gauge1_->setValue(w.Gauge1);
    setCheckedIfChanged(CheckBoxDemarrage_, w.CheckBoxDemarrage);
    setCheckedIfChanged(CheckBoxReduire_, w.CheckBoxReduire);
    setCheckedIfChanged(CheckBoxInfoVersion_, w.CheckBoxInfoVersion);

    for (int i = 0; i < 4; ++i) setCheckedIfChanged(MenuAnnonce_[i], static_cast<int>(s.staleRule) == i);
    setCheckedIfChanged(hourItems_[w.checkedStartItem()], true);
    setCheckedIfChanged(hourItems_[w.checkedEndItem()], true);
    if (MenuDebutPlageHoraire_->title() != qs(w.MenuDebutPlageHoraire))
        MenuDebutPlageHoraire_->setTitle(qs(w.MenuDebutPlageHoraire));
    if (MenuFinPlageHoraire_->title() != qs(w.MenuFinPlageHoraire))
        MenuFinPlageHoraire_->setTitle(qs(w.MenuFinPlageHoraire));
    setCheckedIfChanged(MenuRecord_, w.MenuRecord);
    setCheckedIfChanged(menu8secteurs_, !s.Menu16secteurs);
    setCheckedIfChanged(Menu16secteurs_, s.Menu16secteurs);
    setCheckedIfChanged(MenuSimuErreur_, a_.sequencer.errorSimulation());

    const SoundOutput& sound = a_.soundOutput;
    PanelCarteSon_->setVisible(sound.PanelCarteSon);
    setCheckedIfChanged(RadioButtonCarteMoi_, w.RadioButtonCarteMoi);
    setCheckedIfChanged(RadioButtonCarteWin_, !w.RadioButtonCarteMoi);
    BitBtnOKCarteSon_->setEnabled(a_.status.BitBtnOKCarteSonEnabled());
    const QSignalBlocker quiet(ComboBoxChoixOut_);
    setItemsIfChanged(ComboBoxChoixOut_, sound.ComboBoxChoixOut.Items);
    if (ComboBoxChoixOut_->currentIndex() != sound.ComboBoxChoixOut.ItemIndex)
        ComboBoxChoixOut_->setCurrentIndex(sound.ComboBoxChoixOut.ItemIndex);
    if (ComboBoxChoixOut_->currentText() != qs(sound.ComboBoxChoixOut.Text))
        ComboBoxChoixOut_->setEditText(qs(sound.ComboBoxChoixOut.Text));
}

}  // namespace skycrier::gui
