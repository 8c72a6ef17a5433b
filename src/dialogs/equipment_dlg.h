#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <optional>

#include "appcore/equipment.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QTableWidget;

namespace kolvar {

// The equipment dialog: the telescopes, eyepieces and finders as three
// editable tables (a name and its numbers per row, rows added and removed by
// buttons), which one of each is in use, and the Telrad's rings. OK takes the
// lists back only when every row is sound; otherwise a message names the
// table, the row and the field, and the dialog stays open.
class TEquipmentDlg : public QDialog {
    Q_OBJECT
public:
    explicit TEquipmentDlg(QWidget* parent = nullptr);

    void Show(const Equipment& equipment);
    // The lists as the tables hold them now, or the first bad field's message.
    struct Reading {
        std::optional<Equipment> Value;
        QString Problem;
    };
    Reading Read() const;
    const Equipment& Result() const { return result_; }

    // How a refusal is told (default: a message box over the dialog).
    std::function<void(const QString&)> ReportProblem;

    QTableWidget* Table(int kind) const { return tables_[kind]; }
    QComboBox* Choice(int kind) const { return choices_[kind]; }
    QCheckBox* TelradBox() const { return telrad_; }

    void accept() override;

private:
    void RefreshChoices();

    QTableWidget* tables_[3] = {};
    QComboBox* choices_[3] = {};
    QCheckBox* telrad_ = nullptr;
    QLabel* trueField_ = nullptr;
    Equipment result_;
    bool filling_ = false;
};

}  // namespace kolvar
