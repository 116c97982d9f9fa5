#pragma once
// A favourites window (TFormFavMETAR, TFormFavAPRS): ten inputs kept by hand,
// each loaded into its source window by the button in front of it. The
// entries live in the model, so the configuration saves them.
//
// Threading: the GUI thread, which is also the engine's loop.

#include <QWidget>
#include <vector>

#include "net/favourites_window.h"

class QLineEdit;

namespace skycrier::gui {

class FavouritesWindow : public QWidget {
    Q_OBJECT

public:
    // name: "TFormFavMETAR" or "TFormFavAPRS".
    FavouritesWindow(Favourites& model, const char* name, QWidget* parent = nullptr);

    // Re-reads the model; only what differs changes on screen.
    void refresh();

Q_SIGNALS:
    // An entry was loaded into the source: its window shows something new.
    void changed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    Favourites& model_;
    // Edit1..Edit10.
    std::vector<QLineEdit*> edits_;
};

}  // namespace skycrier::gui
