#include "dialogs/city_dlg.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "catalog/cities.h"
#include "dialogs/dialog_widgets.h"
#include "identify/city_search.h"
#include "texts/interface_captions.h"
#include "widgets/runic_text.h"
#include "widgets/script_text.h"

namespace kolvar {
namespace {

const QRect HeadingArea(20, 12, 380, 24);

// "Debrecen (Hajdú-Bihar, Hungary)": towns of one name tell apart.
QString CityLine(const CityRecord& city) {
    QString where = PlainString(city.Province);
    if (!where.isEmpty()) where += QStringLiteral(", ");
    where += PlainString(city.Country);
    return PlainString(city.Name) + QStringLiteral(" (") + where + QLatin1Char(')');
}

}  // namespace

TCityDlg::TCityDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("CityDlg"));
    setWindowTitle(PlainString(WindowTitles.City));
    setModal(true);
    setFont(RunicFont(11));
    setFixedSize(420, 400);

    const InterfaceTexts& t = InterfaceCaptions;
    Heading = DesignLabel(this, "Heading", RunicString(t.CityHeading.Runic), HeadingArea, true);
    Heading->setFont(RunicFont(16));
    Search = DesignEdit(this, "Search", {20, 48, 300, 26}, ArialFont(16), QString());
    SearchLabel = DesignLabel(this, "SearchLabel", RunicString(t.CitySearch.Runic), 330, 54);
    Results = new QListWidget(this);
    Results->setObjectName(QStringLiteral("Results"));
    Results->setFont(ArialFont(14));
    Results->setGeometry(20, 84, 380, 250);
    OkButton = DesignButton(this, "OkButton", PlaceDlgCaptions.OkButton.Runic, {20, 348, 110, 33});
    EscButton = DesignButton(this, "EscButton", PlaceDlgCaptions.EscButton.Runic, {290, 348, 110, 33});
    OkButton->setDefault(true);
    ChainTabOrder({Search, Results, OkButton, EscButton});

    connect(Search, &QLineEdit::textChanged, this, &TCityDlg::SearchChange);
    Search->installEventFilter(this);
    connect(Results, &QListWidget::itemDoubleClicked, this, [this] { done(1); });
    connect(OkButton, &QPushButton::clicked, this, [this] { done(ChosenCity() >= 0 ? 1 : 2); });
    connect(EscButton, &QPushButton::clicked, this, [this] { done(2); });
    ShowScript();
    SearchChange();
}

void TCityDlg::ShowScript() {
    ShowWindowScript(this, "TCityDlg");
    const InterfaceTexts& t = InterfaceCaptions;
    ShowCaptions({{Heading, t.CityHeading},
                  {SearchLabel, t.CitySearch},
                  {OkButton, PlaceDlgCaptions.OkButton},
                  {EscButton, PlaceDlgCaptions.EscButton}});
    // Runes run from the right, Latin letters from the left.
    FitLabel(Heading, HeadingArea, CurrentScript() == Script::Runic);
}

void TCityDlg::SearchChange() {
    Results->clear();
    for (int index : FindCities(Search->text().toStdString(), MaxListed)) {
        auto* item = new QListWidgetItem(CityLine(CityAt(index)), Results);
        item->setData(Qt::UserRole, index);
    }
    Results->setCurrentRow(Results->count() > 0 ? 0 : -1);
}

int TCityDlg::ChosenCity() const {
    const QListWidgetItem* item = Results->currentItem();
    return item != nullptr ? item->data(Qt::UserRole).toInt() : -1;
}

bool TCityDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Search && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
            QKeyEvent copy(QEvent::KeyPress, key, Qt::NoModifier);
            QCoreApplication::sendEvent(Results, &copy);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TCityDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Search->setFocus();
    Search->selectAll();
}

}  // namespace kolvar
