#pragma once
// The settings of the source whose station reader the program does not have
// yet: the Weather Monitor II's port and hourly log. Held here so that the
// configuration file keeps them from one save to the next.

namespace skycrier {

struct MonitorSettings {
    // Serial port number of the station ("METCOMM="), 0 for none.
    int portNumber = 0;
    // "Registro horario de datos meteorológicos.": log the weather every hour.
    bool CheckBoxlog = false;
};

struct KeptSourceSettings {
    MonitorSettings monitor;
};

}  // namespace skycrier
