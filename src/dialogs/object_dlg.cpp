#include "dialogs/object_dlg.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>

#include "plan/object_rows.h"
#include "texts/object_captions.h"
#include "widgets/runic_text.h"
#include "widgets/script_text.h"

namespace kolvar {

TObjectDlg::TObjectDlg(const ObserverState& observer, QWidget* parent)
    : QDialog(parent), observer_(observer) {
    setObjectName(QStringLiteral("ObjectDlg"));
    setWindowTitle(PlainString(ObjectCaptions().Title.Hungarian));
    setFont(RunicFont(13));
    setModal(false);
    grid_ = new QGridLayout(this);
    grid_->setColumnStretch(1, 1);
    ShowScript();
}

void TObjectDlg::ShowObject(const ReportedObject& object) {
    skyline_ = Skyline ? Skyline() : nullptr;
    report_ = ReportObject(object, observer_, skyline_.get());
    Fill();
    show();
    raise();
    activateWindow();
}

void TObjectDlg::ChartRedrawn() {
    if (!report_ || !isVisible()) return;
    std::shared_ptr<const LocalHorizon> skyline = Skyline ? Skyline() : nullptr;
    if (observer_.JulianDay == reportedDay_ && observer_.Longitude == reportedLongitude_ &&
        observer_.Latitude == reportedLatitude_ && observer_.Zone == reportedZone_ &&
        observer_.SummerTime == reportedSummer_ && skyline == skyline_)
        return;
    skyline_ = std::move(skyline);
    report_ = ReportObject(report_->Object, observer_, skyline_.get());
    Fill();
}

void TObjectDlg::Fill() {
    ++reportCount_;
    reportedDay_ = observer_.JulianDay;
    reportedLongitude_ = observer_.Longitude;
    reportedLatitude_ = observer_.Latitude;
    reportedZone_ = observer_.Zone;
    reportedSummer_ = observer_.SummerTime;
    setWindowTitle(PlainString(ObjectCaptions().Title.Hungarian) + QStringLiteral(" \u2013 ") +
                   PlainString(report_->Name));
    const std::vector<ObjectRow> rows = ObjectRows(*report_, observer_.Zone, observer_.SummerTime);
    // The same rows as before keep their labels; only the texts change.
    std::vector<const ViewCaption*> captions;
    for (const ObjectRow& row : rows) captions.push_back(row.Caption);
    if (captions != captions_) {
        for (QLabel* l : captionLabels_) delete l;
        for (QLabel* l : valueLabels_) delete l;
        captionLabels_.clear();
        valueLabels_.clear();
        for (std::size_t i = 0; i < rows.size(); ++i) {
            auto* caption = new QLabel(this);
            auto* value = new QLabel(this);
            value->setFont(ArialFont(13));
            value->setTextInteractionFlags(Qt::TextSelectableByMouse);
            ShowCaption(caption, rows[i].Caption->Text());
            grid_->addWidget(caption, static_cast<int>(i), 0, Qt::AlignLeading | Qt::AlignVCenter);
            grid_->addWidget(value, static_cast<int>(i), 1, Qt::AlignLeading | Qt::AlignVCenter);
            captionLabels_.push_back(caption);
            valueLabels_.push_back(value);
        }
        captions_ = std::move(captions);
    }
    for (std::size_t i = 0; i < rows.size(); ++i) valueLabels_[i]->setText(PlainString(rows[i].Value));
    adjustSize();
}

void TObjectDlg::ShowScript() {
    ShowWindowScript(this, "TObjectDlg");
    setLayoutDirection(CurrentScript() == Script::Runic ? Qt::RightToLeft : Qt::LeftToRight);
    for (std::size_t i = 0; i < captionLabels_.size(); ++i)
        ShowCaption(captionLabels_[i], captions_[i]->Text());
    // Numbers and names read left to right in either script.
    for (QLabel* l : valueLabels_) l->setLayoutDirection(Qt::LeftToRight);
}

void TObjectDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Escape && OnKey && OnKey(*event)) return;
    QDialog::keyPressEvent(event);
}

QString TObjectDlg::ValueOf(const ViewCaption& caption) const {
    for (std::size_t i = 0; i < captions_.size(); ++i)
        if (captions_[i] == &caption) return valueLabels_[i]->text();
    return {};
}

}  // namespace kolvar
