#pragma once
// La Crosse WS-2310 / 2315 / 2355: the history.dat file the station's PC
// software appends 36-byte records to. Each poll reads the newest record and
// the few older ones its derived values need (tendency, gust, 24-hour rain).

#include "sources/history_source.h"

namespace skycrier {

class Ws23Source final : public HistorySource {
public:
    static constexpr std::size_t kRecordSize = 36;

    explicit Ws23Source(SourceContext& context);

    // Days between the last two records of the last poll; 0 with fewer than three records.
    double RecordSpacing = 0;

protected:
    void readStation(double correction) override;
    void resetCaptions() override;
};

// Days since 30 December 1899 of a record's time field.
double ws23RecordTime(std::uint32_t seconds);

}  // namespace skycrier
