#pragma once
// What the window tests share: the static tables and the runic font in place,
// a settings folder of their own, and the main window shown at a chart size.
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "catalog/static_tables.h"
#include "shell/chart_view.h"
#include "shell/program_assets.h"
#include "shell/program_start.h"
#include "shell/runic_menu_bar.h"
#include "shell/stars_form.h"

namespace kolvar::test {

class WindowTestFolder {
public:
    // Loads the tables and writes the runic font into the folder; for initTestCase.
    void Prepare() const {
        QVERIFY(dir_.isValid());
        InitStaticTables();
        InstallRunicFont(dir_.path().toStdString(), RunicFontFileBytes());
    }

    QString FilePath(const QString& name) const { return dir_.filePath(name); }
    std::filesystem::path SettingsFile() const {
        return FilePath(QStringLiteral("Kolvar.ini")).toStdString();
    }
    std::string SettingsText() const {
        std::ifstream in(SettingsFile());
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    void WriteSettings(const std::string& text) const { std::ofstream(SettingsFile()) << text; }

    // Options of a main window on this folder's settings file; a failure to
    // save them is collected in errors (when given) instead of a message box.
    TStarsForm::Options Options(QStringList* errors = nullptr) const {
        TStarsForm::Options o;
        o.SettingsFile = SettingsFile();
        o.ReportError = [errors](const QString& text) {
            if (errors != nullptr) errors->append(text);
        };
        return o;
    }

private:
    QTemporaryDir dir_;
};

// Shows the form with a chart area of the given size.
inline void ShowWithChartSize(TStarsForm& form, int width, int height) {
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.resize(width, height + form.MainMenu1()->heightForWidth(width));
    QTRY_COMPARE(form.Image1()->size(), QSize(width, height));
}

}  // namespace kolvar::test
