#include "base/meteo_data.h"

#include <array>
#include <cmath>
#include <limits>

#include "base/rounding.h"

namespace skycrier {
namespace {

template <typename T>
constexpr WholeNumberRange rangeOf() {
    return {std::numeric_limits<T>::min(), std::numeric_limits<T>::max()};
}

// A whole number the integer field can hold, stored; false otherwise.
template <typename T>
bool setWhole(T& field, double v) {
    if (v != std::trunc(v)) return false;
    const std::optional<T> whole = truncateTo<T>(v);
    if (whole) field = *whole;
    return whole.has_value();
}

constexpr std::array<std::string_view, 7> kSourceNames = {"None", "MON", "W23", "W28", "APRS", "Pro2", "METAR"};
constexpr std::array<std::string_view, 11> kFieldNames = {"Tint", "Text",  "Patm",      "Tend",   "Vent",  "Rafa",
                                                         "Dire", "TRes", "Pluie", "Phenomena", "HumiExt"};

}  // namespace

std::string_view sourceName(SourceKind kind) { return kSourceNames[static_cast<std::size_t>(kind)]; }

std::optional<SourceKind> sourceFromName(std::string_view name) {
    for (std::size_t i = 0; i < kSourceNames.size(); ++i)
        if (kSourceNames[i] == name) return static_cast<SourceKind>(i);
    return std::nullopt;
}

std::string_view fieldName(MeteoField field) { return kFieldNames[static_cast<std::size_t>(field)]; }

std::optional<MeteoField> fieldFromName(std::string_view name) {
    for (std::size_t i = 0; i < kFieldNames.size(); ++i)
        if (kFieldNames[i] == name) return static_cast<MeteoField>(i);
    return std::nullopt;
}

bool supplies(SourceKind kind, MeteoField field) {
    using F = MeteoField;
    using S = SourceKind;
    switch (field) {
    case F::Text:
    case F::Patm:
    case F::Vent:
    case F::Rafa:
    case F::Dire:
        return kind != S::None;
    case F::Tint:
    case F::Tend:
        return kind == S::MON || kind == S::W23 || kind == S::W28 || kind == S::Pro2;
    case F::TRes:
    case F::HumiExt:
        return kind != S::None && kind != S::MON;
    case F::Pluie:
        return kind == S::W23 || kind == S::W28 || kind == S::APRS || kind == S::Pro2;
    case F::Phenomena:
        return kind == S::METAR;
    }
    return false;
}

double MeteoData::value(MeteoField field) const {
    switch (field) {
    case MeteoField::Tint: return Tint;
    case MeteoField::Text: return Text;
    case MeteoField::Patm: return Patm;
    case MeteoField::Tend: return Tend;
    case MeteoField::Vent: return Vent;
    case MeteoField::Rafa: return Rafa;
    case MeteoField::Dire: return Dire;
    case MeteoField::TRes: return TRes;
    case MeteoField::Pluie: return Pluie;
    case MeteoField::Phenomena: return Phenomena;
    case MeteoField::HumiExt: return HumiExt;
    }
    return 0;
}

std::optional<WholeNumberRange> wholeNumberRange(MeteoField field) {
    switch (field) {
    case MeteoField::Tend: return rangeOf<std::int8_t>();
    case MeteoField::Dire: return rangeOf<std::int32_t>();
    case MeteoField::Phenomena: return rangeOf<std::uint32_t>();
    default: return std::nullopt;
    }
}

bool MeteoData::setValue(MeteoField field, double v) {
    if (!std::isfinite(v)) return false;
    switch (field) {
    case MeteoField::Tint: Tint = v; break;
    case MeteoField::Text: Text = v; break;
    case MeteoField::Patm: Patm = v; break;
    case MeteoField::Tend: return setWhole(Tend, v);
    case MeteoField::Vent: Vent = v; break;
    case MeteoField::Rafa: Rafa = v; break;
    case MeteoField::Dire: return setWhole(Dire, v);
    case MeteoField::TRes: TRes = v; break;
    case MeteoField::Pluie: Pluie = v; break;
    case MeteoField::Phenomena: return setWhole(Phenomena, v);
    case MeteoField::HumiExt: HumiExt = v; break;
    }
    return true;
}

}  // namespace skycrier
