#include "sources/source_window.h"

#include <filesystem>

#include "sources/reading_presenter.h"

namespace skycrier {

bool fileExists(const std::string& path) {
    std::error_code ignored;
    return !path.empty() && std::filesystem::is_regular_file(path, ignored);
}

SourceWindow::SourceWindow(SourceKind kind, SourceContext& context)
    : context_(context),
      poller_(context.loop, meteo_, context.bulletinOnAir, [this] { poll(); }),
      kind_(kind),
      pollShown_(poller_.finished.connect([this](bool) { changed.emit(); })) {}

ReadingPresenter SourceWindow::presenter() const { return {context_.units, context_.TendencyThreshold}; }

void SourceWindow::refreshNow() {
    poller_.followPeriod();
    poll();
}

void SourceWindow::prepareToShow() {
    visible_ = true;
    context_.choiceWindowVisible = false;
    changed.emit();
}

void SourceWindow::close() {
    visible_ = false;
    changed.emit();
}

const CheckBox& SourceWindow::checkBox(MeteoField field) const {
    switch (field) {
    case MeteoField::Tint: return boxes_.insideTemperatureBox;
    case MeteoField::Text: return boxes_.outsideTemperatureBox;
    case MeteoField::Patm: return boxes_.pressureBox;
    case MeteoField::Tend: return boxes_.tendencyBox;
    case MeteoField::Vent: return boxes_.windBox;
    case MeteoField::Rafa: return boxes_.gustBox;
    case MeteoField::Dire: return boxes_.directionBox;
    case MeteoField::TRes: return boxes_.feltTemperatureBox;
    case MeteoField::Pluie:
    case MeteoField::Phenomena: return boxes_.rainBox;
    case MeteoField::HumiExt: return boxes_.humidityBox;
    }
    return boxes_.rainBox;
}

CheckBox& SourceWindow::box(MeteoField field) {
    return const_cast<CheckBox&>(static_cast<const SourceWindow&>(*this).checkBox(field));
}

void SourceWindow::setSpoken(MeteoField field, bool spoken) {
    box(field).checked = spoken;
    changed.emit();
}

bool SourceWindow::itemEnabled(MeteoField field) const { return supplies(kind_, field) && checkBox(field).checked; }

}  // namespace skycrier
