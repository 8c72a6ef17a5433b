// The telescope in the main window on the offscreen platform, against a
// private indiserver with its telescope simulator: nothing changes before
// it is used; connected, "point here" on M31's marker slews the mount and
// the reticle follows it onto the marker; slews below the horizon or the
// limit are refused by name; Escape aborts; a server killed mid-slew is one
// notice and a reconnect works. With KOLVAR_TELESCOPE_SCREENSHOT set, the
// window with the reticle on M31 is saved there (run under xvfb-run).
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <cmath>

#include "../telescope/indi_server.h"
#include "appcore/window_title.h"
#include "dialogs/plain_sky.h"
#include "dialogs/telescope_dlg.h"
#include "shell/telescope_controls.h"
#include "sky/observer_state.h"
#include "telescope/telescope_target.h"
#include "window_test_folder.h"

using namespace kolvar;

namespace {

constexpr double Deg = 3.141592653589793 / 180.0;

// M31 high in the sky now: the observer at latitude 30 and the longitude
// where it culminates at this instant, 79 degrees up.
void PutM31Overhead(TStarsForm& form) {
    form.Session().Observer.JulianDay = StartingJulianDay();
    form.FormResize();
    const TelescopeTarget m31 = *TargetNamed("M31");
    form.Session().Observer.Latitude = 30.0 * Deg;
    form.Session().Observer.Longitude = std::remainder(
        m31.J2000.RightAscension - form.Session().Scene().Frame.SiderealAngle, 2 * 3.141592653589793);
    form.FormResize();
}

void ConnectTo(TelescopeControls& t, const testing::IndiServer& server) {
    TelescopeSettings s;
    s.Host = "127.0.0.1";
    s.Port = server.Port();
    s.Present = true;
    t.Apply(s);
    t.ReportNotice = [](const QString&) {};
    t.Connect();
    QTRY_VERIFY_WITH_TIMEOUT(t.MountConnected() && t.Model().TrackingKnown(), 20000);
}

QPointF MarkerOf(const TStarsForm& form, int slot) {
    const SkyObjectEntry& e = form.Session().SkyObjects()[static_cast<std::size_t>(slot)];
    const ChartPoint p = ProjectToChart(form.Session().Chart, e.Azimuth, e.Altitude);
    return {p.X, p.Y};
}

// Chooses the menu's n-th item (0: the view's own action, 2: point here,
// 3: sync here) instead of running it.
void Choose(TelescopeControls& t, int n) {
    t.RunMenu = [n](QMenu& menu, const QPoint&) { return menu.actions().value(n); };
}

}  // namespace

class TelescopeWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { folder_.Prepare(); }

    void unusedTheWindowStaysAsItWas() {
        {
            ProgramWindows w = CreateProgramWindows(folder_.Options());
            TStarsForm& form = *w.StarsForm;
            test::ShowWithChartSize(form, 400, 300);
            TelescopeControls& t = *form.Telescope();
            QCOMPARE(form.windowTitle(),
                     QString::fromStdString(
                         WindowTitle(form.Session().Observer.JulianDay, form.Session().Observer.Zone,
                                     form.Session().Observer.SummerTime, form.Session().Observer.Longitude,
                                     form.Session().Observer.Latitude)));
            QVERIFY(!form.Image1()->Reticle());
            // No menu over the chart: the right button keeps its own action.
            bool ran = false;
            t.RunMenu = [&ran](QMenu&, const QPoint&) { return ran = true, nullptr; };
            QVERIFY(t.OfferPointMenu(SkyProjection::Stereographic(form.Session().Chart), 200, 150,
                                     form.Image1(), {}) == TelescopeControls::MenuChoice::Own);
            QVERIFY(!ran);
            t.OpenDialog();  // opened and closed without a change
            emit t.Dialog()->HostEdit->editingFinished();
            t.Dialog()->close();
        }
        QVERIFY(folder_.SettingsText().find("TELESCOPE") == std::string::npos);
    }

    void pointHereSlewsOntoM31AndTheReticleFollows() {
        testing::IndiServer server;
        ProgramWindows w = CreateProgramWindows(folder_.Options());
        TStarsForm& form = *w.StarsForm;
        test::ShowWithChartSize(form, 800, 600);
        PutM31Overhead(form);
        TelescopeControls& t = *form.Telescope();
        ConnectTo(t, server);
        QVERIFY(form.windowTitle().endsWith(QStringLiteral("T\u00E1vcs\u0151: k\u00F6vet")) ||
                form.windowTitle().endsWith(QStringLiteral("T\u00E1vcs\u0151: \u00E1ll")));

        const int slot = TargetNamed("M31")->Slot;
        const QPointF marker = MarkerOf(form, slot);
        QCOMPARE(t.TargetAt(SkyProjection::Stereographic(form.Session().Chart), qRound(marker.x()),
                            qRound(marker.y()))
                     .Slot,
                 slot);
        Choose(t, 2);
        const int redraws = form.RedrawCount();
        QVERIFY(t.OfferPointMenu(SkyProjection::Stereographic(form.Session().Chart), qRound(marker.x()),
                                 qRound(marker.y()), form.Image1(),
                                 {}) == TelescopeControls::MenuChoice::Taken);
        QTRY_COMPARE_WITH_TIMEOUT(t.Model().State(), MountState::Slewing, 5000);
        // While it moves the reticle is placed at least four times a second,
        // and the sky is not drawn again for it.
        const int before = t.ReticleUpdates();
        QTest::qWait(1000);
        if (t.Model().State() == MountState::Slewing)
            QVERIFY2(t.ReticleUpdates() - before >= 4, "too few moves");
        QTRY_COMPARE_WITH_TIMEOUT(t.Model().State(), MountState::Tracking, 90000);
        QCOMPARE(form.RedrawCount(), redraws);
        QVERIFY(t.SlewStartMilliseconds().has_value());
        qInfo("goto to the first move: %.1f ms", *t.SlewStartMilliseconds());
        const std::optional<ReticleMark> mark = form.Image1()->Reticle();
        QVERIFY(mark.has_value());
        QVERIFY2(std::hypot(mark->Centre.x() - marker.x(), mark->Centre.y() - marker.y()) < 1.5,
                 qPrintable(QStringLiteral("reticle %1,%2 marker %3,%4")
                                .arg(mark->Centre.x())
                                .arg(mark->Centre.y())
                                .arg(marker.x())
                                .arg(marker.y())));
        if (const QByteArray path = qgetenv("KOLVAR_TELESCOPE_SCREENSHOT"); !path.isEmpty())
            QVERIFY(form.grab().save(QString::fromLocal8Bit(path)));
        const EquatorialPlace ofDate = *t.Model().Place();
        qInfo("mount at jd %.6f: ra_date %.7f h dec_date %.6f deg", StartingJulianDay(),
              ofDate.RightAscension / Deg / 15.0, ofDate.Declination / Deg);

        // The close-up opened on M31 shows the reticle in its middle; when
        // it follows, a view turned away comes back to the mount.
        TPlainSky& sky = *w.PlainSky;
        sky.resize(300, 240);
        const SkyObjectEntry& e = form.Session().SkyObjects()[static_cast<std::size_t>(slot)];
        const auto nearMiddle = [&sky] {
            const auto m = sky.Image1()->Reticle();
            return m &&
                   std::hypot(m->Centre.x() - sky.width() / 2.0, m->Centre.y() - sky.height() / 2.0) < 2.0;
        };
        sky.CentreOn({e.Azimuth, e.Altitude, 0.0});  // drawn before it shows, as the right button does
        sky.show();
        QVERIFY(nearMiddle());
        sky.CentreOn({e.Azimuth, e.Altitude - 10.0 * Deg, 0.0});
        QVERIFY(!nearMiddle());
        TelescopeSettings follows = t.Settings();
        follows.CloseUpFollows = true;
        t.Apply(follows);
        QTRY_VERIFY_WITH_TIMEOUT(nearMiddle(), 3000);
        sky.hide();

        // "Sync here" a little off the marker: the mount takes that direction.
        Choose(t, 3);
        QPoint off(qRound(marker.x()) + 30, qRound(marker.y()));  // off every marker
        while (t.TargetAt(SkyProjection::Stereographic(form.Session().Chart), off.x(), off.y()).Slot != -1)
            off.rx() += 5;
        t.OfferPointMenu(SkyProjection::Stereographic(form.Session().Chart), off.x(), off.y(), form.Image1(),
                         {});
        QTRY_VERIFY_WITH_TIMEOUT(
            form.Image1()->Reticle() && std::hypot(form.Image1()->Reticle()->Centre.x() - off.x(),
                                                   form.Image1()->Reticle()->Centre.y() - off.y()) < 1.5,
            5000);

        // Below the horizon, or the limit: refused by name and altitude.
        struct Refusal {
            TelescopeTarget target;
            double limit;
            QString says;
        };
        const EquatorialPlace under{std::fmod(TargetNamed("M31")->J2000.RightAscension + 3.14159, 6.28318),
                                    -41.0 * Deg};
        const Refusal refusals[] = {
            {TargetAtDirection(under.RightAscension, under.Declination), 0.0,
             QStringLiteral("l\u00E1t\u00F3hat\u00E1r alatt")},
            {*TargetNamed("M31"), 89.0, QStringLiteral("89,0\u00B0 als\u00F3 hat\u00E1r alatt")},
        };
        for (const Refusal& r : refusals) {
            TelescopeSettings s = t.Settings();
            s.AltitudeLimit = r.limit;
            t.Apply(s);
            QVERIFY(!t.Point(r.target, true));
            QVERIFY2(t.LastNotice().startsWith(QString::fromStdString(r.target.Name)) &&
                         t.LastNotice().contains(r.says) &&
                         t.LastNotice().contains(QStringLiteral("\u00B0 magasan")),
                     qPrintable(t.LastNotice()));
        }
        QCOMPARE(t.Model().State(), MountState::Tracking);
    }

    void escapeAbortsAndAServerKilledMidSlewIsOneNotice() {
        testing::IndiServer server;
        ProgramWindows w = CreateProgramWindows(folder_.Options());
        TStarsForm& form = *w.StarsForm;
        test::ShowWithChartSize(form, 600, 400);
        PutM31Overhead(form);
        TelescopeControls& t = *form.Telescope();
        // Nobody at the port: one notice, and the title says so.
        TelescopeSettings nobody;
        nobody.Host = "127.0.0.1";
        nobody.Port = testing::FreePort();
        t.Apply(nobody);
        t.ReportNotice = [](const QString&) {};
        t.Connect();
        QVERIFY(form.windowTitle().endsWith(QStringLiteral("kapcsol\u00F3dik")));
        QTRY_COMPARE_WITH_TIMEOUT(t.Notices(), 1, 8000);
        QVERIFY(form.windowTitle().endsWith(QStringLiteral("nincs kapcsolat")));
        ConnectTo(t, server);
        const TelescopeTarget m31 = *TargetNamed("M31");
        const TelescopeTarget away = TargetAtDirection(m31.J2000.RightAscension, 5.0 * Deg);
        QVERIFY(t.Point(away, true));
        QTRY_COMPARE_WITH_TIMEOUT(t.Model().State(), MountState::Slewing, 5000);
        QTest::keyClick(&form, Qt::Key_Escape);
        QTRY_VERIFY_WITH_TIMEOUT(t.Model().State() != MountState::Slewing, 5000);

        QVERIFY(t.Point(m31, true));
        QTRY_COMPARE_WITH_TIMEOUT(t.Model().State(), MountState::Slewing, 5000);
        const int notices = t.Notices();
        server.Stop();
        QTRY_COMPARE_WITH_TIMEOUT(t.Model().State(), MountState::Lost, 5000);
        QTest::qWait(1500);  // nothing more comes of it
        QCOMPARE(t.Notices(), notices + 1);
        QVERIFY(form.Image1()->Reticle() && form.Image1()->Reticle()->Kind == ReticleMark::Look::Lost);
        QVERIFY(form.windowTitle().endsWith(QStringLiteral("elveszett")));
        server.Start();
        ConnectTo(t, server);
        QVERIFY(form.Image1()->Reticle() && form.Image1()->Reticle()->Kind != ReticleMark::Look::Lost);
    }

private:
    test::WindowTestFolder folder_;
};

QTEST_MAIN(TelescopeWindowTest)
#include "telescope_window_test.moc"
