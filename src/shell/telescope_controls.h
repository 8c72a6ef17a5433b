#pragma once

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QString>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "appcore/telescope_settings.h"
#include "chart/sky_projection.h"
#include "telescope/mount_link.h"
#include "telescope/mount_model.h"
#include "telescope/telescope_target.h"
#include "texts/runic_captions.h"
#include "widgets/reticle.h"

class QAction;
class QFont;
class QKeyEvent;
class QMenu;
class QMessageBox;
class QTimer;
class QWidget;

namespace kolvar {

class ChartView;
class TPlainSky;
class SkySession;
class TTelescopeDlg;
class ViewControls;

// The telescope in the main window: the Megfigyelő menu's telescope items
// (the dialog, pointing at the object named last, abort, park, unpark), the
// connection to a mount behind an INDI server, the reticle where the mount
// points on the chart and in the close-up, the mount's state in the title,
// and, while a mount is connected, a right-button menu over either view
// ("point here", "sync here" beside the view's own action). Escape aborts
// a slew. The link's events come from its threads and are handed to this
// object's (the main) thread; nothing here waits for the network.
//
// Until the telescope is first connected in a run, nothing of the window
// changes: no reticle, the title and the right button as they were.
class TelescopeControls : public QObject {
    Q_OBJECT
public:
    struct Links {
        std::function<void()> ShowTitle;  // the window's title, which tells the mount's state
        std::function<QFont()> MenuFont;  // the face of the menus' captions
    };
    // `window` owns the controls, the dialog and the notices; `view` holds
    // the kept selection and the night view; the reticle is drawn on `chart`.
    TelescopeControls(QWidget* window, const SkySession& sky, const ViewControls& view, ChartView& chart,
                      Links links);
    ~TelescopeControls() override;

    void AddToMenu(QMenu* menu, QAction* before);
    void SetUpMenu(const QFont& menuFont);
    QAction* Action(const QString& name) const;
    void ShowScript();
    // The close-up window, to draw the reticle in and offer the menu over.
    void AttachCloseUp(TPlainSky* closeUp);

    void Apply(const TelescopeSettings& settings);  // as read at the start
    const TelescopeSettings& Settings() const { return settings_; }
    // Connects when the settings ask for it (once the event loop runs).
    void StartIfAsked();

    void OpenDialog();
    TTelescopeDlg* Dialog() const { return dialog_; }

    // The server and mount of the settings (the dialog's fields when open).
    void Connect();
    void Disconnect();
    // A mount is connected: the right-button menus show, pointing is possible.
    bool MountConnected() const;
    bool InUse() const { return link_ != nullptr; }
    // The state the title and the dialog show: the mount's, or connecting
    // while the server has not yet answered.
    MountState ShownState() const;
    const MountModel& Model() const { return model_; }

    // Slews to (`slew`) or syncs on a target; a slew below the horizon or
    // the altitude limit, or of a parked mount, is refused with a notice.
    // True when the command went to the mount.
    bool Point(const TelescopeTarget& target, bool slew);
    void PointAtSelected();
    void Abort();
    void Park(bool park);

    // What a press at (x, y) of a view points at: the object whose marker
    // is within a few pixels, else the direction itself.
    TelescopeTarget TargetAt(const SkyProjection& projection, int x, int y) const;
    // The right-button menu at (x, y) of `view` with the view's own action
    // first. Own: that action was chosen, or no mount is connected (no
    // menu); Taken: a telescope item was chosen or the menu dismissed.
    enum class MenuChoice { Own, Taken };
    MenuChoice OfferPointMenu(const SkyProjection& projection, int x, int y, QWidget* view,
                              const RunicText& own);
    // Runs a menu at a screen point and gives the chosen item (tests choose).
    std::function<QAction*(QMenu& menu, const QPoint& at)> RunMenu;

    // The chart was drawn anew: the reticle is placed again.
    void ChartRedrawn();
    // " – Távcső: követ" and the like while the telescope is in use; empty before.
    QString TitleSuffix() const;
    // Escape while the mount slews aborts it (true).
    bool HandleKey(const QKeyEvent& event);

    // One line for the user: a message box (not modal, one at a time) by
    // default; also kept in the dialog.
    std::function<void(const QString&)> ReportNotice;
    const QString& LastNotice() const { return lastNotice_; }
    int Notices() const { return notices_; }

    // The link to use instead of one to an INDI server (the benchmark's
    // stand-in); its events must come through Take on this thread.
    void UseLink(std::unique_ptr<MountLink> link) { link_ = std::move(link); }
    // Applies one event of the link as if it had just come (the link's
    // events come through here; the benchmark feeds its own).
    void Take(const MountEvent& event);
    // Reticle placements since the start, and from the last slew command to
    // the mount's first report of moving.
    int ReticleUpdates() const { return reticleUpdates_; }
    std::optional<double> SlewStartMilliseconds() const { return slewStartMs_; }

    // The items' enabled states, as the Megfigyelő menu opens.
    void UpdateActions();

protected:
    // The close-up shown: its reticle at once (it was drawn before it showed).
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Report(const QString& line);
    void SendSlew(const EquatorialPlace& aim, const std::string& name);
    // The reticle in both views; `follow`: the mount has moved (or the
    // option came on), and a following close-up is centred on it again.
    void UpdateReticles(bool follow = false);
    std::optional<ReticleMark> MarkFor(const SkyProjection& projection, HorizontalPosition* where) const;
    void ShowState();
    void ReadDialog();

    QWidget* window_;
    const SkySession& sky_;  // the window's observer, last frame and placed objects
    const ViewControls& view_;
    ChartView& chart_;
    Links links_;
    QPointer<TPlainSky> closeUp_;  // goes before this at the end of a run
    TTelescopeDlg* dialog_ = nullptr;
    QMessageBox* noticeBox_ = nullptr;
    QAction* telescope1_ = nullptr;
    QAction* pointSelected1_ = nullptr;
    QAction* abort1_ = nullptr;
    QAction* park1_ = nullptr;
    QAction* unpark1_ = nullptr;
    QTimer* deviceTimer_ = nullptr;    // the server's list of devices is awaited
    QTimer* trackingTimer_ = nullptr;  // a slew waits for tracking to come on
    QTimer* arrivalTimer_ = nullptr;   // a slew that never ends is told once
    TelescopeSettings settings_;
    MountModel model_;
    bool awaitingServer_ = false;  // Connect() sent, the server not yet answered
    bool deviceAsked_ = false;     // CONNECT sent to the followed device
    bool placeSent_ = false;       // the observer's place and time sent since it connected
    std::optional<EquatorialPlace> pendingSlew_;
    std::string slewTarget_;  // the name of the last slew's target
    std::optional<std::chrono::steady_clock::time_point> slewSentAt_;
    std::optional<double> slewStartMs_;
    QString lastNotice_;
    int notices_ = 0;
    int reticleUpdates_ = 0;
    MountState shownState_ = MountState::Disconnected;
    std::unique_ptr<MountLink> link_;  // last: it goes first, with its threads
};

}  // namespace kolvar
