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
        startHourCaption_ = "Hora de inicio (" + twoDigits(*hour) + "h)";
    } else {
        schedule_.EndHour = *hour;
        endHourCaption_ = "Hora de fin (" + twoDigits(*hour) + "h)";
    }
    changed.emit();
}

void MainWindowModel::chooseWaveFile(const std::string& chosen, std::string& path, const char* error) {
    path = chosen;
    std::string reason;
    if (!RegularFile::open(chosen, reason)) {
        showError(error);
        path.clear();
    }
    changed.emit();
}

void MainWindowModel::chooseHeaderFile(const std::string& chosen) {
    chooseWaveFile(chosen, bulletin_.headerFile, "Error: Nombre de archivo");
}

void MainWindowModel::chooseGreetingFile(const std::string& chosen) {
    chooseWaveFile(chosen, bulletin_.greetingFile, "Fehler: Dateiname");
}

void MainWindowModel::chooseClosingFile(const std::string& chosen) {
    chooseWaveFile(chosen, bulletin_.closingFile, "Fehler: Dateiname");
}

void MainWindowModel::applyStartWithSession() {
    if (autostart_) autostart_->setEnabled(settings_.startWithSession);
}

void MainWindowModel::setStartWithSession(bool on) {
    settings_.startWithSession = on;
    applyStartWithSession();
    changed.emit();
}

void MainWindowModel::setStartMinimised(bool on) {
    settings_.startMinimised = on;
    applyStartMinimised();
    changed.emit();
}

void MainWindowModel::setCheckVersionAtStart(bool on) {
    settings_.checkVersionAtStart = on;
    changed.emit();
}

void MainWindowModel::setRecorderProgram(const std::string& program) {
    settings_.recorderProgram = program;
    changed.emit();
}

void MainWindowModel::setCaption(const std::string& caption) {
    caption_ = caption;
    changed.emit();
}

void MainWindowModel::setPort(const std::string& label, bool absent) {
    portLabel_ = label;
    portAbsent_ = absent;
    changed.emit();
}

void MainWindowModel::minimise(bool hideTaskbar) {
    minimiseApplication(hideTaskbar);
    if (noSaveOnMinimise_)
        noSaveOnMinimise_ = false;
    else
        saveConfiguration();
}

void MainWindowModel::applyStartMinimised() {
    if (settings_.startMinimised) minimise(true);
}

void MainWindowModel::minimiseByUser() { minimise(settings_.startMinimised); }

bool MainWindowModel::toggleRecording() {
    settings_.recordBulletins = !settings_.recordBulletins;
    changed.emit();
    return settings_.recordBulletins;
}

std::string MainWindowModel::checkedStartItem() const { return "D" + twoDigits(startItem_); }

std::string MainWindowModel::checkedEndItem() const { return "F" + twoDigits(endItem_); }

}  // namespace skycrier
