#pragma once
// Every configuration key in one table: who holds it, how a line is read into
// the program and how the program writes it back. Loading looks keys up here
// and saving walks the table in order, so no key can be read without being
// written, nor written without being read.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/configuration.h"

namespace skycrier {

// Which target holds a key; a key whose holder is absent is neither read nor written.
enum class SettingOwner { Always, MainWindow, Schedule, Stations };

bool ownerPresent(SettingOwner owner, const ConfigTargets& targets);

// What reading one line may touch.
struct SettingRead {
    const ConfigTargets& targets;
    // The source "METEO=" names, chosen once every line is read.
    std::optional<SourceKind>& remembered;
    // For a numbered key ("APRS_FAV3="): what stands between the table's key and the "=".
    std::string_view number;
};

// A save's text: each line is key, value, CR LF.
class SettingLines {
public:
    void add(std::string_view key, std::string_view value);
    // Keys whose empty value is their default are left out while empty.
    void addUnlessEmpty(std::string_view key, std::string_view value);
    std::string take() { return std::move(text_); }

private:
    std::string text_;
};

struct Setting {
    // With its "=", or for a numbered key the part before the number.
    std::string key;
    SettingOwner owner;
    // Read into one target but written from another (FORMMETEO=); empty when the owner writes it.
    std::optional<SettingOwner> writtenFrom = std::nullopt;
    bool numbered = false;
    // Why the value was not taken as it stands; empty when it was.
    std::function<std::string(const SettingRead&, const std::string& value)> read;
    // The key's lines in a save; none while it holds a default that goes unwritten.
    std::function<void(const ConfigTargets&, SettingLines&)> write;

    SettingOwner writer() const { return writtenFrom.value_or(owner); }
};

// Every key, in the order of writing.
const std::vector<Setting>& settingsTable();

// The key's row, a numbered one by its prefix; nullptr for an unknown key.
const Setting* findSetting(std::string_view key);

}  // namespace skycrier
