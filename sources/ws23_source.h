#pragma once
// La Crosse WS-2310 / 2315 / 2355: the window of the history.dat file the
// station's PC software appends to (see ws23_reader.h), polled on its timer.

#include "sources/history_source.h"

namespace skycrier {

class Ws23Source final : public HistorySource {
public:
    explicit Ws23Source(SourceContext& context);

    // Days between the last two records of the last poll; 0 with fewer than three records.
    double recordSpacing() const { return recordSpacing_; }

protected:
    void readStation(double correction) override;
    void resetCaptions() override;

private:
    double recordSpacing_ = 0;
};

}  // namespace skycrier
