#include "shell/equipment_controls.h"

#include <QAction>
#include <QMenu>
#include <QShortcut>

#include "appcore/ini_file.h"
#include "dialogs/equipment_dlg.h"
#include "texts/equipment_captions.h"
#include "widgets/runic_text.h"
#include "widgets/script_text.h"

namespace kolvar {

EquipmentControls::EquipmentControls(QWidget* window) : QObject(window), window_(window) {
    edit_ = new QAction(PlainString(EquipmentMenuCaptions().Equipment.Hungarian), this);
    edit_->setObjectName(QStringLiteral("Equipment1"));
    fit_ = new QAction(PlainString(EquipmentMenuCaptions().FitEyepiece.Hungarian), this);
    fit_->setObjectName(QStringLiteral("FitEyepiece1"));
    fit_->setCheckable(true);
    connect(edit_, &QAction::triggered, this, &EquipmentControls::Edit);
    connect(fit_, &QAction::toggled, this, [this] { changed_ = true; });
    // The key lives on the window; the item only shows it.
    auto* fitKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_E), window, this, [this] {
        if (fit_->isEnabled()) fit_->toggle();
    });
    fitKey->setObjectName(QStringLiteral("FitEyepieceKey"));
}

void EquipmentControls::AddToMenu(QMenu* menu, QAction* before) {
    menu->insertAction(before, edit_);
    menu->insertAction(before, fit_);
    menu->insertSeparator(before);
}

void EquipmentControls::SetUpCaptions(const QFont&) {
    const EquipmentMenuTexts& t = EquipmentMenuCaptions();
    ShowCaption(edit_, t.Equipment.Text());
    ShowCaption(fit_, t.FitEyepiece.Text(), "Ctrl+E");
    fit_->setEnabled(EyepieceField().has_value());
}

void EquipmentControls::Read(const IniFile& ini) {
    equipment_ = ReadEquipment(ini);
    const bool fit = ini.ReadString("EQUIPMENT", "FitEyepiece", "0") == "1";
    fit_->blockSignals(true);
    fit_->setChecked(fit);
    fit_->blockSignals(false);
    changed_ = false;
}

void EquipmentControls::Write(IniFile& ini) const {
    if (!changed_) return;
    WriteEquipment(ini, equipment_);
    ini.Write("EQUIPMENT", "FitEyepiece", fit_->isChecked() ? "1" : "0");
}

void EquipmentControls::Apply(const Equipment& equipment) {
    equipment_ = equipment;
    changed_ = true;
    fit_->setEnabled(EyepieceField().has_value());
}

bool EquipmentControls::FitsEyepiece() const { return fit_->isChecked() && EyepieceField().has_value(); }

TEquipmentDlg* EquipmentControls::Dialog() {
    if (dialog_ == nullptr) dialog_ = new TEquipmentDlg(window_);
    return dialog_;
}

void EquipmentControls::Edit() {
    TEquipmentDlg* dialog = Dialog();
    dialog->Show(equipment_);
    if (dialog->exec() == QDialog::Accepted) Apply(dialog->Result());
}

}  // namespace kolvar
