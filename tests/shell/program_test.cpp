// The kolvar executable as a whole: exported functions, ending on SIGTERM or
// SIGINT the way the Exit command does, and settings and font files that are
// FIFOs or devices.
#include <signal.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "shell/program_assets.h"
#include "appcore/settings_file.h"

namespace {

// True once the process has a handler for `signalNumber` (its SigCgt mask).
bool CatchesSignal(qint64 pid, int signalNumber)
{
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
    void loadIniAndSaveIniAreExportedByName()
    {
        QProcess p;
        p.start(QStringLiteral(KOLVAR_EXECUTABLE), {QStringLiteral("--self-check-exports")});
        QVERIFY(p.waitForFinished(20000));
        QByteArray out = p.readAllStandardOutput();
        QCOMPARE(p.exitCode(), 0);
        QVERIFY2(out.contains("LoadIni exported") && out.contains("SaveIni exported"), out.constData());
    }

    void signalEndsTheRunAndSavesTheSettings_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGINT") << SIGINT;
    }

    void signalEndsTheRunAndSavesTheSettings()
    {
        QFETCH(int, signalNumber);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        // A private copy of the program, so its font and settings files land in dir.
        QString exe = dir.filePath(QStringLiteral("kolvar"));
        QVERIFY(QFile::copy(QStringLiteral(KOLVAR_EXECUTABLE), exe));
        QFile::setPermissions(exe, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        std::ofstream(dir.filePath(QStringLiteral("Kolvar.ini")).toStdString())
            << "[Window]\nLeft=7\n[FONTSIZE]\nFontSize=31\n[LOCALTIME]\nZone=2\n";

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
        QVERIFY2(text.str().find("[Window]\nLeft=7\n") != std::string::npos, text.str().c_str());
        kolvar::IniValues v = kolvar::LoadIniFile(dir.filePath(QStringLiteral("Kolvar.ini")).toStdString());
        QCOMPARE(v.FontSize, 31);
        QCOMPARE(v.Zone, 2.0);
        QCOMPARE(v.SummerTime, 0);
        QCOMPARE(v.Longitude, 0.3327296);
    }

    void readOnlyProgramFolderKeepsTheSettingsInTheConfigHome()
    {
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
            p.start(QStringLiteral("unshare"), {QStringLiteral("-m"), QStringLiteral("sh"), QStringLiteral("-c"),
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
        QVERIFY(!QFile::exists(bin + QStringLiteral("/Runex23x.ttf")));  // not writable: skipped, start went on
        kolvar::IniValues v = kolvar::LoadIniFile(configFile.toStdString());
        QCOMPARE(v.FontSize, 22);  // read from, and written back to, the same file
        QCOMPARE(v.Latitude, 0.8305847);
        std::ifstream ini(configFile.toStdString());
        std::stringstream text;
        text << ini.rdbuf();
        QVERIFY2(text.str().find("[GEOPOS]") != std::string::npos, text.str().c_str());
    }

    // Kolvar.ini and Runex23x.ttf as FIFOs without a writer, or as links to a
    // device: the window still opens (a signal then ends the run) and neither
    // file is read, written or replaced.
    void specialSettingsAndFontFilesAreLeftAlone_data()
    {
        QTest::addColumn<bool>("fifo");
        QTest::newRow("FIFOs") << true;
        QTest::newRow("links to a device") << false;
    }

    void specialSettingsAndFontFilesAreLeftAlone()
    {
        QFETCH(bool, fifo);
        QTemporaryDir dir;
        const std::filesystem::path folder = dir.path().toStdString();
        QVERIFY(std::filesystem::copy_file(KOLVAR_EXECUTABLE, folder / "kolvar"));
        // Our own null device where we may make one, so nothing real is at stake.
        std::filesystem::path device = folder / "null";
        if (::geteuid() != 0 || ::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0) device = "/dev/null";
        for (const char* name : {"Kolvar.ini", "Runex23x.ttf"})
            QVERIFY(fifo ? ::mkfifo((folder / name).c_str(), 0600) == 0
                         : (std::filesystem::create_symlink(device, folder / name), true));

        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        p.setProcessEnvironment(env);
        p.start(QString::fromStdString((folder / "kolvar").string()), {});
        QVERIFY(p.waitForStarted(20000));
        QTRY_VERIFY_WITH_TIMEOUT(CatchesSignal(p.processId(), SIGTERM), 30000);
        ::kill(static_cast<pid_t>(p.processId()), SIGTERM);
        QVERIFY2(p.waitForFinished(30000), "the program hangs");  // an exit needs the event loop
        QCOMPARE(p.exitCode(), 0);
        for (const char* name : {"Kolvar.ini", "Runex23x.ttf"}) {
            const auto kind = std::filesystem::symlink_status(folder / name).type();
            QCOMPARE(kind, fifo ? std::filesystem::file_type::fifo : std::filesystem::file_type::symlink);
            QVERIFY(fifo || std::filesystem::is_character_file(folder / name));
        }
        const long made = device == "/dev/null" ? 3 : 4;  // nothing else, no temporary
        QCOMPARE(std::distance(std::filesystem::directory_iterator(folder), {}), made);
    }
};

QTEST_GUILESS_MAIN(ProgramTest)
#include "program_test.moc"
