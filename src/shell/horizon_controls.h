#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "plan/local_horizon.h"

class QAction;
class QMenu;
class QWidget;

namespace kolvar {

class SkySession;

// Drawing the local horizon on the chart: while the Megfigyelő menu's
// "Látóhatár rajzolása" is checked, a left click on the chart records the
// clicked direction's azimuth and altitude (at least 0) into the horizon
// file, which is written at once and drawn as the skyline from the second
// point on; another item takes the last point back. The file is the one the
// settings name ([HORIZON] File), else $XDG_DATA_HOME/kolvar/horizon.txt,
// which the settings then name. A file that cannot be read as a horizon is
// not written over.
class HorizonControls : public QObject {
    Q_OBJECT
public:
    // The horizon file the settings name (empty: none yet), and the use of a
    // new skyline (none: the plain horizon) from the file, which the settings
    // then name.
    using StoredFile = std::function<std::string()>;
    using UseSkyline = std::function<void(std::shared_ptr<const LocalHorizon>, const std::string& file)>;
    // `window` owns the controls and carries their notices; `sky` gives the
    // chart's last frame, which turns a click into a direction.
    HorizonControls(QWidget* window, const SkySession& sky, StoredFile storedFile, UseSkyline useSkyline);

    void AddToMenu(QMenu* menu);
    void ShowScript();
    QAction* Action(const QString& name) const;

    bool Editing() const;
    void SetEditing(bool on);
    // A left click at chart pixel (x, y) while editing: true when taken.
    bool ChartClicked(int x, int y);
    void UndoLast();
    const std::vector<LocalHorizon::Point>& Points() const { return points_; }

    // One line for the user; a message box by default.
    std::function<void(const QString&)> ReportNotice;

private:
    void Save();

    QWidget* window_;
    const SkySession& sky_;  // the window's observer, last frame and placed objects
    StoredFile storedFile_;
    UseSkyline useSkyline_;
    QAction* edit1_ = nullptr;
    QAction* undo1_ = nullptr;
    std::vector<LocalHorizon::Point> points_;
    std::vector<std::size_t> added_;  // the indices in the order clicked, for the undo
    std::string file_;
};

}  // namespace kolvar
