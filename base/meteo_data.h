#pragma once
// One observation as a source last read it, already in the speech units.
// Every source keeps its own copy; a bulletin speaks only from the selected one.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace skycrier {

enum class SourceKind : std::uint8_t { None = 0, MON = 1, W23 = 2, W28 = 3, APRS = 4, Pro2 = 5, METAR = 6 };

inline constexpr SourceKind kAllSources[] = {SourceKind::MON,  SourceKind::W23,  SourceKind::W28,
                                             SourceKind::APRS, SourceKind::Pro2, SourceKind::METAR};

// "MON", "W23", "W28", "APRS", "Pro2", "METAR" (and "None").
std::string_view sourceName(SourceKind kind);
std::optional<SourceKind> sourceFromName(std::string_view name);

// The values that can be spoken, in the order a bulletin speaks them.
enum class MeteoField { Tint, Text, Patm, Tend, Vent, Rafa, Dire, TRes, Pluie, Phenomena, HumiExt };

inline constexpr MeteoField kAllFields[] = {MeteoField::Tint, MeteoField::Text,      MeteoField::Patm,
                                            MeteoField::Tend, MeteoField::Vent,      MeteoField::Rafa,
                                            MeteoField::Dire, MeteoField::TRes,      MeteoField::Pluie,
                                            MeteoField::Phenomena, MeteoField::HumiExt};

std::string_view fieldName(MeteoField field);
std::optional<MeteoField> fieldFromName(std::string_view name);

// The whole numbers an integer field holds (Tend -128..127, Dire the range of
// a 32-bit int, Phenomena 0..4294967295); nothing for the fields that hold
// any finite number.
struct WholeNumberRange {
    std::int64_t min;
    std::int64_t max;
};
std::optional<WholeNumberRange> wholeNumberRange(MeteoField field);

// Whether a source delivers the field at all; a field it does not deliver is never spoken.
bool supplies(SourceKind kind, MeteoField field);

// Present-weather bits (METAR).
namespace phenomena {
inline constexpr std::uint32_t Light = 1, Heavy = 2, Rain = 4, Snow = 8, Hail = 16, Mist = 32, Fog = 64;
}

// Direction marker for a variable wind (METAR only).
inline constexpr std::int32_t kVariableDirection = 999;

struct MeteoData {
    double Tint = 0;
    double Text = 0;
    double Patm = 0;
    std::int8_t Tend = 0;  // 0 steady, 1 rising, 2 falling, anything else unknown
    double Vent = 0;
    double Rafa = 0;
    std::int32_t Dire = 0;
    double TRes = 0;
    double Pluie = 0;
    std::uint32_t Phenomena = 0;
    // Whole percent for some stations, tenths for others; rounded when spoken.
    double HumiExt = 0;
    double ObservedAt = 0;
    // The configured input (file, station); empty while unusable. The Weather
    // Monitor II keeps "1" here while its station is connected.
    std::string Input;
    std::string ErrorText;
    bool DeferredPoll = false;

    // The numeric value of a field, as the bulletin reads it.
    double value(MeteoField field) const;
    // Stores v when the field can hold it: a finite number, and for an integer
    // field a whole number within its wholeNumberRange. Anything else (NaN, an
    // infinity, 225 for Tend, -1 for Phenomena, 1.5 for Dire) is refused: the
    // field keeps its value and the result is false.
    bool setValue(MeteoField field, double v);
};

}  // namespace skycrier
