#include "shell/time_controls.h"

#include <QAction>
#include <QActionGroup>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "astro/time_scales.h"
#include "shell/runic_menu.h"
#include "shell/runic_menu_bar.h"
#include "texts/time_captions.h"
#include "widgets/runic_text.h"
#include "widgets/script_text.h"

namespace kolvar {

namespace {

constexpr std::array<TimeStepUnit, TimeStepUnitCount> Units = {
    TimeStepUnit::Minute, TimeStepUnit::Hour,       TimeStepUnit::Day,           TimeStepUnit::SiderealDay,
    TimeStepUnit::Week,   TimeStepUnit::LunarMonth, TimeStepUnit::CalendarMonth, TimeStepUnit::Year};
constexpr std::array<const char*, TimeStepUnitCount> StepActionNames = {
    "StepMinute1", "StepHour1",       "StepDay1",   "StepSiderealDay1",
    "StepWeek1",   "StepLunarMonth1", "StepMonth1", "StepYear1"};

constexpr int MessageMs = 4000;

// The time keys, declared once: the keys on the chart that run a command,
// the text shown for them (Windows-1250) beside the menu items they stand
// for, and whether a held key runs it once only.
struct TimeKey {
    std::array<Qt::Key, 2> Keys;
    std::string_view Shown;
    std::array<const char*, 2> ShownAt;  // menu actions; nullptr for none
    bool OnceWhenHeld;
    void (TimeControls::*Run)();
};
const TimeKey TimeKeys[] = {
    {{Qt::Key_Plus, Qt::Key_unknown}, "+", {"StepForward1", nullptr}, false, &TimeControls::StepForward},
    {{Qt::Key_Minus, Qt::Key_unknown}, "-", {"StepBack1", nullptr}, false, &TimeControls::StepBack},
    {{Qt::Key_BracketLeft, Qt::Key_unknown}, "[", {nullptr, nullptr}, false, &TimeControls::SmallerStep},
    {{Qt::Key_BracketRight, Qt::Key_unknown}, "]", {nullptr, nullptr}, false, &TimeControls::LargerStep},
    {{Qt::Key_0, Qt::Key_N}, "0, N", {"Now1", nullptr}, false, &TimeControls::Now},
    {{Qt::Key_Space, Qt::Key_unknown},
     "Sz\xF3k\xF6z",
     {"PlayForward1", "Pause1"},
     true,
     &TimeControls::PlayOrPause},
    {{Qt::Key_R, Qt::Key_unknown}, "R", {"PlayBackward1", nullptr}, true, &TimeControls::PlayOrPauseBackward},
};

// The keys shown beside a menu action; empty when no key runs it.
std::string_view KeysShownAt(std::string_view action) {
    for (const TimeKey& k : TimeKeys)
        for (const char* at : k.ShownAt)
            if (at != nullptr && action == at) return k.Shown;
    return {};
}

std::size_t IndexOf(TimeStepUnit unit) { return static_cast<std::size_t>(unit); }

// Milliseconds from now to the next whole second or minute of the system clock.
int MillisecondsToNext(bool everySecond) {
    using namespace std::chrono;
    const long long period = everySecond ? 1000 : 60000;
    const long long now = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
    // A few milliseconds late rather than early, so the new minute has begun.
    return static_cast<int>(period - (now % period + period) % period + 5);
}

}  // namespace

TimeControls::TimeControls(QWidget* window, ObserverState& observer, std::function<void()> redraw)
    : QObject(window), window_(window), observer_(observer), redraw_(std::move(redraw)) {
    menu_ = new QMenu(window);
    menu_->setObjectName(QStringLiteral("TimeSteps1Menu"));
    const TimeMenuTexts& t = TimeMenuCaptions;
    AddAction("StepForward1", &TimeControls::StepForward);
    AddAction("StepBack1", &TimeControls::StepBack);
    menu_->addSeparator();
    AddAction("Now1", &TimeControls::Now);
    runningClock_ = menu_->addAction(PlainString(t.RunningClock.Hungarian));
    runningClock_->setObjectName(QStringLiteral("RunningClock1"));
    runningClock_->setCheckable(true);
    connect(runningClock_, &QAction::triggered, this, &TimeControls::SetRunningClock);
    actions_.push_back(runningClock_);
    menu_->addSeparator();
    for (const char* name : {"PlayForward1", "PlayBackward1"}) {
        QAction* play = menu_->addAction(QString());
        play->setObjectName(QString::fromLatin1(name));
        play->setCheckable(true);
        const bool forward = std::string_view(name) == "PlayForward1";
        connect(play, &QAction::triggered, this, [this, forward](bool on) {
            if (!on)
                Pause();
            else if (forward)
                PlayForward();
            else
                PlayBackward();
        });
        actions_.push_back(play);
    }
    AddAction("Pause1", &TimeControls::Pause);
    menu_->addSeparator();
    stepGroup_ = new QActionGroup(this);
    for (std::size_t i = 0; i < Units.size(); ++i) {
        QAction* a = menu_->addAction(PlainString(t.Steps[i].Hungarian));
        a->setObjectName(QString::fromLatin1(StepActionNames[i]));
        a->setCheckable(true);
        stepGroup_->addAction(a);
        connect(a, &QAction::triggered, this, [this, unit = Units[i]] { SetStepUnit(unit); });
        stepActions_.push_back(a);
        actions_.push_back(a);
    }

    frameTimer_ = new QTimer(this);
    frameTimer_->setTimerType(Qt::PreciseTimer);
    frameTimer_->setInterval(FrameIntervalMs);
    connect(frameTimer_, &QTimer::timeout, this, [this] {
        if (!StepBy(playing_ == Playing::Backward ? -1 : 1)) SetPlaying(Playing::No);
    });
    clockTimer_ = new QTimer(this);
    clockTimer_->setSingleShot(true);
    clockTimer_->setTimerType(Qt::PreciseTimer);
    connect(clockTimer_, &QTimer::timeout, this, &TimeControls::ClockTick);
    messageTimer_ = new QTimer(this);
    messageTimer_->setSingleShot(true);
    connect(messageTimer_, &QTimer::timeout, this, [this] {
        if (message_ != nullptr) message_->hide();
    });
    SyncChecks();
}

TimeControls::~TimeControls() = default;

QAction* TimeControls::AddAction(const char* name, void (TimeControls::*command)()) {
    QAction* a = menu_->addAction(QString());
    a->setObjectName(QString::fromLatin1(name));
    connect(a, &QAction::triggered, this, command);
    actions_.push_back(a);
    return a;
}

QAction* TimeControls::Action(const QString& name) const {
    for (QAction* a : actions_)
        if (a->objectName() == name) return a;
    return nullptr;
}

void TimeControls::SetUpMenu(MenuBarItem& title, const QFont& menuFont) {
    const TimeMenuTexts& t = TimeMenuCaptions;
    title.SetCaption(t.Title);
    title.RightJustify = true;
    title.Enabled = true;
    SetUpDropDown(menu_, menuFont);
    const std::pair<const char*, const RunicText&> items[] = {
        {"StepForward1", t.Forward},
        {"StepBack1", t.Back},
        {"Now1", t.Now},
        {"RunningClock1", t.RunningClock},
        {"PlayForward1", t.PlayForward},
        {"PlayBackward1", t.PlayBackward},
        {"Pause1", t.Pause},
    };
    for (const auto& [name, caption] : items)
        ShowCaption(Action(QString::fromLatin1(name)), caption, KeysShownAt(name));
    for (std::size_t i = 0; i < stepActions_.size(); ++i) ShowCaption(stepActions_[i], t.Steps[i]);
    for (QAction* a : actions_) a->setEnabled(true);
}

void TimeControls::Apply(const TimeStepSettings& settings) {
    step_ = {settings.Step.Unit, 1};
    SetRunningClock(settings.RunningClock);
    SyncChecks();
}

TimeStepSettings TimeControls::Settings() const { return {step_, clockRuns_}; }

bool TimeControls::StepBy(int direction) {
    StepOutcome outcome;
    if (IsCalendarUnit(step_.Unit)) {
        // Any other change of the time, the step or the zone begins a new run.
        if (!(run_.Step == step_ && run_.Reached == observer_.JulianDay && run_.Zone == observer_.Zone &&
              run_.SummerTime == observer_.SummerTime))
            run_ = {step_, observer_.JulianDay, 0, observer_.JulianDay, observer_.Zone, observer_.SummerTime};
        const long long count = run_.Count + direction;
        const TimeStep whole{step_.Unit,
                             static_cast<int>(std::min<long long>(std::llabs(count) * step_.Count,
                                                                  std::numeric_limits<int>::max()))};
        outcome = count == 0 ? StepOutcome{run_.Start, false}
                             : StepWithinElements(run_.Start, whole, count > 0 ? 1 : -1, observer_.Zone,
                                                  observer_.SummerTime);
        run_.Count = count;
        run_.Reached = outcome.AtEdge ? std::nan("") : outcome.JulianDay;
    } else {
        outcome =
            StepWithinElements(observer_.JulianDay, step_, direction, observer_.Zone, observer_.SummerTime);
    }
    if (outcome.JulianDay != observer_.JulianDay) {
        observer_.JulianDay = outcome.JulianDay;
        redraw_();
    }
    if (outcome.AtEdge) ShowMessage(PlainString(ElementsEdgeMessage));
    return !outcome.AtEdge;
}

void TimeControls::StepForward() {
    SetRunningClock(false);
    StepBy(1);
}

void TimeControls::StepBack() {
    SetRunningClock(false);
    StepBy(-1);
}

void TimeControls::SetStepUnit(TimeStepUnit unit) {
    step_ = {unit, 1};
    SyncChecks();
    // A running clock ticks every second while the step is a minute.
    if (clockRuns_) ScheduleClockTick();
}

void TimeControls::SmallerStep() {
    const std::size_t i = IndexOf(step_.Unit);
    if (i > 0) SetStepUnit(Units[i - 1]);
}

void TimeControls::LargerStep() {
    const std::size_t i = IndexOf(step_.Unit);
    if (i + 1 < Units.size()) SetStepUnit(Units[i + 1]);
}

void TimeControls::Now() {
    observer_.JulianDay = SystemClockJulianDay();
    redraw_();
}

void TimeControls::SetRunningClock(bool on) {
    if (on) {
        SetPlaying(Playing::No);
        clockRuns_ = true;
        Now();
        ScheduleClockTick();
    } else {
        clockRuns_ = false;
        clockTimer_->stop();
    }
    SyncChecks();
}

void TimeControls::ScheduleClockTick() {
    clockTimer_->start(MillisecondsToNext(step_.Unit == TimeStepUnit::Minute));
}

void TimeControls::ClockTick() {
    if (!clockRuns_) return;
    Now();
    ScheduleClockTick();
}

void TimeControls::SetPlaying(Playing playing) {
    playing_ = playing;
    if (playing == Playing::No) {
        frameTimer_->stop();
    } else {
        SetRunningClock(false);
        if (!frameTimer_->isActive()) frameTimer_->start();
    }
    SyncChecks();
}

void TimeControls::PlayForward() { SetPlaying(Playing::Forward); }
void TimeControls::PlayBackward() { SetPlaying(Playing::Backward); }
void TimeControls::Pause() { SetPlaying(Playing::No); }

void TimeControls::PlayOrPause() { SetPlaying(playing_ == Playing::No ? Playing::Forward : Playing::No); }

void TimeControls::PlayOrPauseBackward() {
    SetPlaying(playing_ == Playing::Backward ? Playing::No : Playing::Backward);
}

void TimeControls::TimeSetElsewhere() {
    SetPlaying(Playing::No);
    SetRunningClock(false);
}

void TimeControls::Stop() {
    frameTimer_->stop();
    clockTimer_->stop();
}

bool TimeControls::HandleKey(const QKeyEvent& event) {
    // Shift is how some layouts reach + or N; with Ctrl, Alt or Meta the key
    // means something else.
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    for (const TimeKey& k : TimeKeys) {
        if (std::find(k.Keys.begin(), k.Keys.end(), static_cast<Qt::Key>(event.key())) == k.Keys.end())
            continue;
        if (!(k.OnceWhenHeld && event.isAutoRepeat())) (this->*k.Run)();
        return true;
    }
    return false;
}

void TimeControls::ShowMessage(const QString& text) {
    lastMessage_ = text;
    if (message_ == nullptr) {
        message_ = new QLabel(window_);
        message_->setObjectName(QStringLiteral("TimeMessage"));
        message_->setFont(ArialFont(14));
        message_->setStyleSheet(
            QStringLiteral("QLabel { background: #ffffe1; color: black; padding: 4px; }"));
    }
    message_->setText(text);
    message_->adjustSize();
    message_->move(8, window_->height() - message_->height() - 8);
    message_->raise();
    message_->show();
    messageTimer_->start(MessageMs);
}

void TimeControls::SyncChecks() {
    stepActions_[IndexOf(step_.Unit)]->setChecked(true);
    runningClock_->setChecked(clockRuns_);
    Action(QStringLiteral("PlayForward1"))->setChecked(playing_ == Playing::Forward);
    Action(QStringLiteral("PlayBackward1"))->setChecked(playing_ == Playing::Backward);
}

}  // namespace kolvar
