#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "plan/object_report.h"
#include "sky/observer_state.h"
#include "texts/view_captions.h"

class QGridLayout;
class QKeyEvent;
class QLabel;

namespace kolvar {

// The object window: one object's names, kind, catalogue data, places and
// where it stands at the main window's instant, with its rising, culmination
// and setting on the observer's clock (plan/object_rows.h). It follows the
// chart: every redraw at another instant or place updates it. Not modal;
// captions in the current script (runes laid out right to left), values in
// plain Hungarian.
class TObjectDlg : public QDialog {
    Q_OBJECT
public:
    explicit TObjectDlg(const ObserverState& observer, QWidget* parent = nullptr);

    // Shows the window in front with the report of `object`.
    void ShowObject(const ReportedObject& object);
    // The chart was drawn again: a visible window reports anew when the
    // instant or the place has moved since it last did.
    void ChartRedrawn();
    void ShowScript();

    const std::optional<ObjectReport>& Report() const { return report_; }
    // The value shown beside a caption, or an empty text when there is no such row.
    QString ValueOf(const ViewCaption& caption) const;
    int ReportCount() const { return reportCount_; }
    // Keys the window does not use itself go here first (the time keys);
    // true when taken.
    std::function<bool(const QKeyEvent& event)> OnKey;
    // The local horizon the rising and setting are reckoned over (none: the true horizon).
    std::function<std::shared_ptr<const LocalHorizon>()> Skyline;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Fill();

    const ObserverState& observer_;
    std::optional<ObjectReport> report_;
    double reportedDay_ = 0.0, reportedLongitude_ = 0.0, reportedLatitude_ = 0.0;
    double reportedZone_ = 0.0;
    bool reportedSummer_ = false;
    std::shared_ptr<const LocalHorizon> skyline_;  // the skyline of the last report
    QGridLayout* grid_ = nullptr;
    std::vector<const ViewCaption*> captions_;
    std::vector<QLabel*> captionLabels_, valueLabels_;
    int reportCount_ = 0;
};

}  // namespace kolvar
