#include "sources/ws23_source.h"

#include "sources/reading_presenter.h"
#include "sources/ws23_reader.h"

namespace skycrier {

Ws23Source::Ws23Source(SourceContext& context) : HistorySource(SourceKind::W23, context, 9) {}

void Ws23Source::readStation(double correction) {
    const Ws23Reading reading = readWs23History(filePath());
    RecordSpacing = reading.spacing;
    presenter().showWs23(reading, correction, *this);
}

void Ws23Source::resetCaptions() {
    for (CheckBox* box : {&insideTemperatureBox, &outsideTemperatureBox, &pressureBox, &windBox, &gustBox, &feltTemperatureBox})
        box->red = false;
    insideTemperatureBox.caption = "T-int(°C) = ";
    outsideTemperatureBox.caption = "T-ext (°C) = ";
    pressureBox.caption = "P-atm (hPa) = ";
    tendencyBox.caption = "Tendencia = ";
    windBox.caption = "Viento (km/h) = ";
    gustBox.caption = "Ráfaga (km/h) = ";
    feltTemperatureBox.caption = "Sensación (C°) = ";
    directionBox.caption = "Dirección (°) = ";
    humidityBox.caption = "Humidad (%) =";
    rainBox.caption = "Lluvia/24h (mm) =";
}

}  // namespace skycrier
