#pragma once
// The kinds of value a configuration key holds (flag, yes/no, number, text),
// each one rule that both reads a line and writes it back, so the two agree.

#include <optional>
#include <string>

#include "app/settings_table.h"
#include "sources/source_window.h"

namespace skycrier {

template <class T>
using SettingField = std::function<T&(const ConfigTargets&)>;

extern const std::string kNotANumber;
std::string outOfRange(int minimum, int maximum);

// A flag and the literal that gives it a meaning.
struct FlagRule {
    const char* literal;  // the value that gives the flag `meaning`
    bool meaning = true;
    // Otherwise any other value leaves the flag as it is.
    bool othersGiveOpposite = false;
    // Written while the flag does not have `meaning`; nothing is written when null.
    const char* opposite = nullptr;
};
Setting flag(std::string key, SettingOwner owner, FlagRule rule, std::function<bool(const ConfigTargets&)> get,
             std::function<void(const ConfigTargets&, bool)> set);
Setting flag(std::string key, SettingOwner owner, FlagRule rule, SettingField<bool> field);

// "Y" or "N", always written; a value other than "Y" is "N".
Setting yesNo(std::string key, SettingOwner owner, std::function<bool(const ConfigTargets&)> get,
              std::function<void(const ConfigTargets&, bool)> set);

enum class Beyond {
    Taken,    // a number without limits of its own
    Clamped,  // a bounded control takes the nearest limit, as when a program sets it
    Refused,  // a number that picks an item: outside the items the line is ignored
};
struct NumberRule {
    Beyond beyond = Beyond::Taken;
    int minimum = 0;
    int maximum = 0;
    // The default, which a save leaves out; always written when empty.
    std::optional<int> unwritten = std::nullopt;
};
// A malformed number leaves the setting as it was.
Setting number(std::string key, SettingOwner owner, NumberRule rule, std::function<int(const ConfigTargets&)> get,
               std::function<void(const ConfigTargets&, int)> set);
Setting number(std::string key, SettingOwner owner, NumberRule rule, SettingField<int> field);
// A spin edit: clamped to its own limits, always written.
Setting spin(std::string key, SettingOwner owner, std::function<const BoundedNumber&(const ConfigTargets&)> get,
             std::function<void(const ConfigTargets&, int)> set);

// Taken verbatim; written when not empty.
Setting text(std::string key, SettingOwner owner, std::function<std::string(const ConfigTargets&)> get,
             std::function<void(const ConfigTargets&, const std::string&)> set);
Setting text(std::string key, SettingOwner owner, SettingField<std::string> field);

}  // namespace skycrier
