#pragma once

#include <filesystem>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "appcore/runic_font_file.h"
#include "dialogs/help_form.h"
#include "dialogs/info_dlg.h"
#include "dialogs/place_dlg.h"
#include "dialogs/plain_sky.h"
#include "dialogs/time_dlg.h"
#include "shell/stars_form.h"

namespace kolvar {

// A start-up step that cannot go on; Step() names it.
class StartupError : public std::runtime_error {
public:
    StartupError(std::string step, const std::string& detail)
        : std::runtime_error(step + ": " + detail), step_(std::move(step)) {}
    const std::string& Step() const { return step_; }

private:
    std::string step_;
};

// Makes the embedded runic face usable: writes it to programDirectory as
// Runex23x.ttf (rewritten at every start, atomically; a failure to write is ignored),
// registers it with the canvas and with Qt (a QGuiApplication must exist).
// Missing font bytes throw StartupError with the step "FindResource"; a face
// that Qt rejects is reported on stderr and start-up goes on.
void InstallRunicFont(const std::filesystem::path& programDirectory, std::span<const unsigned char> font);

// The six windows, kept for the whole run; members in creation order, so
// they are destroyed in reverse and the main window goes last.
struct ProgramWindows {
    std::unique_ptr<TStarsForm> StarsForm;
    std::unique_ptr<TInfoDlg> InfoDlg;
    std::unique_ptr<TTimeDlg> TimeDlg;
    std::unique_ptr<TPlaceDlg> PlaceDlg;
    std::unique_ptr<TPlainSky> PlainSky;
    std::unique_ptr<THelpForm1> HelpForm1;
};

// Creates the six windows in order (the main window's FormCreate runs before
// the next one exists) and connects the menu to the dialogs, the time and
// place commands to their exchanges with the main window's observer. When options.ReportError
// is given it also receives the texts that the dialogs cannot read. When
// `trace` is given, each step appends its name.
ProgramWindows CreateProgramWindows(TStarsForm::Options options, std::vector<std::string>* trace = nullptr);

// The whole program: tables, application object, font, title, windows, icon,
// event loop. Returns the exit status.
int RunProgram(int argc, char** argv);

// Looks LoadIni and SaveIni up in the running executable's dynamic symbol
// table; prints what it found. Returns 0 when both are exported by name.
int CheckExportedFunctions();

}  // namespace kolvar
