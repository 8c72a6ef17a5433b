#include "shell/list_controls.h"

#include <QAction>
#include <QMenu>
#include <QMessageBox>
#include <utility>

#include "astro/time_scales.h"
#include "closeup/draw_close_up.h"
#include "dialogs/list_dlg.h"
#include "dialogs/plain_sky.h"
#include "plan/listed_target.h"
#include "shell/chart_direction.h"
#include "shell/find_controls.h"
#include "shell/sky_session.h"
#include "shell/telescope_controls.h"
#include "shell/view_controls.h"
#include "texts/list_captions.h"
#include "widgets/runic_text.h"
#include "widgets/script_text.h"

namespace kolvar {

namespace {

constexpr const char* FirstListName = "megfigyel\xC3\xA9s";  // UTF-8

}  // namespace

ListControls::ListControls(QWidget* window, const SkySession& sky, const ViewControls& view,
                           FindControls& find, TelescopeControls& telescope, CloseUpOpener openCloseUp)
    : QObject(window),
      window_(window),
      sky_(sky),
      view_(view),
      find_(find),
      telescope_(telescope),
      openCloseUp_(std::move(openCloseUp)) {
    const auto action = [this](const char* name, const ViewCaption& caption) {
        auto* a = new QAction(PlainString(caption.Hungarian), this);
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    const ListTexts& t = ListCaptions();
    lists1_ = action("Lists1", t.ListsItem);
    addSelected1_ = action("AddToList1", t.AddItem);
    next1_ = action("NextOnList1", t.NextItem);
    connect(lists1_, &QAction::triggered, this, &ListControls::Open);
    connect(addSelected1_, &QAction::triggered, this, &ListControls::AddSelected);
    connect(next1_, &QAction::triggered, this, &ListControls::Next);
    ReportNotice = [this](const QString& line) {
        QMessageBox::information(dialog_ && dialog_->isVisible() ? static_cast<QWidget*>(dialog_) : window_,
                                 PlainString(ListCaptions().Title.Hungarian), line);
    };
}

void ListControls::AddToMenu(QMenu* menu, QAction* before) {
    for (QAction* a : {lists1_, addSelected1_, next1_}) menu->insertAction(before, a);
}

void ListControls::SetUpMenu(const QFont&) { ShowScript(); }

void ListControls::ShowScript() {
    const ListTexts& t = ListCaptions();
    ShowCaption(lists1_, t.ListsItem.Text());
    ShowCaption(addSelected1_, t.AddItem.Text());
    ShowCaption(next1_, t.NextItem.Text());
    if (closeUpAdd_ != nullptr) {
        ShowCaption(closeUpAdd_, t.AddItem.Text());
        ShowCaption(closeUpNext_, t.NextItem.Text());
    }
    if (dialog_ != nullptr) dialog_->ShowScript();
}

QAction* ListControls::Action(const QString& name) const {
    for (QAction* a : {lists1_, addSelected1_, next1_, closeUpAdd_, closeUpNext_})
        if (a != nullptr && a->objectName() == name) return a;
    return nullptr;
}

void ListControls::AttachCloseUp(TPlainSky* closeUp) {
    closeUp_ = closeUp;
    QMenu* menu = closeUp->FieldMenu();
    menu->addSeparator();
    closeUpAdd_ = menu->addAction(QString());
    closeUpAdd_->setObjectName(QStringLiteral("CloseUpAddToList"));
    closeUpNext_ = menu->addAction(QString());
    closeUpNext_->setObjectName(QStringLiteral("CloseUpNextOnList"));
    // The object nearest the view's centre, within an eighth of the field; else the centre itself.
    connect(closeUpAdd_, &QAction::triggered, this, [this] {
        const std::array<double, 2> centre = closeUp_->CentreJ2000();
        const double field = CloseUpFieldDegrees(std::max(1, closeUp_->width()),
                                                 std::max(1, closeUp_->height()), closeUp_->Zoom());
        const double reach = field / 8.0 * 3.141592653589793 / 180.0;
        const std::optional<TelescopeTarget> near = NearestObject({centre[0], centre[1]}, reach);
        Add(near ? *near : TargetAtDirection(centre[0], centre[1]));
    });
    connect(closeUpNext_, &QAction::triggered, this, &ListControls::Next);
    ShowScript();
}

void ListControls::Open() {
    if (!chosen_) {
        chosen_ = true;
        session_.Choose(FirstListName);
    }
    if (dialog_ == nullptr) {
        dialog_ = new TListDlg(
            ListWindowTarget{session_, sky_.Observer, [this](std::size_t row) { Step(row); },
                             [this](std::size_t row) {
                                 session_.SetCurrent(row);
                                 const auto target = TargetOfListed(session_.List().Objects[row]);
                                 if (!target) return;
                                 openCloseUp_(ChartDirectionOf(*target, sky_.Chart, sky_.SkyObjects(),
                                                               sky_.Observer.JulianDay));
                             },
                             [this](const QString& line) { Report(line); },
                             [] { return SystemClockJulianDay(); }},
            window_);
    }
    dialog_->Open();
}

void ListControls::Report(const QString& line) {
    lastNotice_ = line;
    if (ReportNotice) ReportNotice(line);
}

void ListControls::Refresh() {
    if (dialog_ != nullptr && dialog_->isVisible()) dialog_->Refresh();
}

bool ListControls::Add(const TelescopeTarget& target) {
    if (!chosen_) {
        chosen_ = true;
        if (const std::string why = session_.Choose(FirstListName); !session_.Usable()) {
            Report(QString::fromStdString(why));
            return false;
        }
    }
    bool added = false;
    if (const std::string why = session_.Add(ListedObjectOf(target), added); !why.empty())
        Report(QString::fromStdString(why));
    Refresh();
    return added;
}

void ListControls::AddSelected() {
    const int slot = view_.Selected();
    if (slot >= 0) Add(TargetOfSlot(slot));
}

void ListControls::Next() {
    if (!chosen_) {
        chosen_ = true;
        session_.Choose(FirstListName);
    }
    if (const auto row = session_.Next()) Step(*row);
    Refresh();
}

void ListControls::Step(std::size_t row) {
    if (row >= session_.List().Objects.size()) return;
    session_.SetCurrent(row);
    const std::optional<TelescopeTarget> target = TargetOfListed(session_.List().Objects[row]);
    if (!target) {
        Report(QString::fromStdString(session_.List().Objects[row].Name) +
               QStringLiteral(": nem tal\u00E1lhat\u00F3"));
        return;
    }
    if (target->Slot >= 0) find_.Name(target->Slot);
    if (closeUp_ != nullptr && closeUp_->isVisible())
        closeUp_->CentreOn(ChartDirectionOf(*target, sky_.Chart, sky_.SkyObjects(), sky_.Observer.JulianDay));
    if (telescope_.MountConnected()) telescope_.Point(*target, true);
}

}  // namespace kolvar
