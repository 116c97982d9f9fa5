// skycrier: the desktop program. Without options it runs with its main
// window and tray icon; --screenshots and --dump-controls show its windows
// off screen, write what they show and exit.

#include <QApplication>
#include <QDeadlineTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSocketNotifier>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>

#include "app/builtin_clips.h"
#include "app/config_file.h"
#include "app/program_folder.h"
#include "devices/linux_devices.h"
#include "gui/control_dump.h"
#include "gui/desktop_program.h"
#include "gui/login_browser.h"
#include "gui/qt_event_loop.h"
#include "gui/screenshots.h"
#include "gui/translation.h"
#include "platform/exit_signals.h"
#include "platform/folder_lock.h"
#include "platform/program_location.h"
#include "platform/xdg_autostart.h"

namespace {

constexpr const char* kUsage =
    "usage: skycrier [--folder DIR] [--mailbox NAME] [--lang en|es] [--screenshots DIR | --dump-controls]\n"
    "  --folder DIR       the program folder: skycrier.ini, skycrier.log and the working files\n"
    "  --mailbox NAME     share the transmitter through the private mailbox /dev/shm/NAME\n"
    "  --lang en|es       the windows' language for this run (else the configuration's, else the locale's)\n"
    "  --screenshots DIR  write a PNG of every window, and of the main window with each menu open, then exit\n"
    "  --dump-controls    print every window's named controls as one JSON object, then exit;\n"
    "                     \"untranslated\" lists the texts shown that no catalogue entry translates\n"
    "  --version          print the version\n";

struct Options {
    std::string folder;
    skycrier::MailboxNames mailbox;
    std::string screenshots;
    bool dumpControls = false;
    std::optional<skycrier::gui::Language> language;
};

std::optional<Options> parseOptions(int argc, char** argv, std::string& error) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const bool takesValue = a == "--folder" || a == "--screenshots" || a == "--mailbox" || a == "--lang";
        if (takesValue && i + 1 >= argc) {
            error = a + " needs a value";
            return std::nullopt;
        }
        if (a == "--folder")
            o.folder = argv[++i];
        else if (a == "--mailbox") {
            const auto names = skycrier::MailboxNames::fromOption(argv[++i], error);
            if (!names) return std::nullopt;
            o.mailbox = *names;
        } else if (a == "--lang") {
            o.language = skycrier::gui::languageOfCode(argv[++i]);
            if (!o.language) {
                error = std::string("--lang takes en or es, not ") + argv[i];
                return std::nullopt;
            }
        } else if (a == "--screenshots")
            o.screenshots = argv[++i];
        else if (a == "--dump-controls")
            o.dumpControls = true;
        else {
            error = "unknown option " + a;
            return std::nullopt;
        }
    }
    if (o.dumpControls && !o.screenshots.empty()) {
        error = "--screenshots and --dump-controls exclude each other";
        return std::nullopt;
    }
    return o;
}

// A large virtual screen, so that long menus open whole in the pictures.
std::filesystem::path writeOffscreenScreen() {
    const auto path =
        std::filesystem::temp_directory_path() / ("skycrier-screen-" + std::to_string(getpid()) + ".json");
    std::ofstream(path) << R"({"screens": [{"name": "review", "x": 0, "y": 0, "width": 1600, "height": 1200,)"
                        << R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})";
    return path;
}

// Off screen, the platform's notes on what it cannot do are noise.
void quietPlatformNotes(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtWarningMsg || type == QtInfoMsg || type == QtDebugMsg) return;
    std::cerr << message.toStdString() << '\n';
}

// A review shows every source window holding values: each source with an
// input of its own is polled once, and the answers are waited for.
void pollEverySource(skycrier::SourceModels& s) {
    using namespace skycrier;
    for (const SourceKind kind : kAllSources) {
        if (s.sourceChoice.isChecked(kind)) continue;
        if (kind == SourceKind::MON) {
            if (!s.monitorSource.port().empty()) s.monitorSource.openConfiguredPort();
        } else {
            s.sourceChoice.window(kind).poll();
        }
    }
    const auto polling = [&s] {
        for (const SourceKind kind : kAllSources)
            if (s.sourceChoice.window(kind).poller().inFlight()) return true;
        return false;
    };
    QDeadlineTimer deadline(15'000);
    while (polling() && !deadline.hasExpired()) QApplication::processEvents(QEventLoop::AllEvents, 50);
}

bool asks(int argc, char** argv, const std::string& what) {
    for (int i = 1; i < argc; ++i)
        if (what == argv[i]) return true;
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace skycrier;
    if (asks(argc, argv, "--help") || asks(argc, argv, "-h")) {
        std::cout << kUsage;
        return 0;
    }
    if (asks(argc, argv, "--version")) {
        std::cout << "skycrier " << kProgramVersion << '\n';
        return 0;
    }
    std::string error;
    std::error_code ignored;
    const auto options = parseOptions(argc, argv, error);
    if (!options) {
        std::cerr << "skycrier: " << error << '\n' << kUsage;
        return 2;
    }
    const bool review = options->dumpControls || !options->screenshots.empty();
    // Reviewing needs no display: the windows are drawn off screen.
    std::filesystem::path screen;
    if (review) {
        screen = writeOffscreenScreen();
        qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screen.string()).c_str());
        qInstallMessageHandler(quietPlatformNotes);
    }
    gui::prepareWebEngine();
    QApplication app(argc, argv);
    if (!screen.empty()) std::filesystem::remove(screen, ignored);
    QApplication::setApplicationName("SKYCRIER");
    QApplication::setWindowIcon(gui::TrayIcon::programIcon());

    const FolderPlaces places = placesOfThisProgram(options->folder);
    const std::filesystem::path folder = chooseProgramFolder(places);
    // A review touches nothing it would need the lock for; a running program
    // touches nothing in the folder before it holds it.
    const auto lock = review ? nullptr : FolderLock::take(folder, error);
    if (lock) {
        if (const std::string moved = moveConfigurationBesideProgram(places); !moved.empty())
            std::cerr << "skycrier: " << moved << '\n';
    }
    if ((!review && !lock) || !prepareProgramFolder(folder, builtInGreeting(), error)) {
        std::cerr << "skycrier: " << error << '\n';
        return 1;
    }
    gui::QtEventLoop loop;
    // Reviewing the look touches no device, never waits for a hand and never reaches the web or a peer.
    DeviceChoices choices{.folder = folder, .mailbox = options->mailbox};
    if (review) choices.opensPorts = choices.online = choices.resident = false;
    LinuxDevices devices(loop, choices);
    gui::Desktop desktop = review ? gui::Desktop::toStream(std::cerr) : gui::Desktop::real();
    gui::DesktopProgram* shown = nullptr;
    // Only the user's own pick of a port is answered with a box; a port absent at start is a notice.
    AnnouncerParts parts = devices.announcerParts();
    parts.showPortError = [&desktop, &shown](const std::string& title, const std::string& reason) {
        desktop.error(shown ? &shown->mainWindow : nullptr, title + "\n" + reason);
    };
    parts.showError = [&desktop, &shown](const std::string& text) {
        desktop.error(shown ? &shown->mainWindow : nullptr, text);
    };
    // A folder of its own goes into the session's entry, so the session starts this station.
    std::vector<std::string> sessionArguments;
    if (!options->folder.empty()) sessionArguments = {"--folder", std::filesystem::absolute(folder).string()};
    XdgAutostart autostart(executablePath(), sessionArguments);
    gui::DesktopProgram program(
        {parts, devices.sharedDataFolder(), desktop, review ? nullptr : &autostart, options->language});
    shown = &program;

    if (!review) {
        // Logout, shutdown and Ctrl-C end the program as its Quit does: bulletin stopped, lines low, saved.
        const auto exitSignals = ExitSignals::create(error);
        std::unique_ptr<QSocketNotifier> signalWatch;
        if (exitSignals) {
            signalWatch = std::make_unique<QSocketNotifier>(exitSignals->fd(), QSocketNotifier::Read);
            // Closed as Quit closes it, before Qt's own quit closes the windows one by
            // one: a source window open at the end stays open at the next start.
            QObject::connect(signalWatch.get(), &QSocketNotifier::activated, [&exitSignals, &program] {
                if (exitSignals->take()) program.close();
            });
        } else {
            std::cerr << "skycrier: " << error << '\n';
        }
        program.start();
        const int status = QApplication::exec();
        program.close();
        return status;
    }
    program.startUpNow();
    pollEverySource(program.program.announcer().sources());
    program.refreshAll();
    if (options->dumpControls) {
        std::vector<QMenu*> menus{&program.tray.menu()};
        QJsonObject listing = gui::dumpControls(program.windows(), menus);
        listing["untranslated"] = QJsonArray::fromStringList(gui::untranslatedTexts());
        std::cout << QJsonDocument(listing).toJson().toStdString();
    } else {
        QString failure;
        const auto files = gui::writeScreenshots(QString::fromStdString(options->screenshots), program.windows(),
                                                 program.mainWindow, program.mainWindow.topMenus(), failure);
        if (files.empty()) {
            std::cerr << "skycrier: " << failure.toStdString() << '\n';
            return 1;
        }
        for (const QString& f : files) std::cout << f.toStdString() << '\n';
    }
    program.program.announcer().stopBulletin("");
    return 0;
}
