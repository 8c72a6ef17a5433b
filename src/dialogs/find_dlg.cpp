#include "dialogs/find_dlg.h"

#include <QApplication>
#include <QBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTimer>
#include <algorithm>

#include "identify/deep_names.h"
#include "identify/horizon_note.h"
#include "identify/name_index.h"
#include "identify/search_key.h"
#include "identify/small_body_label.h"
#include "plan/object_rows.h"
#include "sky/slot_position.h"
#include "texts/find_captions.h"
#include "texts/interface_captions.h"
#include "texts/list_captions.h"
#include "texts/small_body_texts.h"
#include "widgets/runic_text.h"
#include "widgets/script_text.h"

namespace kolvar {
namespace {

// Rows given their altitude and next event at each keystroke, and after it
// at each turn of the event loop.
constexpr std::size_t FirstSummarisedRows = 64;
constexpr std::size_t SummarisedRowsPerTurn = 256;

bool IsEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

TargetDirection DirectionOf(const FoundObject& f) {
    if (f.Kind == FoundKind::NgcIc) return DirectionOfNgcIc(f.Index);
    if (f.Kind == FoundKind::Constellation) return DirectionOfConstellation(f.Index);
    return {};
}

QString RowText(const FoundObject& found) {
    QString text = PlainString(found.DisplayName);
    if (found.Name != found.DisplayName)
        text += QStringLiteral("  (") + PlainString(found.Name) + QLatin1Char(')');
    return text;
}

}  // namespace

TFindDlg::TFindDlg(FindTarget target, QWidget* parent) : QDialog(parent), target_(std::move(target)) {
    setObjectName(QStringLiteral("FindDlg"));
    setWindowTitle(PlainString(WindowTitles.Find));
    setFont(RunicFont(13));
    // Runic reading order: the caption right of the field, the note at the
    // right with the time under it. The field and the list hold Latin text
    // and keep left to right.
    setLayoutDirection(Qt::RightToLeft);
    resize(300, 250);

    const FindTexts& c = FindCaptions();
    Label1 = new QLabel(RunicString(c.NameLabel.Runic), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    // One row height for all: the list need not measure hundreds of rows
    // at every keystroke.
    List1->setUniformItemSizes(true);
    for (QWidget* w : {static_cast<QWidget*>(Edit1), static_cast<QWidget*>(List1)}) {
        w->setFont(ArialFont(13));
        w->setLayoutDirection(Qt::LeftToRight);
        w->installEventFilter(this);
    }
    NoteLabel = new QLabel(this);
    NoteLabel->setObjectName(QStringLiteral("NoteLabel"));
    TimeLabel = new QLabel(this);
    TimeLabel->setObjectName(QStringLiteral("TimeLabel"));
    TimeLabel->setFont(ArialFont(13));
    // The note's rows keep their room while empty, so the list stays put.
    for (QLabel* l : {NoteLabel, TimeLabel}) l->setMinimumHeight(l->fontMetrics().height());

    List1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(List1, &QListWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        const int row = List1->indexAt(at).row();
        const FoundObject* found = FoundAt(row);
        if (found == nullptr || found->Kind == FoundKind::Constellation || !target_.AddToList) return;
        QMenu menu(this);
        menu.setObjectName(QStringLiteral("RowMenu"));
        menu.setFont(ScriptFont(13));
        QAction* add = menu.addAction(ScriptString(ListCaptions().Add.Text()));
        if (menu.exec(List1->viewport()->mapToGlobal(at)) == add) target_.AddToList(*found);
    });

    auto* field = new QHBoxLayout;
    field->addWidget(Label1);
    field->addWidget(Edit1, 1);
    auto* rows = new QVBoxLayout(this);
    rows->addLayout(field);
    rows->addWidget(List1, 1);
    rows->addWidget(NoteLabel, 0, Qt::AlignLeading);
    rows->addWidget(TimeLabel, 0, Qt::AlignLeading);

    connect(Edit1, &QLineEdit::textChanged, this, &TFindDlg::Edit1Change);
    summaryTimer_ = new QTimer(this);
    summaryTimer_->setSingleShot(true);
    summaryTimer_->setInterval(0);
    connect(summaryTimer_, &QTimer::timeout, this, [this] { SummariseRows(SummarisedRowsPerTurn); });
    connect(List1, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { Choose(List1->row(item)); });
    ShowScript();
}

void TFindDlg::ShowScript() {
    ShowWindowScript(this, "TFindDlg");
    setLayoutDirection(CurrentScript() == Script::Runic ? Qt::RightToLeft : Qt::LeftToRight);
    ShowCaption(Label1, FindCaptions().NameLabel.Text());
    SetNote(note_, TimeLabel->text());
}

void TFindDlg::Open() {
    show();
    raise();
    activateWindow();
    Edit1->setFocus();
    Edit1->selectAll();
}

void TFindDlg::Edit1Change() {
    const std::string typed = Edit1->text().toStdString();
    found_ = ProgramNameIndex().Find(typed);
    const std::vector<FoundObject>& found = found_;
    slots_.clear();
    // One repaint for the whole list, not one per row.
    List1->setUpdatesEnabled(false);
    List1->clear();
    // What is below the horizon now is listed in the palette's dimmed text.
    const QBrush below = palette().brush(QPalette::Disabled, QPalette::Text);
    const ObserverFrame frame = ComputeObserverFrame(target_.Observer);
    const auto aboveHorizon = [&](const FoundObject& f) {
        const TargetDirection d = DirectionOf(f);
        return PlaceFixedDirection(frame, KindNgcIc, 0, d.RightAscension, d.Declination,
                                   target_.Observer.JulianDay)
                   .Altitude >= 0.0;
    };
    for (const FoundObject& f : found) {
        slots_.push_back(f.Slot);
        auto* item = new QListWidgetItem(RowText(f), List1);
        if (f.Slot < 0 ? !aboveHorizon(f) : target_.Objects[static_cast<std::size_t>(f.Slot)].Visible != 1)
            item->setForeground(below);
    }
    // The comets and minor planets it names, after the catalogues' objects.
    bodies_ = target_.Bodies ? target_.Bodies() : nullptr;
    foundBodies_ = bodies_ ? SmallBodiesNamed(*bodies_, typed) : std::vector<std::size_t>{};
    for (const std::size_t k : foundBodies_) {
        const SmallBody& b = (*bodies_)[k];
        slots_.push_back(-1);
        new QListWidgetItem(QString::fromStdString(DisplayName(b)) + QStringLiteral("  (") +
                                PlainString(SmallBodyKindWord(b.Kind)) + QLatin1Char(')'),
                            List1);
    }
    // Each hit's altitude and next rising or setting, up or not: the first
    // screenful at once, the rest while the keyboard is idle.
    skyline_ = target_.Skyline ? target_.Skyline() : nullptr;
    horizon_ = std::make_unique<HorizonSummaries>(target_.Observer, skyline_.get());
    summarised_ = 0;
    SummariseRows(FirstSummarisedRows);
    List1->setUpdatesEnabled(true);
    if (found.empty() && foundBodies_.empty() && !SearchKeyOfUtf8(typed).empty())
        SetNote(&FindCaptions().NoMatch);
    else
        SetNote(nullptr);
}

void TFindDlg::SummariseRows(std::size_t count) {
    const ObserverState& o = target_.Observer;
    const std::size_t end = std::min(found_.size(), summarised_ + count);
    for (; summarised_ < end; ++summarised_) {
        QListWidgetItem* item = List1->item(static_cast<int>(summarised_));
        item->setText(
            item->text() + QStringLiteral("   ") +
            PlainString(HorizonSummaryText(horizon_->Of(found_[summarised_]), o.Zone, o.SummerTime)));
    }
    if (summarised_ < found_.size())
        summaryTimer_->start();
    else
        horizon_.reset();
}

const FoundObject* TFindDlg::FoundAt(int row) const {
    return row >= 0 && static_cast<std::size_t>(row) < found_.size() ? &found_[static_cast<std::size_t>(row)]
                                                                     : nullptr;
}

void TFindDlg::Choose(int row) {
    if (row < 0 || row >= static_cast<int>(slots_.size())) return;
    const int slot = slots_[static_cast<std::size_t>(row)];
    List1->setCurrentRow(row);
    // The next name typed replaces this one.
    if (Edit1->hasFocus()) Edit1->selectAll();
    if (static_cast<std::size_t>(row) >= found_.size()) {
        ChooseBody(foundBodies_[static_cast<std::size_t>(row) - found_.size()]);
        return;
    }
    // An object off the chart is named by the list and the note alone.
    if (target_.Name && slot >= 0) target_.Name(slot);
    ShowNote(row);
}

void TFindDlg::ChooseBody(std::size_t body) {
    if (target_.NameBody) target_.NameBody(body);
    const ObserverState& o = target_.Observer;
    const SmallBodyPlace place = SmallBodyPlaceAt((*bodies_)[body], o.JulianDay);
    const HorizonNote note =
        HorizonNoteOfDirection(place.RightAscension, place.Declination, o.Longitude, o.Latitude, o.JulianDay);
    ShowHorizonNote(note);
}

void TFindDlg::ChooseAndOpen(int row) {
    if (row >= static_cast<int>(found_.size())) return Choose(row);  // a body has no object window
    if (row < 0) return;
    Choose(row);
    if (target_.Open) target_.Open(found_[static_cast<std::size_t>(row)]);
}

void TFindDlg::ShowNote(int row) {
    const ObserverState& o = target_.Observer;
    const FoundObject& f = found_[static_cast<std::size_t>(row)];
    if (skyline_) {
        // Behind a local horizon the note says what the list says: over the skyline.
        const HorizonSummary h = HorizonSummaries(o, skyline_.get()).Of(f);
        HorizonNote note;
        if (h.NeverRises)
            note.State = f.Slot >= 0 && f.Slot < FirstStarSlot ? HorizonState::NotRisingSoon
                                                               : HorizonState::NeverRises;
        else if (h.Next && h.NextIsRise)
            note = {HorizonState::RisesLater, *h.Next};
        return ShowHorizonNote(note);
    }
    const TargetDirection d = DirectionOf(f);
    ShowHorizonNote(f.Slot >= 0 ? HorizonNoteOf(f.Slot, o.Longitude, o.Latitude, o.JulianDay)
                                : HorizonNoteOfDirection(d.RightAscension, d.Declination, o.Longitude,
                                                         o.Latitude, o.JulianDay));
}

void TFindDlg::ShowHorizonNote(const HorizonNote& note) {
    const ObserverState& o = target_.Observer;
    const FindTexts& c = FindCaptions();
    switch (note.State) {
        case HorizonState::Above:
            SetNote(nullptr);
            break;
        case HorizonState::RisesLater:
            SetNote(&c.RisesAt, QString::fromStdString(CivilTimeText(note.Rise, o.Zone, o.SummerTime)));
            break;
        case HorizonState::NeverRises:
            SetNote(&c.NeverRises);
            break;
        case HorizonState::NotRisingSoon:
            SetNote(&c.NotRisingSoon);
            break;
    }
}

void TFindDlg::SetNote(const ViewCaption* note, const QString& time) {
    note_ = note;
    if (note != nullptr)
        ShowCaption(NoteLabel, note->Text());
    else
        ShowCaption(NoteLabel, RunicText{});
    TimeLabel->setText(time);
}

bool TFindDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (watched == Edit1) {
        if (IsEnter(key->key())) {
            ChooseAndOpen(0);
            return true;
        }
        if (key->key() == Qt::Key_Down && List1->count() > 0) {
            List1->setFocus();
            List1->setCurrentRow(0);
            return true;
        }
    } else if (watched == List1) {
        if (IsEnter(key->key())) {
            ChooseAndOpen(List1->currentRow());
            return true;
        }
        if (key->key() == Qt::Key_Up && List1->currentRow() <= 0) {
            Edit1->setFocus();
            return true;
        }
        // Typing goes on in the field, not into the list's own search.
        if (!key->text().isEmpty() && key->text().at(0).isPrint()) {
            Edit1->setFocus();
            QApplication::sendEvent(Edit1, event);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace kolvar
