#include "dialogs/equipment_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <array>
#include <string>

#include "appcore/number_text.h"
#include "texts/equipment_captions.h"
#include "widgets/runic_text.h"

namespace kolvar {

namespace {

enum Kind { TelescopeKind, EyepieceKind, FinderKind };

// Each table's title and the keys of its columns after the name.
struct TableShape {
    std::string_view Title;
    std::vector<std::string_view> Numbers;
};
const std::array<TableShape, 3>& Shapes() {
    static const std::array<TableShape, 3> shapes = {
        TableShape{EquipmentTexts.Telescopes, {"Aperture", "FocalLength"}},
        TableShape{EquipmentTexts.Eyepieces, {"FocalLength", "ApparentField"}},
        TableShape{EquipmentTexts.Finders, {"Field"}},
    };
    return shapes;
}

QString NumberText(double v) { return QString::fromStdString(FormatGeneral15(v)); }

void SetRow(QTableWidget* table, int row, const std::string& name, std::initializer_list<double> numbers) {
    table->setItem(row, 0, new QTableWidgetItem(QString::fromStdString(name)));
    int column = 1;
    for (const double v : numbers) table->setItem(row, column++, new QTableWidgetItem(NumberText(v)));
}

QString Cell(const QTableWidget* table, int row, int column) {
    const QTableWidgetItem* item = table->item(row, column);
    return item != nullptr ? item->text().trimmed() : QString();
}

}  // namespace

TEquipmentDlg::TEquipmentDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("EquipmentDlg"));
    setWindowTitle(PlainString(EquipmentTexts.Title));
    auto* layout = new QVBoxLayout(this);
    for (int kind = 0; kind < 3; ++kind) {
        const TableShape& shape = Shapes()[static_cast<std::size_t>(kind)];
        layout->addWidget(new QLabel(PlainString(shape.Title), this));
        auto* table = new QTableWidget(0, 1 + static_cast<int>(shape.Numbers.size()), this);
        table->setObjectName(QStringLiteral("EquipmentTable%1").arg(kind));
        QStringList headers{PlainString(EquipmentFieldName("Name"))};
        for (const std::string_view key : shape.Numbers) headers << PlainString(EquipmentFieldName(key));
        table->setHorizontalHeaderLabels(headers);
        table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
        table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
        table->setMinimumHeight(110);
        tables_[kind] = table;
        auto* row = new QHBoxLayout;
        auto* add = new QPushButton(PlainString(EquipmentTexts.Add), this);
        auto* remove = new QPushButton(PlainString(EquipmentTexts.Remove), this);
        auto* choice = new QComboBox(this);
        choice->setObjectName(QStringLiteral("EquipmentChoice%1").arg(kind));
        choices_[kind] = choice;
        row->addWidget(add);
        row->addWidget(remove);
        row->addStretch();
        row->addWidget(new QLabel(PlainString(EquipmentTexts.Chosen), this));
        row->addWidget(choice);
        layout->addWidget(table);
        layout->addLayout(row);
        connect(add, &QPushButton::clicked, this, [this, table] {
            table->insertRow(table->rowCount());
            RefreshChoices();
        });
        connect(remove, &QPushButton::clicked, this, [this, table] {
            if (table->rowCount() > 0)
                table->removeRow(table->currentRow() >= 0 ? table->currentRow() : table->rowCount() - 1);
            RefreshChoices();
        });
        connect(table, &QTableWidget::cellChanged, this, [this] {
            if (!filling_) RefreshChoices();
        });
        connect(choice, &QComboBox::currentIndexChanged, this, [this] {
            if (!filling_) RefreshChoices();
        });
    }
    telrad_ = new QCheckBox(PlainString(EquipmentTexts.Telrad), this);
    telrad_->setObjectName(QStringLiteral("Telrad"));
    layout->addWidget(telrad_);
    trueField_ = new QLabel(this);
    trueField_->setObjectName(QStringLiteral("TrueField"));
    layout->addWidget(trueField_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TEquipmentDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TEquipmentDlg::reject);
    layout->addWidget(buttons);
    resize(520, 640);
}

void TEquipmentDlg::Show(const Equipment& e) {
    filling_ = true;
    for (QTableWidget* table : tables_) table->setRowCount(0);
    tables_[TelescopeKind]->setRowCount(static_cast<int>(e.Telescopes.size()));
    for (std::size_t i = 0; i < e.Telescopes.size(); ++i)
        SetRow(tables_[TelescopeKind], static_cast<int>(i), e.Telescopes[i].Name,
               {e.Telescopes[i].Aperture, e.Telescopes[i].FocalLength});
    tables_[EyepieceKind]->setRowCount(static_cast<int>(e.Eyepieces.size()));
    for (std::size_t i = 0; i < e.Eyepieces.size(); ++i)
        SetRow(tables_[EyepieceKind], static_cast<int>(i), e.Eyepieces[i].Name,
               {e.Eyepieces[i].FocalLength, e.Eyepieces[i].ApparentField});
    tables_[FinderKind]->setRowCount(static_cast<int>(e.Finders.size()));
    for (std::size_t i = 0; i < e.Finders.size(); ++i)
        SetRow(tables_[FinderKind], static_cast<int>(i), e.Finders[i].Name, {e.Finders[i].Field});
    telrad_->setChecked(e.Telrad);
    filling_ = false;
    RefreshChoices();
    filling_ = true;
    const int chosen[3] = {e.ChosenTelescope, e.ChosenEyepiece, e.ChosenFinder};
    for (int kind = 0; kind < 3; ++kind) choices_[kind]->setCurrentIndex(chosen[kind] + 1);
    filling_ = false;
    RefreshChoices();
}

void TEquipmentDlg::RefreshChoices() {
    const bool wasFilling = filling_;
    filling_ = true;
    for (int kind = 0; kind < 3; ++kind) {
        QComboBox* choice = choices_[kind];
        const int current = choice->currentIndex();
        choice->clear();
        choice->addItem(PlainString(EquipmentTexts.None));
        for (int row = 0; row < tables_[kind]->rowCount(); ++row) {
            const QString name = Cell(tables_[kind], row, 0);
            choice->addItem(QStringLiteral("%1. %2").arg(row + 1).arg(name));
        }
        choice->setCurrentIndex(current >= 0 && current < choice->count() ? current : 0);
    }
    filling_ = wasFilling;
    const Reading reading = Read();
    const std::optional<double> field = reading.Value ? ChosenEyepieceField(*reading.Value) : std::nullopt;
    trueField_->setText(field ? PlainString(EquipmentTexts.TrueField) +
                                    QStringLiteral(": %1\u00B0").arg(*field, 0, 'f', 2)
                              : QString());
}

TEquipmentDlg::Reading TEquipmentDlg::Read() const {
    Equipment e;
    for (int kind = 0; kind < 3; ++kind) {
        const QTableWidget* table = tables_[kind];
        const TableShape& shape = Shapes()[static_cast<std::size_t>(kind)];
        for (int row = 0; row < table->rowCount(); ++row) {
            const std::string name = Cell(table, row, 0).toStdString();
            std::vector<double> numbers;
            std::optional<std::string_view> bad;
            for (std::size_t c = 0; c < shape.Numbers.size(); ++c) {
                const std::optional<double> v = ParseIniDouble(
                    Cell(table, row, static_cast<int>(c) + 1).toStdString(), LocaleDecimalSeparator());
                if (!v && !bad) bad = shape.Numbers[c];
                numbers.push_back(v.value_or(0.0));
            }
            if (kind == TelescopeKind) {
                const Telescope t{name, numbers[0], numbers[1]};
                if (!bad) bad = BadField(t);
                e.Telescopes.push_back(t);
            } else if (kind == EyepieceKind) {
                const Eyepiece p{name, numbers[0], numbers[1]};
                if (!bad) bad = BadField(p);
                e.Eyepieces.push_back(p);
            } else {
                const Finder f{name, numbers[0]};
                if (!bad) bad = BadField(f);
                e.Finders.push_back(f);
            }
            if (bad)
                return {std::nullopt, PlainString(shape.Title) + QStringLiteral(", %1. ").arg(row + 1) +
                                          PlainString(EquipmentTexts.Row) + QStringLiteral(": ") +
                                          PlainString(EquipmentFieldName(*bad)) + QStringLiteral(" ") +
                                          PlainString(EquipmentTexts.BadEntry)};
        }
    }
    e.ChosenTelescope = choices_[TelescopeKind]->currentIndex() - 1;
    e.ChosenEyepiece = choices_[EyepieceKind]->currentIndex() - 1;
    e.ChosenFinder = choices_[FinderKind]->currentIndex() - 1;
    e.Telrad = telrad_->isChecked();
    return {e, QString()};
}

void TEquipmentDlg::accept() {
    const Reading reading = Read();
    if (!reading.Value) {
        if (ReportProblem)
            ReportProblem(reading.Problem);
        else
            QMessageBox::warning(this, windowTitle(), reading.Problem);
        return;
    }
    result_ = *reading.Value;
    QDialog::accept();
}

}  // namespace kolvar
