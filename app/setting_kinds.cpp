#include "app/setting_kinds.h"

#include <algorithm>
#include <utility>

#include "base/decimal_integer.h"

namespace skycrier {

const std::string kNotANumber = "not a whole number";

std::string outOfRange(int minimum, int maximum) {
    return "out of range " + std::to_string(minimum) + ".." + std::to_string(maximum);
}

namespace {

// Applies a number by its rule; empty when taken as written.
std::string readNumber(const NumberRule& rule, const std::string& value, const std::function<void(int)>& set) {
    const auto n = parseDecimalInteger(value);
    if (!n) return kNotANumber;
    switch (rule.beyond) {
        case Beyond::Taken: break;
        case Beyond::Refused:
            if (*n < rule.minimum || *n > rule.maximum) return outOfRange(rule.minimum, rule.maximum);
            break;
        case Beyond::Clamped: {
            const int taken = std::clamp(*n, rule.minimum, rule.maximum);
            set(taken);
            if (taken == *n) return {};
            return outOfRange(rule.minimum, rule.maximum) + ", " + std::to_string(taken) + " taken";
        }
    }
    set(*n);
    return {};
}

}  // namespace

Setting flag(std::string key, SettingOwner owner, FlagRule rule, std::function<bool(const ConfigTargets&)> get,
             std::function<void(const ConfigTargets&, bool)> set) {
    const auto read = [rule, set](const SettingRead& in, const std::string& v) -> std::string {
        if (v == rule.literal)
            set(in.targets, rule.meaning);
        else if (rule.othersGiveOpposite)
            set(in.targets, !rule.meaning);
        return {};
    };
    const auto write = [key, rule, get](const ConfigTargets& t, SettingLines& out) {
        if (get(t) == rule.meaning)
            out.add(key, rule.literal);
        else if (rule.opposite)
            out.add(key, rule.opposite);
    };
    return {std::move(key), owner, std::nullopt, false, read, write};
}

Setting flag(std::string key, SettingOwner owner, FlagRule rule, SettingField<bool> field) {
    return flag(
        std::move(key), owner, rule, [field](const ConfigTargets& t) { return field(t); },
        [field](const ConfigTargets& t, bool on) { field(t) = on; });
}

Setting yesNo(std::string key, SettingOwner owner, std::function<bool(const ConfigTargets&)> get,
              std::function<void(const ConfigTargets&, bool)> set) {
    const auto read = [set](const SettingRead& in, const std::string& v) -> std::string {
        set(in.targets, v == "Y");
        return {};
    };
    const auto write = [key, get](const ConfigTargets& t, SettingLines& out) { out.add(key, get(t) ? "Y" : "N"); };
    return {std::move(key), owner, std::nullopt, false, read, write};
}

Setting number(std::string key, SettingOwner owner, NumberRule rule, std::function<int(const ConfigTargets&)> get,
               std::function<void(const ConfigTargets&, int)> set) {
    const auto read = [rule, set](const SettingRead& in, const std::string& v) {
        return readNumber(rule, v, [&](int n) { set(in.targets, n); });
    };
    const auto write = [key, rule, get](const ConfigTargets& t, SettingLines& out) {
        const int n = get(t);
        if (n != rule.unwritten) out.add(key, std::to_string(n));
    };
    return {std::move(key), owner, std::nullopt, false, read, write};
}

Setting number(std::string key, SettingOwner owner, NumberRule rule, SettingField<int> field) {
    return number(
        std::move(key), owner, rule, [field](const ConfigTargets& t) { return field(t); },
        [field](const ConfigTargets& t, int n) { field(t) = n; });
}

Setting spin(std::string key, SettingOwner owner, std::function<const BoundedNumber&(const ConfigTargets&)> get,
             std::function<void(const ConfigTargets&, int)> set) {
    const auto read = [get, set](const SettingRead& in, const std::string& v) {
        const BoundedNumber& e = get(in.targets);
        return readNumber({Beyond::Clamped, e.minimum(), e.maximum()}, v, [&](int n) { set(in.targets, n); });
    };
    const auto write = [key, get](const ConfigTargets& t, SettingLines& out) {
        out.add(key, std::to_string(get(t).value()));
    };
    return {std::move(key), owner, std::nullopt, false, read, write};
}

Setting text(std::string key, SettingOwner owner, std::function<std::string(const ConfigTargets&)> get,
             std::function<void(const ConfigTargets&, const std::string&)> set) {
    const auto read = [set](const SettingRead& in, const std::string& v) -> std::string {
        set(in.targets, v);
        return {};
    };
    const auto write = [key, get](const ConfigTargets& t, SettingLines& out) { out.addUnlessEmpty(key, get(t)); };
    return {std::move(key), owner, std::nullopt, false, read, write};
}

Setting text(std::string key, SettingOwner owner, SettingField<std::string> field) {
    return text(
        std::move(key), owner, [field](const ConfigTargets& t) { return field(t); },
        [field](const ConfigTargets& t, const std::string& v) { field(t) = v; });
}

}  // namespace skycrier
