#pragma once

#include <QObject>
#include <QString>
#include <cstddef>
#include <functional>
#include <optional>

#include "chart/chart_frame.h"
#include "plan/list_session.h"
#include "telescope/telescope_target.h"

class QAction;
class QFont;
class QMenu;
class QWidget;

namespace kolvar {

class FindControls;
class TListDlg;
class TPlainSky;
class SkySession;
class TelescopeControls;
class ViewControls;

// The observing list in the main window: the Megfigyelő menu's items (the
// list window, adding the kept selection, the next object), the close-up's
// field menu items (adding the object at its centre, the next object), and
// what the tonight and find windows add. Stepping to an object selects it on
// the chart, centres the close-up on it when that is open and slews the
// telescope when one is connected. The list is the one last chosen in the
// run ("megfigyel\u00E9s" at first), saved after every change.
class ListControls : public QObject {
    Q_OBJECT
public:
    // Opens the close-up centred on a direction of the chart's frame.
    using CloseUpOpener = std::function<void(const HorizontalPosition&)>;
    // `window` owns the controls and the list window; `view` holds the kept
    // selection that is added, `find` names a stepped-to object on the chart,
    // `telescope` slews to it.
    ListControls(QWidget* window, const SkySession& sky, const ViewControls& view, FindControls& find,
                 TelescopeControls& telescope, CloseUpOpener openCloseUp);

    void AddToMenu(QMenu* menu, QAction* before);
    void SetUpMenu(const QFont& menuFont);
    void ShowScript();
    QAction* Action(const QString& name) const;
    void AttachCloseUp(TPlainSky* closeUp);

    void Open();
    TListDlg* Dialog() const { return dialog_; }
    ListSession& Session() { return session_; }

    // Adds an object to the list (then it is the current one); true when it was added.
    bool Add(const TelescopeTarget& target);
    void AddSelected();
    void Next();
    // Selects, centres and slews to a row of the list.
    void Step(std::size_t row);

    // One line for the user; a message box by default.
    std::function<void(const QString&)> ReportNotice;
    const QString& LastNotice() const { return lastNotice_; }

private:
    void Report(const QString& line);
    void Refresh();

    QWidget* window_;
    const SkySession& sky_;  // the window's observer, last frame and placed objects
    const ViewControls& view_;
    FindControls& find_;
    TelescopeControls& telescope_;
    CloseUpOpener openCloseUp_;
    TPlainSky* closeUp_ = nullptr;
    TListDlg* dialog_ = nullptr;
    QAction* lists1_ = nullptr;
    QAction* addSelected1_ = nullptr;
    QAction* next1_ = nullptr;
    QAction* closeUpAdd_ = nullptr;
    QAction* closeUpNext_ = nullptr;
    ListSession session_;
    bool chosen_ = false;
    QString lastNotice_;
};

}  // namespace kolvar
