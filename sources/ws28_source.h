#pragma once
// La Crosse WS-2800 / 3610: the history.dat file of 56-byte records its PC
// software appends to. The twin of the WS-23xx source, with a gust of its
// own, rain per record summed over a day, and absolute or relative pressure.

#include "sources/history_source.h"

namespace skycrier {

class Ws28Source final : public HistorySource {
public:
    static constexpr std::size_t kRecordSize = 56;

    explicit Ws28Source(SourceContext& context);

    bool absolutePressure() const { return absolute_; }
    bool relativePressure() const { return !absolute_; }
    // "Absoluta" / "Relativa": choose the pressure field and refresh at once.
    void chooseAbsolutePressure();
    void chooseRelativePressure();
    // The configuration's choice of the pressure field; the poll that follows
    // the source choice reads it, so no poll starts here.
    void selectAbsolutePressure(bool absolute) { absolute_ = absolute; }

    // Days between the last two records of the last poll; 0 with fewer than three records.
    double RecordSpacing = 0;

protected:
    void readStation(double correction) override;
    void resetCaptions() override;

private:
    // Rain of the records within one day of record b, walking back from it
    // through at most the 1 440 records a day of one-minute logging holds.
    double dayRain(class HistoryFile& file, std::int64_t b, double tb, double newestRain);

    bool absolute_ = true;
};

}  // namespace skycrier
