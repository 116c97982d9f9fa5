#include "gui/internet_source_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "gui/widgets.h"
#include "gui/translation.h"

namespace skycrier::gui {
namespace {

// The key code the models take for Enter.
constexpr int kEnterKey = 13;

int modelKeyCode(const QKeyEvent& event) {
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) return kEnterKey;
    return event.text().isEmpty() ? 0 : event.text().front().unicode();
}

}  // namespace

InternetSourceWindow::InternetSourceWindow(InternetSource& model, const char* favouritesName, QWidget* parent)
    : SourceWindowFrame(model, parent),
      model_(model),
      favourites_(new FavouritesWindow(model.favourites(), favouritesName, this)) {
    // inputLine lies over the history, so only the list's arrow shows beside it.
    addressRow_ = new QHBoxLayout;
    history_ = named(new QComboBox, "ComboBoxPath");
    history_->setEditable(true);
    history_->setInsertPolicy(QComboBox::NoInsert);
    history_->setMaxCount(static_cast<int>(UrlHistory::kMaxEntries));
    history_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    history_->setMinimumContentsLength(12);
    address_ = named(new QLineEdit, "EditDat");
    // The hint also as a tip: a narrow window cuts the placeholder short.
    address_->setPlaceholderText(qs(model.traits().addressHint));
    address_->setToolTip(address_->placeholderText());
    history_->setLineEdit(address_);
    history_->setCompleter(nullptr);
    // The list holds the focus and hands keys straight to inputLine, past any filter there.
    history_->installEventFilter(this);
    connect(address_, &QLineEdit::textEdited, this, [this](const QString& text) {
        model_.setInputLine(text.toStdString());
        act([this] { addressEdited(); });
    });
    connect(history_, &QComboBox::activated, this, [this](int index) { act([this, index] { historyChosen(index); }); });
    addressRow_->addWidget(history_, 1);
    sourceArea()->addLayout(addressRow_);

    auto* timeRow = new QHBoxLayout;
    timeZone_ = named(new QComboBox, "ComboBoxTU");
    timeZone_->addItems({QStringLiteral("UT"), QStringLiteral("Loc")});
    connect(timeZone_, &QComboBox::activated, this, [this](int index) {
        act([this, index] {
            model_.chooseTimeZone(index);
            model_.refreshNow();
        });
    });
    reportTime_ = named(new QLineEdit, "Editdatemeteo");
    reportTime_->setReadOnly(true);
    timeRow->addWidget(timeZone_);
    timeRow->addWidget(reportTime_, 1);
    sourceArea()->addLayout(timeRow);

    auto* pressureRow = new QHBoxLayout;
    pressureRow->addWidget(new QLabel(QStringLiteral("Corrección")));
    pressureOffset_ = spinBoxFor(model_.pressureCorrection(), "SpinEditOffSetPression");
    // Wide enough for a correction, not for every figure the range allows.
    pressureOffset_->setMinimumWidth(70);
    pressureOffset_->setMaximumWidth(90);
    // The value counts once typed in full, not at every digit: each change fetches again.
    pressureOffset_->setKeyboardTracking(false);
    connect(pressureOffset_, &QSpinBox::valueChanged, this, [this](int offset) {
        if (offset == model_.pressureCorrection().value()) return;
        act([this, offset] {
            model_.setPressureCorrection(offset);
            model_.refreshNow();
        });
    });
    pressureUnit_ = named(new QLabel, "Label6");
    pressureRow->addWidget(pressureOffset_);
    pressureRow->addWidget(pressureUnit_);
    pressureRow->addStretch();
    sourceArea()->addLayout(pressureRow);

    ownArea_ = new QVBoxLayout;
    sourceArea()->addLayout(ownArea_);

    auto* favouritesRow = new QHBoxLayout;
    auto* favouritesButton = named(new QPushButton(QStringLiteral("Favoritos")), "ButtonFav");
    connect(favouritesButton, &QPushButton::clicked, this, [this] { act([this] { model_.favourites().open(); }); });
    favouritesRow->addWidget(favouritesButton);
    favouritesRow->addStretch();
    sourceArea()->addLayout(favouritesRow);
    connect(favourites_, &FavouritesWindow::changed, this, [this] { act([] {}); });

    dewPoint_ = named(new QLabel, "LabelTros");
    detailArea()->addWidget(dewPoint_);

    // A fetch ends later on the loop: the report is drawn then.
    pollEnd_ = model_.poller().finished.connect([this](bool) { refresh(); });
}

void InternetSourceWindow::refreshOwn() {
    refreshHistory();
    if (timeZone_->currentIndex() != model_.timeZoneChoice()) timeZone_->setCurrentIndex(model_.timeZoneChoice());
    setTextIfChanged(reportTime_, qs(model_.observationTime().caption));
    showValue(pressureOffset_, model_.pressureCorrection());
    showOwnText(pressureUnit_, model_.pressureUnit().caption);
    showCaption(dewPoint_, model_.dewPointCaption());
    refreshSource();
    favourites_->refresh();
}

// The list is rebuilt only when its entries changed; inputLine keeps the model's text,
// whatever the list's selection wrote into it.
void InternetSourceWindow::refreshHistory() {
    {
        const QSignalBlocker quiet(history_);
        setItemsIfChanged(history_, model_.addressHistory().Items());
        if (history_->currentIndex() != model_.addressHistory().ItemIndex())
            history_->setCurrentIndex(model_.addressHistory().ItemIndex());
    }
    setTextIfChanged(address_, qs(model_.inputLine()));
}

// Every key typed in the address line reaches the model's key handler; Enter goes no further.
bool InternetSourceWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == history_ && event->type() == QEvent::KeyPress) {
        const int key = modelKeyCode(static_cast<const QKeyEvent&>(*event));
        act([this, key] { addressKey(key); });
        return key == kEnterKey;
    }
    return SourceWindowFrame::eventFilter(watched, event);
}

void InternetSourceWindow::closeEvent(QCloseEvent* event) {
    model_.favourites().close();
    favourites_->refresh();
    SourceWindowFrame::closeEvent(event);
}

}  // namespace skycrier::gui
