#pragma once
// La Crosse WS-2800 / 3610: the window of the history.dat file its PC
// software appends to (see ws28_reader.h), polled on its timer, with the
// choice of absolute or relative pressure.

#include "sources/history_source.h"

namespace skycrier {

class Ws28Source final : public HistorySource {
public:
    explicit Ws28Source(SourceContext& context);

    bool absolutePressure() const { return absolute_; }
    bool relativePressure() const { return !absolute_; }
    // "Absoluta" / "Relativa": choose the pressure field and refresh at once.
    void chooseAbsolutePressure();
    void chooseRelativePressure();
    // The configuration's choice of the pressure field; the poll that follows
    // the source choice reads it, so no poll starts here.
    void selectAbsolutePressure(bool absolute) { absolute_ = absolute; }


protected:
    void readStation(double correction) override;
    void resetCaptions() override;

private:
    bool absolute_ = true;
};

}  // namespace skycrier
