#include "platform/xdg_autostart.h"

#include <string_view>

#include "platform/atomic_file.h"
#include "platform/program_location.h"

namespace skycrier {
namespace {

constexpr std::string_view kReserved = " \t\n\"'\\><~|&;$*?#()`";
constexpr std::string_view kEscapedInQuotes = "\"`$\\";

// The escapes of a string value, which the reader undoes before the quoting.
std::string stringValue(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        case '\r': out += "\\r"; break;
        default: out += c;
        }
    }
    return out;
}

}  // namespace

std::string execArgument(const std::string& argument) {
    std::string quoted;
    const bool mustQuote = argument.empty() || argument.find_first_of(kReserved) != std::string::npos;
    if (mustQuote) quoted += '"';
    for (const char c : argument) {
        if (mustQuote && kEscapedInQuotes.find(c) != std::string_view::npos) quoted += '\\';
        // A lone "%" would start a field code.
        if (c == '%') quoted += '%';
        quoted += c;
    }
    if (mustQuote) quoted += '"';
    return stringValue(quoted);
}

std::string autostartEntryText(const std::string& programPath, const std::vector<std::string>& arguments) {
    std::string exec = execArgument(programPath);
    for (const std::string& argument : arguments) exec += " " + execArgument(argument);
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=SkyCrier\n"
           "Comment=Weather announcer\n"
           "Exec=" +
           exec +
           "\n"
           "Terminal=false\n";
}

std::filesystem::path XdgAutostart::entryPath() { return userConfigFolder() / "autostart" / "brell.desktop"; }

void XdgAutostart::setEnabled(bool on) {
    const auto entry = entryPath();
    std::error_code ignored;
    if (!on) {
        std::filesystem::remove(entry, ignored);
        return;
    }
    if (programPath_.empty()) return;
    std::filesystem::create_directories(entry.parent_path(), ignored);
    std::string reason;
    replaceFileAtomically(entry.string(), entry.string() + ".new", autostartEntryText(programPath_.string(), arguments_), 0644,
                          reason);
}

}  // namespace skycrier
