#include "app/version_check.h"

#include <optional>

#include "app/config_file.h"
#include "base/text_lines.h"
#include "platform/regular_file.h"

namespace skycrier {
namespace {

constexpr const char* kProgramKey = "skycrier";

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view hostOrDefault(std::string_view host) {
    if (host.empty()) host = kDefaultVersionHost;
    while (host.ends_with('/')) host.remove_suffix(1);
    return host;
}

void removeFile(const std::filesystem::path& file) {
    std::error_code ignored;
    std::filesystem::remove(file, ignored);
}

// The list's lines, the local copy removed as the fetch leaves it: a web
// page or an unreadable file is no list; an empty one stays until the next
// fetch replaces it.
std::optional<std::string> takeList(const std::filesystem::path& file) {
    std::string reason;
    const auto text = readRegularFile(file.string(), kMaxTextFileBytes, reason);
    if (!text || text->substr(0, 3).find('<') != std::string::npos) {
        removeFile(file);
        return std::nullopt;
    }
    if (splitLines(*text).empty()) return std::nullopt;
    removeFile(file);
    return text;
}

std::string entryOf(std::string_view list, const std::string& name) {
    const std::string key = name + "=";
    for (const std::string_view line : splitLines(list)) {
        const auto equals = line.find('=');
        if (equals == std::string_view::npos || equals == 0) continue;
        if (line.substr(0, equals + 1) == key) return std::string(line.substr(equals + 1));
    }
    return {};
}

}  // namespace

int VersionNumber(std::string_view text) {
    int number = 0;
    bool first = true;
    for (const int weight : {100, 10, 1}) {
        if (!first) {
            const auto dot = text.find('.');
            if (dot == std::string_view::npos) break;
            text.remove_prefix(dot + 1);
            if (text.empty() || text.front() == '.') continue;
        }
        first = false;
        if (text.empty() || !isDigit(text.front())) break;
        number += weight * (text.front() - '0');
    }
    return number;
}

std::string versionListAddress(std::string_view host) {
    return std::string(hostOrDefault(host)) + kVersionListPath;
}

std::string downloadPageAddress(std::string_view host) { return std::string(hostOrDefault(host)) + "/"; }

VersionCheck::VersionCheck(VersionCheckParts parts) : parts_(std::move(parts)), tasks_(parts_.loop) {}

void VersionCheck::fetchVersionEntry(const std::string& name, std::function<void(const std::string&)> done) {
    waiting_.emplace_back(name, std::move(done));
    if (waiting_.size() > 1) return;
    if (!parts_.fetcher) {
        tasks_.post([this] { listArrived("no connection to the web"); });
        return;
    }
    parts_.fetcher->fetchToFile(versionListAddress(parts_.host()), parts_.listFile.string(),
                                tasks_.guard([this](const std::string& error) { listArrived(error); }));
}

void VersionCheck::listArrived(const std::string& error) {
    std::optional<std::string> list;
    if (error.empty())
        list = takeList(parts_.listFile);
    else
        removeFile(parts_.listFile);
    // Answers may ask for the list again.
    const auto answered = std::exchange(waiting_, {});
    for (const auto& [name, done] : answered) done(list ? entryOf(*list, name) : std::string());
}

void VersionCheck::checkAtStart() {
    fetchVersionEntry(kProgramKey, [this](const std::string& version) { compare(version, false); });
}

void VersionCheck::checkOnRequest() {
    fetchVersionEntry(kProgramKey, [this](const std::string& version) { compare(version, true); });
}

void VersionCheck::compare(const std::string& version, bool answerAlways) {
    if (version.empty()) {
        if (answerAlways) showMessage(MessageKind::Warning, "Error Internet");
        return;
    }
    if (VersionNumber(kProgramVersion) < VersionNumber(version)) {
        beep();
        const std::string text =
            "Hay una versión más reciente de SKYCRIER disponible en " + downloadPageAddress(parts_.host());
        if (answerAlways)
            showMessage(MessageKind::Information, text);
        else
            notice(text);
    } else if (answerAlways) {
        showMessage(MessageKind::Information, "Estas actualizado.");
    }
}

}  // namespace skycrier
