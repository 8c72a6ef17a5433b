#pragma once

#include <QMainWindow>
#include <QString>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "appcore/desktop_settings.h"
#include "appcore/ini_file.h"
#include "appcore/settings_file.h"
#include "canvas/bitmap.h"
#include "chart/chart_frame.h"
#include "chart/moon_picture.h"
#include "plan/local_horizon.h"
#include "print/finished_chart.h"
#include "shell/sky_session.h"
#include "sky/observer_state.h"
#include "sky/sky_object_table.h"

class QAction;
class QMenu;

class QLabel;

namespace kolvar {

class ChartView;
class EquipmentControls;
class FindControls;
class ObjectControls;
class HorizonControls;
class LabelImage;
class ListControls;
class PrintControls;
class RunicMenuBar;
class SmallBodyControls;
class TelescopeControls;
class TimeControls;
class TonightControls;
class ViewControls;

// The main window: the sky chart filling the client area under the runic menu
// bar. It owns its sky session (observer, last redraw's frame and objects) and
// the start and end of the observer state's life (FormCreate, FormDestroy),
// and runs the redraw cycle on every resize.
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
    void RedrawForCharacterSize();
    void Shrivell1Click();
    // The script choice: Latin letters when checked, runes otherwise.
    void LatinLetters1Click(bool latin);

    // The mouse on the chart: the left or middle button names the nearest
    // object while held; the right button hands the clicked sky direction and
    // the character size to the close-up window.
    void Image1MouseDown(Qt::MouseButton button, int x, int y);
    void Image1MouseUp(Qt::MouseButton button, int x, int y);
    // A left double click opens the object window of the object it names.
    void Image1DoubleClick(Qt::MouseButton button, int x, int y);
    using CloseUpOpener = std::function<void(const HorizontalPosition& viewCentre, std::int32_t fontSize)>;
    void SetCloseUpOpener(CloseUpOpener open) { openCloseUp_ = std::move(open); }
    // Opens the close-up centred on a direction of the chart's frame.
    void OpenCloseUp(const HorizontalPosition& centre) {
        if (openCloseUp_) openCloseUp_(centre, session_.FontSize);
    }
    // The sky state this window shows and its controls and dialogs share.
    SkySession& Session() { return session_; }
    const SkySession& Session() const { return session_; }
    LabelImage* TextImage1() const { return textImage1_; }
    LabelImage* TextImage2() const { return textImage2_; }

    // The dialogs that the menu opens; set once the windows exist.
    struct Dialogs {
        QDialog* InfoDlg = nullptr;
        QDialog* HelpForm1 = nullptr;
        // The time and place exchanges with the observer state; each returns
        // true when its dialog ended with OK and took values back.
        std::function<bool()> TimeExchange;
        std::function<bool()> PlaceExchange;
        // Shows every other window's captions in the newly chosen script.
        std::function<void()> ShowScript;
    };
    void SetDialogs(Dialogs dialogs) { dialogs_ = std::move(dialogs); }

    // Ends the run like Exit1, but reports a failed save only on stderr (a
    // signal may come when nobody can answer a message box).
    void QuitOnSignal(int signalNumber);
    // Saves the settings as the end of a run does, for a run that Qt ends
    // with exit() when the display goes; errors go to standard error alone.
    void SaveOnLostDisplay();

    // The Nézet menu, the view keys and the kept selection.
    ViewControls* View() const { return viewControls_; }
    // The find dialog, its menu item and keys, and the found object's labels.
    FindControls* Find() const { return findControls_; }
    // The object window: a double click on an object, Enter in find, the
    // kept labels' context menu.
    ObjectControls* Objects() const { return objectControls_; }
    // The Idő menu, the time keys, the running clock and the animation.
    TimeControls* Time() const { return timeControls_; }
    // The local horizon of the settings ([HORIZON] File), or none.
    const std::shared_ptr<const LocalHorizon>& Skyline() const { return skyline_; }
    // A new local horizon (none: the plain horizon) from `file`, which the settings then name.
    void UseSkyline(std::shared_ptr<const LocalHorizon> skyline, const std::string& file);
    // Drawing the local horizon by clicks on the chart.
    HorizonControls* Horizon() const { return horizonControls_; }
    // The tonight window and its menu item.
    TonightControls* Tonight() const { return tonightControls_; }
    // The observing list: its window, menu items and stepping through it.
    ListControls* Lists() const { return listControls_; }
    QMenu* TimeSteps1Menu() const;
    // The telescope: its menu items, dialog, connection and reticle.
    TelescopeControls* Telescope() const { return telescopeControls_; }
    // The comets and minor planets: the kept set and the import command.
    SmallBodyControls* SmallBodies() const { return smallBodies_; }
    // The title: the instant and the place, and the telescope's state while
    // it is in use.
    void ShowTitle();
    // Runs after every redraw (the close-up follows the animated chart).
    std::function<void()> OnRedrawn;

    ChartView* Image1() const { return image1_; }
    RunicMenuBar* MainMenu1() const { return mainMenu1_; }
    QMenu* Observer1Menu() const { return observer1Menu_; }
    QMenu* CharSize1Menu() const { return charSize1Menu_; }
    QAction* Action(const QString& name) const;
    PrintControls* Printing() const { return printing_; }
    // The equipment list, its dialog and the close-up's fit to the eyepiece.
    EquipmentControls* Equipment() const { return equipment_; }
    const Bitmap& ChartBitmap() const { return drawn_.Chart; }
    const MoonPicture& MoonResult() const { return drawn_.Moon; }
    int RedrawCount() const { return redrawCount_; }

    // What the settings file keeps of the windows: read by FormCreate, the
    // main window's placement taken at FormDestroy; the close-up reports
    // its own.
    const DesktopSettings& Desktop() const { return desktop_; }
    void SetCloseUpPlacement(const WindowPlacement& placement) { desktop_.CloseUp = placement; }

    // The smallest chart the window shrinks to, and its size when the
    // settings ask for it.
    static constexpr int DesignClientWidth = 312;
    static constexpr int DesignClientHeight = 186;

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The note over the chart on a first start (no settings file yet), until
    // the first key or click.
    void ShowFirstHint();
    void HideFirstHint();
    QLabel* firstHint_ = nullptr;

    void BuildMenu();
    void SetUpMenus();
    void PlaceWindow();
    WindowPlacement CurrentPlacement() const;
    void ReportSaveError(const SettingsWriteError& error);

    Options options_;
    SkySession session_;
    Dialogs dialogs_;
    RunicMenuBar* mainMenu1_ = nullptr;
    QMenu* observer1Menu_ = nullptr;
    QMenu* charSize1Menu_ = nullptr;
    QAction* time1_ = nullptr;
    QAction* place1_ = nullptr;
    QAction* exit1_ = nullptr;
    QAction* grow1_ = nullptr;
    QAction* shrivell1_ = nullptr;
    PrintControls* printing_ = nullptr;
    EquipmentControls* equipment_ = nullptr;
    QAction* latinLetters1_ = nullptr;
    ChartView* image1_ = nullptr;
    LabelImage* textImage1_ = nullptr;
    LabelImage* textImage2_ = nullptr;
    CloseUpOpener openCloseUp_;
    ViewControls* viewControls_ = nullptr;
    TimeControls* timeControls_ = nullptr;
    FindControls* findControls_ = nullptr;
    ObjectControls* objectControls_ = nullptr;
    TonightControls* tonightControls_ = nullptr;
    ListControls* listControls_ = nullptr;
    HorizonControls* horizonControls_ = nullptr;
    std::shared_ptr<const LocalHorizon> skyline_;
    TelescopeControls* telescopeControls_ = nullptr;
    SmallBodyControls* smallBodies_ = nullptr;
    FinishedChart drawn_;  // the chart and the Moon's picture of the last redraw, as shown
    int redrawCount_ = 0;
    DesktopSettings desktop_;
    IniFile loadedSettings_;  // the settings file as read at the start: a save writes back what changed since
    bool shown_ = false;
    bool destroyed_ = false;
    bool quitBySignal_ = false;
};

}  // namespace kolvar
