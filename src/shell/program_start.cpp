#include "shell/program_start.h"

#include <dlfcn.h>

#include <QApplication>
#include <QByteArray>
#include <QFontDatabase>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>

#include "appcore/program_path.h"
#include "appcore/runic_font_file.h"
#include "appcore/settings_file.h"
#include "canvas/program_fonts.h"
#include "catalog/static_tables.h"
#include "dialogs/place_exchange.h"
#include "dialogs/time_exchange.h"
#include "shell/equipment_controls.h"
#include "shell/list_controls.h"
#include "shell/object_controls.h"
#include "shell/print_controls.h"
#include "shell/program_assets.h"
#include "shell/qt_translations.h"
#include "shell/runic_menu_bar.h"
#include "shell/signal_quit.h"
#include "shell/telescope_controls.h"
#include "shell/time_controls.h"
#include "shell/view_controls.h"
#include "sky/observer_state.h"

namespace kolvar {
namespace {

void Note(std::vector<std::string>* trace, const char* step) {
    if (trace != nullptr) trace->emplace_back(step);
}

}  // namespace

void InstallRunicFont(const std::filesystem::path& programDirectory, std::span<const unsigned char> font) {
    if (font.empty())
        throw StartupError("FindResource", "the runic font Runex23x.ttf is not embedded in the program");
    // Rewritten at every start; a folder we cannot write to is no reason to stop.
    if (MayKeepFilesBeside(programDirectory)) WriteRunicFontFile(programDirectory, font);
    if (!RegisterProgramFonts())
        std::fprintf(stderr,
                     "kolvar: the canvas could not read the embedded faces; chart labels will not show\n");
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(font.data()),
                                               static_cast<qsizetype>(font.size()));
    if (QFontDatabase::addApplicationFontFromData(bytes) < 0)
        std::fprintf(stderr, "kolvar: the runic font was not accepted; runic captions will not show\n");
}

ProgramWindows CreateProgramWindows(TStarsForm::Options options, std::vector<std::string>* trace) {
    ProgramWindows w;
    const ErrorReporter given = options.ReportError;
    const QString settingsPath = QString::fromStdString(options.SettingsFile.string());
    w.StarsForm = std::make_unique<TStarsForm>(std::move(options));
    Note(trace, "TStarsForm");
    w.InfoDlg = std::make_unique<TInfoDlg>(w.StarsForm.get());
    Note(trace, "TInfoDlg");
    w.TimeDlg = std::make_unique<TTimeDlg>(w.StarsForm.get());
    Note(trace, "TTimeDlg");
    w.PlaceDlg = std::make_unique<TPlaceDlg>(w.StarsForm.get());
    Note(trace, "TPlaceDlg");
    SkySession& session = w.StarsForm->Session();
    w.PlainSky = std::make_unique<TPlainSky>(
        MainChart{
            session.Scene(), session.Chart, &w.StarsForm->View()->Options(),
            [view = w.StarsForm->View()](int slot) { view->Select(slot); },
            [e = w.StarsForm->Equipment()] { return e->Circles(); },
            [e = w.StarsForm->Equipment()] { return e->FitsEyepiece() ? e->EyepieceField() : std::nullopt; },
            [e = w.StarsForm->Equipment()] { return e->EyepieceField(); },
            [form = w.StarsForm.get()] { return form->MainMenu1()->CaptionFont(); }},
        w.StarsForm.get());
    Note(trace, "TPlainSky");
    w.HelpForm1 = std::make_unique<THelpForm1>(w.StarsForm.get());
    Note(trace, "THelpForm1");

    w.HelpForm1->SetSettingsPath(settingsPath);
    // The close-up opens where it was last closed, and tells the settings.
    w.PlainSky->RestorePlacement(w.StarsForm->Desktop().CloseUp);
    w.PlainSky->OnClosed = [form = w.StarsForm.get()](const WindowPlacement& p) {
        form->SetCloseUpPlacement(p);
        form->Objects()->ModalClosed();
    };
    w.PlainSky->OnObjectWindow = [objects = w.StarsForm->Objects()](int slot) { objects->OpenSlot(slot); };

    TStarsForm::Dialogs dialogs;
    dialogs.InfoDlg = w.InfoDlg.get();
    dialogs.HelpForm1 = w.HelpForm1.get();
    // Texts the dialogs cannot read are told in a message box over the window
    // that is open at the time, or to the reporter the caller gave.
    if (given) w.TimeDlg->ReportError = given;
    const ErrorReporter report = given ? given : MessageBoxReporter(w.StarsForm.get());
    dialogs.TimeExchange = [dialog = w.TimeDlg.get(), &observer = session.Observer, report] {
        return RunTimeExchange(*dialog, observer, report);
    };
    dialogs.PlaceExchange = [dialog = w.PlaceDlg.get(), &session, report] {
        return RunPlaceExchange(*dialog, session.Observer, session.PlaceName, report);
    };
    dialogs.ShowScript = [info = w.InfoDlg.get(), time = w.TimeDlg.get(), place = w.PlaceDlg.get(),
                          help = w.HelpForm1.get()] {
        info->ShowScript();
        time->ShowScript();
        place->ShowScript();
        help->ShowScript();
    };
    w.StarsForm->SetDialogs(std::move(dialogs));
    // A right press on the chart opens the close-up, which paints the Moon
    // with the main window's phase picture.
    w.StarsForm->SetCloseUpOpener([sky = w.PlainSky.get(), form = w.StarsForm.get()](
                                      const HorizontalPosition& viewCentre, std::int32_t fontSize) {
        sky->OpenAt(viewCentre, fontSize, form->MoonResult().Picture);
    });
    // The close-up, while open, follows the chart as the time moves, and
    // takes the time keys like the chart does.
    w.StarsForm->OnRedrawn = [sky = w.PlainSky.get()] {
        if (sky->isVisible()) sky->ChartRedrawn();
    };
    // Escape aborts a slew there too, before it closes the window.
    w.PlainSky->OnKey = [time = w.StarsForm->Time(),
                         telescope = w.StarsForm->Telescope()](const QKeyEvent& event) {
        return telescope->HandleKey(event) || time->HandleKey(event);
    };
    w.StarsForm->Telescope()->AttachCloseUp(w.PlainSky.get());
    w.StarsForm->Lists()->AttachCloseUp(w.PlainSky.get());
    // Ctrl+P in the close-up saves a finder chart of its view with the equipment's circles.
    w.PlainSky->OnFinderChart = [form = w.StarsForm.get()](double ra, double dec, double field) {
        form->Printing()->SaveFinderChart(ra, dec, field, form->Equipment()->Circles());
    };
    return w;
}

int RunProgram(int argc, char** argv) {
    // The menu's caption table is constant data, ready before main; the
    // catalogue tables are built here in their fixed order, before any
    // window exists (each main window fills its own objects table).
    InitStaticTables();
    QApplication app(argc, argv);  // also sets the C locale from the environment
    InstallQtTranslations(app);

    // SIGTERM and SIGINT end the run like the exit command, from here to the
    // last file written: declared before the windows, this outlives the
    // settings save in their destructors, so no signal cuts a file write
    // short. One that comes before the window exists waits for the event loop.
    TStarsForm* mainWindow = nullptr;
    SignalQuit quitOnSignal([&mainWindow](int signalNumber) {
        if (mainWindow != nullptr) mainWindow->QuitOnSignal(signalNumber);
    });

    try {
        InstallRunicFont(ProgramDirectory(), RunicFontFileBytes());
    } catch (const StartupError& e) {
        std::fprintf(stderr, "kolvar: start-up failed at step %s\n", e.what());
        QMessageBox::critical(
            nullptr, QStringLiteral("Kolvar"),
            QStringLiteral("Kolvar cannot start.\n\nFailed step: %1").arg(QString::fromUtf8(e.what())));
        return 1;
    }

    // No display name: Qt would append it to every window title, and the
    // main window's title already begins with the program's name.
    QApplication::setApplicationName(QStringLiteral("Kolvar"));
    QApplication::setDesktopFileName(QStringLiteral("kolvar"));

    TStarsForm::Options options;
    options.SettingsFile = SettingsFilePath();
    ProgramWindows windows = CreateProgramWindows(std::move(options));
    mainWindow = windows.StarsForm.get();
    // A lost display ends the run inside Qt with exit(), past every window's
    // destructor: the settings are saved from the exit handler instead.
    static TStarsForm* savedAtExit = nullptr;
    savedAtExit = mainWindow;
    std::atexit([] {
        if (savedAtExit != nullptr) savedAtExit->SaveOnLostDisplay();
    });

    QApplication::setWindowIcon(ProgramIcon());

    windows.StarsForm->show();
    QApplication::exec();
    savedAtExit = nullptr;
    return 0;  // the windows go now, the main window last, which saves the settings
}

int CheckExportedFunctions() {
    void* load = ::dlsym(RTLD_DEFAULT, "LoadIni");
    void* save = ::dlsym(RTLD_DEFAULT, "SaveIni");
    std::printf("LoadIni %s\nSaveIni %s\n", load ? "exported" : "missing", save ? "exported" : "missing");
    bool same = load == reinterpret_cast<void*>(&LoadIni) && save == reinterpret_cast<void*>(&SaveIni);
    return load && save && same ? 0 : 1;
}

}  // namespace kolvar
