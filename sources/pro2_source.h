#pragma once
// Davis Vantage Pro2: the monthly archive files (YYYY-MM.wlk) its WeatherLink
// software writes, a header with a day index followed by 88-byte records.
// A poll reads only the newest records it uses, so a long file costs what
// a short one does. When the month changes the source moves on to the new
// month's file by itself. A file whose name carries no year and month
// ("current.wlk") cannot date its records: it is read as it is, its poll
// reports "Error archivo", and polling goes on.

#include "sources/history_source.h"

namespace skycrier {

class Pro2Source final : public HistorySource {
public:
    explicit Pro2Source(SourceContext& context);

    // Follow the current month's file.
    CheckBox currentMonthFileBox{{"Busque siempre el archivo del mes actual"}, true};

protected:
    void readStation(double correction) override;
    void resetCaptions() override;
};

}  // namespace skycrier
