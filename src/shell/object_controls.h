#pragma once

#include <QFont>
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

#include "plan/local_horizon.h"
#include "plan/object_report.h"

class QPoint;
class QWidget;

namespace kolvar {

class TObjectDlg;
class SkySession;
class TimeControls;

// The object window in the main program: opened by a double click on an
// object of the chart or the close-up's field menu, by Enter in the find
// dialog and from the kept labels' context menu. One window, made on first
// use; it follows every redraw of the chart.
class ObjectControls : public QObject {
    Q_OBJECT
public:
    struct Links {
        // The local horizon in use (none: the true horizon).
        std::function<std::shared_ptr<const LocalHorizon>()> Skyline;
        std::function<QFont()> MenuFont;  // the face of the menus' captions
    };
    // `window` owns the object window while no modal window is open; the
    // time keys pressed in the object window go to `time`.
    ObjectControls(QWidget* window, const SkySession& sky, TimeControls& time, Links links);

    void Open(const ReportedObject& object);
    void OpenSlot(int slot) { Open({FoundKind::Slot, slot}); }
    // The context menu of the labels kept over the chart, for `slot`.
    void OfferMenu(int slot, const QPoint& globalPosition);
    void ChartRedrawn();
    void ShowScript();
    // A modal window that owned the object window while open has closed:
    // the main window takes it back, still showing.
    void ModalClosed();
    TObjectDlg* Dialog() const;

private:
    QWidget* window_;
    const SkySession& sky_;  // the window's observer, last frame and placed objects
    TimeControls& time_;
    Links links_;
    // Owned by the main window or, while over the close-up, by that: gone
    // with whichever goes first.
    QPointer<TObjectDlg> dialog_;
};

}  // namespace kolvar
