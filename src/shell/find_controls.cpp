#include "shell/find_controls.h"

#include <QAction>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <utility>

#include "canvas/cp1250.h"
#include "chart/sky_projection.h"
#include "chart/view_layers.h"
#include "dialogs/find_dlg.h"
#include "identify/deep_names.h"
#include "shell/chart_view.h"
#include "shell/sky_session.h"
#include "shell/view_controls.h"
#include "telescope/telescope_target.h"
#include "texts/find_captions.h"
#include "widgets/label_images.h"
#include "widgets/menu_key_style.h"
#include "widgets/runic_text.h"
#include "widgets/script_text.h"

namespace kolvar {

namespace {

// The key of find, as handled and as shown beside its item ("/" opens it too).
constexpr char FindKey[] = "Ctrl+F";

}  // namespace

FindControls::FindControls(QWidget* window, const SkySession& sky, ViewControls& view, ChartView& chart,
                           LabelImage& textImage1, LabelImage& textImage2, Links links)
    : QObject(window),
      window_(window),
      sky_(sky),
      view_(view),
      chart_(chart),
      textImage1_(textImage1),
      textImage2_(textImage2),
      links_(std::move(links)) {
    // The runic caption comes with the menu set-up.
    find1_ = new QAction(QStringLiteral("Keres\u00E9s"), this);
    find1_->setObjectName(QStringLiteral("Find1"));
    connect(find1_, &QAction::triggered, this, &FindControls::Open);
}

void FindControls::SetUpMenu(QMenu& observerMenu, const QFont& menuFont) {
    UseMenuKeyStyle(observerMenu, menuFont);
    ShowCaption(find1_, FindCaptions().MenuItem.Text(), FindKey);
    find1_->setEnabled(true);
}

void FindControls::ShowScript() {
    if (dialog_ != nullptr) dialog_->ShowScript();
}

void FindControls::NameBody(std::size_t body) {
    const SmallBodyControls::Bodies bodies = links_.Bodies();
    if (!bodies || body >= bodies->size()) return;
    HideLabels();
    view_.Select(-1);
    const SmallBodyPlace place = SmallBodyPlaceAt((*bodies)[body], sky_.Observer.JulianDay);
    ShowSmallBodyLabels((*bodies)[body], place, textImage1_, textImage2_, chart_, sky_.FontSize,
                        LabelMarginsOf(sky_.Chart.ChartWidth, sky_.Chart.ChartHeight), view_.Options().Night);
}

void FindControls::Open() {
    const bool first = dialog_ == nullptr;
    if (first) {
        dialog_ = new TFindDlg(
            FindTarget{sky_.Observer, sky_.SkyObjects(), [this](int slot) { Name(slot); },
                       [this](const FoundObject& f) {
                           if (f.Kind == FoundKind::Slot) {
                               links_.AddToList(TargetOfSlot(f.Slot));
                               return;
                           }
                           const TargetDirection d = DirectionOfNgcIc(f.Index);
                           TelescopeTarget t = TargetAtDirection(d.RightAscension, d.Declination);
                           t.Name = Cp1250ToUtf8(f.DisplayName);
                           links_.AddToList(t);
                       },
                       [this](const FoundObject& f) {
                           links_.OpenObject({f.Kind, f.Index});
                       },
                       links_.Bodies, [this](std::size_t body) { NameBody(body); }, links_.Skyline},
            window_);
        // Closed, it hands the keyboard back to the chart, where Escape
        // takes the found object's labels and ring away.
        connect(dialog_, &QDialog::finished, window_, [this] { window_->activateWindow(); });
    }
    dialog_->Open();
    // At first over the chart's lower left corner, clear of the labels at
    // the top and the Moon picture at the lower right.
    if (first) PlaceDialog(false);
}

void FindControls::PlaceDialog(bool right) {
    const QRect area(chart_.mapToGlobal(QPoint(0, 0)), chart_.size());
    const QSize frame = dialog_->frameGeometry().size();
    dialog_->move(right ? area.right() + 1 - frame.width() : area.left(), area.bottom() + 1 - frame.height());
}

void FindControls::Name(int slot) {
    labelled_ = slot;
    // The ring's redraw comes before the labels, which lie over the chart.
    view_.Select(slot);
    ShowLabels();
    KeepDialogClearOf(slot);
}

void FindControls::ShowLabels() {
    ShowObjectLabels(sky_.SkyObjects()[static_cast<std::size_t>(labelled_)], textImage1_, textImage2_, chart_,
                     sky_.FontSize, LabelMarginsOf(sky_.Chart.ChartWidth, sky_.Chart.ChartHeight),
                     view_.Options().Night);
}

void FindControls::HideLabels() {
    labelled_ = -1;
    HideObjectLabels(textImage1_, textImage2_);
    textImage1_.FillPicture(colours::Navy);
    textImage2_.FillPicture(colours::Navy);
}

void FindControls::KeepDialogClearOf(int slot) {
    const SkyObjectEntry& e = sky_.SkyObjects()[static_cast<std::size_t>(slot)];
    if (dialog_ == nullptr || e.Visible != 1) return;
    const ChartPoint p = SkyProjection::Stereographic(sky_.Chart).Project(e.Azimuth, e.Altitude);
    const QPoint centre = chart_.mapToGlobal(QPoint(static_cast<int>(p.X), static_cast<int>(p.Y)));
    const int r = SelectionRingRadius + 2;
    const QRect ring(centre - QPoint(r, r), QSize(2 * r + 1, 2 * r + 1));
    const QRect frame = dialog_->frameGeometry();
    if (!frame.intersects(ring)) return;
    // Over to the other lower corner.
    const int chartMiddle = chart_.mapToGlobal(QPoint(chart_.width() / 2, 0)).x();
    PlaceDialog(frame.center().x() < chartMiddle);
}

bool FindControls::HandleKey(const QKeyEvent& event) {
    const Qt::KeyboardModifiers mods = event.modifiers() & ~Qt::KeypadModifier;
    // "/" is a shifted key on many layouts.
    const bool slash = event.key() == Qt::Key_Slash && (mods & ~Qt::ShiftModifier) == Qt::NoModifier;
    if (slash || QKeySequence(QString::fromLatin1(FindKey))[0] ==
                     QKeyCombination(mods, static_cast<Qt::Key>(event.key()))) {
        Open();
        return true;
    }
    if (event.key() == Qt::Key_Escape && mods == Qt::NoModifier && labelled_ >= 0) HideLabels();
    return false;
}

void FindControls::ChartRedrawn() {
    if (labelled_ >= 0) ShowLabels();
}

void FindControls::ChartClicked() {
    if (labelled_ >= 0) HideLabels();
}

}  // namespace kolvar
