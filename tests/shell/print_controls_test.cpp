// Printing from the main window on the offscreen platform: both items in the
// observer menu with runic captions and their keys, Ctrl+P previews one
// painted sheet, Ctrl+S saves a PDF that a PDF reader opens; a printer gets
// the vector sheet, as a PDF file or through the printing system's lp.
#include "shell/print_controls.h"

#include <QAction>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTest>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "shell/runic_menu_bar.h"
#include "texts/print_captions.h"
#include "widgets/night_palette.h"
#include "widgets/runic_text.h"
#include "window_test_folder.h"

using namespace kolvar;

class PrintControlsTest : public QObject {
    Q_OBJECT

private:
    test::WindowTestFolder folder_;
    QStringList errors_;

    static std::string Slurp(const QString& name) {
        std::ifstream in(name.toStdString(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    // pdftotext's text of a PDF file, or nothing when poppler is not installed.
    static std::optional<std::string> PdfText(const QString& pdf) {
        FILE* out = ::popen(("pdftotext '" + pdf.toStdString() + "' - 2>/dev/null").c_str(), "r");
        if (out == nullptr) return std::nullopt;
        std::string text;
        char chunk[4096];
        for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, out)) > 0;) text.append(chunk, n);
        if (::pclose(out) != 0) return std::nullopt;
        return text;
    }

    // An lp of the test's own: records its arguments and the job's bytes,
    // or says what a real one says of an unknown printer and fails.
    QString FakeLp(const char* name, bool refuse) {
        const QString script = folder_.FilePath(QString::fromLatin1(name));
        std::ofstream out(script.toStdString());
        out << "#!/bin/sh\n";
        if (refuse)
            out << "echo 'lp: The printer or class does not exist.' >&2\nexit 1\n";
        else
            out << "echo \"$@\" > \"$(dirname \"$0\")/lp-args\"\nfor a; do last=$a; done\n"
                   "cp \"$last\" \"$(dirname \"$0\")/lp-job.pdf\"\n";
        out.close();
        QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return script;
    }

private slots:
    void initTestCase() { folder_.Prepare(); }

    void bothItemsStandInTheObserverMenuBeforeExit() {
        TStarsForm form(folder_.Options());
        const QList<QAction*> items = form.Observer1Menu()->actions();
        const auto at = [&](const char* name) {
            for (int i = 0; i < items.size(); ++i)
                if (items[i]->objectName() == QLatin1String(name)) return i;
            return -1;
        };
        QVERIFY(at("Place1") < at("Print1") && at("Print1") < at("SaveAsImage1") &&
                at("SaveAsImage1") < at("Exit1"));
        QCOMPARE(form.Printing()->PrintAction()->text(),
                 RunicString(PrintMenuCaptions().Print.Runic) + QStringLiteral("\tCtrl+P"));
        QCOMPARE(form.Printing()->SaveAction()->text(),
                 RunicString(PrintMenuCaptions().SaveAsImage.Runic) + QStringLiteral("\tCtrl+S"));
        // In Latin letters, their Hungarian.
        form.Action(QStringLiteral("LatinLetters1"))->trigger();
        QCOMPARE(form.Printing()->PrintAction()->text(), QString::fromUtf8("Nyomtat\u00E1s...\tCtrl+P"));
        form.Action(QStringLiteral("LatinLetters1"))->trigger();
    }

    void keysPreviewTheSheetAndSaveIt() {
        TStarsForm form(folder_.Options());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        PrintControls& printing = *form.Printing();
        printing.ReportError = [this](const QString& text) { errors_ << text; };
        int pages = -1;
        int bright = -1;  // pixels of the preview with green or blue above the dim level
        printing.ShowPreview = [&pages, &bright](QPrintPreviewDialog& dialog) {
            dialog.show();
            auto* preview = dialog.findChild<QPrintPreviewWidget*>();
            QTRY_VERIFY(preview != nullptr && preview->pageCount() > 0);
            pages = preview->pageCount();
            const QImage shown = preview->grab().toImage().convertToFormat(QImage::Format_RGB32);
            const auto* p = reinterpret_cast<const QRgb*>(shown.constBits());
            bright = static_cast<int>(std::count_if(p, p + shown.width() * shown.height(),
                                                    [](QRgb c) { return qGreen(c) > 40 || qBlue(c) > 40; }));
            dialog.close();
        };
        for (const bool night : {true, false}) {  // the sheet is red at night, white by day
            SetNightWindows(night);
            QTest::keyClick(&form, Qt::Key_P, Qt::ControlModifier);
            QCOMPARE(pages, 1);
            QCOMPARE(bright == 0, night);
        }
        // A place chosen from the city table is named on the sheet.
        form.Session().PlaceName = "Debrecen";
        QCOMPARE(printing.CurrentSheet().Header.Place, std::string("Debrecen"));

        const QString pdf = folder_.FilePath(QStringLiteral("sheet.pdf"));
        printing.ChooseFile = [&pdf] { return pdf; };
        QTest::keyClick(&form, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(errors_, QStringList());
        std::ifstream in(pdf.toStdString(), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        QCOMPARE(bytes.substr(0, 5), std::string("%PDF-"));
        if (FILE* info = ::popen(("pdfinfo '" + pdf.toStdString() + "' 2>&1").c_str(), "r")) {
            char line[256];
            std::string text;
            while (std::fgets(line, sizeof line, info)) text += line;
            if (::pclose(info) == 0) QVERIFY(text.find("Pages:           1") != std::string::npos);
        }

        printing.ChooseFile = [this] { return folder_.FilePath(QStringLiteral("sheet.txt")); };
        printing.SaveAsImage();
        QCOMPARE(errors_.size(), 1);
        QVERIFY(!QFile::exists(folder_.FilePath(QStringLiteral("sheet.txt"))));

        // The window tells why in Hungarian: an unknown ending, a missing folder.
        const QString missing = folder_.FilePath(QStringLiteral("no-folder/sheet.pdf"));
        printing.ChooseFile = [&missing] { return missing; };
        printing.SaveAsImage();
        QCOMPARE(errors_, (QStringList{folder_.FilePath(QStringLiteral("sheet.txt")) + QStringLiteral(": ") +
                                           PlainString(NoSheetFormatText),
                                       PlainString(SheetNotSavedLead) + QStringLiteral(": ") + missing +
                                           QLatin1Char(' ') +
                                           PlainString(FileActionText("cannot create a file beside")) +
                                           QStringLiteral(": ") + PlainString(ErrorCodeText(ENOENT))}));
    }

    void printersGetTheVectorSheetWithItsText() {
        TStarsForm form(folder_.Options());
        const PrintRequest sheet = form.Printing()->CurrentSheet();
        // A printer that writes a PDF file: the sheet's own PDF, text and all.
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString printed = folder_.FilePath(QStringLiteral("printed.pdf"));
        printer.setOutputFileName(printed);
        QCOMPARE(PaintSheetOnPrinter(printer, sheet), QString());
        QCOMPARE(Slurp(printed).substr(0, 5), std::string("%PDF-"));
        if (const auto text = PdfText(printed)) QVERIFY(text->find(sheet.Header.Time) != std::string::npos);

        // The printing system takes the same PDF through lp, without the page
        // group that would make its filters paint the page as one picture.
        std::string pdf;
        QCOMPARE(PrintSheets({&sheet, 1}, PrintFormat::Pdf, SheetOptions{}, pdf), std::string());
        const std::string saved = pdf;
        DropPageGroups(pdf);
        QCOMPARE(pdf.size(), saved.size());
        QVERIFY(saved.find("/S /Transparency") != std::string::npos);
        QVERIFY(pdf.find("/S /Transparency") == std::string::npos);
        LpCommand = FakeLp("lp", false);
        QCOMPARE(HandPdfToPrinter(QStringLiteral("PDF"), 2, QStringLiteral("Kolvar"), pdf), QString());
        QCOMPARE(Slurp(folder_.FilePath(QStringLiteral("lp-job.pdf"))), pdf);
        QVERIFY(Slurp(folder_.FilePath(QStringLiteral("lp-args"))).starts_with("-d PDF -n 2 -t Kolvar -- "));
        // What lp says when it refuses is the message; a missing lp is named.
        LpCommand = FakeLp("lp-refusing", true);
        QCOMPARE(HandPdfToPrinter(QStringLiteral("nope"), 1, QStringLiteral("Kolvar"), pdf),
                 LpCommand + QStringLiteral(": lp: The printer or class does not exist."));
        LpCommand = folder_.FilePath(QStringLiteral("no-such-lp"));
        QVERIFY(
            HandPdfToPrinter(QStringLiteral("PDF"), 1, QStringLiteral("Kolvar"), pdf).startsWith(LpCommand));
        LpCommand = QStringLiteral("lp");
    }
};

QTEST_MAIN(PrintControlsTest)
#include "print_controls_test.moc"
