#include "dialogs/list_dlg.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <cmath>

#include "astro/angles.h"
#include "texts/list_captions.h"
#include "widgets/runic_text.h"
#include "widgets/script_text.h"

namespace kolvar {

namespace {

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

QString PlaceText(const Observation& o) {
    // "47.50° É, 19.04° K" as the place dialog names the hemispheres.
    return QString::number(std::abs(o.Latitude), 'f', 2) + QStringLiteral("\u00B0 ") +
           (o.Latitude < 0 ? QStringLiteral("D") : QStringLiteral("\u00C9")) + QStringLiteral(", ") +
           QString::number(std::abs(o.Longitude), 'f', 2) + QStringLiteral("\u00B0 ") +
           (o.Longitude < 0 ? QStringLiteral("Ny") : QStringLiteral("K"));
}

}  // namespace

TListDlg::TListDlg(ListWindowTarget target, QWidget* parent) : QDialog(parent), target_(std::move(target)) {
    setObjectName(QStringLiteral("ListDlg"));
    setWindowTitle(PlainString(ListCaptions().Title.Hungarian));
    setFont(RunicFont(13));
    resize(640, 420);

    ListLabel = new QLabel(this);
    ListEdit = new QComboBox(this);
    ListEdit->setObjectName(QStringLiteral("ListEdit"));
    ListEdit->setEditable(true);
    ListEdit->setInsertPolicy(QComboBox::NoInsert);
    ListEdit->setMinimumWidth(200);
    Table = new QTableWidget(0, ListColumnCount, this);
    Table->setObjectName(QStringLiteral("Table"));
    Table->setSelectionBehavior(QAbstractItemView::SelectRows);
    Table->setSelectionMode(QAbstractItemView::SingleSelection);
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table->verticalHeader()->hide();
    Table->horizontalHeader()->setStretchLastSection(true);
    NoteLabel = new QLabel(this);
    NoteEdit = new QLineEdit(this);
    NoteEdit->setObjectName(QStringLiteral("NoteEdit"));
    Table->setFont(ArialFont(13));
    Table->verticalHeader()->setDefaultSectionSize(Table->fontMetrics().height() + 4);
    for (QWidget* w :
         {static_cast<QWidget*>(ListEdit), static_cast<QWidget*>(Table), static_cast<QWidget*>(NoteEdit)}) {
        w->setFont(ArialFont(13));
        w->setLayoutDirection(Qt::LeftToRight);
    }
    const auto button = [this](const char* name) {
        auto* b = new QPushButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    NextButton = button("NextButton");
    ObservedButton = button("ObservedButton");
    RemoveButton = button("RemoveButton");
    ImportButton = button("ImportButton");
    ExportButton = button("ExportButton");

    connect(ListEdit, &QComboBox::textActivated, this, &TListDlg::ChooseList);
    connect(NextButton, &QPushButton::clicked, this, &TListDlg::Next);
    connect(ObservedButton, &QPushButton::clicked, this, &TListDlg::MarkObserved);
    connect(NoteEdit, &QLineEdit::returnPressed, this, &TListDlg::MarkObserved);
    connect(RemoveButton, &QPushButton::clicked, this, &TListDlg::RemoveChosen);
    connect(ImportButton, &QPushButton::clicked, this, [this] {
        const QString file = QFileDialog::getOpenFileName(this, PlainString(ListCaptions().Import.Hungarian),
                                                          QString(), QStringLiteral("CSV (*.csv);;* (*)"));
        if (!file.isEmpty()) ImportFile(file);
    });
    connect(ExportButton, &QPushButton::clicked, this, [this] {
        const QString file = QFileDialog::getSaveFileName(
            this, PlainString(ListCaptions().Export.Hungarian),
            Utf8(target_.Session.List().Name) + QStringLiteral(".csv"), QStringLiteral("CSV (*.csv)"));
        if (!file.isEmpty()) ExportFile(file);
    });
    connect(Table, &QTableWidget::cellClicked, this, [this](int row, int) {
        target_.Session.SetCurrent(static_cast<std::size_t>(row));
        if (target_.Step) target_.Step(static_cast<std::size_t>(row));
    });
    connect(Table, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        if (target_.CloseUp) target_.CloseUp(static_cast<std::size_t>(row));
    });

    auto* top = new QHBoxLayout;
    top->addWidget(ListLabel);
    top->addWidget(ListEdit, 1);
    auto* note = new QHBoxLayout;
    note->addWidget(NoteLabel);
    note->addWidget(NoteEdit, 1);
    note->addWidget(ObservedButton);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {NextButton, RemoveButton, ImportButton, ExportButton}) buttons->addWidget(b);
    buttons->addStretch(1);
    auto* rows = new QVBoxLayout(this);
    rows->addLayout(top);
    rows->addWidget(Table, 1);
    rows->addLayout(note);
    rows->addLayout(buttons);
    ShowScript();
}

void TListDlg::Open() {
    Refresh();
    show();
    raise();
    activateWindow();
}

void TListDlg::Tell(const std::string& problem) {
    if (!problem.empty() && target_.Report) target_.Report(Utf8(problem));
}

std::optional<std::size_t> TListDlg::ChosenRow() const {
    const int row = Table->currentRow();
    if (row >= 0 && Table->selectionModel()->isRowSelected(row, QModelIndex()))
        return static_cast<std::size_t>(row);
    return target_.Session.Current();
}

void TListDlg::Refresh() {
    const ObservingList& list = target_.Session.List();
    ListEdit->blockSignals(true);
    ListEdit->clear();
    for (const std::string& name : ObservingListNames()) ListEdit->addItem(Utf8(name));
    if (ListEdit->findText(Utf8(list.Name)) < 0) ListEdit->addItem(Utf8(list.Name));
    ListEdit->setCurrentText(Utf8(list.Name));
    ListEdit->blockSignals(false);
    Table->setRowCount(static_cast<int>(list.Objects.size()));
    for (std::size_t k = 0; k < list.Objects.size(); ++k) {
        const ListedObject& o = list.Objects[k];
        const int row = static_cast<int>(k);
        const auto cell = [&](int column, const QString& text) {
            Table->setItem(row, column, new QTableWidgetItem(text));
        };
        cell(0, Utf8(o.Name));
        cell(1, o.Observed ? Utf8(ListInstantText(o.Observed->JulianDay)) : QString());
        cell(2, o.Observed ? PlaceText(*o.Observed) : QString());
        cell(3, o.Observed ? Utf8(o.Observed->Note) : QString());
    }
    Table->resizeColumnsToContents();
    Table->clearSelection();
    if (const auto at = target_.Session.Current()) Table->selectRow(static_cast<int>(*at));
    const bool usable = target_.Session.Usable();
    for (QWidget* w : {static_cast<QWidget*>(ObservedButton), static_cast<QWidget*>(RemoveButton),
                       static_cast<QWidget*>(ImportButton), static_cast<QWidget*>(NoteEdit)})
        w->setEnabled(usable);
}

void TListDlg::ChooseList(const QString& name) {
    if (name.trimmed().isEmpty() || name.toStdString() == target_.Session.List().Name) return;
    Tell(target_.Session.Choose(name.trimmed().toStdString()));
    Refresh();
}

void TListDlg::Next() {
    const auto at = target_.Session.Next();
    Refresh();
    if (at && target_.Step) target_.Step(*at);
}

void TListDlg::MarkObserved() {
    const auto row = ChosenRow();
    if (!row) return;
    Observation seen;
    seen.JulianDay = target_.Now ? target_.Now() : target_.Observer.JulianDay;
    seen.Latitude = target_.Observer.Latitude * DegreesPerRadian;
    seen.Longitude = std::remainder(target_.Observer.Longitude * DegreesPerRadian, 360.0);
    seen.Note = NoteEdit->text().toStdString();
    target_.Session.SetCurrent(*row);
    Tell(target_.Session.Observe(*row, seen));
    NoteEdit->clear();
    Refresh();
}

void TListDlg::RemoveChosen() {
    if (const auto row = ChosenRow()) Tell(target_.Session.Remove(*row));
    Refresh();
}

void TListDlg::ImportFile(const QString& file) {
    std::size_t added = 0;
    Tell(target_.Session.Import(file.toStdString(), added));
    Refresh();
}

void TListDlg::ExportFile(const QString& file) {
    Tell(target_.Session.Export(file.toStdString(), DesktopExportPolicy));
}

void TListDlg::ShowScript() {
    ShowWindowScript(this, "TListDlg");
    setLayoutDirection(CurrentScript() == Script::Runic ? Qt::RightToLeft : Qt::LeftToRight);
    const ListTexts& t = ListCaptions();
    ShowCaption(ListLabel, t.ListLabel.Text());
    ShowCaption(NoteLabel, t.Note.Text());
    ShowCaption(NextButton, t.Next.Text());
    ShowCaption(ObservedButton, t.Observed.Text());
    ShowCaption(RemoveButton, t.Remove.Text());
    ShowCaption(ImportButton, t.Import.Text());
    ShowCaption(ExportButton, t.Export.Text());
    QStringList headers;
    for (const ViewCaption& c : t.Columns) headers << ScriptString(c.Text());
    Table->setHorizontalHeaderLabels(headers);
    Table->horizontalHeader()->setFont(ScriptFont(13));
}

}  // namespace kolvar
