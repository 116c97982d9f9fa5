// Saving skycrier.ini: the file a save leaves, its permissions, and that a
// failed or killed save never loses the previous settings.

#include "app/configuration_save.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <sstream>

#include "app/announcer.h"
#include "platform/date_time.h"
#include "platform/virtual_loop.h"
#include "support/fake_serial_line.h"
#include "support/fake_wave_out.h"
#include "support/temp_dir.h"

namespace skycrier {
namespace {

namespace fs = std::filesystem;

std::string contentOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

unsigned modeOf(const fs::path& file) {
    struct stat status {};
    return ::stat(file.c_str(), &status) == 0 ? status.st_mode & 07777 : 0;
}

class ConfigurationSaveTest : public ::testing::Test {
protected:
    fs::path ini() const { return folder / "skycrier.ini"; }
    fs::path temporary() const { return folder / "skycrier.~in"; }

    test::TempDir dir;
    fs::path folder = dir.path();
    VirtualLoop loop{encodeDateTime(2026, 3, 10, 12, 0)};
    test::FakeWaveOut sound{loop};
    test::FakeSerialLine line;
    Announcer announcer{{loop, sound, line, folder, {}}};
};

TEST_F(ConfigurationSaveTest, EachSaveReplacesTheFileWholeAndReadOnly) {
    ASSERT_TRUE(announcer.saveConfiguration());
    EXPECT_EQ(contentOf(ini()), announcer.configurationText());
    EXPECT_EQ(modeOf(ini()), 0444u);
    EXPECT_FALSE(fs::exists(temporary()));

    // A temporary file a killed save left, read-only too, is replaced.
    std::ofstream(temporary()) << "half";
    fs::permissions(temporary(), fs::perms::owner_read);
    announcer.mainModels().settings.pauseSeconds = 9;
    announcer.sources().aprsSource.setLoginPassword("s3cret");
    ASSERT_TRUE(announcer.saveConfiguration());
    const std::string saved = contentOf(ini());
    EXPECT_EQ(saved, announcer.configurationText());
    EXPECT_NE(saved.find("\r\nPAUSE=9\r\n"), std::string::npos);
    EXPECT_EQ(modeOf(ini()), 0400u);  // it holds the APRS password
    EXPECT_FALSE(fs::exists(temporary()));

    announcer.sources().aprsSource.setLoginPassword("");
    ASSERT_TRUE(announcer.saveConfiguration());
    EXPECT_EQ(modeOf(ini()), 0444u);
    EXPECT_EQ(announcer.statusBoard().statusText(), "");
}

// Runs the save in a child process, which may first take away what it needs.
int saveInChild(Announcer& announcer, const std::function<void()>& hinder) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (hinder) hinder();
        const bool saved = announcer.saveConfiguration();
        ::_exit(!saved && announcer.statusBoard().statusText() == "Error: skycrier" ? 0 : 1);
    }
    int status = -1;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(ConfigurationSaveTest, AFailedSaveIsToldAndKeepsThePreviousFile) {
    struct Case {
        const char* name;
        std::function<void(const fs::path& folder)> prepare;  // in the test
        std::function<void()> hinder;                         // in the saving process
    };
    const Case cases[] = {
        {"read-only folder",
         [](const fs::path& f) {
             fs::permissions(f, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                    fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
         },
         [] {
             // The superuser writes anywhere: the save runs as nobody.
             if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(2);
         }},
        {"temporary name held by a folder",
         [](const fs::path& f) { fs::create_directories(f / "skycrier.~in" / "inside"); },
         {}},
        {"disk full",
         {},
         [] {
             const rlimit limit{64, 64};
             ::signal(SIGXFSZ, SIG_IGN);
             ::setrlimit(RLIMIT_FSIZE, &limit);
         }},
    };
    for (const Case& c : cases) {
        test::TempDir caseDir;
        fs::permissions(caseDir.path(), fs::perms::all & ~(fs::perms::group_write | fs::perms::others_write));
        const fs::path f = caseDir.path() / "program";
        fs::create_directory(f);
        Announcer a{{loop, sound, line, f, {}}};
        ASSERT_TRUE(a.saveConfiguration()) << c.name;
        const std::string before = contentOf(f / "skycrier.ini");
        if (c.prepare) c.prepare(f);
        a.mainModels().settings.pauseSeconds = 7;
        EXPECT_EQ(saveInChild(a, c.hinder), 0) << c.name;
        EXPECT_EQ(contentOf(f / "skycrier.ini"), before) << c.name;
        EXPECT_EQ(modeOf(f / "skycrier.ini"), 0444u) << c.name;
        fs::permissions(f, fs::perms::owner_all);
    }
}

// A configuration of about 300 KB: long enough for a kill to land inside its writing.
std::string largeConfiguration(char filler) {
    std::string text = "[SKYCRIER V2.2.2]\r\n";
    for (int i = 0; i < 3000; ++i) text += "APRS_LIST=" + std::string(100, filler) + "\r\n";
    return text;
}

TEST_F(ConfigurationSaveTest, ASaveKilledAtAnyMomentLeavesAWholeOldOrNewFile) {
    const std::string first = largeConfiguration('a'), second = largeConfiguration('b');
    std::string reason;
    ASSERT_TRUE(saveConfigurationFile(folder / kConfigFileName, first, reason)) << reason;
    std::mt19937 random(20260310);
    std::uniform_int_distribution<int> delayMicroseconds(0, 4000);
    for (int kill = 0; kill < 200; ++kill) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            for (std::string ignored;;) {
                saveConfigurationFile(folder / kConfigFileName, second, ignored);
                saveConfigurationFile(folder / kConfigFileName, first, ignored);
            }
        ::usleep(static_cast<useconds_t>(delayMicroseconds(random)));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const std::string left = contentOf(ini());
        ASSERT_TRUE(left == first || left == second) << "kill " << kill << " left " << left.size() << " bytes";
    }
    // The next save clears whatever a killed one left behind.
    ASSERT_TRUE(saveConfigurationFile(folder / kConfigFileName, first, reason)) << reason;
    EXPECT_EQ(contentOf(ini()), first);
    EXPECT_FALSE(fs::exists(temporary()));
}

}  // namespace
}  // namespace skycrier
