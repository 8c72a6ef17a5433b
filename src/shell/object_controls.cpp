#include "shell/object_controls.h"

#include <QApplication>
#include <QMenu>
#include <utility>

#include "dialogs/object_dlg.h"
#include "shell/sky_session.h"
#include "shell/time_controls.h"
#include "texts/object_captions.h"
#include "widgets/menu_key_style.h"
#include "widgets/script_text.h"

namespace kolvar {

namespace {

// Keeps the window's place and shows it again after a change of owner.
void MoveUnder(QWidget& window, QWidget* owner) {
    if (window.parentWidget() == owner) return;
    // Not hidden by itself: hidden only with the window that owned it.
    const bool shown = !window.isHidden();
    const QPoint at = window.pos();
    window.setParent(owner, window.windowFlags());
    // A window not yet shown is placed over its new owner when it is.
    if (shown) {
        window.move(at);
        window.show();
    }
}

}  // namespace

ObjectControls::ObjectControls(QWidget* window, const SkySession& sky, TimeControls& time, Links links)
    : QObject(window), window_(window), sky_(sky), time_(time), links_(std::move(links)) {}

void ObjectControls::Open(const ReportedObject& object) {
    if (object.Kind == FoundKind::Slot && (object.Index < 0 || object.Index >= SkyObjectCount)) return;
    if (dialog_ == nullptr) {
        dialog_ = new TObjectDlg(sky_.Observer, window_);
        // The time keys step the chart from here too, and the window follows.
        dialog_->OnKey = [time = &time_](const QKeyEvent& event) { return time->HandleKey(event); };
        dialog_->Skyline = links_.Skyline;
    }
    // Over a modal window (the close-up) only its own windows take input.
    QWidget* modal = QApplication::activeModalWidget();
    MoveUnder(*dialog_, modal != nullptr ? modal : window_);
    dialog_->ShowObject(object);
}

void ObjectControls::OfferMenu(int slot, const QPoint& globalPosition) {
    if (slot < 0) return;
    QMenu menu(window_);
    UseMenuKeyStyle(menu, links_.MenuFont());
    QAction* open = menu.addAction(QString());
    ShowCaption(open, ObjectCaptions().MenuItem.Text());
    if (menu.exec(globalPosition) == open) OpenSlot(slot);
}

TObjectDlg* ObjectControls::Dialog() const { return dialog_; }

void ObjectControls::ChartRedrawn() {
    if (dialog_ != nullptr) dialog_->ChartRedrawn();
}

void ObjectControls::ShowScript() {
    if (dialog_ != nullptr) dialog_->ShowScript();
}

void ObjectControls::ModalClosed() {
    if (dialog_ != nullptr) MoveUnder(*dialog_, window_);
}

}  // namespace kolvar
