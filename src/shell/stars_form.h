#pragma once

#include <QMainWindow>
#include <QString>
#include <filesystem>
#include <functional>

#include "canvas/bitmap.h"
#include "chart/moon_picture.h"

class QAction;
class QMenu;

namespace kolvar {

class ChartView;
class RunicMenuBar;
class TPlainSky;

// The main window: the sky chart filling the client area under the runic menu
// bar. It owns the start and end of the observer state's life (FormCreate,
// FormDestroy) and runs the redraw cycle on every resize.
class TStarsForm : public QMainWindow {
    Q_OBJECT
public:
    struct Options {
        std::filesystem::path SettingsFile;  // where LoadIni/SaveIni read and write
        // Shows a failure to save the settings at exit; defaults to a message box.
        std::function<void(const QString&)> ReportError;
    };

    explicit TStarsForm(Options options, QWidget* parent = nullptr);
    ~TStarsForm() override;

    // Event handlers, named after the events that run them.
    void FormCreate();
    void FormActivate();
    void FormResize();
    void FormDestroy();

    // Menu commands.
    void Observer1Click();
    void CharSize1Click();
    void Time1Click();
    void Place1Click();
    void Information1Click();
    void Help1Click();
    void Exit1Click();
    void Grow1Click();
    void Shrivell1Click();

    // The dialogs that the menu opens; set once the windows exist.
    struct Dialogs {
        QDialog* InfoDlg = nullptr;
        QDialog* HelpForm1 = nullptr;
        // The time and place exchanges with the observer state; each returns
        // true when its dialog ended with OK and took values back.
        std::function<bool()> TimeExchange;
        std::function<bool()> PlaceExchange;
        TPlainSky* PlainSky = nullptr;  // the close-up window
    };
    void SetDialogs(Dialogs dialogs) { dialogs_ = std::move(dialogs); }

    // Opens the close-up window modally around the sky direction of chart
    // pixel (x, y), with the current character size; returns when it closes.
    void OpenCloseUp(int x, int y);

    // Ends the run like Exit1, but reports a failed save only on stderr (a
    // signal may come when nobody can answer a message box).
    void QuitOnSignal(int signalNumber);

    ChartView* Image1() const { return image1_; }
    RunicMenuBar* MainMenu1() const { return mainMenu1_; }
    QMenu* Observer1Menu() const { return observer1Menu_; }
    QMenu* CharSize1Menu() const { return charSize1Menu_; }
    QAction* Action(const QString& name) const;
    const Bitmap& ChartBitmap() const { return chartBitmap_; }
    const MoonPicture& MoonResult() const { return moonResult_; }
    int RedrawCount() const { return redrawCount_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void BuildMenu();
    void ReportSaveError(const QString& text);

    Options options_;
    Dialogs dialogs_;
    RunicMenuBar* mainMenu1_ = nullptr;
    QMenu* observer1Menu_ = nullptr;
    QMenu* charSize1Menu_ = nullptr;
    QAction* time1_ = nullptr;
    QAction* place1_ = nullptr;
    QAction* exit1_ = nullptr;
    QAction* grow1_ = nullptr;
    QAction* shrivell1_ = nullptr;
    ChartView* image1_ = nullptr;
    Bitmap chartBitmap_;
    MoonPicture moonResult_;
    int redrawCount_ = 0;
    bool destroyed_ = false;
    bool quitBySignal_ = false;
};

}  // namespace kolvar
