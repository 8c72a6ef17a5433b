#include "shell/print_controls.h"

#include <QAction>
#include <QFileDialog>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QImage>
#include <QMenu>
#include <QMessageBox>
#include <QPageLayout>
#include <QPaintEngine>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QShortcut>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "appcore/deep_star_catalogue.h"
#include "appcore/file_writer.h"
#include "chart/sky_phase.h"
#include "print/print_texts.h"
#include "print/sheet_picture.h"
#include "texts/print_captions.h"
#include "widgets/menu_key_style.h"
#include "widgets/night_palette.h"
#include "widgets/runic_text.h"
#include "widgets/script_text.h"

namespace kolvar {

namespace {

// The keys of print and save as image, as handled and as shown beside their items.
constexpr char PrintKey[] = "Ctrl+P", SaveKey[] = "Ctrl+S";

constexpr int PreviewDpi = 150;
constexpr int BandRows = 512;

SheetOptions PrinterSheet(const QPrinter& printer) {
    SheetOptions options;
    const QPageLayout page = printer.pageLayout();
    switch (page.pageSize().id()) {
        case QPageSize::A3:
            options.Sheet = Paper::A3;
            break;
        case QPageSize::Letter:
            options.Sheet = Paper::Letter;
            break;
        default:
            options.Sheet = Paper::A4;
            break;
    }
    options.Landscape = page.orientation() == QPageLayout::Landscape;
    return options;
}

// "name: nem írható: Nincs több hely az eszközön", in English where the
// Hungarian of a part is not known.
QString WriteFailureText(const WriteFailure& failure) {
    const std::string_view action = FileActionText(failure.Action);
    const std::string_view reason = ErrorCodeText(failure.Error);
    const QString name = QString::fromStdString(failure.Name);
    if (action.empty())
        return QString::fromStdString(failure.Action + " ") + name + QStringLiteral(": ") +
               (reason.empty() ? QString::fromStdString(failure.Reason) : PlainString(reason));
    return name + QLatin1Char(' ') + PlainString(action) + QStringLiteral(": ") +
           (reason.empty() ? QString::fromStdString(failure.Reason) : PlainString(reason));
}

QString Led(std::string_view lead, const QString& cause) {
    return PlainString(lead) + QStringLiteral(": ") + cause;
}

void ShowFailure(const QString& text) {
    std::fprintf(stderr, "kolvar: %s\n", text.toLocal8Bit().constData());
    QMessageBox::critical(nullptr, QStringLiteral("Kolvar"), text);
}

// The sheet as one PDF page, as a printer's PDF file or the printing
// system's job. False when the printer takes pictures only (a preview, no
// `lp`); otherwise true, with the reason of a failure in `error`.
bool SendSheetAsPdf(QPrinter& printer, const PrintRequest& sheet, QString& error) {
    if (printer.paintEngine() != nullptr && printer.paintEngine()->type() == QPaintEngine::Picture)
        return false;  // a preview records what is painted
    const bool toFile = printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
    if (!toFile && (QStandardPaths::findExecutable(LpCommand).isEmpty() || printer.printerName().isEmpty()))
        return false;
    std::string bytes;
    if (const std::string failed = PrintSheets({&sheet, 1}, PrintFormat::Pdf, PrinterSheet(printer), bytes);
        !failed.empty()) {
        error = QString::fromStdString(failed);
    } else if (toFile) {
        if (const auto failure =
                WriteFile(printer.outputFileName().toStdString(), bytes, DesktopExportPolicy))
            error = WriteFailureText(*failure);
    } else {
        DropPageGroups(bytes);
        error = HandPdfToPrinter(printer.printerName(), printer.copyCount(),
                                 printer.docName().isEmpty() ? QStringLiteral("Kolvar") : printer.docName(),
                                 bytes);
    }
    return true;
}

}  // namespace

QString LpCommand = QStringLiteral("lp");

QString HandPdfToPrinter(const QString& printerName, int copies, const QString& title,
                         const std::string& pdf) {
    const QString lp = QStandardPaths::findExecutable(LpCommand);
    if (lp.isEmpty()) return LpCommand + QStringLiteral(": ") + PlainString(PrinterRefusedText);
    const QTemporaryDir folder;
    const QString job = folder.filePath(QStringLiteral("kolvar-sheet.pdf"));
    if (const auto failure = WriteFile(job.toStdString(), pdf, DesktopExportPolicy))
        return WriteFailureText(*failure);
    // lp has sent the file to the spooler when it exits; the folder can go then.
    QProcess process;
    process.start(
        lp, {QStringLiteral("-d"), printerName, QStringLiteral("-n"), QString::number(std::max(1, copies)),
             QStringLiteral("-t"), title, QStringLiteral("--"), job});
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return lp + QStringLiteral(": ") + PlainString(PrinterRefusedText);
    }
    if (process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0) return {};
    const QString said =
        QString::fromLocal8Bit(process.readAllStandardError()).trimmed().section(QLatin1Char('\n'), 0, 0);
    return lp + QStringLiteral(": ") + (said.isEmpty() ? PlainString(PrinterRefusedText) : said);
}

QString PaintSheetOnPrinter(QPrinter& printer, const PrintRequest& sheet) {
    if (QString sent; SendSheetAsPdf(printer, sheet, sent)) return sent;
    std::string error;
    const std::unique_ptr<SheetPicture> picture = SheetPicture::Record(sheet, PrinterSheet(printer), error);
    if (!picture) return QString::fromStdString(error);
    printer.setFullPage(true);  // the sheet keeps its own margins
    QPainter painter;
    if (!painter.begin(&printer)) return PlainString(PrinterRefusedText);
    const bool preview = painter.paintEngine()->type() == QPaintEngine::Picture;
    // In the night view the preview shows the sheet in the chart's night reds;
    // the printer still gets its true colours.
    const bool night = preview && NightWindows();
    const double dpi = preview ? PreviewDpi : std::min(printer.resolution(), MaxPrintDpi);
    const double toPrinter = printer.resolution() / dpi;
    const int height = SheetPixels(picture->Layout().Page.Height, dpi);
    std::vector<std::uint32_t> pixels;
    for (int top = 0; top < height; top += BandRows) {
        const int rows = std::min(BandRows, height - top);
        int width = 0;
        error = picture->PaintRows(dpi, top, rows, pixels, width);
        if (!error.empty()) break;
        if (night)
            for (std::uint32_t& pixel : pixels) {
                const Colour red =
                    NightColour({static_cast<std::uint8_t>(pixel >> 16),
                                 static_cast<std::uint8_t>(pixel >> 8), static_cast<std::uint8_t>(pixel)});
                pixel = 0xFF000000u | static_cast<std::uint32_t>(red.Red) << 16;
            }
        // A copy the image owns: a preview keeps the pictures it is given.
        const QImage band =
            QImage(reinterpret_cast<const uchar*>(pixels.data()), width, rows, QImage::Format_RGB32).copy();
        painter.drawImage(QRectF(0, top * toPrinter, width * toPrinter, rows * toPrinter), band);
    }
    painter.end();
    return QString::fromStdString(error);
}

PrintControls::PrintControls(QWidget* window, const SkySession& sky)
    : QObject(window), window_(window), sky_(sky) {
    print_ = new QAction(PlainString(PrintMenuCaptions().Print.Hungarian), this);
    print_->setObjectName(QStringLiteral("Print1"));
    save_ = new QAction(PlainString(PrintMenuCaptions().SaveAsImage.Hungarian), this);
    save_->setObjectName(QStringLiteral("SaveAsImage1"));
    connect(print_, &QAction::triggered, this, &PrintControls::Print);
    connect(save_, &QAction::triggered, this, &PrintControls::SaveAsImage);
    // The keys live on the window; the items only show them.
    auto* printKey =
        new QShortcut(QKeySequence(QString::fromLatin1(PrintKey)), window, this, &PrintControls::Print);
    auto* saveKey =
        new QShortcut(QKeySequence(QString::fromLatin1(SaveKey)), window, this, &PrintControls::SaveAsImage);
    printKey->setObjectName(QStringLiteral("PrintKey"));
    saveKey->setObjectName(QStringLiteral("SaveKey"));
}

void PrintControls::AddToMenu(QMenu* menu, QAction* before) {
    menu->insertAction(before, print_);
    menu->insertAction(before, save_);
    menu->insertSeparator(before);
}

void PrintControls::SetUpCaptions(QMenu* menu, const QFont& menuFont) {
    UseMenuKeyStyle(*menu, menuFont);  // the keys beside the captions in a plain face
    const PrintMenuTexts& t = PrintMenuCaptions();
    ShowCaption(print_, t.Print.Text(), PrintKey);
    ShowCaption(save_, t.SaveAsImage.Text(), SaveKey);
}

PrintRequest PrintControls::CurrentSheet() const {
    PrintRequest sheet;
    sheet.Observer = sky_.Observer;
    sheet.Header = PrintHeaderFor(sky_.Observer, sky_.PlaceName, DefaultPrintTitle);
    if (Lines) sheet.Lines = Lines();
    if (Skyline) sheet.Skyline = Skyline();
    return sheet;
}

void PrintControls::Print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(QStringLiteral("Kolvar"));
    QPrintPreviewDialog dialog(&printer, window_);
    dialog.setObjectName(QStringLiteral("PrintPreview"));
    // The preview lays its sheets on a grey of its own, which the night palette does not reach.
    if (NightWindows())
        if (auto* view = dialog.findChild<QGraphicsView*>(); view != nullptr && view->scene() != nullptr)
            view->scene()->setBackgroundBrush(NightPaletteOf(view->palette()).color(QPalette::Window));
    const PrintRequest sheet = CurrentSheet();
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this, [this, &sheet](QPrinter* target) {
        const QString error = PaintSheetOnPrinter(*target, sheet);
        if (!error.isEmpty()) (ReportError ? ReportError : ShowFailure)(Led(PrintFailedLead, error));
    });
    if (ShowPreview)
        ShowPreview(dialog);
    else
        dialog.exec();
}

void PrintControls::SaveAsImage() {
    const PrintRequest sheet = CurrentSheet();
    SaveDocument(QStringLiteral("kolvar-sky.pdf"), [&sheet](PrintFormat format, std::string& bytes) {
        return PrintSheets({&sheet, 1}, format, SheetOptions{}, bytes);
    });
}

void PrintControls::SaveFinderChart(double rightAscension, double declination, double fieldDegrees,
                                    const std::vector<double>& circles) {
    FinderChartRequest chart;
    chart.RightAscension = rightAscension;
    chart.Declination = declination;
    chart.FieldDegrees = std::clamp(fieldDegrees, MinFinderFieldDegrees, MaxFinderFieldDegrees);
    chart.Circles = circles;
    chart.YearsSince2000 = (sky_.Observer.JulianDay - 2451545.0) / 365.25;
    chart.Stars = &ProgramDeepStars();
    SaveDocument(QStringLiteral("kolvar-finder.pdf"), [&chart](PrintFormat format, std::string& bytes) {
        return PrintFinderChart(chart, format, SheetOptions{}, bytes);
    });
}

void PrintControls::SaveTonightPlan(const PlanSheetRequest& plan) {
    SaveDocument(QStringLiteral("kolvar-tonight.pdf"), [&plan](PrintFormat format, std::string& bytes) {
        return PrintPlan(plan, format, SheetOptions{}, bytes);
    });
}

void PrintControls::SaveDocument(const QString& suggestedName,
                                 const std::function<std::string(PrintFormat, std::string&)>& print) {
    QString name;
    if (ChooseFile) {
        name = ChooseFile();
    } else {
        QString filter;
        name = QFileDialog::getSaveFileName(window_, PlainString(PrintMenuCaptions().SaveAsImage.Hungarian),
                                            suggestedName,
                                            QStringLiteral("PDF (*.pdf);;SVG (*.svg);;PNG (*.png)"), &filter);
        // A name without an extension takes the chosen filter's.
        PrintFormat format;
        if (!name.isEmpty() && !PrintFormatOfName(name.toStdString(), format))
            name += QLatin1Char('.') + filter.left(3).toLower();
    }
    if (name.isEmpty()) return;
    const auto report = [this](const QString& text) { (ReportError ? ReportError : ShowFailure)(text); };
    PrintFormat format;
    if (!PrintFormatOfName(name.toStdString(), format)) {
        report(name + QStringLiteral(": ") + PlainString(NoSheetFormatText));
        return;
    }
    std::string bytes;
    QString error = QString::fromStdString(print(format, bytes));
    if (error.isEmpty()) {
        if (const auto failure = WriteFile(name.toStdString(), bytes, DesktopExportPolicy))
            error = WriteFailureText(*failure);
    }
    if (!error.isEmpty()) report(Led(SheetNotSavedLead, error));
}

}  // namespace kolvar
