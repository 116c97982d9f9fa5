#include "app/main_window.h"

#include <iterator>

#include "base/decimal_integer.h"
#include "base/text_lines.h"
#include "platform/regular_file.h"
#include "sources/source_window.h"

namespace skycrier {

void MainWindowModel::showSelectedPeriod() {
    const int position = schedule_.periodPosition;
    if (position >= 0 && position < static_cast<int>(std::size(kPeriodMinutes)))
        schedule_.periodText = std::to_string(kPeriodMinutes[position]);
    changed.emit();
}

void MainWindowModel::chooseHourItem(const std::string& name) {
    if (name.size() != 3 || (name[0] != 'D' && name[0] != 'F')) return;
    const auto hour = parseDecimalInteger(name.substr(1));
    if (!hour || *hour < 0 || *hour > 24 || name[1] == '-') return;
    const bool start = name[0] == 'D';
    int& item = start ? startItem_ : endItem_;
    if (item == *hour) return;
    item = *hour;
    if (start) {
        schedule_.StartHour = *hour;
        startHourCaption = "Hora de inicio (" + twoDigits(*hour) + "h)";
    } else {
        schedule_.EndHour = *hour;
        endHourCaption = "Hora de fin (" + twoDigits(*hour) + "h)";
    }
    changed.emit();
}

void MainWindowModel::chooseWaveFile(const std::string& chosen, std::string& path, FileButton& button, const char* error) {
    path = chosen;
    std::string reason;
    if (RegularFile::open(chosen, reason)) {
        button.Hint = chosen;
    } else {
        showError(error);
        path.clear();
    }
    changed.emit();
}

void MainWindowModel::chooseHeaderFile(const std::string& chosen) {
    chooseWaveFile(chosen, bulletin_.headerFile, headerFileButton, "Error: Nombre de archivo");
}

void MainWindowModel::chooseGreetingFile(const std::string& chosen) {
    chooseWaveFile(chosen, bulletin_.greetingFile, greetingFileButton, "Fehler: Dateiname");
}

void MainWindowModel::chooseClosingFile(const std::string& chosen) {
    chooseWaveFile(chosen, bulletin_.closingFile, closingFileButton, "Fehler: Dateiname");
}

void MainWindowModel::applyStartWithSession() {
    if (autostart) autostart->setEnabled(startWithSession);
}

void MainWindowModel::minimise(bool hideTaskbar) {
    minimiseApplication(hideTaskbar);
    if (noSaveOnMinimise)
        noSaveOnMinimise = false;
    else
        saveConfiguration();
}

void MainWindowModel::applyStartMinimised() {
    if (startMinimised) minimise(true);
}

void MainWindowModel::minimiseByUser() { minimise(startMinimised); }

bool MainWindowModel::toggleRecording() {
    recordBulletins = !recordBulletins;
    changed.emit();
    return recordBulletins;
}

void MainWindowModel::previewKey(int& key) {
    if (key == kKeyEscape) escapeRequest();
    key = 0;
}

std::string MainWindowModel::checkedStartItem() const { return "D" + twoDigits(startItem_); }

std::string MainWindowModel::checkedEndItem() const { return "F" + twoDigits(endItem_); }

}  // namespace skycrier
