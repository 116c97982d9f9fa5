#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace skycrier::cli {

// skycrier-cli bulletin [--ini FILE] [--record FILE] [--at "YYYY-MM-DD HH:MM:SS"]
//                       [--vocabulary DIR] [--folder DIR] --list | --wav FILE | --play [--device NAME|N]
int runBulletinCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace skycrier::cli
