#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "chart/view_options.h"

class QAction;
class QActionGroup;
class QFont;
class QKeyEvent;
class QMenu;
class QWidget;

namespace kolvar {

struct MenuBarItem;
struct ViewSwitch;

// The reader's layers and views over the chart: the Nézet menu with a check
// item per switch of the view table (its caption, and its key, which turns
// it on the chart as well), the label magnitude limit and the comets' own
// limit, and the kept selection that a click on an object leaves ringed
// until the next click elsewhere or Escape. Every change is followed by a
// full redraw through `redraw`.
class ViewControls : public QObject {
    Q_OBJECT
public:
    ViewControls(QWidget* window, std::function<void()> redraw);

    QMenu* Menu() const { return menu_; }
    QAction* Action(const QString& name) const;
    // The menu set-up: the bar's title and every item get their runic
    // captions in `menuFont`, each item with its key beside it.
    void SetUpMenu(MenuBarItem& title, const QFont& menuFont);

    // The choices as kept in the settings file, and the options to draw with
    // (the choices and the kept selection).
    void Apply(const ViewOptions& choices);
    ViewOptions Settings() const;
    const ViewOptions& Options() const { return options_; }

    // The kept selection: a slot of the objects table, or -1. Anything that
    // names an object (a click, the find dialog) may set it.
    void Select(int slot);

    // The local skyline drawn over the chart (none: the plain horizon), drawn at once.
    void SetSkyline(std::function<double(double azimuth)> skyline);

    // The comets and minor planets the view draws when they are switched on.
    void SetBodies(std::shared_ptr<const std::vector<SmallBody>> bodies);
    int Selected() const { return options_.SelectedSlot; }

    // The character size the labels and figures follow (no redraw).
    void SetCharacterSize(int size) { options_.CharacterSize = size; }

    // The view keys on the chart; false for any other key.
    bool HandleKey(const QKeyEvent& event);

private:
    // The check item of a switch of the view table (appcore/view_switches.h), by its action's name.
    QAction* AddSwitch(const char* name);
    void Turn(const ViewSwitch& s, bool on);
    void SyncChecks();

    QWidget* window_;
    std::function<void()> redraw_;
    QMenu* menu_ = nullptr;
    QMenu* magnitudeMenu_ = nullptr;
    QActionGroup* magnitudeGroup_ = nullptr;
    std::vector<std::pair<QAction*, const ViewSwitch*>> switches_;
    std::vector<QAction*> magnitudes_;  // limits 0 .. 7
    QMenu* bodyMagnitudeMenu_ = nullptr;
    std::vector<QAction*> bodyMagnitudes_;  // limits 6 .. 16
    ViewOptions options_;
};

}  // namespace kolvar
