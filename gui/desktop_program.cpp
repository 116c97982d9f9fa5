#include "gui/desktop_program.h"

#include <QApplication>
#include <map>

namespace skycrier::gui {

DesktopProgram::DesktopProgram(const DesktopParts& parts)
    : desktop(parts.desktop), program({parts.announcer, parts.sharedDataFolder}), mainWindow(program, desktop) {
    createWindows();
    trayAvailable_ = TrayIcon::available();
    if (trayAvailable_)
        tray.show();
    else
        program.announcer.status.setEditData("No system tray here: SkyCrier minimises to the task bar");
    connect(&tray, &TrayIcon::restoreRequested, this, &DesktopProgram::restore);
    connect(&tray, &TrayIcon::quitRequested, this, &DesktopProgram::close);
    connect(&mainWindow, &MainWindow::quitRequested, this, [this] {
        tray.remove();
        close();
    });
    connect(&mainWindow, &MainWindow::minimiseRequested, this, &DesktopProgram::minimise);
    connect(&mainWindow, &MainWindow::sourceWindowsChanged, this, &DesktopProgram::refreshAll);
    connect(&refreshTimer_, &QTimer::timeout, this, &DesktopProgram::refreshAll);
    refreshTimer_.start(250);
    program.showMainWindow = [this](bool minimised) {
        if (minimised)
            minimise(true);
        else
            restore();
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

void DesktopProgram::createWindows() {
    Announcer& a = program.announcer;
    StationSources& s = a.stations;
    windows_ = {&mainWindow};
    refreshers_ = {[this] { mainWindow.refresh(); }};
    std::map<SourceKind, std::function<void()>> createSource;
    for (const SourceWindowTitle& t : kSourceWindowTitles)
        createSource[t.kind] = [this, &s, t] { create<SourcePlaceholderWindow>(s.FormChoixMeteo.window(t.kind), t.name, t.caption); };
    // The program's order of creation.
    createSource[SourceKind::MON]();
    create<SourceChoiceWindow>(s.FormChoixMeteo, [this] { return mainWindow.geometryOfWindow(); });
    createSource[SourceKind::W23]();
    createSource[SourceKind::W28]();
    createSource[SourceKind::APRS]();
    createSource[SourceKind::Pro2]();
    auto* units = create<UnitsWindow>(s.FormMyUnits);
    auto* port = create<PortWindow>(a.FormCOM);
    createSource[SourceKind::METAR]();
    connect(&mainWindow, &MainWindow::portWindowRequested, port, &QWidget::show);
    connect(&mainWindow, &MainWindow::unitsWindowRequested, units, &QWidget::show);
}

void DesktopProgram::refreshAll() {
    for (const auto& refresh : refreshers_) refresh();
}

std::vector<QWidget*> DesktopProgram::windows() const { return windows_; }

void DesktopProgram::start() {
    // The window shows before the start-up reads the configuration, as the
    // start-up's first step does; "REDUCE=Y" then sends it to the tray.
    mainWindow.show();
    program.start();
}

void DesktopProgram::startUpNow() { program.StartUp(); }

void DesktopProgram::minimise(bool hideTaskbarEntry) {
    TForm1& w = program.announcer.mainWindow;
    mainWindow.showMinimized();
    if (w.noSaveOnMinimise)
        w.noSaveOnMinimise = false;
    else
        program.announcer.saveConfiguration();
    // Without a tray the task bar is the only way back.
    if ((hideTaskbarEntry || w.CheckBoxReduire) && trayAvailable_) mainWindow.hide();
}

void DesktopProgram::restore() {
    mainWindow.showNormal();
    mainWindow.raise();
    mainWindow.activateWindow();
}

void DesktopProgram::close() {
    program.FormClose();
    tray.remove();
    for (QWidget* w : windows_) w->hide();
    QApplication::quit();
}

}  // namespace skycrier::gui
