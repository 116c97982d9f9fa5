#pragma once
// Asks the maker's web site whether a newer SkyCrier exists. The site keeps
// a small list of "name=version" lines; the program fetches it into
// "versions.txt" in the program folder, takes its own line and compares the
// version with its own. Silent at start-up (when the user asked for it), with
// an answer either way from the info window's button.
//
// Threading: the loop's thread only; answers come later, on the loop.

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/http_fetch.h"
#include "platform/task_scope.h"

namespace skycrier {

inline constexpr const char* kVersionListPath = "/index_fichiers/versions.txt";
inline constexpr const char* kVersionListFile = "versions.txt";
// The maker's host when the configuration names none ("VERSION_URL=").
inline constexpr const char* kDefaultVersionHost = "https://skycrier.github.io";

// "2.2.2" gives 222: the first character of up to three dot-separated
// components, weighted 100, 10 and 1. A component that is empty adds
// nothing; a character that is not a digit ends the number where it stands,
// so a text that does not begin with a digit gives 0.
int VersionNumber(std::string_view text);

// The list's address and the download page on a host ("" for the maker's).
std::string versionListAddress(std::string_view host);
std::string downloadPageAddress(std::string_view host);

enum class MessageKind { Information, Warning };

struct VersionCheckParts {
    EventLoop& loop;
    // None: every check goes without an answer.
    HttpFetcher* fetcher;
    // The local copy of the list.
    std::filesystem::path listFile;
    // The configured host, read at each check.
    std::function<std::string()> host;
};

class VersionCheck {
public:
    explicit VersionCheck(VersionCheckParts parts);

    // Fetches the list and hands done the value of the line whose key is name
    // followed by "=", or an empty text when the fetch fails, the server sent
    // a web page, or no line has that key. A request made while a fetch runs
    // waits for that fetch's list instead of starting a second one.
    void fetchVersionEntry(const std::string& name, std::function<void(const std::string& version)> done);
    // The start-up check: speaks up only when a newer version exists.
    void checkAtStart();
    // The info window's button: newer, up to date, or "Error Internet".
    void checkOnRequest();

    // The answer to the info window's button: a message box with an OK button; the front end shows it.
    std::function<void(MessageKind, const std::string&)> showMessage = [](MessageKind, const std::string&) {};
    // What the start-up check finds: a notice that never waits for a hand.
    std::function<void(const std::string&)> notice = [](const std::string&) {};
    std::function<void()> beep = [] {};

private:
    using Done = std::function<void(const std::string&)>;

    void listArrived(const std::string& error);
    void compare(const std::string& version, bool answerAlways);

    VersionCheckParts parts_;
    // The names asked for while the list is on its way.
    std::vector<std::pair<std::string, Done>> waiting_;
    TaskScope tasks_;
};

}  // namespace skycrier
