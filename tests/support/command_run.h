#pragma once
// Runs one of skycrier-cli's commands in-process and keeps what it printed.

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

inline CommandResult runCommand(Command command, const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int code = command(args, out, err);
    return {code, out.str(), err.str()};
}

}  // namespace skycrier::test
