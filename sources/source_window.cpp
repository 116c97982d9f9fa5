#include "sources/source_window.h"

#include <filesystem>

#include "sources/reading_presenter.h"

namespace skycrier {

bool fileExists(const std::string& path) {
    std::error_code ignored;
    return !path.empty() && std::filesystem::is_regular_file(path, ignored);
}

SourceWindow::SourceWindow(SourceKind kind, SourceContext& context)
    : poller(context.loop, meteo, context.bulletinOnAir, [this] { poll(); }),
      context_(context),
      kind_(kind),
      pollShown_(poller.finished.connect([this](bool) { changed.emit(); })) {}

ReadingPresenter SourceWindow::presenter() const { return {context_.units, context_.TendencyThreshold}; }

void SourceWindow::refreshNow() {
    poller.followPeriod();
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
    case MeteoField::Tint: return insideTemperatureBox;
    case MeteoField::Text: return outsideTemperatureBox;
    case MeteoField::Patm: return pressureBox;
    case MeteoField::Tend: return tendencyBox;
    case MeteoField::Vent: return windBox;
    case MeteoField::Rafa: return gustBox;
    case MeteoField::Dire: return directionBox;
    case MeteoField::TRes: return feltTemperatureBox;
    case MeteoField::Pluie:
    case MeteoField::Phenomena: return rainBox;
    case MeteoField::HumiExt: return humidityBox;
    }
    return rainBox;
}

CheckBox& SourceWindow::checkBox(MeteoField field) {
    return const_cast<CheckBox&>(static_cast<const SourceWindow&>(*this).checkBox(field));
}

bool SourceWindow::itemEnabled(MeteoField field) const { return supplies(kind_, field) && checkBox(field).checked; }

}  // namespace skycrier
