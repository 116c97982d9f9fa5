#pragma once
// Starting the program with the user's session: an XDG autostart entry,
// "brell.desktop" in $XDG_CONFIG_HOME/autostart (default ~/.config/autostart),
// that runs the program file with its arguments (--folder when not the
// default). The desktop session reads the folder at log-in.

#include <filesystem>
#include <string>
#include <vector>

namespace skycrier {

// The switch the main window's autostart box works (loop thread only).
class Autostart {
public:
    virtual ~Autostart() = default;
    // On: (re)writes the entry for this program; off: removes the entry,
    // whichever program wrote it. Failures are not reported: the box keeps
    // its state and the session simply does not start the program.
    virtual void setEnabled(bool on) = 0;
};

class XdgAutostart : public Autostart {
public:
    explicit XdgAutostart(std::filesystem::path programPath, std::vector<std::string> arguments = {})
        : programPath_(std::move(programPath)), arguments_(std::move(arguments)) {}

    void setEnabled(bool on) override;
    // Where the entry lives, following XDG_CONFIG_HOME as it is now.
    static std::filesystem::path entryPath();

private:
    std::filesystem::path programPath_;
    std::vector<std::string> arguments_;
};

// The entry's text for a program file and its arguments.
std::string autostartEntryText(const std::string& programPath, const std::vector<std::string>& arguments = {});
// One argument of a desktop entry's Exec line, quoted when it must be and
// escaped as the value of a string key.
std::string execArgument(const std::string& argument);

}  // namespace skycrier
