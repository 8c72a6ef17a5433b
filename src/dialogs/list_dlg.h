#pragma once

#include <QDialog>
#include <cstddef>
#include <functional>

#include "plan/list_session.h"
#include "sky/observer_state.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace kolvar {

// What the list window works on and whom it tells: the session of the chosen
// list, the main window's observer (the place an observation is logged at),
// what stepping to a row does (select it on the chart, centre the close-up,
// slew the telescope when one is connected), a double click (the close-up on
// it) and where a message goes.
struct ListWindowTarget {
    ListSession& Session;
    const ObserverState& Observer;
    std::function<void(std::size_t row)> Step;
    std::function<void(std::size_t row)> CloseUp;
    std::function<void(const QString& line)> Report;
    std::function<double()> Now;  // the instant an observation is logged at (Julian day, UT)
};

// The observing list window: the list's name (chosen from the lists kept,
// or typed for a new one), its objects in order with when and where each was
// observed and the note, a note field, and the commands: next object, mark
// the chosen one observed (the log), remove it, import and export CSV.
class TListDlg : public QDialog {
    Q_OBJECT
public:
    explicit TListDlg(ListWindowTarget target, QWidget* parent = nullptr);

    void Open();
    void ShowScript();
    // Shows the session's list again (after a change from another window).
    void Refresh();
    // The commands, as the buttons run them (the files asked for first).
    void ChooseList(const QString& name);
    void Next();
    void MarkObserved();
    void RemoveChosen();
    void ImportFile(const QString& file);
    void ExportFile(const QString& file);

    QComboBox* ListEdit = nullptr;
    QTableWidget* Table = nullptr;
    QLineEdit* NoteEdit = nullptr;
    QLabel* ListLabel = nullptr;
    QLabel* NoteLabel = nullptr;
    QPushButton *NextButton = nullptr, *ObservedButton = nullptr, *RemoveButton = nullptr,
                *ImportButton = nullptr, *ExportButton = nullptr;

private:
    void Tell(const std::string& problem);
    std::optional<std::size_t> ChosenRow() const;

    ListWindowTarget target_;
};

}  // namespace kolvar
