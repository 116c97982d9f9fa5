#pragma once
// What the METAR and APRS windows share: the input line over its history,
// the time-zone choice and report time, the pressure correction, the dew
// point, and the favourites window behind "Favoritos". Fetches run off the
// loop: the window shows the model's progress text at once and draws the
// report when the model's poll ends.
//
// Threading: the GUI thread, which is also the engine's loop.

#include "gui/favourites_window.h"
#include "gui/source_window_frame.h"
#include "net/internet_source.h"
#include "platform/signal.h"

class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace skycrier::gui {

class InternetSourceWindow : public SourceWindowFrame {
    Q_OBJECT

public:
    // favouritesName: "TFormFavMETAR" or "TFormFavAPRS".
    InternetSourceWindow(InternetSource& model, const char* favouritesName, QWidget* parent = nullptr);

    FavouritesWindow& favourites() const { return *favourites_; }

protected:
    // A key typed in inputLine (13 for Enter), for the model's key handler.
    virtual void addressKey(int key) = 0;
    // A history entry was chosen.
    virtual void historyChosen(int index) = 0;
    // The user changed the text of inputLine (already in the model).
    virtual void addressEdited() {}
    // The source's own controls, read after the shared ones.
    virtual void refreshSource() {}
    // The row of the input line, for a source's button beside it.
    QHBoxLayout* addressRow() const { return addressRow_; }
    // Where a source's own rows go, between the shared ones and "Favoritos".
    QVBoxLayout* ownArea() const { return ownArea_; }

    void refreshOwn() final;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void refreshHistory();

    InternetSource& model_;
    QHBoxLayout* addressRow_;
    QVBoxLayout* ownArea_;
    QComboBox* history_;
    QLineEdit* address_;
    QComboBox* timeZone_;
    QLineEdit* reportTime_;
    QSpinBox* pressureOffset_;
    QLabel* pressureUnit_;
    QLabel* dewPoint_;
    FavouritesWindow* favourites_;
    Subscription pollEnd_;
};

}  // namespace skycrier::gui
