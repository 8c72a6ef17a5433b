#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <vector>

#include "astro/small_body.h"
#include "identify/horizon_note.h"
#include "identify/name_index.h"
#include "plan/object_report.h"
#include "sky/observer_state.h"
#include "sky/sky_object_table.h"
#include "texts/view_captions.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QTimer;

namespace kolvar {

// What the find dialog reads and whom it tells: the main window's observer
// (place, instant, zone) and the objects of its last redraw, and how a chosen
// object is named on the chart.
struct FindTarget {
    const ObserverState& Observer;
    const SkyObjectTable& Objects;
    std::function<void(int slot)> Name;
    // The right button on a row: the object onto the observing list (none: no menu).
    std::function<void(const FoundObject& object)> AddToList;
    // Enter on an entry also opens its object window.
    std::function<void(const FoundObject& found)> Open;
    // The window's comets and minor planets, listed after the catalogues'
    // objects, and how a chosen one is named (by its index there).
    std::function<std::shared_ptr<const std::vector<SmallBody>>()> Bodies;
    std::function<void(std::size_t body)> NameBody;
    // The local horizon the rising and setting are reckoned over (none: the true horizon).
    std::function<std::shared_ptr<const LocalHorizon>()> Skyline;
};

// The find dialog: a name field and the list of the objects it names, which
// follows every keystroke (whole names first, then beginnings, brighter
// objects first; names in plain Hungarian, the matched name in brackets when
// it is not the first one; then the altitude now and the next rising or
// setting on the observer's clock, in the true frame). Choosing an entry names the object on the chart
// and, when it is below the horizon, says so with its next rising in the
// observer's civil time. Not modal: the chart takes clicks and keys while it
// is open, and it stays open for the next name.
//
// From the keyboard alone: Enter in the field takes the first entry and
// opens its object window, Down goes into the list, Up and Down move in it,
// Enter takes the current entry and opens its window,
// Up from the first entry and any typing go back to the field; Escape closes.
// Laid out right to left like the other dialogs, captions in runes (or left
// to right in Latin letters).
class TFindDlg : public QDialog {
    Q_OBJECT
public:
    explicit TFindDlg(FindTarget target, QWidget* parent = nullptr);

    // Shows the dialog in front with the field focused and its text selected.
    void Open();
    // Shows the captions in the current script: runes laid out right to
    // left, or Latin letters left to right.
    void ShowScript();
    // Fills the list with what the field's text names.
    void Edit1Change();
    // Names the object of a list row; rows outside the list do nothing.
    void Choose(int row);
    // Chooses a row and opens its object window.
    void ChooseAndOpen(int row);

    // The slots of the list's rows, in order; -1 for a row of an object that
    // is not on the chart (an NGC/IC object, a constellation).
    const std::vector<int>& FoundSlots() const { return slots_; }
    // The object of a row, or none.
    const FoundObject* FoundAt(int row) const;

    QLabel* Label1 = nullptr;    // the field's caption
    QLineEdit* Edit1 = nullptr;  // the name as typed (UTF-8 at this boundary)
    QListWidget* List1 = nullptr;
    QLabel* NoteLabel = nullptr;  // below the horizon / no such name, in runes
    QLabel* TimeLabel = nullptr;  // the rising time beside the note

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowNote(int row);
    void ShowHorizonNote(const HorizonNote& note);
    void ChooseBody(std::size_t body);
    void SetNote(const ViewCaption* note, const QString& time = QString());
    // Adds the altitude and next event to up to `count` more rows.
    void SummariseRows(std::size_t count);

    FindTarget target_;
    const ViewCaption* note_ = nullptr;  // the note shown, none when empty
    std::vector<int> slots_;
    std::vector<FoundObject> found_;
    std::shared_ptr<const std::vector<SmallBody>> bodies_;  // those of the last search
    std::vector<std::size_t> foundBodies_;                  // rows after found_'s
    std::shared_ptr<const LocalHorizon> skyline_;           // what horizon_ reads
    std::unique_ptr<HorizonSummaries> horizon_;             // for the rows still without their figures
    std::size_t summarised_ = 0;                            // rows with them
    QTimer* summaryTimer_ = nullptr;
};

}  // namespace kolvar
