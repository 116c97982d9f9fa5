#pragma once
// SkyCrier on a desktop: the engine's program with its main window, the tray
// icon and the other windows, created in the program's order; minimising to
// the tray, restoring and every way out.
//
// Threading: the GUI thread, which is the engine's loop thread.

#include <QObject>
#include <functional>
#include <filesystem>
#include <memory>
#include <vector>

#include "app/program.h"
#include "platform/xdg_autostart.h"
#include "gui/desktop.h"
#include "gui/info_window.h"
#include "gui/login_browser.h"
#include "gui/aprs_window.h"
#include "gui/history_source_window.h"
#include "gui/main_window.h"
#include "gui/metar_window.h"
#include "gui/monitor_window.h"
#include "gui/record_window.h"
#include "gui/port_window.h"
#include "gui/source_choice_window.h"
#include "gui/source_window_frame.h"
#include "gui/tray_icon.h"
#include "gui/translation.h"
#include "gui/units_window.h"

namespace skycrier::gui {

struct DesktopParts {
    AnnouncerParts announcer;
    std::filesystem::path sharedDataFolder;
    Desktop desktop;
    // The session's autostart entry; none in the tests.
    Autostart* autostart = nullptr;
    // --lang: this run's language, over the configuration's and the locale's.
    std::optional<Language> language = std::nullopt;
};

class DesktopProgram : public QObject {
    Q_OBJECT
public:
    explicit DesktopProgram(const DesktopParts& parts);
    ~DesktopProgram() override;

    // Starts the tick; the start-up runs half a second later and shows the windows.
    void start();
    // Runs the start-up now (for the screenshots and the control listing).
    void startUpNow();

    // The window goes to the task bar, or only the tray icon stays.
    void minimise(bool hideTaskbarEntry);
    void restore();
    // The close: saves, releases the port and ends the program's loop.
    void close();

    // Every window, in the order the program creates them.
    std::vector<QWidget*> windows() const;
    // Reads the engine's state into every window (each also repaints by itself when its models change).
    void refreshAll();
    // Shows every window, menu and notice in the language from now on.
    void showLanguage(Language language);

    Desktop desktop;
    Program program;
    MainWindow mainWindow;
    TrayIcon tray;

private:
    void createWindows();
    template <typename W, typename... Args>
    W* create(Args&&... args);
    // The APRS window's login browser, on the login page while shown.
    void addLoginBrowser(AprsWindow& aprs);
    // A window another window owns, listed and refreshed in the program's order.
    template <typename W>
    void listOwned(W& window);

    // The tray's tip and its "Announce now", after every tick of the clock.
    void refreshTray();
    // Where the main window was left, kept for the next start.
    void keepMainWindowPlace();

    EventLoop& loop_;
    bool trayAvailable_ = false;
    // Given for this run (--lang): the configuration's language does not replace it.
    bool languageGiven_ = false;
    // Problems nobody clicked for go to the tray as notices; they never wait for OK.
    Subscription failures_;
    Subscription notices_;
    std::vector<std::unique_ptr<QWidget>> owned_;
    std::vector<QWidget*> windows_;
    std::vector<std::function<void()>> refreshers_;
    // The start-up has loaded the configuration into every model at once.
    Subscription startedUp_;
    Subscription ticks_;
};

}  // namespace skycrier::gui
