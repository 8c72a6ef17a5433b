#include "shell/horizon_controls.h"

#include <QAction>
#include <QMenu>
#include <QMessageBox>
#include <memory>

#include "appcore/file_writer.h"
#include "chart/sky_projection.h"
#include "plan/horizon_edit.h"
#include "shell/sky_session.h"
#include "texts/list_captions.h"
#include "widgets/runic_text.h"
#include "widgets/script_text.h"

namespace kolvar {

HorizonControls::HorizonControls(QWidget* window, const SkySession& sky, StoredFile storedFile,
                                 UseSkyline useSkyline)
    : QObject(window),
      window_(window),
      sky_(sky),
      storedFile_(std::move(storedFile)),
      useSkyline_(std::move(useSkyline)) {
    const ListTexts& t = ListCaptions();
    edit1_ = new QAction(PlainString(t.DrawHorizonItem.Hungarian), this);
    edit1_->setObjectName(QStringLiteral("DrawHorizon1"));
    edit1_->setCheckable(true);
    undo1_ = new QAction(PlainString(t.UndoHorizonItem.Hungarian), this);
    undo1_->setObjectName(QStringLiteral("UndoHorizonPoint1"));
    undo1_->setEnabled(false);
    connect(edit1_, &QAction::toggled, this, &HorizonControls::SetEditing);
    connect(undo1_, &QAction::triggered, this, &HorizonControls::UndoLast);
    ReportNotice = [this](const QString& line) {
        QMessageBox::warning(window_, PlainString(ListCaptions().DrawHorizonItem.Hungarian), line);
    };
}

void HorizonControls::AddToMenu(QMenu* menu) {
    menu->addAction(edit1_);
    menu->addAction(undo1_);
}

void HorizonControls::ShowScript() {
    ShowCaption(edit1_, ListCaptions().DrawHorizonItem.Text());
    ShowCaption(undo1_, ListCaptions().UndoHorizonItem.Text());
}

QAction* HorizonControls::Action(const QString& name) const {
    for (QAction* a : {edit1_, undo1_})
        if (a->objectName() == name) return a;
    return nullptr;
}

bool HorizonControls::Editing() const { return edit1_->isChecked(); }

void HorizonControls::SetEditing(bool on) {
    if (edit1_->isChecked() != on) edit1_->setChecked(on);  // comes back here through toggled
    if (!on) {
        undo1_->setEnabled(false);
        return;
    }
    // The points drawn so far: those of the file in use, when it reads.
    file_ = storedFile_();
    if (file_.empty()) file_ = DrawnHorizonPath().string();
    points_.clear();
    added_.clear();
    std::optional<std::string> text;
    try {
        text = ReadRegularFile(file_);
    } catch (const std::system_error& error) {
        ReportNotice(QString::fromStdString(error.what()));
        edit1_->setChecked(false);
        return;
    }
    if (text) {
        // A file with lines that are no points is someone's text, not ours to write over;
        // one without a pair of points yet starts afresh.
        const HorizonReading reading = ReadLocalHorizon(*text);
        if (!reading.Problems.empty()) {
            const HorizonProblem& p = reading.Problems.front();
            ReportNotice(QString::fromStdString(file_ + " line " + std::to_string(p.Line) + ": " + p.Why));
            edit1_->setChecked(false);
            return;
        }
        if (reading.Horizon) points_ = reading.Horizon->Points();
    }
}

bool HorizonControls::ChartClicked(int x, int y) {
    if (!Editing()) return false;
    const HorizontalPosition h = SkyProjection::Stereographic(sky_.Chart).Backward(x, y);
    const std::size_t before = points_.size();
    const std::size_t at = AddHorizonPoint(points_, {h.Azimuth, h.Altitude});
    // A new point before earlier ones moves them one on.
    if (points_.size() > before)
        for (std::size_t& k : added_)
            if (k >= at) ++k;
    added_.push_back(at);
    Save();
    return true;
}

void HorizonControls::UndoLast() {
    if (added_.empty()) return;
    const std::size_t at = added_.back();
    added_.pop_back();
    if (at < points_.size()) points_.erase(points_.begin() + static_cast<std::ptrdiff_t>(at));
    for (std::size_t& k : added_)
        if (k > at) --k;
    Save();
}

void HorizonControls::Save() {
    undo1_->setEnabled(!added_.empty());
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(file_).parent_path(), error);
    if (const auto failure = WriteFile(file_, LocalHorizonText(points_), SettingsPolicy)) {
        ReportNotice(QString::fromStdString(failure->Action + " " + failure->Name + ": " + failure->Reason));
        return;
    }
    std::shared_ptr<const LocalHorizon> skyline;
    if (points_.size() >= 2) skyline = std::make_shared<const LocalHorizon>(points_);
    useSkyline_(std::move(skyline), file_);
}

}  // namespace kolvar
