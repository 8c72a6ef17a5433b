// The Nézet menu's keys on the main window and the [VIEW] settings, on the
// offscreen platform: layers turn on and off, the night view reaches the
// palette, the choices survive a restart and a click keeps its object ringed.
#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <iterator>

#include "appcore/settings_file.h"
#include "catalog/static_tables.h"
#include "chart/view_layers.h"
#include "shell/chart_view.h"
#include "shell/program_assets.h"
#include "shell/program_start.h"
#include "shell/runic_menu_bar.h"
#include "shell/stars_form.h"
#include "shell/view_controls.h"

using namespace kolvar;

namespace {

int CountColour(const Bitmap& b, Colour c)
{
    int n = 0;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) n += b.Pixel(x, y) == c ? 1 : 0;
    return n;
}

int Differing(const Bitmap& a, const Bitmap& b)
{
    int n = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x) n += a.Pixel(x, y) == b.Pixel(x, y) ? 0 : 1;
    return n;
}

}  // namespace

class ViewControlsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    std::filesystem::path SettingsFile() const { return std::filesystem::path(dir_.path().toStdString()) / "Kolvar.ini"; }
    std::string SettingsText() const
    {
        std::ifstream in(SettingsFile());
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    TStarsForm::Options Options() const
    {
        TStarsForm::Options o;
        o.SettingsFile = SettingsFile();
        return o;
    }
    static void Show(TStarsForm& form)
    {
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.resize(640, 480 + form.MainMenu1()->heightForWidth(640));
        QTRY_COMPARE(form.Image1()->size(), QSize(640, 480));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        InitStaticTables();
        InstallRunicFont(dir_.path().toStdString(), RunicFontFileBytes());
    }

    void keysTurnLayersAndTheChoicesSurviveARestart()
    {
        std::filesystem::remove(SettingsFile());
        {
            TStarsForm form(Options());
            Show(form);
            Observer.JulianDay = 2460635.229;
            form.FormResize();
            const Bitmap plain = form.ChartBitmap();
            QCOMPARE(CountColour(plain, FigureColour), 0);

            QTest::keyClick(&form, Qt::Key_C);
            QVERIFY(form.View()->Options().Figures);
            QVERIFY(CountColour(form.ChartBitmap(), FigureColour) > 200);
            QTest::keyClick(&form, Qt::Key_C);
            QCOMPARE(CountColour(form.ChartBitmap(), FigureColour), 0);

            QTest::keyClick(&form, Qt::Key_L);
            QVERIFY(Differing(form.ChartBitmap(), plain) > 200);
            QVERIFY(form.Action(QStringLiteral("Labels1"))->isChecked());

            QTest::keyClick(&form, Qt::Key_N, Qt::ControlModifier);
            const QColor window = QApplication::palette().color(QPalette::Window);
            QCOMPARE(window.green() + window.blue(), 0);
            const QColor menuText = QApplication::palette().color(QPalette::WindowText);
            QCOMPARE(menuText.green() + menuText.blue(), 0);
            for (int y = 0; y < 480; ++y)
                for (int x = 0; x < 640; ++x) QCOMPARE(form.ChartBitmap().Pixel(x, y).Green, 0);
            QTest::keyClick(&form, Qt::Key_L);
            QTest::keyClick(&form, Qt::Key_N, Qt::ControlModifier);
            QCOMPARE(Differing(form.ChartBitmap(), plain), 0);
            QTest::keyClick(&form, Qt::Key_L);
            QTest::keyClick(&form, Qt::Key_N, Qt::ControlModifier);
        }
        QVERIFY(SettingsText().find("[VIEW]\nFigures=0\nNames=0\nRunicNames=0\nLabels=1\nDirections=0\nNight=1\n") !=
                std::string::npos);
        TStarsForm again(Options());
        QVERIFY(again.View()->Options().Labels && again.View()->Options().Night);
        QVERIFY(!again.View()->Options().Figures);
        again.Action(QStringLiteral("Night1"))->trigger();
        QVERIFY(QApplication::palette().color(QPalette::Window).green() > 0);
    }

    void aClickKeepsItsObjectRingedUntilEscape()
    {
        std::ofstream(SettingsFile()) << "[GEOPOS]\nLatitude=0.83\n";
        TStarsForm form(Options());
        Show(form);
        QCOMPARE(form.View()->Selected(), -1);
        QTest::mousePress(form.Image1(), Qt::LeftButton, {}, QPoint(320, 240));
        const int slot = form.View()->Selected();
        QVERIFY(slot >= 0);
        QVERIFY(CountColour(form.ChartBitmap(), SelectionRingColour) > 10);
        QTest::mouseRelease(form.Image1(), Qt::LeftButton, {}, QPoint(320, 240));
        QCOMPARE(form.View()->Selected(), slot);
        QTest::keyClick(&form, Qt::Key_Escape);
        QCOMPARE(form.View()->Selected(), -1);
        QCOMPARE(CountColour(form.ChartBitmap(), SelectionRingColour), 0);
        form.FormDestroy();
        // No choice was made: the settings file gets no [VIEW].
        QVERIFY(SettingsText().find("[VIEW]") == std::string::npos);
    }
};

QTEST_MAIN(ViewControlsTest)
#include "view_controls_test.moc"
