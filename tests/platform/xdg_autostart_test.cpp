// The autostart entry as the desktop session reads it: where it lives, its
// Exec line for any program path, and its removal.

#include "platform/xdg_autostart.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "support/temp_dir.h"

namespace skycrier {
namespace {

// Sets an environment variable (nullptr: unsets it) until the end of the scope.
struct ScopedEnv {
    ScopedEnv(const char* variable, const char* value) : name(variable) {
        if (const char* was = std::getenv(name)) old = was;
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~ScopedEnv() { old ? ::setenv(name, old->c_str(), 1) : ::unsetenv(name); }
    const char* name;
    std::optional<std::string> old;
};

TEST(XdgAutostart, TheExecLineQuotesAndEscapesAsDesktopEntriesRequire) {
    const std::pair<std::string, std::string> cases[] = {
        {"/usr/bin/skycrier", "/usr/bin/skycrier"},
        {"/opt/Sky Crier/skycrier", R"("/opt/Sky Crier/skycrier")"},
        {R"(/opt/a "b"/c$d`e\f)", R"("/opt/a \\"b\\"/c\\$d\\`e\\\\f")"},
        {"/opt/it's;(x)", R"x("/opt/it's;(x)")x"},
        {"/opt/a\nb\tc", R"("/opt/a\nb\tc")"},
        {"/opt/100%/skycrier", "/opt/100%%/skycrier"},
        {"/opt/météo/skycrier", "/opt/météo/skycrier"},
    };
    for (const auto& [path, exec] : cases) EXPECT_EQ(execArgument(path), exec) << path;
    // A folder of its own comes along, so that the session starts the same station.
    EXPECT_NE(autostartEntryText("/usr/bin/skycrier", {"--folder", "/srv/sky crier"})
                  .find("\nExec=/usr/bin/skycrier --folder \"/srv/sky crier\"\n"),
              std::string::npos);
}

TEST(XdgAutostart, TheEntryFollowsXdgConfigHomeAndIsRemovedWhoeverWroteIt) {
    test::TempDir dir;
    const ScopedEnv home("HOME", (dir.path() / "home").c_str());
    const std::string config = (dir.path() / "config").string();
    const std::pair<const char*, std::filesystem::path> places[] = {
        {config.c_str(), dir.path() / "config/autostart/brell.desktop"},
        {nullptr, dir.path() / "home/.config/autostart/brell.desktop"},
        {"relative/config", dir.path() / "home/.config/autostart/brell.desktop"},
    };
    for (const auto& [xdg, entry] : places) {
        const ScopedEnv xdgConfigHome("XDG_CONFIG_HOME", xdg);
        XdgAutostart autostart("/opt/Sky Crier/skycrier");
        autostart.setEnabled(true);
        EXPECT_EQ(test::fileText(entry),
                  "[Desktop Entry]\nType=Application\nName=SkyCrier\nComment=Weather announcer\n"
                  "Exec=\"/opt/Sky Crier/skycrier\"\nTerminal=false\n");
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(entry.parent_path()), {}), 1);
        XdgAutostart("/elsewhere/skycrier").setEnabled(true);
        autostart.setEnabled(false);
        EXPECT_FALSE(std::filesystem::exists(entry)) << "another copy's entry goes as well";
    }
    // A folder that cannot be made: nothing is written, nothing is said.
    const ScopedEnv xdgConfigHome("XDG_CONFIG_HOME", dir.write("file", "a file").c_str());
    XdgAutostart("/usr/bin/skycrier").setEnabled(true);
    EXPECT_EQ(test::fileText(dir.path() / "file"), "a file");
}

}  // namespace
}  // namespace skycrier
