#pragma once

#include <QDialog>
#include <QThreadPool>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "plan/night.h"
#include "plan/tonight_list.h"
#include "sky/observer_state.h"

class QCheckBox;
class QDoubleSpinBox;
class QPushButton;
class QLabel;
class QSortFilterProxyModel;
class QTableView;

namespace kolvar {

class TonightModel;

// What the tonight window reads and whom it tells: the main window's observer
// (place, instant, zone), and what a click and a double click on an object do.
struct TonightTarget {
    const ObserverState& Observer;
    std::function<void(const TonightEntry& entry)> Select;   // a click: select it on the chart
    std::function<void(const TonightEntry& entry)> CloseUp;  // a double click: the close-up on it
    // The local horizon in use, or none, read at each computation (it may be drawn anew).
    std::function<std::shared_ptr<const LocalHorizon>()> Horizon;
    std::function<void(const TonightEntry& entry)> AddToList;  // onto the observing list
    std::function<void(const TonightEntry& entry)> Slew;       // the telescope to it
    std::function<bool()> CanSlew;                             // a telescope is connected
    // The plan on paper: the night and the list as shown, into a file the user chooses.
    std::function<void(const Night& night, const std::vector<TonightEntry>& list)> PrintPlan;
    // The window's comets and minor planets, listed beside the catalogues' objects.
    std::function<std::shared_ptr<const std::vector<SmallBody>>()> Bodies;
};

// The tonight window ("Ma éjjel"): the night's times at the observer's place
// (sunset, the dark hours, sunrise, the Moon) over a sortable table of what
// is worth a look in the dark (plan/tonight_list.h), with the minimum
// altitude, the magnitude limit, the kinds and the least size as filters,
// and commands for the chosen row (onto the observing list, the telescope
// to it; also in its right-button menu) and for the plan on paper. The list is computed on a
// worker thread, so the window never waits for it; a newer request drops an
// older one's result. Captions in the current script; the table's cells in
// plain Hungarian.
class TTonightDlg : public QDialog {
    Q_OBJECT
public:
    explicit TTonightDlg(TonightTarget target, QWidget* parent = nullptr);
    ~TTonightDlg() override;

    // Shows the window in front and computes the night of the observer's instant.
    void Open();
    // Computes again when the place or the night has changed since the last time.
    void ObserverChanged();
    // Starts the computation for the observer's place and instant now.
    void Compute();
    void ShowScript();

    // The entry of a row of the table as it is sorted, or nothing.
    const TonightEntry* EntryAt(int row) const;
    // Whether a computation is under way.
    bool Computing() const { return pending_ != shown_; }
    const std::optional<Night>& ShownNight() const { return night_; }

    QLabel* NightLabel = nullptr;  // the night's times, plain text
    QLabel* NoteLabel = nullptr;   // computing, polar day or night, in the script
    QLabel* MinAltLabel = nullptr;
    QLabel* MagLabel = nullptr;
    QDoubleSpinBox* MinAltEdit = nullptr;  // degrees
    QDoubleSpinBox* MagEdit = nullptr;
    QLabel* MinSizeLabel = nullptr;
    QDoubleSpinBox* MinSizeEdit = nullptr;                 // arc minutes
    std::array<QCheckBox*, ObjectGroupCount> KindBoxes{};  // by ObjectGroup
    QCheckBox* BodyBox = nullptr;                          // the comets and minor planets
    QPushButton* AddButton = nullptr;
    QPushButton* SlewButton = nullptr;
    QPushButton* PrintButton = nullptr;
    QTableView* Table = nullptr;

    // The commands on the chosen row; false when no row is chosen.
    bool AddChosen();
    bool SlewToChosen();
    // The list as sorted and shown.
    std::vector<TonightEntry> ShownList() const;

private:
    void Show(int request, Night night, std::vector<TonightEntry> list,
              std::shared_ptr<const SmallBodyCandidateSet> bodies);
    void ShowNight();
    void ShowNote();
    const TonightEntry* Chosen() const;
    void UpdateButtons();

    TonightTarget target_;
    TonightModel* model_ = nullptr;
    QSortFilterProxyModel* sorted_ = nullptr;
    QThreadPool pool_;  // its own, so the window can wait for it when it goes
    int pending_ = 0;   // the last request started
    int shown_ = 0;     // the request whose result is shown
    std::optional<Night> night_;
    std::shared_ptr<const SmallBodyCandidateSet> bodies_;  // what the shown list's bodies point into
    double place_[2] = {0.0, 0.0};
};

}  // namespace kolvar
