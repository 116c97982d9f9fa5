#include "gui/desktop.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

#include "gui/translation.h"
#include "gui/widgets.h"
#include "platform/desktop_open.h"

namespace skycrier::gui {
namespace {

// "Fichiers son *.wav|*.wav" (a caption and its patterns) as Qt writes a filter.
QString qtFilter(const std::string& filter) {
    if (filter.empty()) return {};
    const auto bar = filter.find('|');
    if (bar == std::string::npos) return shown(filter);
    return shown(filter.substr(0, bar)) + " (" + qs(filter.substr(bar + 1)).replace(';', ' ') + ")";
}

QString boxTitle() { return shown(QApplication::applicationName().toStdString()); }

}  // namespace

Desktop Desktop::real() {
    Desktop d;
    d.beep = [] { QApplication::beep(); };
    d.chooseFile = [](QWidget* parent, const std::string& filter,
                      const std::string& defaultSuffix) -> std::optional<std::string> {
        QFileDialog dialog(parent);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setNameFilter(qtFilter(filter));
        dialog.setDefaultSuffix(qs(defaultSuffix));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
        return dialog.selectedFiles().front().toStdString();
    };
    d.error = [](QWidget* parent, const std::string& text) {
        QMessageBox::critical(parent, boxTitle(), shown(text));
    };
    d.warning = [](QWidget* parent, const std::string& text) {
        QMessageBox::warning(parent, boxTitle(), shown(text));
    };
    d.message = [](QWidget* parent, const std::string& text) {
        QMessageBox::information(parent, boxTitle(), shown(text));
    };
    d.open = [](const std::string& target) { return openWithDefaultApplication(target); };
    return d;
}

Desktop Desktop::toStream(std::ostream& out) {
    Desktop d;
    d.beep = [] {};
    d.chooseFile = [](QWidget*, const std::string&, const std::string&) { return std::optional<std::string>(); };
    const auto line = [&out](const char* kind) {
        return [&out, kind](QWidget*, const std::string& text) { out << "skycrier: " << kind << ": " << text << '\n'; };
    };
    d.error = line("error");
    d.warning = line("warning");
    d.message = line("message");
    d.open = [](const std::string&) { return false; };
    return d;
}

}  // namespace skycrier::gui
