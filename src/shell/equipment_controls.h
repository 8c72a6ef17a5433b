#pragma once

#include <QObject>
#include <optional>
#include <vector>

#include "appcore/equipment.h"

class QAction;
class QFont;
class QMenu;
class QWidget;

namespace kolvar {

class IniFile;
class TEquipmentDlg;

// The equipment in the main window's observer menu: "Felszerelés..." edits
// the list in its dialog; "Közelkép az okulárhoz", when checked, opens the
// close-up zoomed so that the chosen eyepiece's field fills it. The close-up
// draws the circles of what is chosen. The settings keep the list in
// [EQUIPMENT], written only once the dialog has changed it.
class EquipmentControls : public QObject {
    Q_OBJECT
public:
    explicit EquipmentControls(QWidget* window);

    void AddToMenu(QMenu* menu, QAction* before);
    void SetUpCaptions(const QFont& menuFont);

    void Read(const IniFile& ini);
    void Write(IniFile& ini) const;

    const Equipment& Current() const { return equipment_; }
    // Takes a new list as the dialog does (tests and scripted runs).
    void Apply(const Equipment& equipment);
    std::vector<double> Circles() const { return ChosenCircles(equipment_); }
    std::optional<double> EyepieceField() const { return ChosenEyepieceField(equipment_); }
    bool FitsEyepiece() const;

    void Edit();
    TEquipmentDlg* Dialog();
    QAction* EditAction() const { return edit_; }
    QAction* FitAction() const { return fit_; }

private:
    QWidget* window_;
    Equipment equipment_;
    bool changed_ = false;
    QAction* edit_ = nullptr;
    QAction* fit_ = nullptr;
    TEquipmentDlg* dialog_ = nullptr;
};

}  // namespace kolvar
