#include "gui/desktop_program.h"

#include <QApplication>

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
    connect(&mainWindow, &MainWindow::sourceWindowsChanged, this, &DesktopProgram::showWindowsAsModelSays);
    program.showMainWindow = [this](bool minimised) {
        if (minimised)
            minimise(true);
        else
            restore();
    };
}

DesktopProgram::~DesktopProgram() { tray.remove(); }

void DesktopProgram::createWindows() {
    windows_ = {&mainWindow};
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

void DesktopProgram::showWindowsAsModelSays() {}

}  // namespace skycrier::gui
