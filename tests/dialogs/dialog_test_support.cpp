#include "dialog_test_support.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <clocale>
#include <cstdlib>

#include "catalog/static_tables.h"
#include "shell/program_assets.h"

namespace kolvar::testing {

void PrepareDialogTests(const std::filesystem::path& scratchDirectory) {
    std::setlocale(LC_NUMERIC, "C");
    InitStaticTables();
    InstallRunicFont(scratchDirectory, RunicFontFileBytes());
}

void UseCommaLocale(const std::filesystem::path& scratchDirectory) {
    if (std::setlocale(LC_NUMERIC, "hu_HU.UTF-8") != nullptr) return;
    const std::filesystem::path folder = scratchDirectory / "locales";
    std::filesystem::create_directories(folder);
    QProcess::execute("localedef",
                      {"-i", "hu_HU", "-f", "UTF-8", QString::fromStdString(folder / "hu_HU.UTF-8")});
    ::setenv("LOCPATH", folder.c_str(), 1);
    QVERIFY2(std::setlocale(LC_NUMERIC, "hu_HU.UTF-8") != nullptr,
             "no hu_HU.UTF-8: localedef needs package locales");
}

ProgramWindows TestWindows(const std::filesystem::path& settingsFile, QStringList& errors) {
    TStarsForm::Options o;
    o.SettingsFile = settingsFile;
    o.ReportError = [&errors](const QString& text) { errors.append(text); };
    return CreateProgramWindows(std::move(o));
}

void WhenShown(QDialog* dialog, std::function<void()> action) {
    auto* timer = new QTimer(dialog);
    QObject::connect(timer, &QTimer::timeout, dialog, [dialog, timer, action = std::move(action)] {
        if (!dialog->isVisible() || QApplication::activeModalWidget() != dialog || !dialog->isActiveWindow())
            return;
        timer->stop();
        timer->deleteLater();
        action();
    });
    timer->start(5);
}

void TypeInto(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Delete);
    else
        QTest::keyClicks(field, text);
}

void CheckLayout(QDialog* dialog, const QStringList& tabOrder, QWidget* frame) {
    QList<QWidget*> controls = dialog->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    controls.removeAll(frame);
    for (int i = 0; i < controls.size(); ++i)
        for (int j = i + 1; j < controls.size(); ++j)
            QVERIFY2(!controls[i]->geometry().intersects(controls[j]->geometry()),
                     qPrintable(controls[i]->objectName() + " overlaps " + controls[j]->objectName()));
    QStringList visited;
    QWidget* w = dialog->findChild<QWidget*>(tabOrder.value(0));
    QVERIFY(w != nullptr);
    w->setFocus();
    for (qsizetype i = 0; i < tabOrder.size(); ++i, w = QApplication::focusWidget()) {
        visited << w->objectName();
        QTest::keyClick(w, Qt::Key_Tab);
    }
    QCOMPARE(visited, tabOrder);
}

}  // namespace kolvar::testing
