// The autostart entry as the desktop session reads it: where it lives, its
// Exec line for any program path, and its removal.

#include "platform/xdg_autostart.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "support/temp_dir.h"

namespace skycrier {
namespace {

// Sets an environment variable for the test's life.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~ScopedEnv() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(XdgAutostart, TheExecLineQuotesAndEscapesAsDesktopEntriesRequire) {
    const std::pair<std::string, std::string> cases[] = {
        {"/usr/bin/skycrier", "/usr/bin/skycrier"},
        {"/opt/Sky Crier/skycrier", R"("/opt/Sky Crier/skycrier")"},
        {R"(/opt/a "b"/c)", R"("/opt/a \\"b\\"/c")"},
        {"/opt/a$b", R"("/opt/a\\$b")"},
        {R"(/opt/a\b)", R"("/opt/a\\\\b")"},
        {"/opt/a`b", R"("/opt/a\\`b")"},
        {"/opt/it's;(x)", R"x("/opt/it's;(x)")x"},
        {"/opt/a\nb\tc", R"("/opt/a\nb\tc")"},
        {"/opt/100%/skycrier", "/opt/100%%/skycrier"},
        {"/opt/100% sure", R"("/opt/100%% sure")"},
        {"/opt/météo/skycrier", "/opt/météo/skycrier"},
    };
    for (const auto& [path, exec] : cases) EXPECT_EQ(execArgument(path), exec) << path;
}

TEST(XdgAutostart, TheEntryFollowsXdgConfigHomeAndIsRemovedWhoeverWroteIt) {
    test::TempDir dir;
    const std::string home = (dir.path() / "home").string();
    const std::string config = (dir.path() / "config").string();
    const ScopedEnv homeEnv("HOME", home.c_str());
    const struct {
        const char* xdg;
        std::filesystem::path entry;
    } places[] = {
        {config.c_str(), dir.path() / "config/autostart/brell.desktop"},
        {nullptr, dir.path() / "home/.config/autostart/brell.desktop"},
        {"relative/config", dir.path() / "home/.config/autostart/brell.desktop"},
    };
    for (const auto& place : places) {
        SCOPED_TRACE(place.xdg ? place.xdg : "unset");
        const ScopedEnv xdgEnv("XDG_CONFIG_HOME", place.xdg);
        ASSERT_EQ(XdgAutostart::entryPath(), place.entry);
        XdgAutostart autostart("/opt/Sky Crier/skycrier");
        autostart.setEnabled(true);
        EXPECT_EQ(test::fileText(place.entry),
                  "[Desktop Entry]\nType=Application\nName=SkyCrier\nComment=Weather announcer\n"
                  "Exec=\"/opt/Sky Crier/skycrier\"\nTerminal=false\n");
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(place.entry.parent_path()), {}), 1);

        // Another copy's entry goes as well.
        XdgAutostart("/elsewhere/skycrier").setEnabled(true);
        autostart.setEnabled(false);
        EXPECT_FALSE(std::filesystem::exists(place.entry));
        autostart.setEnabled(false);
    }
}

TEST(XdgAutostart, AFolderThatCannotBeWrittenChangesNothingAndReportsNothing) {
    test::TempDir dir;
    const std::string notAFolder = dir.write("config", "a file");
    const ScopedEnv xdgEnv("XDG_CONFIG_HOME", notAFolder.c_str());
    XdgAutostart autostart("/usr/bin/skycrier");
    autostart.setEnabled(true);
    autostart.setEnabled(false);
    EXPECT_EQ(test::fileText(notAFolder), "a file");
}

}  // namespace
}  // namespace skycrier
