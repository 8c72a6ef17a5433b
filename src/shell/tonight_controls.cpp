#include "shell/tonight_controls.h"

#include <QAction>
#include <cmath>
#include <cstdio>
#include <utility>

#include "appcore/deep_star_catalogue.h"
#include "astro/time_scales.h"
#include "canvas/cp1250.h"
#include "dialogs/tonight_dlg.h"
#include "plan/plan_paper.h"
#include "shell/chart_direction.h"
#include "shell/find_controls.h"
#include "shell/sky_session.h"
#include "texts/tonight_captions.h"
#include "widgets/script_text.h"

namespace kolvar {

TonightControls::TonightControls(QWidget* window, const SkySession& sky, FindControls& find, Links links)
    : QObject(window), window_(window), sky_(sky), find_(find), links_(std::move(links)) {
    // The runic caption comes with the menu set-up.
    tonight1_ = new QAction(QStringLiteral("Ma \u00E9jjel"), this);
    tonight1_->setObjectName(QStringLiteral("Tonight1"));
    connect(tonight1_, &QAction::triggered, this, &TonightControls::Open);
}

void TonightControls::SetUpMenu(const QFont&) {
    ShowCaption(tonight1_, TonightCaptions().MenuItem.Text());
    tonight1_->setEnabled(true);
}

namespace {

// What the telescope and the list take a row of the tonight list for.
TelescopeTarget TargetOfEntry(const TonightEntry& e) {
    if (e.Object->Slot >= 0) return TargetOfSlot(e.Object->Slot);
    TelescopeTarget t = TargetAtDirection(e.Object->J2000.RightAscension, e.Object->J2000.Declination);
    t.Name = Cp1250ToUtf8(e.Object->Name);
    return t;
}

}  // namespace

void TonightControls::Open() {
    if (dialog_ == nullptr) {
        TonightTarget target{
            sky_.Observer,
            [this](const TonightEntry& e) {
                if (e.Object->Slot >= 0) find_.Name(e.Object->Slot);
                // A comet or minor planet of the window's set: its labels.
                const SmallBodyControls::Bodies bodies = links_.Bodies();
                if (e.Object->Body != nullptr && bodies && !bodies->empty() &&
                    e.Object->Body >= bodies->data() && e.Object->Body < bodies->data() + bodies->size())
                    find_.NameBody(static_cast<std::size_t>(e.Object->Body - bodies->data()));
            },
            // The object where the chart's last redraw placed it, or an NGC/IC
            // object the chart lacks by its catalogue place.
            [this](const TonightEntry& e) {
                links_.OpenCloseUp(ChartDirectionOf(TargetOfEntry(e), sky_.Chart, sky_.SkyObjects(),
                                                    sky_.Observer.JulianDay));
            },
            links_.Skyline,
            [this](const TonightEntry& e) { links_.AddToList(TargetOfEntry(e)); },
            [this](const TonightEntry& e) { links_.Slew(TargetOfEntry(e)); },
            links_.MountConnected,
            [this](const Night& night, const std::vector<TonightEntry>& list) { PrintPlan(night, list); },
            links_.Bodies,
        };
        dialog_ = new TTonightDlg(std::move(target), window_);
    }
    dialog_->Open();
}

void TonightControls::PrintPlan(const Night& night, const std::vector<TonightEntry>& list) {
    const double zone = sky_.Observer.Zone + (sky_.Observer.SummerTime ? 1.0 : 0.0);
    const ClockText clock = [zone](double julianDay) {
        const double local = julianDay + zone / 24.0 + 0.5;
        const long long minutes = std::llround((local - std::floor(local)) * 1440.0) % 1440;
        char text[8];
        std::snprintf(text, sizeof text, "%02lld:%02lld", minutes / 60, minutes % 60);
        return std::string(text);
    };
    const CalendarMoment day =
        CalendarFromJulianDay(night.Start, static_cast<float>(sky_.Observer.Zone), sky_.Observer.SummerTime);
    char date[16];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", day.Year, day.Month, day.Day);
    links_.SavePlan(TonightPlanSheet(night, list, clock, date,
                                     {sky_.Observer.Longitude, sky_.Observer.Latitude, 0.0},
                                     &ProgramDeepStars()));
}

void TonightControls::ShowScript() {
    if (dialog_ != nullptr) dialog_->ShowScript();
}

void TonightControls::ChartRedrawn() {
    if (dialog_ != nullptr) dialog_->ObserverChanged();
}

}  // namespace kolvar
