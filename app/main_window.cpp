#include "app/main_window.h"

#include <iterator>

#include "base/decimal_integer.h"
#include "base/text_lines.h"
#include "platform/regular_file.h"
#include "sources/source_window.h"

namespace skycrier {

void TForm1::UpDownPeriodeMouseDown() {
    const int position = schedule_.UpDownPeriode;
    if (position >= 0 && position < static_cast<int>(std::size(kPeriodMinutes)))
        schedule_.Edit1 = std::to_string(kPeriodMinutes[position]);
}

void TForm1::hourItemClick(const std::string& name) {
    if (name.size() != 3 || (name[0] != 'D' && name[0] != 'F')) return;
    const auto hour = parseDecimalInteger(name.substr(1));
    if (!hour || *hour < 0 || *hour > 24 || name[1] == '-') return;
    const bool start = name[0] == 'D';
    int& item = start ? startItem_ : endItem_;
    if (item == *hour) return;
    item = *hour;
    if (start) {
        schedule_.StartHour = *hour;
        MenuDebutPlageHoraire = "Hora de inicio (" + twoDigits(*hour) + "h)";
    } else {
        schedule_.EndHour = *hour;
        MenuFinPlageHoraire = "Hora de fin (" + twoDigits(*hour) + "h)";
    }
}

void TForm1::chooseWaveFile(const std::string& chosen, std::string& path, FileButton& button, const char* error) {
    path = chosen;
    std::string reason;
    if (!RegularFile::open(chosen, reason)) {
        showError(error);
        path.clear();
        return;
    }
    button.Hint = chosen;
}

void TForm1::chooseHeaderFile(const std::string& chosen) {
    chooseWaveFile(chosen, bulletin_.headerFile, ButtonParcourirEnTete, "Error: Nombre de archivo");
}

void TForm1::chooseGreetingFile(const std::string& chosen) {
    chooseWaveFile(chosen, bulletin_.greetingFile, ButtonParcourirBrell, "Fehler: Dateiname");
}

void TForm1::chooseClosingFile(const std::string& chosen) {
    chooseWaveFile(chosen, bulletin_.closingFile, ButtonParcourirFin, "Fehler: Dateiname");
}

void TForm1::CheckBoxDemarrageClick() {
    if (autostart) autostart->setEnabled(CheckBoxDemarrage);
}

void TForm1::minimise(bool hideTaskbar) {
    minimiseApplication(hideTaskbar);
    if (noSaveOnMinimise)
        noSaveOnMinimise = false;
    else
        saveConfiguration();
}

void TForm1::CheckBoxReduireClick() {
    if (CheckBoxReduire) minimise(true);
}

void TForm1::Button2Click() { minimise(CheckBoxReduire); }

bool TForm1::MenuRecordClick() {
    MenuRecord = !MenuRecord;
    return MenuRecord;
}

void TForm1::FormKeyDown(int& key) {
    if (key == kKeyEscape) escapeRequest();
    key = 0;
}

std::string TForm1::checkedStartItem() const { return "D" + twoDigits(startItem_); }

std::string TForm1::checkedEndItem() const { return "F" + twoDigits(endItem_); }

}  // namespace skycrier
