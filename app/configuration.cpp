#include "app/configuration.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "app/config_keys.h"
#include "app/settings_table.h"

namespace skycrier {

std::string portNameFromConfig(const std::string& value) {
    if (value.starts_with("/") || value.starts_with("COM")) return value;
    return "COM" + value;
}

LoadOutcome loadConfiguration(const std::vector<ConfigLine>& lines, ConfigTargets& t) {
    LoadOutcome outcome;
    for (const ConfigLine& line : lines) {
        const Setting* setting = findSetting(line.key);
        std::string why = "unknown key";
        if (setting && ownerPresent(setting->owner, t)) {
            // Between a numbered key's prefix and its closing "=".
            const std::size_t prefix = setting->key.size();
            const std::string_view number =
                setting->numbered ? std::string_view(line.key).substr(prefix, line.key.size() - 1 - prefix) : "";
            why = setting->read({t, outcome.remembered, number}, line.value);
        }
        if (!why.empty()) outcome.ignored.push_back({line.number, why + ": " + line.key + line.value});
    }
    return outcome;
}

LoadOutcome loadConfiguration(std::string_view text, ConfigTargets& targets) {
    std::vector<IgnoredLine> withoutSetting;
    LoadOutcome outcome = loadConfiguration(parseConfigText(text, &withoutSetting), targets);
    std::vector<IgnoredLine> all;
    std::merge(withoutSetting.begin(), withoutSetting.end(), outcome.ignored.begin(), outcome.ignored.end(),
               std::back_inserter(all), [](const IgnoredLine& a, const IgnoredLine& b) { return a.number < b.number; });
    outcome.ignored = std::move(all);
    return outcome;
}

void applyRememberedSource(const std::optional<SourceKind>& remembered, ConfigTargets& t) {
    if (remembered && t.stations) t.stations->sourceChoice.check(*remembered);
}

void hideSourceWindowsIfAsked(ConfigTargets& t) {
    if (!t.mainWindow || !t.stations || t.mainWindow->settings().showSourceWindow) return;
    for (const SourceBlock& block : kSourceBlocks) {
        SourceWindow& w = t.stations->sourceChoice.window(block.kind);
        // The Weather Monitor II window stays while its station is not connected.
        if (block.kind == SourceKind::MON)
            t.stations->monitorSource.hideWhenConnected();
        else
            w.close();
    }
}

std::vector<IgnoredLine> applyConfiguration(const std::vector<ConfigLine>& lines, ConfigTargets& targets) {
    LoadOutcome outcome = loadConfiguration(lines, targets);
    applyRememberedSource(outcome.remembered, targets);
    return std::move(outcome.ignored);
}

}  // namespace skycrier
