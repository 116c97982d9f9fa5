#include "app/config_keys.h"

#include <utility>

namespace skycrier {
namespace {

constexpr std::pair<SourceKind, const char*> kNames[] = {{SourceKind::MON, "MON"},   {SourceKind::W23, "W23"},
                                                         {SourceKind::W28, "W28"},   {SourceKind::APRS, "APRS"},
                                                         {SourceKind::Pro2, "PRO2"}, {SourceKind::METAR, "METAR"}};

}  // namespace

std::string sourceConfigName(SourceKind kind) {
    for (const auto& [k, name] : kNames)
        if (k == kind) return name;
    return {};
}

std::optional<SourceKind> sourceFromConfigName(const std::string& name) {
    for (const auto& [k, n] : kNames)
        if (name == n) return k;
    return std::nullopt;
}

}  // namespace skycrier
