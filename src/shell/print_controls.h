#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "chart/view_options.h"
#include "print/plan_sheet.h"
#include "print/print_document.h"
#include "shell/sky_session.h"

class QAction;
class QFont;
class QMenu;
class QPrinter;
class QPrintPreviewDialog;
class QWidget;

namespace kolvar {

// Printing from the main window: "Nyomtatás..." (Ctrl+P) opens a print
// preview of the sheet, whose print button brings up the system's print
// dialog; "Mentés képként..." (Ctrl+S) saves the sheet as a PDF, SVG or PNG
// file. Both show the observer's sky as it stands when they are chosen.
class PrintControls : public QObject {
    Q_OBJECT
public:
    // `window` parents the dialogs and takes the keys; `observer` is the
    // state that is printed.
    PrintControls(QWidget* window, const SkySession& sky);

    QAction* PrintAction() const { return print_; }
    QAction* SaveAction() const { return save_; }

    // Puts both items into `menu` before `before`, behind a separator.
    void AddToMenu(QMenu* menu, QAction* before);
    // Gives both items in `menu` their runic captions in `menuFont`, with their keys.
    void SetUpCaptions(QMenu* menu, const QFont& menuFont);

    // The commands.
    void Print();
    void SaveAsImage();

    // A finder chart around a J2000 direction (radians), `fieldDegrees`
    // across, with circles of those diameters, saved as a PDF, SVG or PNG
    // file like the sheet; the close-up asks for it.
    void SaveFinderChart(double rightAscension, double declination, double fieldDegrees,
                         const std::vector<double>& circles);

    // Tonight's plan (print/plan_sheet.h), saved as a PDF like the sheet.
    void SaveTonightPlan(const PlanSheetRequest& plan);

    // The sheet of the observer's sky as it stands now.
    PrintRequest CurrentSheet() const;

    // Replaceable for tests and scripted runs: how the preview is shown
    // (default: modal), which file a save goes to (default: a file dialog;
    // empty means cancelled) and how a failure is told (default: a message box).
    std::function<void(QPrintPreviewDialog&)> ShowPreview;
    std::function<QString()> ChooseFile;
    // The grids and lines the chart shows, drawn on the sheet too.
    std::function<SkyLines()> Lines;
    // The local skyline the chart shows, drawn on the sheet too (none: no skyline).
    std::function<std::function<double(double azimuth)>()> Skyline;
    std::function<void(const QString&)> ReportError;

private:
    // Asks for the file (or takes ChooseFile's), then writes what `print`
    // draws in its format; failures are told.
    void SaveDocument(const QString& suggestedName,
                      const std::function<std::string(PrintFormat, std::string&)>& print);

    QWidget* window_;
    const SkySession& sky_;
    QAction* print_ = nullptr;
    QAction* save_ = nullptr;
};

// Puts `sheet` on `printer` at the printer's paper (A4, A3 or letter; A4 for
// any other) and orientation. A printer that writes a PDF file gets the
// vector sheet (text and lines, as saving a PDF gives); a printer of the
// printing system gets that PDF through its `lp` command, `lp` (LpCommand)
// being how the printing system takes PDF. Only a preview, or a system
// without `lp`, gets the sheet painted as pictures, a band at a time at the
// printer's resolution, at most 600 dpi (150 dpi in a preview). "" or the
// reason.
QString PaintSheetOnPrinter(QPrinter& printer, const PrintRequest& sheet);

// The command that hands a PDF to the printing system ("lp"; tests put their
// own in its place).
extern QString LpCommand;

// Hands `pdf` to the printing system's printer `printerName` through
// LpCommand, `copies` times, as the job `title`. "" or a one-line reason (lp
// missing, refused, or silent for a minute).
QString HandPdfToPrinter(const QString& printerName, int copies, const QString& title,
                         const std::string& pdf);

}  // namespace kolvar
