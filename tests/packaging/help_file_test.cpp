#include "gui/help_file.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace skycrier::gui {
namespace {

// The desktop program finds its help beside itself in the build tree, and under share/ when installed.
TEST(HelpFile, BesideTheProgramElseInTheInstallationsShareFolder) {
    const struct {
        const char* existing;  // the help folder present, under the scratch folder
        const char* program;   // the program's folder
        const char* language;
        const char* expected;
    } cases[] = {
        {"build/help/en", "build", "en", "build/help/en/skycrier_help.html"},
        {"build/help/es", "build", "es", "build/help/es/skycrier_help.html"},
        {"usr/share/skycrier/help/es", "usr/bin", "es", "usr/share/skycrier/help/es/skycrier_help.html"},
        {"opt/sky/share/skycrier/help/en", "opt/sky/bin", "en", "opt/sky/share/skycrier/help/en/skycrier_help.html"},
    };
    for (const auto& c : cases) {
        const test::TempDir dir;
        std::filesystem::create_directories(dir.path() / c.existing);
        EXPECT_EQ(helpFileFor(dir.path() / c.program, c.language), dir.path() / c.expected) << c.existing;
    }
}

}  // namespace
}  // namespace skycrier::gui
