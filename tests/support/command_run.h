#pragma once
// Runs one of skycrier-cli's commands in-process and keeps what it printed.

#include <gtest/gtest.h>

#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace skycrier::test {

struct CommandResult {
    int code;
    std::string out;
    std::string err;
};

using Command = int (*)(const std::vector<std::string>&, std::ostream&, std::ostream&);

// A refused command: exit 2, nothing on stdout, one line on stderr naming the
// mistake, then the command's usage when the mistake was in the options.
inline void expectRefused(const CommandResult& r, const std::string& usage, bool optionMistake) {
    EXPECT_EQ(r.code, 2) << r.err;
    EXPECT_EQ(r.out, "");
    const auto firstLineEnd = r.err.find('\n');
    ASSERT_NE(firstLineEnd, std::string::npos) << r.err;
    EXPECT_EQ(r.err.substr(firstLineEnd + 1), optionMistake ? usage : "") << r.err;
}

inline CommandResult runCommand(Command command, const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int code = command(args, out, err);
    return {code, out.str(), err.str()};
}

}  // namespace skycrier::test
