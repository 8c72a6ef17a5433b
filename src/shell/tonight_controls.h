#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

#include "chart/chart_frame.h"
#include "plan/local_horizon.h"
#include "plan/night.h"
#include "plan/tonight_list.h"
#include "print/plan_sheet.h"
#include "shell/small_body_controls.h"
#include "telescope/telescope_target.h"

class QAction;
class QFont;
class QMenu;
class QWidget;

namespace kolvar {

class FindControls;
class SkySession;
class TTonightDlg;

// The tonight window in the main window: the Ma éjjel item of the Megfigyelő
// menu opens it; a click on an object there selects it on the chart (the kept
// selection, with its labels) and a double click opens the close-up on it.
class TonightControls : public QObject {
    Q_OBJECT
public:
    // Where the window's rows go on to.
    struct Links {
        std::function<SmallBodyControls::Bodies()> Bodies;  // the window's comets and minor planets
        std::function<void(const HorizontalPosition&)> OpenCloseUp;
        // The local horizon in use (none: the true horizon).
        std::function<std::shared_ptr<const LocalHorizon>()> Skyline;
        std::function<void(const TelescopeTarget&)> AddToList;
        std::function<void(const TelescopeTarget&)> Slew;  // the telescope to it
        std::function<bool()> MountConnected;
        std::function<void(const PlanSheetRequest&)> SavePlan;  // asks for the file and saves it
    };
    // `window` owns the controls and the window; a chosen object is named
    // on the chart through `find`.
    TonightControls(QWidget* window, const SkySession& sky, FindControls& find, Links links);

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
    QWidget* window_;
    const SkySession& sky_;  // the window's observer, last frame and placed objects
    FindControls& find_;
    Links links_;
    QAction* tonight1_ = nullptr;
    TTonightDlg* dialog_ = nullptr;
};

}  // namespace kolvar
