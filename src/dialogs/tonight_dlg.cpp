#include "dialogs/tonight_dlg.h"

#include <QAbstractTableModel>
#include <QBoxLayout>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <cmath>

#include "astro/angles.h"
#include "astro/time_scales.h"
#include "catalog/constellation.h"
#include "catalog/constellation_hungarian_names.h"
#include "catalog/ngc_ic_catalogue.h"
#include "texts/list_captions.h"
#include "texts/small_body_texts.h"
#include "texts/tonight_captions.h"
#include "widgets/runic_text.h"
#include "widgets/script_text.h"

namespace kolvar {

namespace {

// "21:24" on the observer's clock, "-" for none.
QString ClockText(const std::optional<double>& julianDay, const ObserverState& o) {
    if (!julianDay) return QStringLiteral("-");
    const double local = *julianDay + (o.Zone + (o.SummerTime ? 1.0 : 0.0)) / 24.0 + 0.5;
    const long long minutes = std::llround((local - std::floor(local)) * 1440.0) % 1440;
    return QString::asprintf("%02lld:%02lld", minutes / 60, minutes % 60);
}

QString KindText(const Candidate& c) {
    if (c.Kind.Group == ObjectGroup::Planet) return PlainString(PlanetKindWord());
    if (c.Kind.Group == ObjectGroup::Star &&
        c.Kind.NgcIcKind == static_cast<std::uint8_t>(NgcIcKind::MultipleStar))
        return PlainString(DoubleStarKindWord());
    if (c.Kind.Group == ObjectGroup::Star) return PlainString(StarKindWord());
    if (c.Body != nullptr) return PlainString(SmallBodyKindWord(c.Body->Kind));
    return PlainString(NgcIcKindWord(c.Kind.NgcIcKind));
}

}  // namespace

// The list as a table: plain text for the eye, a number to sort by.
class TonightModel : public QAbstractTableModel {
public:
    TonightModel(const ObserverState& observer, QObject* parent)
        : QAbstractTableModel(parent), observer_(observer) {}

    void SetList(std::vector<TonightEntry> list) {
        beginResetModel();
        list_ = std::move(list);
        endResetModel();
    }
    const std::vector<TonightEntry>& List() const { return list_; }

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(list_.size());
    }
    int columnCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : TonightColumnCount;
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= static_cast<int>(list_.size())) return {};
        const TonightEntry& e = list_[static_cast<std::size_t>(index.row())];
        const Candidate& c = *e.Object;
        const int column = index.column();
        if (role == Qt::TextAlignmentRole && column >= 3)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        const bool sort = role == Qt::UserRole;
        if (role != Qt::DisplayRole && !sort) return {};
        const auto instant = [&](const std::optional<double>& t) -> QVariant {
            return sort ? QVariant(t.value_or(1e9)) : QVariant(ClockText(t, observer_));
        };
        switch (column) {
            case 0:
                return PlainString(c.Name);
            case 1:
                return KindText(c);
            case 2:
                return e.Constellation > 0 ? PlainString(ConstellationOf(e.Constellation).Hungarian)
                                           : QString();
            case 3:
                if (sort) return e.Magnitude;
                return e.Magnitude < 90.0 ? QString::number(e.Magnitude, 'f', 1) : QString();
            case 4:
                if (sort) return static_cast<double>(c.Size);
                return c.Size > 0.0f
                           ? QString::number(static_cast<double>(c.Size), 'f', 1) + QStringLiteral("'")
                           : QString();
            case 5:
                return instant(e.Rise);
            case 6:
                return instant(e.Transit);
            case 7:
                return instant(e.Set);
            case 8:
                return instant(e.Best);
            case 9:
                if (sort) return e.BestAltitude;
                return QString::number(e.BestAltitude / RadiansPerDegree, 'f', 1) + QChar(0x00B0);
            case 10:
                if (sort) return e.MoonDistance;
                return QString::number(e.MoonDistance / RadiansPerDegree, 'f', 0) + QChar(0x00B0);
            default:
                return {};
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || section < 0 || section >= TonightColumnCount) return {};
        const ViewCaption& caption = TonightCaptions().Columns[static_cast<std::size_t>(section)];
        if (role == Qt::DisplayRole) return ScriptString(caption.Text());
        if (role == Qt::ToolTipRole) return PlainString(caption.Hungarian);
        return {};
    }

private:
    const ObserverState& observer_;
    std::vector<TonightEntry> list_;
};

TTonightDlg::TTonightDlg(TonightTarget target, QWidget* parent)
    : QDialog(parent), target_(std::move(target)) {
    setObjectName(QStringLiteral("TonightDlg"));
    setWindowTitle(PlainString(TonightCaptions().Title.Hungarian));
    setFont(RunicFont(13));
    // Wide enough for the eleven columns and the night's times on two lines.
    resize(1000, 560);
    pool_.setMaxThreadCount(1);

    NightLabel = new QLabel(this);
    NightLabel->setObjectName(QStringLiteral("NightLabel"));
    NightLabel->setFont(ArialFont(13));
    NightLabel->setLayoutDirection(Qt::LeftToRight);
    NightLabel->setWordWrap(true);
    NoteLabel = new QLabel(this);
    NoteLabel->setObjectName(QStringLiteral("NoteLabel"));
    NoteLabel->setMinimumHeight(NoteLabel->fontMetrics().height());
    MinAltLabel = new QLabel(this);
    MinAltLabel->setObjectName(QStringLiteral("MinAltLabel"));
    MagLabel = new QLabel(this);
    MagLabel->setObjectName(QStringLiteral("MagLabel"));
    MinAltEdit = new QDoubleSpinBox(this);
    MinAltEdit->setObjectName(QStringLiteral("MinAltEdit"));
    MinAltEdit->setRange(0.0, 89.0);
    MinAltEdit->setDecimals(0);
    MinAltEdit->setValue(20.0);
    MinAltEdit->setSuffix(QStringLiteral("\u00B0"));
    MagEdit = new QDoubleSpinBox(this);
    MagEdit->setObjectName(QStringLiteral("MagEdit"));
    MagEdit->setRange(-2.0, 16.0);
    MagEdit->setDecimals(1);
    MagEdit->setSingleStep(0.5);
    MagEdit->setValue(8.0);
    MinSizeLabel = new QLabel(this);
    MinSizeLabel->setObjectName(QStringLiteral("MinSizeLabel"));
    MinSizeEdit = new QDoubleSpinBox(this);
    MinSizeEdit->setObjectName(QStringLiteral("MinSizeEdit"));
    MinSizeEdit->setRange(0.0, 600.0);
    MinSizeEdit->setDecimals(0);
    MinSizeEdit->setSuffix(QStringLiteral("'"));
    for (int g = 0; g < ObjectGroupCount; ++g) {
        KindBoxes[static_cast<std::size_t>(g)] = new QCheckBox(this);
        KindBoxes[static_cast<std::size_t>(g)]->setObjectName(QStringLiteral("KindBox%1").arg(g));
        KindBoxes[static_cast<std::size_t>(g)]->setChecked(true);
        connect(KindBoxes[static_cast<std::size_t>(g)], &QCheckBox::toggled, this, &TTonightDlg::Compute);
    }
    BodyBox = new QCheckBox(this);
    BodyBox->setObjectName(QStringLiteral("BodyBox"));
    BodyBox->setChecked(true);
    connect(BodyBox, &QCheckBox::toggled, this, &TTonightDlg::Compute);
    const auto button = [this](const char* name) {
        auto* b = new QPushButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    AddButton = button("AddButton");
    SlewButton = button("SlewButton");
    PrintButton = button("PrintButton");
    connect(AddButton, &QPushButton::clicked, this, &TTonightDlg::AddChosen);
    connect(SlewButton, &QPushButton::clicked, this, &TTonightDlg::SlewToChosen);
    connect(PrintButton, &QPushButton::clicked, this, [this] {
        if (night_ && target_.PrintPlan) target_.PrintPlan(*night_, ShownList());
    });
    for (QDoubleSpinBox* e : {MinAltEdit, MagEdit, MinSizeEdit}) {
        e->setFont(ArialFont(13));
        e->setLayoutDirection(Qt::LeftToRight);
        e->setKeyboardTracking(false);
        connect(e, &QDoubleSpinBox::valueChanged, this, &TTonightDlg::Compute);
    }

    model_ = new TonightModel(target_.Observer, this);
    sorted_ = new QSortFilterProxyModel(this);
    sorted_->setSourceModel(model_);
    sorted_->setSortRole(Qt::UserRole);
    Table = new QTableView(this);
    Table->setObjectName(QStringLiteral("Table"));
    Table->setModel(sorted_);
    Table->setFont(ArialFont(13));
    Table->setLayoutDirection(Qt::LeftToRight);
    Table->setSortingEnabled(true);
    Table->sortByColumn(8, Qt::AscendingOrder);
    Table->setSelectionBehavior(QAbstractItemView::SelectRows);
    Table->setSelectionMode(QAbstractItemView::SingleSelection);
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table->verticalHeader()->hide();
    Table->verticalHeader()->setDefaultSectionSize(Table->fontMetrics().height() + 4);
    Table->horizontalHeader()->setStretchLastSection(true);
    connect(Table, &QTableView::clicked, this, [this](const QModelIndex& index) {
        if (const TonightEntry* e = EntryAt(index.row()); e && target_.Select) target_.Select(*e);
    });
    connect(Table, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        if (const TonightEntry* e = EntryAt(index.row()); e && target_.CloseUp) target_.CloseUp(*e);
    });
    connect(Table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TTonightDlg::UpdateButtons);
    // The right button on a row: onto the list, and the telescope to it while one is connected.
    Table->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Table, &QTableView::customContextMenuRequested, this, [this](const QPoint& at) {
        const QModelIndex index = Table->indexAt(at);
        if (!index.isValid()) return;
        Table->selectRow(index.row());
        QMenu menu(this);
        menu.setObjectName(QStringLiteral("RowMenu"));
        menu.setFont(ScriptFont(13));
        QAction* add = menu.addAction(ScriptString(ListCaptions().Add.Text()));
        QAction* slew = menu.addAction(ScriptString(ListCaptions().Slew.Text()));
        slew->setEnabled(target_.CanSlew && target_.CanSlew());
        QAction* chosen = menu.exec(Table->viewport()->mapToGlobal(at));
        if (chosen == add) AddChosen();
        if (chosen == slew) SlewToChosen();
    });

    auto* filters = new QHBoxLayout;
    filters->addWidget(MinAltLabel);
    filters->addWidget(MinAltEdit);
    filters->addSpacing(16);
    filters->addWidget(MagLabel);
    filters->addWidget(MagEdit);
    filters->addSpacing(16);
    filters->addWidget(MinSizeLabel);
    filters->addWidget(MinSizeEdit);
    filters->addSpacing(16);
    for (QCheckBox* box : KindBoxes) filters->addWidget(box);
    filters->addWidget(BodyBox);
    filters->addStretch(1);
    auto* commands = new QHBoxLayout;
    for (QPushButton* b : {AddButton, SlewButton, PrintButton}) commands->addWidget(b);
    commands->addStretch(1);
    auto* rows = new QVBoxLayout(this);
    rows->addWidget(NightLabel);
    rows->addWidget(NoteLabel, 0, Qt::AlignLeading);
    rows->addLayout(filters);
    rows->addWidget(Table, 1);
    rows->addLayout(commands);
    UpdateButtons();
    ShowScript();
}

TTonightDlg::~TTonightDlg() { pool_.waitForDone(); }

const TonightEntry* TTonightDlg::EntryAt(int row) const {
    const QModelIndex source = sorted_->mapToSource(sorted_->index(row, 0));
    if (!source.isValid()) return nullptr;
    return &model_->List()[static_cast<std::size_t>(source.row())];
}

const TonightEntry* TTonightDlg::Chosen() const {
    const QModelIndexList rows = Table->selectionModel()->selectedRows();
    return rows.isEmpty() ? nullptr : EntryAt(rows.front().row());
}

bool TTonightDlg::AddChosen() {
    const TonightEntry* e = Chosen();
    if (e == nullptr || !target_.AddToList) return false;
    target_.AddToList(*e);
    return true;
}

bool TTonightDlg::SlewToChosen() {
    const TonightEntry* e = Chosen();
    if (e == nullptr || !target_.Slew || !target_.CanSlew || !target_.CanSlew()) return false;
    target_.Slew(*e);
    return true;
}

std::vector<TonightEntry> TTonightDlg::ShownList() const {
    std::vector<TonightEntry> list;
    for (int row = 0; row < sorted_->rowCount(); ++row)
        if (const TonightEntry* e = EntryAt(row)) list.push_back(*e);
    return list;
}

void TTonightDlg::UpdateButtons() {
    const bool chosen = Chosen() != nullptr;
    AddButton->setEnabled(chosen && target_.AddToList);
    SlewButton->setEnabled(chosen && target_.CanSlew && target_.CanSlew());
    PrintButton->setEnabled(night_.has_value() && target_.PrintPlan);
}

void TTonightDlg::Open() {
    show();
    raise();
    activateWindow();
    Compute();
}

void TTonightDlg::ObserverChanged() {
    if (!isVisible()) return;
    const ObserverState& o = target_.Observer;
    const bool moved = o.Latitude != place_[0] || o.Longitude != place_[1];
    if (moved || !night_ || o.JulianDay < night_->Start || o.JulianDay >= night_->End) Compute();
}

void TTonightDlg::Compute() {
    const ObserverState& o = target_.Observer;
    place_[0] = o.Latitude;
    place_[1] = o.Longitude;
    const GeodeticPlace site{o.Longitude, o.Latitude, 0.0};
    // The night the instant falls in, or the coming one in the afternoon.
    const double noon = o.JulianDay - 0.5;
    TonightFilter filter;
    filter.MinAltitude = MinAltEdit->value() * RadiansPerDegree;
    filter.MagnitudeLimit = MagEdit->value();
    filter.MinSize = MinSizeEdit->value();
    filter.Groups = 0;
    for (int g = 0; g < ObjectGroupCount; ++g)
        if (KindBoxes[static_cast<std::size_t>(g)]->isChecked())
            filter.Groups |= 1u << static_cast<unsigned>(g);
    if (BodyBox->isChecked()) filter.Groups |= 1u << static_cast<unsigned>(ObjectGroup::SmallBody);
    auto bodies = std::make_shared<SmallBodyCandidateSet>();
    if (target_.Bodies) bodies->Bodies = target_.Bodies();
    const int request = ++pending_;
    ShowNote();
    const QPointer<TTonightDlg> self(this);
    pool_.start([this, self, request, site, noon, filter,
                 horizon = target_.Horizon ? target_.Horizon() : nullptr, bodies] {
        Night night = ComputeNight(site, noon);
        std::vector<Candidate> candidates = TonightCandidates();
        if (bodies->Bodies && night.Observing) {
            const double middle = 0.5 * (night.Observing->Start + night.Observing->End);
            bodies->Candidates = SmallBodyCandidates(*bodies->Bodies, bodies->Names, middle);
            candidates.insert(candidates.end(), bodies->Candidates.begin(), bodies->Candidates.end());
        }
        std::vector<TonightEntry> list = PlanTonight(night, site, filter, horizon.get(), candidates);
        // The entries point into this copy of the candidates: to the start-up
        // table's own, or to the bodies' that go along with the list.
        const std::vector<Candidate>& catalogue = TonightCandidates();
        for (TonightEntry& e : list) {
            const auto k = static_cast<std::size_t>(e.Object - candidates.data());
            e.Object = k < catalogue.size() ? &catalogue[k] : &bodies->Candidates[k - catalogue.size()];
        }
        // The window waits for this thread before it goes, so it is there to be told.
        QMetaObject::invokeMethod(
            this,
            [this, self, request, night = std::move(night), list = std::move(list), bodies]() mutable {
                if (self) Show(request, std::move(night), std::move(list), std::move(bodies));
            },
            Qt::QueuedConnection);
    });
}

void TTonightDlg::Show(int request, Night night, std::vector<TonightEntry> list,
                       std::shared_ptr<const SmallBodyCandidateSet> bodies) {
    if (request != pending_) return;  // a newer request is under way
    shown_ = request;
    night_ = std::move(night);
    model_->SetList(std::move(list));
    bodies_ = std::move(bodies);  // after the list that pointed into the old ones is gone
    Table->resizeColumnsToContents();
    ShowNight();
    ShowNote();
    UpdateButtons();
}

void TTonightDlg::ShowNight() {
    if (!night_) return;
    const Night& n = *night_;
    const ObserverState& o = target_.Observer;
    const TonightTexts& c = TonightCaptions();
    const auto part = [](const ViewCaption& caption, const QString& value) {
        return PlainString(caption.Hungarian) + QStringLiteral(" ") + value;
    };
    QStringList parts;
    parts << part(c.Sunset, ClockText(n.Sunset.Evening, o));
    if (n.Darkest == Darkness::Astronomical)
        parts << part(c.Dark, ClockText(n.Astronomical.Evening.value_or(n.Start), o) +
                                  QStringLiteral("\u2013") +
                                  ClockText(n.Astronomical.Morning.value_or(n.End), o));
    parts << part(c.Sunrise, ClockText(n.Sunset.Morning, o));
    parts << part(c.Moonrise, ClockText(n.Moonrise, o)) << part(c.Moonset, ClockText(n.Moonset, o));
    parts << part(c.MoonLit, QString::number(std::lround(n.MoonIlluminated * 100)) + QStringLiteral("%"));
    parts << part(c.Moonless, QString::number(n.MoonlessDarkHours, 'f', 1) + QStringLiteral(" h"));
    NightLabel->setText(parts.join(QStringLiteral("   ")));
}

void TTonightDlg::ShowNote() {
    const TonightTexts& c = TonightCaptions();
    const ViewCaption* note = nullptr;
    if (Computing())
        note = &c.Computing;
    else if (night_ && night_->Sun == Daylight::PolarDay)
        note = &c.PolarDay;
    else if (night_ && night_->Sun == Daylight::PolarNight)
        note = &c.PolarNight;
    else if (night_ && night_->Darkest != Darkness::Astronomical)
        note = &c.NoDarkness;
    if (note)
        ShowCaption(NoteLabel, note->Text());
    else
        NoteLabel->clear();
}

void TTonightDlg::ShowScript() {
    ShowWindowScript(this, "TTonightDlg");
    setLayoutDirection(CurrentScript() == Script::Runic ? Qt::RightToLeft : Qt::LeftToRight);
    ShowCaption(MinAltLabel, TonightCaptions().MinAltitude.Text());
    ShowCaption(MagLabel, TonightCaptions().MagnitudeLimit.Text());
    const ListTexts& l = ListCaptions();
    ShowCaption(MinSizeLabel, l.MinSize.Text());
    const ViewCaption* kinds[ObjectGroupCount] = {&l.Planets, &l.Stars, &l.Messier, &l.NgcIc};
    for (int g = 0; g < ObjectGroupCount; ++g)
        ShowCaption(KindBoxes[static_cast<std::size_t>(g)], kinds[g]->Text());
    ShowCaption(BodyBox, SmallBodyCaptions().Show.Text());
    ShowCaption(AddButton, l.Add.Text());
    ShowCaption(SlewButton, l.Slew.Text());
    ShowCaption(PrintButton, l.PrintPlan.Text());
    Table->horizontalHeader()->setFont(ScriptFont(13));
    model_->headerDataChanged(Qt::Horizontal, 0, TonightColumnCount - 1);
    ShowNote();
}

}  // namespace kolvar
