#include "dialog_test_support.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <clocale>

#include "shell/program_assets.h"
#include "shell/program_start.h"

namespace kolvar::testing {

void PrepareDialogTests(const std::filesystem::path& scratchDirectory)
{
    std::setlocale(LC_NUMERIC, "C");
    InitialiseStaticTables();
    InstallRunicFont(scratchDirectory, RunicFontFileBytes());
}

void WhenShown(QDialog* dialog, std::function<void()> action)
{
    auto* timer = new QTimer(dialog);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, dialog, [dialog, timer, action = std::move(action)] {
        if (!dialog->isVisible() || QApplication::activeModalWidget() != dialog) return;
        timer->stop();
        timer->deleteLater();
        action();
    });
    timer->start();
}

void TypeInto(QLineEdit* field, const QString& text)
{
    field->setFocus();
    field->selectAll();
    if (text.isEmpty()) QTest::keyClick(field, Qt::Key_Delete);
    else QTest::keyClicks(field, text);
}

}  // namespace kolvar::testing
