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

    // "Busque siempre el archivo del mes actual": follow the current month's file.
    const CheckBox& currentMonthFileBox() const { return currentMonthFileBox_; }
    void followCurrentMonth(bool follow);

protected:
    void readStation(double correction) override;
    void resetCaptions() override;

private:
    CheckBox currentMonthFileBox_{{"Busque siempre el archivo del mes actual"}, true};
};

}  // namespace skycrier
