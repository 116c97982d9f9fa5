#include "gui/source_window_frame.h"

#include <algorithm>

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShowEvent>
#include <QSpinBox>
#include <QVBoxLayout>

#include "gui/widgets.h"
#include "gui/translation.h"
#include "gui/window_geometry.h"

namespace skycrier::gui {

SourceWindowFrame::SourceWindowFrame(SourceWindow& model, QWidget* parent)
    : QWidget(parent, Qt::Window), model_(model) {
    for (const SourceWindowTitle& t : kSourceWindowTitles)
        if (t.kind == model.kind()) {
            named(this, t.name);
            setWindowTitle(QString::fromUtf8(t.caption));
        }
    // The shared place may be smaller than the controls: they scroll then.
    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    content_ = new QWidget;
    auto* content = content_;
    scroll->setWidget(content);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
    auto* layout = new QVBoxLayout(content);
    sourceArea_ = new QVBoxLayout;
    layout->addLayout(sourceArea_);

    auto* items = named(new QGroupBox(QStringLiteral("Marque para locutar")), "GroupBoxItems");
    auto* itemsLayout = new QVBoxLayout(items);
    for (const MeteoField field : kAllFields) {
        if (!supplies(model_.kind(), field)) continue;
        // Rain and present weather share one box, named after the rain: no source supplies both.
        const MeteoField boxField = field == MeteoField::Phenomena ? MeteoField::Pluie : field;
        const std::string name = "CheckBox" + std::string(fieldName(boxField));
        auto* box = named(new QCheckBox, name.c_str());
        itemsLayout->addWidget(box);
        boxes_[field] = box;
        connect(box, &QCheckBox::toggled, this, [this, field](bool on) { model_.setSpoken(field, on); });
    }
    layout->addWidget(items);
    detailArea_ = new QVBoxLayout;
    layout->addLayout(detailArea_);

    auto* periodRow = new QHBoxLayout;
    auto* refreshButton = named(new QPushButton(QStringLiteral("Actualizar")), "ButtonRafraichir");
    connect(refreshButton, &QPushButton::clicked, this, [this] { act([this] { model_.refreshNow(); }); });
    periodRow->addWidget(refreshButton);
    periodRow->addWidget(new QLabel(QStringLiteral("cada")));
    period_ = spinBoxFor(model_.poller().minutes(), "SpinEditRafraichir");
    connect(period_, &QSpinBox::valueChanged, this, [this](int minutes) {
        if (minutes != model_.poller().minutes().value()) periodChanged(minutes);
    });
    periodRow->addWidget(period_);
    periodRow->addWidget(new QLabel(QStringLiteral("minuto(s)")));
    periodRow->addStretch();
    layout->addLayout(periodRow);

    error_ = named(new QLabel, "StaticTextErreur");
    QFont italic = error_->font();
    italic.setItalic(true);
    error_->setFont(italic);
    showRed(error_, true);
    error_->setWordWrap(true);
    layout->addWidget(error_);
    layout->addStretch();
    repaint_.watch(model_.changed);
}

QSize SourceWindowFrame::sizeHint() const { return content_->sizeHint(); }

QCheckBox* SourceWindowFrame::checkBoxOf(MeteoField field) const {
    const auto found = boxes_.find(field);
    return found == boxes_.end() ? nullptr : found->second;
}

void SourceWindowFrame::refresh() {
    showOwnText(error_, model_.poller().errorLine());
    for (const auto& [field, box] : boxes_) {
        const CheckBox& shown = model_.checkBox(field);
        showCaption(box, shown);
        setCheckedIfChanged(box, shown.checked);
    }
    showValue(period_, model_.poller().minutes());
    refreshOwn();
    if (model_.visible()) {
        if (!isVisible()) show();
    } else if (isVisible()) {
        hide();
    }
}

void SourceWindowFrame::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        if (!model_.visible()) model_.prepareToShow();
        // At least the room its controls ask for; a larger stored size is kept.
        WindowGeometry place = model_.place();
        place.width = std::max(place.width, sizeHint().width());
        place.height = std::max(place.height, sizeHint().height());
        if (mainWindow_ && screen()) place = besideIfCovering(place, mainWindow_(), screen()->availableGeometry());
        placeWindow(*this, place);
    }
    QWidget::showEvent(event);
}

void SourceWindowFrame::closeEvent(QCloseEvent* event) {
    keepPlace();
    model_.close();
    QWidget::closeEvent(event);
}

void SourceWindowFrame::keepPlace() {
    if (isVisible() && model_.visible()) model_.keepPlace(geometryOf(*this));
}

// The window takes every key; Escape asks to end the bulletin on the air.
void SourceWindowFrame::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) model_.askToEndBulletin();
    event->accept();
}

}  // namespace skycrier::gui
