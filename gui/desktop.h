#pragma once
// What the windows ask of the desktop around them: the beep, the file and
// message dialogs, opening a document. The program uses Qt's own; the tests
// answer in their place, so no dialog ever waits for a hand.

#include <QWidget>
#include <functional>
#include <optional>
#include <ostream>
#include <string>

namespace skycrier::gui {

struct Desktop {
    std::function<void()> beep;
    // An open-file dialog: the chosen path, or nothing when it was cancelled.
    std::function<std::optional<std::string>(QWidget* parent, const std::string& filter,
                                             const std::string& defaultSuffix)>
        chooseFile;
    // Message boxes with an OK button.
    std::function<void(QWidget* parent, const std::string& text)> error;
    std::function<void(QWidget* parent, const std::string& text)> warning;
    std::function<void(QWidget* parent, const std::string& text)> message;
    // Opens a file or an address with the desktop's default program.
    std::function<bool(const std::string& target)> open;

    // Qt's dialogs and beep, and xdg-open.
    static Desktop real();
    // Messages as lines on the stream; no file is chosen, nothing is opened.
    static Desktop toStream(std::ostream& out);
};

}  // namespace skycrier::gui
