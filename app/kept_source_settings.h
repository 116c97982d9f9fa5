#pragma once
// The settings of the sources whose station readers the program does not
// have yet: the Weather Monitor II's port and hourly log, and what the APRS
// and METAR windows keep beside their boxes and poll periods (those are on
// the source windows already). Held here so that the configuration file
// keeps them from one save to the next.

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace skycrier {

struct MonitorSettings {
    // Serial port number of the station ("METCOMM="), 0 for none.
    int portNumber = 0;
    // "Registro horario de datos meteorológicos.": log the weather every hour.
    bool CheckBoxlog = false;
};

// What the APRS and METAR windows have in common.
struct NetworkSourceSettings {
    // Entries of the history list ComboBoxPath, and favourites Edit1..Edit10.
    static constexpr std::size_t kListEntries = 10;
    static constexpr std::size_t kFavourites = 10;

    // The data file or address.
    std::string EditDat;
    std::string StaticTextErreur;
    std::vector<std::string> ComboBoxPath;
    std::array<std::string, kFavourites> favourites;
    int SpinEditOffSetPression = 0;
    // Time reference ComboBoxTU: 0 "UT", 1 "Loc", -1 none.
    int ComboBoxTU = -1;
};

// The APRS window's wind unit: RadioButtonMile, RadioButtonKM or RadioButtonKnot.
enum class AprsWindUnit { Mile, Km, Knot };

struct AprsSettings : NetworkSourceSettings {
    AprsWindUnit windUnit = AprsWindUnit::Mile;
    // °F rather than °C, inch rather than mm.
    bool RadioButtonDegF = true;
    bool RadioButtonInch = true;
    // Login fields.
    std::string EditID;
    std::string EditPW;
};

struct KeptSourceSettings {
    MonitorSettings monitor;
    AprsSettings aprs;
    NetworkSourceSettings metar;
};

}  // namespace skycrier
