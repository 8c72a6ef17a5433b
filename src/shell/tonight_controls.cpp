#include "shell/tonight_controls.h"

#include <QAction>

#include "chart/slot_position.h"
#include "dialogs/tonight_dlg.h"
#include "shell/find_controls.h"
#include "shell/stars_form.h"
#include "texts/tonight_captions.h"
#include "widgets/script_text.h"

namespace kolvar {

TonightControls::TonightControls(TStarsForm& form) : QObject(&form), form_(form) {
    // The runic caption comes with the menu set-up.
    tonight1_ = new QAction(QStringLiteral("Ma \u00E9jjel"), this);
    tonight1_->setObjectName(QStringLiteral("Tonight1"));
    connect(tonight1_, &QAction::triggered, this, &TonightControls::Open);
}

void TonightControls::SetUpMenu(const QFont&) {
    ShowCaption(tonight1_, TonightCaptions().MenuItem.Text());
    tonight1_->setEnabled(true);
}

void TonightControls::Open() {
    if (dialog_ == nullptr) {
        TonightTarget target{Observer,
                             [this](const TonightEntry& e) {
                                 if (e.Object->Slot >= 0) form_.Find()->Name(e.Object->Slot);
                             },
                             [this](const TonightEntry& e) {
                                 // The object where the chart's last redraw placed it, or an
                                 // NGC/IC object the chart lacks by its catalogue place.
                                 HorizontalPosition centre;
                                 if (e.Object->Slot >= 0) {
                                     const SkyObjectEntry& s =
                                         SkyObjects[static_cast<std::size_t>(e.Object->Slot)];
                                     centre = {s.Azimuth, s.Altitude, s.Distance};
                                 } else {
                                     const SkyObjectEntry s = PlaceFixedDirection(
                                         Chart, KindNgcIc, e.Object->NgcIc, e.Object->J2000.RightAscension,
                                         e.Object->J2000.Declination, Observer.JulianDay);
                                     centre = {s.Azimuth, s.Altitude, 0.0};
                                 }
                                 form_.OpenCloseUp(centre);
                             },
                             form_.Skyline()};
        dialog_ = new TTonightDlg(std::move(target), &form_);
    }
    dialog_->Open();
}

void TonightControls::ShowScript() {
    if (dialog_ != nullptr) dialog_->ShowScript();
}

void TonightControls::ChartRedrawn() {
    if (dialog_ != nullptr) dialog_->ObserverChanged();
}

}  // namespace kolvar
