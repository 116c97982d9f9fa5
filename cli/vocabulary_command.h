#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace skycrier::cli {

// skycrier-cli vocabulary [--vocabulary DIR] --list | --export DIR
//   --list: one clip a line: name, samples per second, format chunk size, data bytes.
//   --export: writes every clip into DIR as a WAVE file named in lower case.
int runVocabularyCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace skycrier::cli
