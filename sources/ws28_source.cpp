#include "sources/ws28_source.h"

#include "sources/reading_presenter.h"
#include "sources/ws28_reader.h"

namespace skycrier {

Ws28Source::Ws28Source(SourceContext& context) : HistorySource(SourceKind::W28, context, 40) {}

void Ws28Source::chooseAbsolutePressure() {
    absolute_ = true;
    refreshNow();
}

void Ws28Source::chooseRelativePressure() {
    absolute_ = false;
    refreshNow();
}

void Ws28Source::readStation(double correction) {
    const Ws28Reading reading = readWs28History(filePath(), absolute_);
    presenter().showWs28(reading, correction, *this);
}

void Ws28Source::resetCaptions() { resetCaptionsInUnits("=  "); }

}  // namespace skycrier
