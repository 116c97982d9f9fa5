#include "cli/schedule_command.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "cli/usage.h"
#include "support/command_run.h"
#include "support/temp_dir.h"

namespace skycrier::cli {
namespace {

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> all;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) all.push_back(line);
    return all;
}

class ScheduleCommandTest : public ::testing::Test {
protected:
    // PERIOD= is the selector's position: 1 is 5 minutes, 3 is 15.
    test::CommandResult run(int periodPosition, int startHour, int endHour, std::vector<std::string> more = {}) {
        const std::string ini = dir.write("skycrier.ini", "[skycrier]\r\nPERIOD=" + std::to_string(periodPosition) +
                                                              "\r\nSTART_RANGE=" + std::to_string(startHour) +
                                                              "\r\nEND_RANGE=" + std::to_string(endHour) + "\r\n");
        std::vector<std::string> args = {"--ini", ini, "--from", "2026-03-01 00:00", "--to", "2026-03-02 00:00",
                                         "--folder", dir.path().string()};
        args.insert(args.end(), more.begin(), more.end());
        return test::runCommand(runScheduleCommand, args);
    }

    test::TempDir dir;
};

// Starts of one day, each checked for its date, its minute and the hours allowed.
TEST_F(ScheduleCommandTest, OneDayOfStarts) {
    struct Case {
        int periodPosition, startHour, endHour;
        std::vector<std::string> more{};
        std::size_t bulletins;
        int periodMinutes;
        std::set<int> hours{};  // empty: every hour
        std::string said;       // on stderr
    };
    const std::string none = "skycrier-cli schedule: no bulletin between 2026-03-01 00:00:00 and 2026-03-02 00:00:00: ";
    const Case cases[] = {
        {.periodPosition = 3, .startHour = 0, .endHour = 24, .bulletins = 96, .periodMinutes = 15, .said = ""},
        {.periodPosition = 3, .startHour = 22, .endHour = 6, .bulletins = 32, .periodMinutes = 15,
         .hours = {22, 23, 0, 1, 2, 3, 4, 5}, .said = ""},
        {.periodPosition = 3, .startHour = 8, .endHour = 8, .bulletins = 0, .periodMinutes = 15,
         .said = none + "no period falls in the hours of the window in that span\n"},
        {.periodPosition = 0, .startHour = 0, .endHour = 24, .bulletins = 0, .periodMinutes = 15,
         .said = none + "the period is off (PERIOD= in the configuration)\n"},
        {.periodPosition = 1, .startHour = 0, .endHour = 24, .more = {"--bulletin-seconds", "40"}, .bulletins = 288,
         .periodMinutes = 5, .said = ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.periodPosition) + " " + std::to_string(c.startHour) + ".." +
                     std::to_string(c.endHour));
        const auto r = run(c.periodPosition, c.startHour, c.endHour, c.more);
        EXPECT_EQ(r.code, 0);
        EXPECT_EQ(r.err, c.said);
        const auto starts = lines(r.out);
        EXPECT_EQ(starts.size(), c.bulletins);
        std::set<std::string> minutes;
        for (const std::string& s : starts) {
            ASSERT_EQ(s.size(), 19u) << s;
            EXPECT_EQ(s.substr(0, 11), "2026-03-01 ");
            const int hour = std::stoi(s.substr(11, 2));
            const int minute = std::stoi(s.substr(14, 2));
            EXPECT_EQ(minute % c.periodMinutes, 0) << s;
            EXPECT_TRUE(c.hours.empty() || c.hours.count(hour)) << s;
            EXPECT_TRUE(minutes.insert(s.substr(11, 5)).second) << s;
        }
    }
}

TEST_F(ScheduleCommandTest, BadOptionsShowTheUsageAndUnreadableFilesOneLine) {
    const std::string ini = dir.write("ok.ini", "PERIOD=3\n");
    const std::pair<std::vector<std::string>, bool> cases[] = {
        {{}, true},
        {{"--ini", ini, "--from", "2026-03-01 00:00"}, true},
        {{"--ini", ini, "--from", "2026-03-01", "--to", "2026-03-02 00:00"}, true},
        {{"--ini", ini, "--from", "2026-03-02 00:00", "--to", "2026-03-01 00:00"}, true},
        {{"--ini", ini, "--from", "2026-03-01 00:00", "--to", "2028-03-01 00:00"}, true},
        {{"--ini", ini, "--from", "2026-03-01 00:00", "--to", "2026-03-02 00:00", "--bulletin-seconds", "600"}, true},
        {{"--ini", ini, "--from", "2026-03-01 00:00", "--to", "2026-03-02 00:00", "--loud"}, true},
        {{"--ini", (dir.path() / "missing.ini").string(), "--from", "2026-03-01 00:00", "--to", "2026-03-02 00:00"},
         false},
        {{"--ini", dir.path().string(), "--from", "2026-03-01 00:00", "--to", "2026-03-02 00:00"}, false},
        {{"--ini"}, true},
    };
    for (const auto& [args, optionMistake] : cases) {
        const auto r = test::runCommand(runScheduleCommand, args);
        test::expectRefused(r, kScheduleUsage, optionMistake);
        EXPECT_EQ(r.err.rfind("skycrier-cli schedule: ", 0), 0u) << r.err;
    }
}

TEST_F(ScheduleCommandTest, HelpPrintsTheUsage) {
    for (const std::string flag : {"--help", "-h"}) {
        const auto r = test::runCommand(runScheduleCommand, {flag});
        EXPECT_EQ(r.code, 0);
        EXPECT_TRUE(r.out.starts_with(kScheduleUsage)) << r.out;
        EXPECT_EQ(r.err, "");
    }
}

}  // namespace
}  // namespace skycrier::cli
