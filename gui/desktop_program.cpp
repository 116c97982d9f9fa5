#include "gui/desktop_program.h"

#include <QApplication>
#include <QGuiApplication>
#include <cstdlib>

#include "gui/widgets.h"
#include "gui/translation.h"
#include "gui/window_geometry.h"

namespace skycrier::gui {
namespace {

// Room for a login form below the APRS window's controls.
const QSize kLoginBrowserSize(480, 420);

}  // namespace

DesktopProgram::DesktopProgram(const DesktopParts& parts)
    : desktop(parts.desktop),
      program({parts.announcer, parts.sharedDataFolder}),
      mainWindow(program, desktop),
      loop_(parts.announcer.loop),
      languageGiven_(parts.language.has_value()) {
    createWindows();
    showLanguage(parts.language.value_or(localeLanguage(std::getenv)));
    trayAvailable_ = TrayIcon::available();
    if (trayAvailable_)
        tray.show();
    else
        program.announcer().statusBoard().setStatusText("No system tray here: SkyCrier minimises to the task bar");
    connect(&tray, &TrayIcon::restoreRequested, this, &DesktopProgram::restore);
    connect(&tray, &TrayIcon::quitRequested, this, &DesktopProgram::close);
    connect(&tray, &TrayIcon::announceRequested, this, [this] {
        program.announcer().requestBulletin(BulletinTrigger::Button);
        refreshAll();
    });
    connect(&mainWindow, &MainWindow::quitRequested, this, [this] {
        tray.remove();
        close();
    });
    connect(&mainWindow, &MainWindow::sourceWindowsChanged, this, &DesktopProgram::refreshAll);
    connect(&mainWindow, &MainWindow::languageChosen, this, &DesktopProgram::showLanguage);
    startedUp_ = program.startedUp.connect([this] {
        const auto configured = languageOfCode(program.announcer().mainModels().window.settings().language);
        if (configured && !languageGiven_)
            showLanguage(*configured);
        else
            refreshAll();
    });
    Announcer& a = program.announcer();
    ticks_ = a.mainModels().clock.changed.connect([this] { refreshTray(); });
    a.sources().context.beep = desktop.beep;
    MainWindowModel& window = a.mainModels().window;
    window.setAutostart(parts.autostart);
    window.minimiseApplication = [this](bool hideTaskbarEntry) { minimise(hideTaskbarEntry); };
    // Answers to the user's own clicks may wait for OK; everything else is a notice (status line, tray, log).
    window.showError = [this](const std::string& text) { desktop.error(&mainWindow, text); };
    failures_ = a.statusBoard().reported.connect([this](const std::string& text) { tray.notify(shown(text)); });
    notices_ = a.statusBoard().noticed.connect([this](const std::string& text) { tray.notify(shown(text)); });
    program.versionCheck().showMessage = [this](MessageKind kind, const std::string& text) {
        if (kind == MessageKind::Warning)
            desktop.warning(&mainWindow, text);
        else
            desktop.message(&mainWindow, text);
    };
    // With "Minimizar al inicio del programa" loading has sent the window to the tray already.
    program.showMainWindow = [this](bool minimised) {
        const MainWindowSettings& s = program.announcer().mainModels().window.settings();
        // A place on no screen any more (a monitor gone) is left to the window manager.
        if (QGuiApplication::screenAt(QPoint(s.Left, s.Top))) mainWindow.move(s.Left, s.Top);
        if (!minimised) restore();
    };
}

DesktopProgram::~DesktopProgram() { tray.remove(); }

template <typename W, typename... Args>
W* DesktopProgram::create(Args&&... args) {
    auto window = std::make_unique<W>(std::forward<Args>(args)...);
    W* w = window.get();
    windows_.push_back(w);
    refreshers_.push_back([w] { w->refresh(); });
    if constexpr (requires { &W::changed; }) connect(w, &W::changed, this, &DesktopProgram::refreshAll);
    owned_.push_back(std::move(window));
    return w;
}

template <typename W>
void DesktopProgram::listOwned(W& window) {
    windows_.push_back(&window);
    refreshers_.push_back([&window] { window.refresh(); });
    connect(&window, &W::changed, this, &DesktopProgram::refreshAll);
}

void DesktopProgram::addLoginBrowser(AprsWindow& aprs) {
    // The site's cookies go to the program's own fetches.
    auto* browser = new LoginBrowser(program.announcer().sources().context.fetcher);
    browser->resize(kLoginBrowserSize);
    aprs.setLoginBrowser(browser);
    connect(&aprs, &AprsWindow::loginBrowserShown, browser, [browser](bool shown) {
        if (shown)
            browser->navigate(kAprsLoginPage);
        else
            browser->stop();
    });
}

void DesktopProgram::createWindows() {
    Announcer& a = program.announcer();
    SourceModels& s = a.sources();
    MainWindowModel& window = a.mainModels().window;
    windows_ = {&mainWindow};
    refreshers_ = {[this] { mainWindow.refresh(); }};
    auto* info = create<InfoWindow>(
        window, program.versionCheck(), [&window] { return downloadPageAddress(window.settings().versionUrl); },
        desktop.open);
    // The program's order of creation.
    create<MonitorWindow>(s.monitorSource);
    create<SourceChoiceWindow>(s.sourceChoice, [this] { return geometryOf(mainWindow); });
    create<HistorySourceWindow>(s.ws23Source, desktop);
    create<HistorySourceWindow>(s.ws28Source, desktop);
    auto* aprs = create<AprsWindow>(s.aprsSource, desktop);
    addLoginBrowser(*aprs);
    create<HistorySourceWindow>(s.pro2Source, desktop);
    auto* units = create<UnitsWindow>(s.unitsChoice);
    listOwned(aprs->favourites());
    auto* port = create<PortWindow>(a.portWindow());
    auto* record = create<RecordWindow>(a.recordWindow(), window, desktop);
    auto* metar = create<MetarWindow>(s.metarSource, mainWindow.helpMenu());
    listOwned(metar->favourites());
    for (QWidget* w : windows_)
        if (auto* source = qobject_cast<SourceWindowFrame*>(w))
            source->openBeside([this] { return geometryOf(mainWindow); });
    connect(&mainWindow, &MainWindow::infoRequested, info, &QWidget::show);
    connect(&mainWindow, &MainWindow::recordWindowRequested, record, &QWidget::show);
    connect(&mainWindow, &MainWindow::portWindowRequested, port, &QWidget::show);
    connect(&mainWindow, &MainWindow::unitsWindowRequested, units, &QWidget::show);
}

void DesktopProgram::refreshAll() {
    for (const auto& refresh : refreshers_) refresh();
    refreshTray();
}

std::vector<QWidget*> DesktopProgram::windows() const { return windows_; }

void DesktopProgram::showLanguage(Language language) {
    useLanguage(language);
    for (QWidget* w : windows_) translateTexts(w);
    translateTexts(&tray.menu());
    mainWindow.keepMenusInView();
    refreshAll();
}

void DesktopProgram::start() {
    // The window shows before the start-up reads the configuration, as the
    // start-up's first step does; "REDUCE=Y" then sends it to the tray.
    mainWindow.show();
    program.start();
}

void DesktopProgram::startUpNow() { program.startUp(); }

void DesktopProgram::minimise(bool hideTaskbarEntry) {
    mainWindow.showMinimized();
    // Without a tray the task bar is the only way back.
    if (hideTaskbarEntry && trayAvailable_) mainWindow.hide();
}

void DesktopProgram::restore() {
    mainWindow.showNormal();
    mainWindow.raise();
    mainWindow.activateWindow();
}

void DesktopProgram::refreshTray() {
    Announcer& a = program.announcer();
    tray.showSchedule(shown(a.nextBulletinLine(loop_.localNow())), a.statusBoard().announceEnabled());
}

void DesktopProgram::keepMainWindowPlace() {
    // A window never shown nor placed has no place of its own to keep.
    if (!mainWindow.windowHandle() && !mainWindow.testAttribute(Qt::WA_Moved)) return;
    MainWindowSettings& s = program.announcer().mainModels().window.settings();
    s.Left = mainWindow.x();
    s.Top = mainWindow.y();
}

void DesktopProgram::close() {
    if (!program.closed()) keepMainWindowPlace();
    for (QWidget* w : windows_)
        if (auto* source = qobject_cast<SourceWindowFrame*>(w)) source->keepPlace();
    program.close();
    tray.remove();
    for (QWidget* w : windows_) w->hide();
    QApplication::quit();
}

}  // namespace skycrier::gui
