#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "appcore/time_step_settings.h"
#include "astro/time_steps.h"
#include "sky/observer_state.h"

class QAction;
class QActionGroup;
class QFont;
class QKeyEvent;
class QLabel;
class QMenu;
class QTimer;
class QWidget;

namespace kolvar {

struct MenuBarItem;

// Moving the main window's instant through time: the Idő menu and its keys,
// steps forward and back by a chosen step size, now, a running clock that
// keeps the chart at the current instant, and an animation that steps once
// per frame without blocking the window. Every change of the instant is
// followed by a full redraw through `redraw`.
class TimeControls : public QObject {
    Q_OBJECT
public:
    enum class Playing { No, Forward, Backward };

    // `window` owns the menu and shows the edge message over its central
    // widget; `observer` is the state whose JulianDay moves.
    TimeControls(QWidget* window, ObserverState& observer, std::function<void()> redraw);
    ~TimeControls() override;

    QMenu* Menu() const { return menu_; }
    QAction* Action(const QString& name) const;
    // The menu set-up: the bar's title and every item get their runic
    // captions in `menuFont`, each item with its keys beside it.
    void SetUpMenu(MenuBarItem& title, const QFont& menuFont);

    void Apply(const TimeStepSettings& settings);
    TimeStepSettings Settings() const;

    TimeStep Step() const { return step_; }
    bool ClockRuns() const { return clockRuns_; }
    Playing Play() const { return playing_; }
    const QString& LastMessage() const { return lastMessage_; }

    // The commands of the menu and the keys.
    void StepForward();
    void StepBack();
    void SmallerStep();
    void LargerStep();
    void SetStepUnit(TimeStepUnit unit);
    void Now();
    void SetRunningClock(bool on);
    void PlayForward();
    void PlayBackward();
    void Pause();
    void PlayOrPause();
    void PlayOrPauseBackward();  // R: backward, or a backward play paused

    // The instant was set some other way (the time dialog): the running
    // clock and the animation stop.
    void TimeSetElsewhere();
    // Stops every timer for good (the window is going).
    void Stop();

    // The time keys on the chart: + and - (also the keypad's) step, [ and ]
    // change the step size, 0 or N is now, space plays or pauses, R plays
    // backward. Returns false for any other key.
    bool HandleKey(const QKeyEvent& event);

    // Frames of the animation: at most this often, or as fast as the
    // redraw goes when that is slower.
    static constexpr int FrameIntervalMs = 33;

private:
    QAction* AddAction(const char* name, void (TimeControls::*command)());
    // One step in `direction` within the orbital elements' range; false (and
    // the edge message) when the range ends there.
    bool StepBy(int direction);
    void SetPlaying(Playing playing);
    void ScheduleClockTick();
    void ClockTick();
    void ShowMessage(const QString& text);
    void SyncChecks();

    QWidget* window_;
    ObserverState& observer_;
    std::function<void()> redraw_;
    QMenu* menu_ = nullptr;
    std::vector<QAction*> actions_;
    std::vector<QAction*> stepActions_;  // in TimeStepUnit order
    QActionGroup* stepGroup_ = nullptr;
    QAction* runningClock_ = nullptr;
    QTimer* frameTimer_ = nullptr;
    QTimer* clockTimer_ = nullptr;
    QLabel* message_ = nullptr;
    QTimer* messageTimer_ = nullptr;
    TimeStep step_;
    // A run of calendar steps counts from where it began, as a series does:
    // 31 January + 1 month + 1 month is 31 March, and back again 31 January.
    struct CalendarRun {
        TimeStep Step;
        double Start = 0.0;    // the Julian day the run began at
        long long Count = 0;   // steps taken, forward minus back
        double Reached = 0.0;  // where the last step of the run left the time
        double Zone = 0.0;
        bool SummerTime = false;
    };
    CalendarRun run_;
    bool clockRuns_ = false;
    Playing playing_ = Playing::No;
    QString lastMessage_;
};

}  // namespace kolvar
