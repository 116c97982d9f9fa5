#include "gui/aprs_window.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/widgets.h"

namespace skycrier::gui {
namespace {

constexpr const char* kWeatherFileFilter = "Fichiers WXNOW.TXT|*.txt";
// Space between the controls and the login browser.
constexpr int kBrowserMargin = 20;

struct UnitButton {
    const char* name;
    const char* caption;
    void (AprsSource::*click)();
    bool (*chosen)(const AprsInputUnits&);
};

struct UnitGroup {
    const char* name;
    const char* caption;
    std::vector<UnitButton> buttons;
};

const UnitGroup kUnitGroups[] = {
    {"GroupBoxVent",
     "Viento",
     {{"RadioButtonKM", "km/h", &AprsSource::chooseWindKmh,
       [](const AprsInputUnits& u) { return u.wind == AprsWindUnit::Kmh; }},
      {"RadioButtonMile", "mph", &AprsSource::chooseWindMph,
       [](const AprsInputUnits& u) { return u.wind == AprsWindUnit::Mph; }},
      {"RadioButtonKnot", "knot", &AprsSource::chooseWindKnots,
       [](const AprsInputUnits& u) { return u.wind == AprsWindUnit::Knot; }}}},
    {"GroupBoxTemp",
     "Temperatura",
     {{"RadioButtondegC", "°C", &AprsSource::chooseCelsius,
       [](const AprsInputUnits& u) { return !u.fahrenheit; }},
      {"RadioButtonDegF", "°F", &AprsSource::chooseFahrenheit,
       [](const AprsInputUnits& u) { return u.fahrenheit; }}}},
    {"GroupBoxPluie",
     "Lluvia",
     {{"RadioButtonMM", "mm", &AprsSource::chooseMillimetres,
       [](const AprsInputUnits& u) { return !u.hundredthsOfInch; }},
      {"RadioButtonInch", "inch", &AprsSource::chooseInches,
       [](const AprsInputUnits& u) { return u.hundredthsOfInch; }}}},
};

}  // namespace

AprsWindow::AprsWindow(AprsSource& model, const Desktop& desktop, QWidget* parent)
    : InternetSourceWindow(model, "TFormFavAPRS", parent), model_(model), desktop_(desktop) {
    auto* browse = named(new QPushButton(QStringLiteral("Navigar")), "ButtonParcourir");
    connect(browse, &QPushButton::clicked, this, [this] {
        const auto chosen = desktop_.chooseFile(this, kWeatherFileFilter, "txt");
        if (chosen) act([this, &chosen] { model_.takeChosenFile(*chosen); });
    });
    addressRow()->addWidget(browse);

    // The units of the input's figures; a unit chosen refreshes the source.
    auto* unitsRow = new QHBoxLayout;
    for (const UnitGroup& group : kUnitGroups) {
        auto* box = named(new QGroupBox(QString::fromUtf8(group.caption)), group.name);
        auto* column = new QVBoxLayout(box);
        column->setContentsMargins(4, 2, 4, 2);
        for (const UnitButton& unit : group.buttons) {
            auto* button = named(new QRadioButton(QString::fromUtf8(unit.caption)), unit.name);
            connect(button, &QRadioButton::toggled, this, [this, click = unit.click](bool on) {
                if (on) act([this, click] { (model_.*click)(); });
            });
            column->addWidget(button);
            units_.emplace_back(button, unit.chosen);
        }
        unitsRow->addWidget(box);
    }
    ownArea()->addLayout(unitsRow);

    // A reminder of the tracking site's login, kept in the configuration only.
    auto* login = named(new QGroupBox(QStringLiteral("Login aprs.fi")), "GroupBoxIDPW");
    auto* loginForm = new QFormLayout(login);
    loginName_ = named(new QLineEdit, "EditID");
    password_ = named(new QLineEdit, "EditPW");
    password_->setEchoMode(QLineEdit::Password);
    connect(loginName_, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.setLoginId(text.toStdString()); });
    connect(password_, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.setLoginPassword(text.toStdString()); });
    loginForm->addRow(QStringLiteral("ID"), loginName_);
    loginForm->addRow(QStringLiteral("PW"), password_);
    auto* loginButton = named(new QPushButton(QStringLiteral("Login")), "ButtonLogin");
    connect(loginButton, &QPushButton::clicked, this, [this] { act([this] { model_.openLogin(); }); });
    loginForm->addRow(loginButton);
    ownArea()->addWidget(login);
    refresh();
}

void AprsWindow::setLoginBrowser(QWidget* browser) {
    if (browser_) browser_->deleteLater();
    browser_ = browser;
    browserHeight_ = browser->height();
    browser->hide();
    // Below the scrolling controls, so the controls keep their room.
    layout()->addWidget(browser);
    refreshBrowser();
}

void AprsWindow::refreshSource() {
    for (const auto& [button, chosen] : units_)
        if (chosen(model_.inputUnits()) && !button->isChecked()) {
            const QSignalBlocker quiet(button);
            button->setChecked(true);
        }
    setTextIfChanged(loginName_, qs(model_.loginId()));
    setTextIfChanged(password_, qs(model_.loginPassword()));
    refreshBrowser();
}

void AprsWindow::refreshBrowser() {
    if (!browser_ || browser_->isHidden() != model_.browserVisible()) return;
    if (model_.browserVisible()) {
        normalHeight_ = height();
        browser_->show();
        resize(width(), normalHeight_ + browserHeight_ + kBrowserMargin);
    } else {
        browser_->hide();
        resize(width(), normalHeight_);
    }
    Q_EMIT loginBrowserShown(model_.browserVisible());
}

}  // namespace skycrier::gui
