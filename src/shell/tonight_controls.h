#pragma once

#include <QObject>
#include <vector>

#include "plan/night.h"
#include "plan/tonight_list.h"

class QAction;
class QFont;
class QMenu;

namespace kolvar {

class SkySession;
class TStarsForm;
class TTonightDlg;

// The tonight window in the main window: the Ma éjjel item of the Megfigyelő
// menu opens it; a click on an object there selects it on the chart (the kept
// selection, with its labels) and a double click opens the close-up on it.
class TonightControls : public QObject {
    Q_OBJECT
public:
    TonightControls(TStarsForm& form, const SkySession& sky);

    QAction* Action() const { return tonight1_; }
    void SetUpMenu(const QFont& menuFont);
    void Open();
    void ShowScript();
    // After a redraw: a new place or night is computed again while the window is open.
    void ChartRedrawn();
    TTonightDlg* Dialog() const { return dialog_; }
    // The plan on paper: asks for the file and saves it.
    void PrintPlan(const Night& night, const std::vector<TonightEntry>& list);

private:
    TStarsForm& form_;
    const SkySession& sky_;  // the window's observer, last frame and placed objects
    QAction* tonight1_ = nullptr;
    TTonightDlg* dialog_ = nullptr;
};

}  // namespace kolvar
