#include "app/configuration_text.h"

#include "announce/transmitter_port.h"
#include "app/config_keys.h"

namespace skycrier {
namespace {

class Lines {
public:
    void add(const std::string& key, const std::string& value) { text_ += key + value + "\r\n"; }
    void add(const std::string& key, int value) { add(key, std::to_string(value)); }
    // A flag written only when it is set.
    void addIf(bool set, const std::string& key, const char* literal) {
        if (set) add(key, literal);
    }
    void addIfNotEmpty(const std::string& key, const std::string& value) {
        if (!value.empty()) add(key, value);
    }
    std::string take() { return std::move(text_); }

private:
    std::string text_;
};

void addBulletinFiles(Lines& out, const BulletinSettings& b) {
    out.addIfNotEmpty("FICHIER_ENTETE=", b.headerFile);
    out.addIfNotEmpty("FICHIER_BRELL=", b.greetingFile);
    out.addIfNotEmpty("FICHIER_FIN=", b.closingFile);
    out.addIfNotEmpty("VOCABULARY=", b.vocabularyFolder);
}

void addBulletinSteps(Lines& out, const BulletinSettings& b) {
    out.addIf(b.CheckBoxEntete, "ENTETE=", "Y");
    if (b.SpinEditPause != 0) out.add("PAUSE=", b.SpinEditPause);
    out.addIf(b.CheckBoxFin, "FINAL=", "Y");
    out.addIf(b.CheckBoxBrell, "HELLO=", "Y");
    out.addIf(!b.CheckBoxDate, "DATE=", "N");
}

void addUnits(Lines& out, const SpeechUnits& u) {
    const auto yesNo = [](bool metric) { return metric ? "Y" : "N"; };
    out.add("UNITTC=", yesNo(u.temperatureMetric()));
    out.add("UNITPM=", yesNo(u.pressureMetric()));
    out.add("UNITVK=", yesNo(u.windMetric()));
    out.add("UNITRM=", yesNo(u.rainMetric()));
}

// What the METAR and APRS blocks share: the input, its history, the favourites,
// the pressure correction and the time reference.
void addNetworkKeys(Lines& out, const std::string& prefix, const InternetSource& n) {
    out.addIfNotEmpty(prefix + "DAT=", n.EditDat);
    for (const std::string& entry : n.ComboBoxPath.Items()) out.add(prefix + "LIST=", entry);
    for (std::size_t i = 0; i < n.FormFav.Edit.size(); ++i)
        out.addIfNotEmpty(prefix + "FAV" + std::to_string(i + 1) + "=", n.FormFav.Edit[i]);
    out.add(prefix + "POFFSET=", n.SpinEditOffSetPression.value());
    out.add(prefix + "TU=", n.ComboBoxTU);
}

void addSourceBlock(Lines& out, const SourceBlock& block, const StationSources& s) {
    const std::string p = block.prefix;
    const SourceWindow& w = s.FormChoixMeteo.window(block.kind);
    for (const QuantityFlag& flag : kQuantityFlags)
        if (hasQuantityFlag(block.kind, flag.field)) out.addIf(w.checkBox(flag.field).checked, p + flag.suffix, "Y");
    switch (block.kind) {
    case SourceKind::MON:
        out.addIf(s.FormMeteo.CheckBoxlog.checked, "LOG=", "Y");
        out.add("METPERI=", w.SpinEditRafraichir.value());
        out.add("METCOMM=", s.FormMeteo.portConfigValue());
        break;
    case SourceKind::W23:
        out.add(p + "METPERI=", w.SpinEditRafraichir.value());
        out.addIfNotEmpty(p + "DAT=", s.FormMeteoW23.EditDat);
        out.add(p + "POFFSET=", s.FormMeteoW23.SpinEditOffSetPression.value());
        out.add(p + "SEUILTEN=", s.FormMeteoW23.SpinEditSeuiltendance.value());
        break;
    case SourceKind::W28:
        out.add(p + "METPERI=", w.SpinEditRafraichir.value());
        out.addIfNotEmpty(p + "DAT=", s.FormMeteoW28.EditDat);
        out.add(p + "PABS=", s.FormMeteoW28.RadioButtonPABS() ? "Y" : "N");
        out.add(p + "POFFSET=", s.FormMeteoW28.SpinEditOffSetPression.value());
        break;
    case SourceKind::APRS: {
        const TFormMeteoAPRS& a = s.FormMeteoAPRS;
        out.addIf(a.input.wind == AprsWindUnit::Kmh, p + "KM=", "Y");
        out.addIf(a.input.wind == AprsWindUnit::Knot, p + "KNOT=", "Y");
        out.add(p + "DGF=", a.input.fahrenheit ? "Y" : "");
        out.add(p + "INC=", a.input.hundredthsOfInch ? "Y" : "");
        out.add(p + "METPERI=", w.SpinEditRafraichir.value());
        addNetworkKeys(out, p, a);
        out.addIfNotEmpty(p + "ID=", a.EditID);
        out.addIfNotEmpty(p + "PW=", a.EditPW);
        break;
    }
    case SourceKind::METAR:
        out.add(p + "METPERI=", w.SpinEditRafraichir.value());
        addNetworkKeys(out, p, s.FormMeteoMETAR);
        break;
    case SourceKind::Pro2:
        out.add(p + "METPERI=", w.SpinEditRafraichir.value());
        out.addIfNotEmpty(p + "DAT=", s.FormMeteoPro2.EditDat);
        out.add(p + "POFFSET=", s.FormMeteoPro2.SpinEditOffSetPression.value());
        out.add(p + "SEUILTEN=", s.FormMeteoPro2.SpinEditSeuiltendance.value());
        out.addIf(!s.FormMeteoPro2.CheckBoxFichier.checked, p + "NEW=", "N");
        break;
    case SourceKind::None:
        break;
    }
}

void addSourceWindows(Lines& out, const StationSources& s) {
    const WindowGeometry& g = s.context.SourceWindowGeometry;
    out.add("METEO_TOP=", g.top);
    out.add("METEO_LEFT=", g.left);
    out.add("METEO_WIDTH=", g.width);
    out.add("METEO_HEIGHT=", g.height);
    bool anyVisible = false;
    for (const SourceBlock& block : kSourceBlocks)
        anyVisible = anyVisible || s.FormChoixMeteo.window(block.kind).visible;
    out.addIf(!anyVisible, "FORMMETEO=", "N");
}

// "COM3" is written "COM=3"; "No COM" is "COM=0"; a device path is written as it is.
void addPort(Lines& out, const std::string& name) {
    if (name.empty()) return;
    if (name == kNoPortName)
        out.add("COM=", "0");
    else
        out.add("COM=", name.starts_with("COM") ? name.substr(3) : name);
}

void addPortLines(Lines& out, const PortLineSettings& l) {
    out.addIf(!l.CheckBoxDTR, "DTR=", "0");
    out.addIf(!l.CheckBoxRTS, "RTS=", "0");
    out.addIf(!l.CheckBoxDSR, "DSR=", "0");
    out.addIf(!l.CheckBoxCTS, "CTS=", "0");
    out.addIf(!l.CheckBoxDCD, "DCD=", "0");
}

}  // namespace

std::string configurationText(const ConfigTargets& t) {
    Lines out;
    out.add(configHeader(), "");
    const BulletinSettings& b = t.bulletin;
    const TForm1* w = t.mainWindow;
    if (w) {
        out.addIf(w->MenuRecord, "RECORD=", "Y");
        out.add("RECORDER=", w->EditSonivue);
    }
    out.addIf(b.Menu16secteurs, "ROSE=", "16");
    const char* kOld[] = {nullptr, "1", "2", "3"};
    if (b.staleRule != StaleRule::Always) out.add("OLD=", kOld[static_cast<int>(b.staleRule)]);
    addBulletinFiles(out, b);
    if (const ScheduleSettings* s = t.schedule) {
        if (s->UpDownPeriode > 0) out.add("PERIOD=", s->UpDownPeriode);
        if (s->StartHour != 0) out.add("START_RANGE=", s->StartHour);
        if (s->EndHour != 24) out.add("END_RANGE=", s->EndHour);
    }
    addBulletinSteps(out, b);
    if (w) {
        out.addIf(w->CheckBoxDemarrage, "START=", "Y");
        out.addIf(w->CheckBoxReduire, "REDUCE=", "Y");
        out.add("BALANCE=", w->Balance);
        out.add("VOLUME=", w->TrackBarVolume);
        out.add("MAXVOLUME=", w->Gauge1);
    }
    addUnits(out, t.units);
    if (t.stations) {
        out.addIfNotEmpty("METEO=", sourceConfigName(t.stations->FormChoixMeteo.checkedSource()));
        for (const SourceBlock& block : kSourceBlocks) addSourceBlock(out, block, *t.stations);
    }
    if (w) {
        out.add("TOP=", w->Top);
        out.add("LEFT=", w->Left);
    }
    if (t.stations) addSourceWindows(out, *t.stations);
    if (w) {
        out.add("OSOUND=", w->chosenOutput().number);
        out.add("VERSTART=", w->CheckBoxInfoVersion ? "1" : "0");
        out.addIfNotEmpty("VERSION_URL=", w->versionUrl);
    }
    addPort(out, t.port.portName());
    addPortLines(out, t.lines);
    // Last of all, after every key older programs write.
    if (w) out.addIfNotEmpty("OSOUNDNAME=", w->chosenOutput().name);
    if (t.lines.transmitLimitSeconds != PortLineSettings().transmitLimitSeconds)
        out.add("TX_TIMEOUT=", t.lines.transmitLimitSeconds);
    if (t.stations && t.stations->FormMeteoMETAR.provider != TFormMeteoMETAR::kDefaultProvider)
        out.add("METAR_PROVIDER=", t.stations->FormMeteoMETAR.provider);
    return out.take();
}

}  // namespace skycrier
