#pragma once
// What loading and saving the configuration agree on: the source blocks and
// their key prefixes, the quantity flags of the source windows, and the
// names of the sources in "METEO=".

#include <optional>
#include <string>

#include "base/meteo_data.h"

namespace skycrier {

struct SourceBlock {
    SourceKind kind;
    const char* prefix;  // the Weather Monitor II's keys have none
};

// In the order of writing.
inline constexpr SourceBlock kSourceBlocks[] = {{SourceKind::MON, ""},      {SourceKind::W23, "W23_"},
                                                {SourceKind::W28, "W28_"},  {SourceKind::APRS, "APRS_"},
                                                {SourceKind::METAR, "METAR_"}, {SourceKind::Pro2, "PRO2_"}};

struct QuantityFlag {
    const char* suffix;
    MeteoField field;
};

// The boxes that choose what is spoken, in the order of writing.
inline constexpr QuantityFlag kQuantityFlags[] = {
    {"TEMPINT=", MeteoField::Tint}, {"TEMPEXT=", MeteoField::Text}, {"PRESATM=", MeteoField::Patm},
    {"PRETEND=", MeteoField::Tend}, {"VITVENT=", MeteoField::Vent}, {"VITRAFA=", MeteoField::Rafa},
    {"DIRVENT=", MeteoField::Dire}, {"TRES=", MeteoField::TRes},    {"PLUIE=", MeteoField::Pluie},
    {"HUMIDI=", MeteoField::HumiExt}};

// The source's window has the box (METAR's rain box stands for its present weather).
inline bool hasQuantityFlag(SourceKind kind, MeteoField field) {
    return field == MeteoField::Pluie ? kind != SourceKind::None && kind != SourceKind::MON : supplies(kind, field);
}

// "MON", "W23", "W28", "APRS", "PRO2", "METAR"; empty for None.
std::string sourceConfigName(SourceKind kind);
std::optional<SourceKind> sourceFromConfigName(const std::string& name);

}  // namespace skycrier
