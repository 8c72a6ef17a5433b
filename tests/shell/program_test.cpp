// The kolvar executable as a whole: exported functions, and ending on SIGTERM
// or SIGINT the way the Exit command does.
#include <signal.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "appcore/settings_file.h"
#include "shell/program_assets.h"
#include "shell/qt_translations.h"

namespace {

// True once the process has a handler for `signalNumber` (its SigCgt mask).
bool CatchesSignal(qint64 pid, int signalNumber) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("SigCgt:", 0) == 0) {
            unsigned long long mask = std::stoull(line.substr(7), nullptr, 16);
            return (mask >> (signalNumber - 1)) & 1U;
        }
    return false;
}

}  // namespace

class ProgramTest : public QObject {
    Q_OBJECT

private slots:
    // Qt's own buttons and dialogs in Hungarian (qt6-translations-l10n).
    void qtsOwnTextsAreHungarian() {
        QVERIFY(kolvar::InstallQtTranslations(*QCoreApplication::instance()));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("M\u00e9gse"));
        QCOMPARE(QCoreApplication::translate("QPrintDialog", "Print"), QStringLiteral("Nyomtat\u00e1s"));
    }

    void loadIniAndSaveIniAreExportedByName() {
        QProcess p;
        p.start(QStringLiteral(KOLVAR_EXECUTABLE), {QStringLiteral("--self-check-exports")});
        QVERIFY(p.waitForFinished(20000));
        QByteArray out = p.readAllStandardOutput();
        QCOMPARE(p.exitCode(), 0);
        QVERIFY2(out.contains("LoadIni exported") && out.contains("SaveIni exported"), out.constData());
    }

    void signalEndsTheRunAndSavesTheSettings_data() {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGINT") << SIGINT;
        QTest::newRow("SIGHUP") << SIGHUP;  // the terminal closed
        QTest::newRow("SIGUSR1") << SIGUSR1;
    }

    // The display going away ends the run inside Qt; the settings are saved
    // all the same (the window's placement shows they were written).
    void lostDisplaySavesTheSettings() {
        if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty()) QSKIP("no Xvfb here");
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QString exe = dir.filePath(QStringLiteral("kolvar"));
        QVERIFY(QFile::copy(QStringLiteral(KOLVAR_EXECUTABLE), exe));
        QFile::setPermissions(exe, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const std::string iniPath = dir.filePath(QStringLiteral("Kolvar.ini")).toStdString();
        std::ofstream(iniPath) << "[FONTSIZE]\nFontSize=31\n";

        QProcess server;
        server.start(QStringLiteral("Xvfb"),
                     {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                      QStringLiteral("0"), QStringLiteral("1280x1024x24")});
        QVERIFY(server.waitForStarted(20000));
        QTRY_VERIFY_WITH_TIMEOUT(server.canReadLine(), 20000);
        const QString display = QStringLiteral(":") + QString::fromLatin1(server.readLine()).trimmed();

        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.insert(QStringLiteral("DISPLAY"), display);
        p.setProcessEnvironment(env);
        p.start(exe, {});
        QVERIFY(p.waitForStarted(20000));
        QTRY_VERIFY_WITH_TIMEOUT(CatchesSignal(p.processId(), SIGHUP), 30000);
        QTest::qWait(3000);  // the window is shown
        server.terminate();
        QVERIFY(server.waitForFinished(20000));
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);

        std::ifstream ini(iniPath);
        std::stringstream text;
        text << ini.rdbuf();
        QVERIFY2(text.str().find("[WINDOW]\nLeft=") != std::string::npos, text.str().c_str());
        QCOMPARE(kolvar::LoadIniFile(iniPath).FontSize, 31);
    }

    void signalEndsTheRunAndSavesTheSettings() {
        QFETCH(int, signalNumber);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        // A private copy of the program, so its font and settings files land in dir.
        QString exe = dir.filePath(QStringLiteral("kolvar"));
        QVERIFY(QFile::copy(QStringLiteral(KOLVAR_EXECUTABLE), exe));
        QFile::setPermissions(exe, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        std::ofstream(dir.filePath(QStringLiteral("Kolvar.ini")).toStdString())
            << "[Other]\nLeft=7\n[FONTSIZE]\nFontSize=31\n[LOCALTIME]\nZone=2\n";

        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        p.setProcessEnvironment(env);
        p.start(exe, {});
        QVERIFY(p.waitForStarted(20000));
        QTRY_VERIFY_WITH_TIMEOUT(CatchesSignal(p.processId(), signalNumber), 30000);
        ::kill(static_cast<pid_t>(p.processId()), signalNumber);
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 0);

        QFile font(dir.filePath(QStringLiteral("Runex23x.ttf")));
        QVERIFY(font.exists());
        QCOMPARE(static_cast<std::size_t>(font.size()), kolvar::RunicFontFileBytes().size());

        std::ifstream ini(dir.filePath(QStringLiteral("Kolvar.ini")).toStdString());
        std::stringstream text;
        text << ini.rdbuf();
        QVERIFY2(text.str().find("[Other]\nLeft=7\n") != std::string::npos, text.str().c_str());
        kolvar::IniValues v = kolvar::LoadIniFile(dir.filePath(QStringLiteral("Kolvar.ini")).toStdString());
        QCOMPARE(v.FontSize, 31);
        QCOMPARE(v.Zone, 2.0);
        QCOMPARE(v.SummerTime, 0);
        QCOMPARE(v.Longitude, 0.3327296);
    }

    void readOnlyProgramFolderKeepsTheSettingsInTheConfigHome() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QDir(dir.path()).mkpath(QStringLiteral("bin"));
        QDir(dir.path()).mkpath(QStringLiteral("home/.config/kolvar"));
        QString bin = dir.filePath(QStringLiteral("bin"));
        QString exe = bin + QStringLiteral("/kolvar");
        QVERIFY(QFile::copy(QStringLiteral(KOLVAR_EXECUTABLE), exe));
        QFile::setPermissions(exe, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
        QString configFile = dir.filePath(QStringLiteral("home/.config/kolvar/Kolvar.ini"));
        std::ofstream(configFile.toStdString()) << "[FONTSIZE]\nFontSize=22\n";

        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("HOME"), dir.filePath(QStringLiteral("home")));
        env.remove(QStringLiteral("XDG_CONFIG_HOME"));
        p.setProcessEnvironment(env);
        if (::geteuid() != 0) {
            QFile::setPermissions(bin, QFile::ReadOwner | QFile::ExeOwner);
            p.start(exe, {});
        } else {
            // The superuser may write anywhere; a read-only bind mount is what stops it.
            QString mount = QStringLiteral("mount --bind %1 %1 && mount -o remount,bind,ro %1 %1").arg(bin);
            if (QProcess::execute(QStringLiteral("unshare"), {QStringLiteral("-m"), QStringLiteral("sh"),
                                                              QStringLiteral("-c"), mount}) != 0)
                QSKIP("no read-only bind mount available here");
            p.start(QStringLiteral("unshare"),
                    {QStringLiteral("-m"), QStringLiteral("sh"), QStringLiteral("-c"),
                     mount + QStringLiteral(" && exec ") + exe});
        }
        QVERIFY(p.waitForStarted(20000));
        QTRY_VERIFY_WITH_TIMEOUT(CatchesSignal(p.processId(), SIGTERM), 30000);
        ::kill(static_cast<pid_t>(p.processId()), SIGTERM);
        QVERIFY(p.waitForFinished(30000));
        QFile::setPermissions(bin, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 0);

        QVERIFY(!QFile::exists(bin + QStringLiteral("/Kolvar.ini")));
        QVERIFY(
            !QFile::exists(bin + QStringLiteral("/Runex23x.ttf")));  // not writable: skipped, start went on
        kolvar::IniValues v = kolvar::LoadIniFile(configFile.toStdString());
        QCOMPARE(v.FontSize, 22);  // read from, and written back to, the same file
        QCOMPARE(v.Latitude, 0.8305847);
        std::ifstream ini(configFile.toStdString());
        std::stringstream text;
        text << ini.rdbuf();
        QVERIFY2(text.str().find("[GEOPOS]") != std::string::npos, text.str().c_str());
    }

    // Kolvar.ini and Runex23x.ttf as FIFOs without a writer, or as links to a device: the window
    // still opens (only then can a signal end the run) and neither file is read, written or replaced.
    void specialSettingsAndFontFilesAreLeftAlone() {
        namespace fs = std::filesystem;
        for (const bool fifo : {true, false}) {
            QTemporaryDir dir;
            const fs::path folder = dir.path().toStdString(), names[] = {"Kolvar.ini", "Runex23x.ttf"};
            fs::copy_file(KOLVAR_EXECUTABLE, folder / "kolvar");
            // Our own null device where we may make one, so nothing real is at stake.
            const bool made =
                ::geteuid() == 0 && ::mknod((folder / "null").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
            const fs::path device = made ? folder / "null" : "/dev/null";
            for (const auto& name : names)
                fifo ? ::mkfifo((folder / name).c_str(), 0600)
                     : (fs::create_symlink(device, folder / name), 0);
            QProcess p;
            p.setEnvironment(QProcess::systemEnvironment() << QStringLiteral("QT_QPA_PLATFORM=offscreen"));
            p.start(QString::fromStdString((folder / "kolvar").string()), {});
            QVERIFY(p.waitForStarted(20000));  // before that, the test's own signal handlers would show
            QTRY_VERIFY_WITH_TIMEOUT(CatchesSignal(p.processId(), SIGTERM), 30000);
            ::kill(static_cast<pid_t>(p.processId()), SIGTERM);
            QVERIFY(p.waitForFinished(30000));
            const QByteArray err = p.readAllStandardError();
            QVERIFY2(p.exitCode() == 0, err.constData());
            // The settings it may not write are told in one line that names them.
            const QByteArray told =
                "kolvar: cannot save the settings to " + QByteArray((folder / names[0]).c_str()) + ": ";
            QVERIFY2(err.count(told) == 1 && err.count("Kolvar.ini") == 1 && !err.contains("\n\n"),
                     err.constData());
            for (const auto& name : names)
                QVERIFY(fifo ? fs::is_fifo(folder / name)
                             : fs::is_symlink(folder / name) && fs::is_character_file(device));
            QCOMPARE(std::distance(fs::directory_iterator(folder), {}), made ? 4L : 3L);  // no temporary left
        }
    }
};

QTEST_GUILESS_MAIN(ProgramTest)
#include "program_test.moc"
