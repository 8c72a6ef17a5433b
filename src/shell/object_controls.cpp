#include "shell/object_controls.h"

#include <QApplication>
#include <QMenu>

#include "dialogs/object_dlg.h"
#include "shell/runic_menu_bar.h"
#include "shell/sky_session.h"
#include "shell/stars_form.h"
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

ObjectControls::ObjectControls(TStarsForm& form, const SkySession& sky)
    : QObject(&form), form_(form), sky_(sky) {}

void ObjectControls::Open(const ReportedObject& object) {
    if (object.Kind == FoundKind::Slot && (object.Index < 0 || object.Index >= SkyObjectCount)) return;
    if (dialog_ == nullptr) {
        dialog_ = new TObjectDlg(sky_.Observer, &form_);
        // The time keys step the chart from here too, and the window follows.
        dialog_->OnKey = [time = form_.Time()](const QKeyEvent& event) { return time->HandleKey(event); };
        dialog_->Skyline = [this] { return form_.Skyline(); };
    }
    // Over a modal window (the close-up) only its own windows take input.
    QWidget* modal = QApplication::activeModalWidget();
    MoveUnder(*dialog_, modal != nullptr ? modal : &form_);
    dialog_->ShowObject(object);
}

void ObjectControls::OfferMenu(int slot, const QPoint& globalPosition) {
    if (slot < 0) return;
    QMenu menu(&form_);
    UseMenuKeyStyle(menu, form_.MainMenu1()->CaptionFont());
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
    if (dialog_ != nullptr) MoveUnder(*dialog_, &form_);
}

}  // namespace kolvar
