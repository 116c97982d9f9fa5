#include "cli/usage.h"

#include <algorithm>

namespace skycrier::cli {

bool asksForHelp(const std::vector<std::string>& args) {
    return std::any_of(args.begin(), args.end(), [](const std::string& a) { return a == "--help" || a == "-h"; });
}

int usageError(std::ostream& err, const std::string& command, const std::string& mistake, const char* usage) {
    err << "skycrier-cli " << command << ": " << mistake << '\n' << usage;
    return 2;
}

}  // namespace skycrier::cli
