#include "sources/source_window.h"

#include <filesystem>

namespace skycrier {

bool fileExists(const std::string& path) {
    std::error_code ignored;
    return !path.empty() && std::filesystem::is_regular_file(path, ignored);
}

SourceWindow::SourceWindow(SourceKind kind, SourceContext& context)
    : TimerMeteo(context.loop, kInitialPollMs, [this] { TimerMeteoTimer(); }), context_(context), kind_(kind) {}

void SourceWindow::ButtonRafraichirClick() {
    followPollPeriod();
    TimerMeteoTimer();
}

void SourceWindow::followPollPeriod() {
    TimerMeteo.setInterval(static_cast<Millis>(SpinEditRafraichir.value()) * 60'000);
}

void SourceWindow::FormShow() {
    geometry = context_.SourceWindowGeometry;
    visible = true;
    context_.choiceWindowVisible = false;
}

void SourceWindow::FormClose(const WindowGeometry& current) {
    geometry = current;
    context_.SourceWindowGeometry = current;
    visible = false;
}

void SourceWindow::FormKeyDown(int& key) {
    if (key == kKeyEscape) context_.escapeRequest();
    key = 0;
}

const CheckBox& SourceWindow::checkBox(MeteoField field) const {
    switch (field) {
    case MeteoField::Tint: return CheckBoxTint;
    case MeteoField::Text: return CheckBoxText;
    case MeteoField::Patm: return CheckBoxPatm;
    case MeteoField::Tend: return CheckBoxTend;
    case MeteoField::Vent: return CheckBoxVent;
    case MeteoField::Rafa: return CheckBoxRafa;
    case MeteoField::Dire: return CheckBoxDire;
    case MeteoField::TRes: return CheckBoxTRes;
    case MeteoField::Pluie:
    case MeteoField::Phenomena: return CheckBoxPluie;
    case MeteoField::HumiExt: return CheckBoxHumiExt;
    }
    return CheckBoxPluie;
}

CheckBox& SourceWindow::checkBox(MeteoField field) {
    return const_cast<CheckBox&>(static_cast<const SourceWindow&>(*this).checkBox(field));
}

bool SourceWindow::itemEnabled(MeteoField field) const { return supplies(kind_, field) && checkBox(field).checked; }

}  // namespace skycrier
