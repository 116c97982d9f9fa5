// What skycrier-cli tells about itself, run as a user runs it: the list of
// commands, each command's help, and the short synopsis after a mistake.

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "cli/usage.h"
#include "support/cli_process.h"

namespace skycrier::test {
namespace {

CliOutcome runCli(const std::vector<std::string>& args) {
    CliProcess cli;
    return cli.finish(cli.start(args));
}

// The "Commands:" block of the list: each name with the text beside it.
std::map<std::string, std::string> listedCommands(const std::string& list) {
    std::map<std::string, std::string> listed;
    std::istringstream in(list.substr(list.find("Commands:\n") + 10));
    for (std::string line; std::getline(in, line) && !line.empty();) {
        std::istringstream words(line);
        std::string name, summary;
        words >> name;
        std::getline(words >> std::ws, summary);
        listed[name] = summary;
    }
    return listed;
}

const struct {
    const cli::CommandHelp& help;
    std::vector<std::string> mistake;
} kCommands[] = {
    {cli::kBulletinHelp, {"--list", "--loud"}},
    {cli::kVocabularyHelp, {"--export"}},
    {cli::kStationHelp, {"w23", "history.dat", "--relative"}},
    {cli::kMetarHelp, {"EDDF", "--tu", "noon"}},
    {cli::kAprsHelp, {"--url", "http://127.0.0.1/", "--in-wind", "furlong"}},
    {cli::kScheduleHelp, {"--ini"}},
    {cli::kDevicesHelp, {"--all"}},
    {cli::kRunHelp, {"--daemon"}},
    {cli::kConfigHelp, {"--ini", "a.ini", "--at", "noon"}},
    {cli::kPeerHelp, {"shout"}},
    {cli::kCheckHelp, {"--port"}},
};

TEST(Usage, TheListGivesEveryCommandOneLine) {
    for (const std::string ask : {"--help", "-h", "help"}) {
        SCOPED_TRACE(ask);
        const CliOutcome r = runCli({ask});
        EXPECT_EQ(r.code, 0);
        EXPECT_EQ(r.err, "");
        const auto listed = listedCommands(r.out);
        EXPECT_EQ(listed.size(), std::size(kCommands)) << r.out;
        for (const auto& c : kCommands) EXPECT_NE(listed.count(c.help.name) ? listed.at(c.help.name) : "", "") << r.out;
        EXPECT_NE(r.out.find("\nskycrier-cli COMMAND --help tells more.\n"), std::string::npos) << r.out;
    }
    // Without a command, or with a wrong one, the same list goes to stderr.
    for (const std::vector<std::string>& args : {std::vector<std::string>{}, {"forecast"}, {"help", "forecast"}}) {
        const CliOutcome r = runCli(args);
        EXPECT_EQ(r.code, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(listedCommands(r.err).size(), std::size(kCommands)) << r.err;
    }
}

TEST(Usage, EachCommandsHelpShowsItsSynopsisAndAnExample) {
    for (const auto& c : kCommands) {
        SCOPED_TRACE(c.help.name);
        const CliOutcome r = runCli({c.help.name, "--help"});
        EXPECT_EQ(r.code, 0);
        EXPECT_TRUE(r.out.starts_with(c.help.synopsis)) << r.out;
        const auto examples = r.out.find("\nExample");
        ASSERT_NE(examples, std::string::npos) << r.out;
        EXPECT_NE(r.out.find("\n  skycrier-cli " + std::string(c.help.name), examples), std::string::npos) << r.out;
        EXPECT_EQ(runCli({"help", c.help.name}).out, r.out);
    }
}

TEST(Usage, AMistakeInTheOptionsShowsOnlyTheSynopsis) {
    for (const auto& c : kCommands) {
        SCOPED_TRACE(c.help.name);
        std::vector<std::string> args{c.help.name};
        args.insert(args.end(), c.mistake.begin(), c.mistake.end());
        const CliOutcome r = runCli(args);
        EXPECT_EQ(r.code, 2);
        EXPECT_EQ(r.out, "");
        const auto firstLineEnd = r.err.find('\n');
        EXPECT_TRUE(r.err.starts_with("skycrier-cli " + std::string(c.help.name) + ": ")) << r.err;
        EXPECT_EQ(r.err.substr(firstLineEnd + 1), c.help.synopsis) << r.err;
    }
}

}  // namespace
}  // namespace skycrier::test
