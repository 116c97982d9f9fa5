#include "sources/ws23_source.h"

#include "sources/reading_presenter.h"
#include "sources/ws23_reader.h"

namespace skycrier {

Ws23Source::Ws23Source(SourceContext& context) : HistorySource(SourceKind::W23, context, 9) {}

void Ws23Source::readStation(double correction) {
    const Ws23Reading reading = readWs23History(filePath());
    recordSpacing_ = reading.spacing;
    presenter().showWs23(reading, correction, *this);
}

void Ws23Source::resetCaptions() {
    for (CheckBox* box : {&boxes_.insideTemperatureBox, &boxes_.outsideTemperatureBox, &boxes_.pressureBox,
                          &boxes_.windBox, &boxes_.gustBox, &boxes_.feltTemperatureBox})
        box->red = false;
    boxes_.insideTemperatureBox.caption = "T-int(°C) = ";
    boxes_.outsideTemperatureBox.caption = "T-ext (°C) = ";
    boxes_.pressureBox.caption = "P-atm (hPa) = ";
    boxes_.tendencyBox.caption = "Tendencia = ";
    boxes_.windBox.caption = "Viento (km/h) = ";
    boxes_.gustBox.caption = "Ráfaga (km/h) = ";
    boxes_.feltTemperatureBox.caption = "Sensación (C°) = ";
    boxes_.directionBox.caption = "Dirección (°) = ";
    boxes_.humidityBox.caption = "Humidad (%) =";
    boxes_.rainBox.caption = "Lluvia/24h (mm) =";
}

}  // namespace skycrier
