#pragma once

#include <QObject>
#include <functional>
#include <memory>

#include "plan/local_horizon.h"
#include "plan/object_report.h"
#include "shell/small_body_controls.h"
#include "telescope/telescope_target.h"

class QAction;
class QFont;
class QKeyEvent;
class QMenu;
class QWidget;

namespace kolvar {

class ChartView;
class LabelImage;
class TFindDlg;
class SkySession;
class ViewControls;

// Finding an object by name in the main window: the Keresés item of the
// Megfigyelő menu and its keys on the chart (Ctrl+F, /) open the find
// dialog; an object chosen there is ringed on the chart and its two label
// pictures stay over the chart until the next click on it or Escape (a
// click's own labels show only while its button is held).
class FindControls : public QObject {
    Q_OBJECT
public:
    // What the found objects go on to, and what the dialog reads.
    struct Links {
        std::function<SmallBodyControls::Bodies()> Bodies;  // the window's comets and minor planets
        std::function<void(const TelescopeTarget&)> AddToList;
        std::function<void(const ReportedObject&)> OpenObject;  // the object window
        // The local horizon in use (none: the true horizon).
        std::function<std::shared_ptr<const LocalHorizon>()> Skyline;
    };
    // `window` owns the controls and the dialog and takes the keyboard back
    // when it closes; `view` rings the found object; the labels lie over
    // `chart`.
    FindControls(QWidget* window, const SkySession& sky, ViewControls& view, ChartView& chart,
                 LabelImage& textImage1, LabelImage& textImage2, Links links);

    QAction* Action() const { return find1_; }
    // The menu set-up: the item's runic caption with its key beside it.
    void SetUpMenu(QMenu& observerMenu, const QFont& menuFont);

    void Open();
    // The dialog's captions in the newly chosen script.
    void ShowScript();
    // The dialog, once it has been opened.
    TFindDlg* Dialog() const { return dialog_; }

    // Names a slot as a click would, and keeps its labels.
    void Name(int slot);
    // Shows the labels of a comet or minor planet of the window's set.
    void NameBody(std::size_t body);
    // The slot whose labels are kept over the chart, or -1.
    int Labelled() const { return labelled_; }

    // Ctrl+F and / open the dialog (true). Escape takes the kept labels away
    // and gives false, so that the kept selection is cleared too.
    bool HandleKey(const QKeyEvent& event);
    // After every redraw the kept labels are fitted to the chart again.
    void ChartRedrawn();
    // A click on the chart names its own object.
    void ChartClicked();

private:
    void ShowLabels();
    void HideLabels();
    // Over the chart's lower left or right corner; away from the ring of a
    // found object that it would cover.
    void PlaceDialog(bool right);
    void KeepDialogClearOf(int slot);

    QWidget* window_;
    const SkySession& sky_;  // the window's observer, last frame and placed objects
    ViewControls& view_;
    ChartView& chart_;
    LabelImage& textImage1_;
    LabelImage& textImage2_;
    Links links_;
    QAction* find1_ = nullptr;
    TFindDlg* dialog_ = nullptr;
    int labelled_ = -1;
};

}  // namespace kolvar
