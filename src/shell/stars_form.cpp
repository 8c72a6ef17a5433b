#include "shell/stars_form.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "appcore/font_size.h"
#include "appcore/ini_file.h"
#include "appcore/settings_file.h"
#include "appcore/telescope_settings.h"
#include "appcore/time_step_settings.h"
#include "appcore/view_settings.h"
#include "appcore/view_switches.h"
#include "appcore/window_title.h"
#include "canvas/cp1250.h"
#include "catalog/cities.h"
#include "chart/chart_frame.h"
#include "chart/redraw.h"
#include "chart/sky_phase.h"
#include "dialogs/tonight_dlg.h"
#include "identify/hit_test.h"
#include "identify/small_body_label.h"
#include "print/finished_chart.h"
#include "print/smooth_chart.h"
#include "shell/chart_view.h"
#include "shell/equipment_controls.h"
#include "shell/find_controls.h"
#include "shell/horizon_controls.h"
#include "shell/list_controls.h"
#include "shell/object_controls.h"
#include "shell/print_controls.h"
#include "shell/runic_menu.h"
#include "shell/runic_menu_bar.h"
#include "shell/small_body_controls.h"
#include "shell/telescope_controls.h"
#include "shell/time_controls.h"
#include "shell/tonight_controls.h"
#include "shell/view_controls.h"
#include "sky/observer_state.h"
#include "sky/sky_object_table.h"
#include "texts/interface_captions.h"
#include "texts/print_captions.h"
#include "texts/telescope_captions.h"
#include "texts/view_captions.h"
#include "widgets/label_images.h"
#include "widgets/runic_text.h"
#include "widgets/script_text.h"
#include "widgets/window_placement.h"

namespace kolvar {

namespace {

// The chart a new user sees first, when the settings keep no size.
constexpr QSize FirstChartSize(960, 720);

// The town that the settings name, while the place is still the town's.
std::string StoredPlaceName(const std::string& cityUtf8, double latitude, double longitude) {
    if (cityUtf8.empty()) return {};
    for (const CityRecord& city : Cities())
        if (Cp1250ToUtf8(city.Name) == cityUtf8 && CityIsAt(city, latitude, longitude)) return city.Name;
    return {};
}

// The local horizon the settings name; a file that cannot be read or is
// refused is told on standard error, its bad lines too, and the sky stays open.
std::shared_ptr<const LocalHorizon> ReadSkyline(const std::string& path) {
    if (path.empty()) return nullptr;
    std::ifstream in(std::filesystem::u8path(path), std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in && !in.eof()) {
        std::fprintf(stderr, "kolvar: cannot read the horizon file %s\n", path.c_str());
        return nullptr;
    }
    HorizonReading reading = ReadLocalHorizon(text);
    for (const HorizonProblem& p : reading.Problems)
        std::fprintf(stderr, "kolvar: %s line %d: %s: %s\n", path.c_str(), p.Line, p.Text.c_str(),
                     p.Why.c_str());
    if (!reading.Horizon) {
        std::fprintf(stderr, "kolvar: the horizon file %s is refused: %s\n", path.c_str(),
                     reading.Refusal.c_str());
        return nullptr;
    }
    return std::make_shared<const LocalHorizon>(std::move(*reading.Horizon));
}

void ShowErrorBox(const QString& text) {
    std::fprintf(stderr, "kolvar: %s\n", text.toLocal8Bit().constData());
    QMessageBox::critical(nullptr, QStringLiteral("Kolvar"), text);
}

}  // namespace

TStarsForm::TStarsForm(Options options, QWidget* parent) : QMainWindow(parent), options_(std::move(options)) {
    setObjectName(QStringLiteral("StarsForm"));
    setWindowTitle(PlainString(WindowTitles.Main));
    if (!options_.ReportError) options_.ReportError = ShowErrorBox;

    viewControls_ = new ViewControls(this, [this] { FormResize(); });
    timeControls_ = new TimeControls(this, session_.Observer, [this] { FormResize(); });
    // The chart and the labels over it come before the controls that draw
    // on them; the window takes the chart as its central widget once the
    // menu bar is in place, so that its widgets stay in that order (the
    // order a screen reader walks).
    image1_ = new ChartView;
    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->setAccessibleName(PlainString(PlainControlName("TStarsForm.Image1")));
    image1_->setMinimumSize(DesignClientWidth, DesignClientHeight);
    // The labels lie over the chart's top corners, so they live in its coordinates.
    textImage1_ = new LabelImage(image1_, true);
    textImage1_->setObjectName(QStringLiteral("TextImage1"));
    textImage2_ = new LabelImage(image1_, false);
    textImage2_->setObjectName(QStringLiteral("TextImage2"));

    // What the controls read of the window and hand on to each other; the
    // controls made later are reached through these when they are called.
    const auto currentBodies = [this] { return smallBodies_->Current(); };
    const auto currentSkyline = [this] { return skyline_; };
    const auto menuFont = [this] { return mainMenu1_->CaptionFont(); };
    const auto openCloseUp = [this](const HorizontalPosition& centre) { OpenCloseUp(centre); };
    const auto addToList = [this](const TelescopeTarget& target) { listControls_->Add(target); };
    findControls_ = new FindControls(
        this, session_, *viewControls_, *image1_, *textImage1_, *textImage2_,
        {currentBodies, addToList, [this](const ReportedObject& object) { objectControls_->Open(object); },
         currentSkyline});
    objectControls_ = new ObjectControls(this, session_, *timeControls_, {currentSkyline, menuFont});
    tonightControls_ = new TonightControls(
        this, session_, *findControls_,
        {currentBodies, openCloseUp, currentSkyline, addToList,
         [this](const TelescopeTarget& target) { telescopeControls_->Point(target, true); },
         [this] { return telescopeControls_->MountConnected(); },
         [this](const PlanSheetRequest& plan) { printing_->SaveTonightPlan(plan); }});
    telescopeControls_ =
        new TelescopeControls(this, session_, *viewControls_, *image1_, {[this] { ShowTitle(); }, menuFont});
    listControls_ =
        new ListControls(this, session_, *viewControls_, *findControls_, *telescopeControls_, openCloseUp);
    horizonControls_ = new HorizonControls(
        this, session_, [this] { return desktop_.HorizonFile; },
        [this](std::shared_ptr<const LocalHorizon> skyline, const std::string& file) {
            UseSkyline(std::move(skyline), file);
        });
    smallBodies_ = new SmallBodyControls(
        this, [this](SmallBodyControls::Bodies bodies) { viewControls_->SetBodies(std::move(bodies)); });
    BuildMenu();
    setCentralWidget(image1_);
    image1_->OnResize = [this] { FormResize(); };
    connect(image1_, &ChartView::MouseDown, this, &TStarsForm::Image1MouseDown);
    connect(image1_, &ChartView::MouseUp, this, &TStarsForm::Image1MouseUp);
    connect(image1_, &ChartView::DoubleClicked, this, &TStarsForm::Image1DoubleClick);

    FormCreate();
    PlaceWindow();
}

void TStarsForm::PlaceWindow() {
    // Where the settings left it, kept on a screen; else a useful
    // chart in the middle of the screen. The size is the chart's, below the
    // menu bar (which wraps to more rows when narrow).
    const WindowPlacement& stored = desktop_.Main;
    QSize chart = FittedSize(FirstChartSize);
    QPoint corner;
    const QSize design(DesignClientWidth, DesignClientHeight);
    // The menu's rows at the stored width, so that the whole window stays on the screen.
    const int menu = stored.Stored() ? mainMenu1_->heightForWidth(std::max(stored.Width, design.width())) : 0;
    const QRect kept = KeptOnScreen(stored, design, menu);
    const bool restore = !kept.isEmpty();
    if (restore) {
        chart = kept.size();
        corner = kept.topLeft();
    }
    resize(chart.width(), chart.height() + mainMenu1_->heightForWidth(chart.width()));
    if (!restore) {
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            corner = screen->availableGeometry().center() - QPoint(width() / 2, height() / 2);
    }
    move(corner);
}

WindowPlacement TStarsForm::CurrentPlacement() const { return PlacementOf(*this, *image1_); }

void TStarsForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    shown_ = true;
}

TStarsForm::~TStarsForm() { FormDestroy(); }

void TStarsForm::BuildMenu() {
    mainMenu1_ = new RunicMenuBar(this);
    setMenuWidget(mainMenu1_);

    observer1Menu_ = new QMenu(this);
    observer1Menu_->setObjectName(QStringLiteral("Observer1Menu"));
    time1_ = observer1Menu_->addAction(QStringLiteral("Id\u00F6"));
    time1_->setObjectName(QStringLiteral("Time1"));
    place1_ = observer1Menu_->addAction(QStringLiteral("Hely"));
    place1_->setObjectName(QStringLiteral("Place1"));
    observer1Menu_->addAction(findControls_->Action());
    observer1Menu_->addAction(tonightControls_->Action());
    listControls_->AddToMenu(observer1Menu_, nullptr);
    horizonControls_->AddToMenu(observer1Menu_);
    observer1Menu_->addAction(smallBodies_->Action());
    exit1_ = observer1Menu_->addAction(QStringLiteral("Kil\u00E9p\u00E9s"));
    exit1_->setObjectName(QStringLiteral("Exit1"));
    connect(time1_, &QAction::triggered, this, &TStarsForm::Time1Click);
    connect(place1_, &QAction::triggered, this, &TStarsForm::Place1Click);
    connect(exit1_, &QAction::triggered, this, &TStarsForm::Exit1Click);
    printing_ = new PrintControls(this, session_);
    printing_->Lines = [this] { return viewControls_->Options().Lines; };
    printing_->Skyline = [this] { return viewControls_->Options().Skyline; };
    printing_->AddToMenu(observer1Menu_, exit1_);
    telescopeControls_->AddToMenu(observer1Menu_, exit1_);
    equipment_ = new EquipmentControls(this);
    equipment_->AddToMenu(observer1Menu_, printing_->PrintAction());

    charSize1Menu_ = new QMenu(this);
    charSize1Menu_->setObjectName(QStringLiteral("CharSize1Menu"));
    grow1_ = charSize1Menu_->addAction(QStringLiteral("N\u00F6vel"));
    grow1_->setObjectName(QStringLiteral("Grow1"));
    shrivell1_ = charSize1Menu_->addAction(QStringLiteral("Zsuggor\u00EDt"));
    shrivell1_->setObjectName(QStringLiteral("Shrivell1"));
    connect(grow1_, &QAction::triggered, this, &TStarsForm::Grow1Click);
    connect(shrivell1_, &QAction::triggered, this, &TStarsForm::Shrivell1Click);
    // The script of every caption: the letters, like their size.
    charSize1Menu_->addSeparator();
    latinLetters1_ = charSize1Menu_->addAction(PlainString(InterfaceCaptions.LatinLetters.Hungarian));
    latinLetters1_->setObjectName(QStringLiteral("LatinLetters1"));
    latinLetters1_->setCheckable(true);
    connect(latinLetters1_, &QAction::triggered, this, &TStarsForm::LatinLetters1Click);

    // The bar in declared order, with the declared (Latin) captions; the menu
    // set-up replaces every caption but N1's by its runic one.
    auto add = [this](const char* name, const QString& caption) {
        MenuBarItem item;
        item.Name = QString::fromLatin1(name);
        item.PlainCaption = caption;
        return mainMenu1_->AddItem(std::move(item));
    };
    add("N1", QStringLiteral(" "));
    int help1 = add("Help1", QStringLiteral("Seg\u00E9ly"));
    int information1 = add("Information1", QStringLiteral("T\u00E1j\u00E9koztat\u00F3"));
    int charSize1 = add("CharSize1", QStringLiteral("Bet\u00FCm\u00E9ret"));
    int view1 = add("View1", QStringLiteral("N\u00E9zet"));
    int timeSteps1 = add("TimeSteps1", QStringLiteral("Id\u0151"));
    int observer1 = add("Observer1", QStringLiteral("Megfigyel\u00F6"));
    mainMenu1_->Item(help1).Command = [this] { Help1Click(); };
    mainMenu1_->Item(information1).Command = [this] { Information1Click(); };
    mainMenu1_->Item(charSize1).DropDown = charSize1Menu_;
    mainMenu1_->Item(charSize1).OnOpen = [this] { CharSize1Click(); };
    mainMenu1_->Item(view1).DropDown = viewControls_->Menu();
    mainMenu1_->Item(timeSteps1).DropDown = timeControls_->Menu();
    mainMenu1_->Item(observer1).DropDown = observer1Menu_;
    mainMenu1_->Item(observer1).OnOpen = [this] { Observer1Click(); };
}

QAction* TStarsForm::Action(const QString& name) const {
    for (QAction* a : {time1_, place1_, exit1_, grow1_, shrivell1_, latinLetters1_})
        if (a->objectName() == name) return a;
    if (findControls_->Action()->objectName() == name) return findControls_->Action();
    if (tonightControls_->Action()->objectName() == name) return tonightControls_->Action();
    if (smallBodies_->Action()->objectName() == name) return smallBodies_->Action();
    if (QAction* a = viewControls_->Action(name)) return a;
    if (QAction* a = telescopeControls_->Action(name)) return a;
    if (QAction* a = listControls_->Action(name)) return a;
    if (QAction* a = horizonControls_->Action(name)) return a;
    return timeControls_->Action(name);
}

QMenu* TStarsForm::TimeSteps1Menu() const { return timeControls_->Menu(); }

void TStarsForm::SetUpMenus() {
    SetUpRunicMenu(*mainMenu1_, {observer1Menu_, charSize1Menu_},
                   [this](const QString& name) { return Action(name); });
    viewControls_->SetUpMenu(mainMenu1_->Item(mainMenu1_->IndexOf(QStringLiteral("View1"))),
                             mainMenu1_->CaptionFont());
    timeControls_->SetUpMenu(mainMenu1_->Item(mainMenu1_->IndexOf(QStringLiteral("TimeSteps1"))),
                             mainMenu1_->CaptionFont());
    findControls_->SetUpMenu(*observer1Menu_, mainMenu1_->CaptionFont());
    tonightControls_->SetUpMenu(mainMenu1_->CaptionFont());
    listControls_->SetUpMenu(mainMenu1_->CaptionFont());
    horizonControls_->ShowScript();
    smallBodies_->SetUpMenu(mainMenu1_->CaptionFont());
    printing_->SetUpCaptions(observer1Menu_, mainMenu1_->CaptionFont());
    telescopeControls_->SetUpMenu(mainMenu1_->CaptionFont());
    equipment_->SetUpCaptions(mainMenu1_->CaptionFont());
    mainMenu1_->Redraw();
}

void TStarsForm::FormCreate() {
    // The true current instant (StartingJulianDay); the stored zone and
    // summer-time flag only say how it reads as civil time.
    session_.Observer = StartingObserverState();

    ViewOptions view;
    TimeStepSettings timeSettings;
    TelescopeSettings telescope;
    std::error_code noFile;
    const bool firstStart = !std::filesystem::exists(options_.SettingsFile, noFile);
    IniValues values =
        LoadIniFile(options_.SettingsFile, [this, &view, &timeSettings, &telescope](const IniFile& ini) {
            view = ReadViewSettings(ini);
            timeSettings = ReadTimeStepSettings(ini);
            telescope = ReadTelescopeSettings(ini);
            desktop_ = ReadDesktopSettings(ini);
            equipment_->Read(ini);
            loadedSettings_ = ini;
        });
    session_.Observer.Zone = values.Zone;
    session_.Observer.SummerTime = values.SummerTime != 0;
    const GeoPlace place = StoredPlace(values.Longitude, values.Latitude);
    session_.Observer.Longitude = place.Longitude;
    session_.Observer.Latitude = place.Latitude;
    session_.FontSize = values.FontSize;
    session_.PlaceName =
        StoredPlaceName(desktop_.CityName, session_.Observer.Latitude, session_.Observer.Longitude);
    SetCurrentScript(desktop_.Letters);
    skyline_ = ReadSkyline(desktop_.HorizonFile);
    if (skyline_)
        view.Skyline = [skyline = skyline_](double azimuth) { return skyline->AltitudeAt(azimuth); };
    viewControls_->Apply(view);
    timeControls_->Apply(timeSettings);
    telescopeControls_->Apply(telescope);
    telescopeControls_->StartIfAsked();
    smallBodies_->LoadKept();

    SetUpMenus();
    if (firstStart) ShowFirstHint();
    update();
}

void TStarsForm::ShowFirstHint() {
    firstHint_ = new QLabel(PlainString(FirstStartHint()), image1_);
    firstHint_->setObjectName(QStringLiteral("FirstHint"));
    firstHint_->setFont(ArialFont(14));
    // Clicks go through to the chart, which ends the note.
    firstHint_->setAttribute(Qt::WA_TransparentForMouseEvents);
    firstHint_->setStyleSheet(
        viewControls_->Options().Night
            ? QStringLiteral("QLabel { background: black; color: #b00000; padding: 4px; }")
            : QStringLiteral("QLabel { background: #ffffe1; color: black; padding: 4px; }"));
    firstHint_->adjustSize();
    firstHint_->move(8, 8);
    firstHint_->show();
}

void TStarsForm::HideFirstHint() {
    if (firstHint_ == nullptr) return;
    firstHint_->deleteLater();
    firstHint_ = nullptr;
}

void TStarsForm::FormActivate() { SetUpMenus(); }

void TStarsForm::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

void TStarsForm::FormResize() {
    if (session_.Closing) return;
    viewControls_->SetCharacterSize(session_.FontSize);
    const ViewOptions& view = viewControls_->Options();
    DrawFinishedChart(session_.UpdateScene(), image1_->width(), image1_->height(), view, drawn_);
    session_.Chart = drawn_.Frame;
    ++redrawCount_;
    const MoonPicture& moon = drawn_.Moon;
    image1_->ShowChart(drawn_.Chart);
    image1_->ShowMoonPicture(drawn_.ShownMoon, QRect(moon.Left, moon.Top, moon.Size, moon.Size));
    findControls_->ChartRedrawn();
    tonightControls_->ChartRedrawn();
    telescopeControls_->ChartRedrawn();
    objectControls_->ChartRedrawn();
    ShowTitle();
    if (OnRedrawn) OnRedrawn();
}

void TStarsForm::ShowTitle() {
    setWindowTitle(QString::fromStdString(WindowTitle(
                       session_.Observer.JulianDay, session_.Observer.Zone, session_.Observer.SummerTime,
                       session_.Observer.Longitude, session_.Observer.Latitude)) +
                   telescopeControls_->TitleSuffix());
}

void TStarsForm::keyPressEvent(QKeyEvent* event) {
    HideFirstHint();
    if (telescopeControls_->HandleKey(*event) || findControls_->HandleKey(*event) ||
        viewControls_->HandleKey(*event) || timeControls_->HandleKey(*event))
        return;
    QMainWindow::keyPressEvent(event);
}

void TStarsForm::FormDestroy() {
    if (destroyed_) return;
    destroyed_ = true;
    session_.Closing = true;
    timeControls_->Stop();
    IniValues values{session_.Observer.Zone, session_.Observer.SummerTime ? 1 : 0,
                     session_.Observer.Longitude, session_.Observer.Latitude, session_.FontSize};
    const ViewOptions view = viewControls_->Settings();
    const TimeStepSettings timeSettings = timeControls_->Settings();
    const TelescopeSettings telescope = telescopeControls_->Settings();
    desktop_.Letters = CurrentScript();
    if (shown_) desktop_.Main = CurrentPlacement();
    desktop_.CityName = Cp1250ToUtf8(session_.PlaceName);
    try {
        SaveIniFile(
            options_.SettingsFile, values,
            [this, &view, &timeSettings, &telescope](IniFile& ini) {
                WriteViewSettings(ini, view);
                WriteTimeStepSettings(ini, timeSettings);
                WriteTelescopeSettings(ini, telescope);
                WriteDesktopSettings(ini, desktop_);
                equipment_->Write(ini);
            },
            &loadedSettings_);
    } catch (const SettingsWriteError& e) {
        ReportSaveError(e);
    }
}

void TStarsForm::ReportSaveError(const SettingsWriteError& error) {
    // After a signal nobody may be at the screen to close a box: the line
    // goes to standard error alone, as the program's other log lines do.
    if (quitBySignal_) {
        std::fprintf(stderr, "kolvar: %s\n", error.what());
        return;
    }
    // The window tells it in Hungarian; a cause without a Hungarian text in its own words.
    const std::string_view known = ErrorCodeText(error.Code());
    options_.ReportError(PlainString(SettingsNotSavedLead) + QStringLiteral(": ") +
                         QString::fromStdString(error.Path().string()) + QStringLiteral(": ") +
                         (known.empty() ? QString::fromStdString(error.Reason()) : PlainString(known)));
}

void TStarsForm::Observer1Click() {
    mainMenu1_->Redraw();
    for (QAction* a : {time1_, place1_, exit1_}) a->setEnabled(true);
    telescopeControls_->UpdateActions();
}

void TStarsForm::CharSize1Click() {
    mainMenu1_->Redraw();
    for (QAction* a : {grow1_, shrivell1_}) a->setEnabled(true);
}

void TStarsForm::Time1Click() {
    if (dialogs_.TimeExchange && dialogs_.TimeExchange()) {
        timeControls_->TimeSetElsewhere();
        FormResize();
    }
}

void TStarsForm::Place1Click() {
    if (dialogs_.PlaceExchange && dialogs_.PlaceExchange()) FormResize();
}

void TStarsForm::Information1Click() {
    if (dialogs_.InfoDlg != nullptr) dialogs_.InfoDlg->exec();
}

void TStarsForm::Help1Click() {
    if (dialogs_.HelpForm1 != nullptr) dialogs_.HelpForm1->exec();
}

void TStarsForm::Exit1Click() { QCoreApplication::exit(0); }

void TStarsForm::SaveOnLostDisplay() {
    quitBySignal_ = true;
    FormDestroy();
}

void TStarsForm::QuitOnSignal(int) {
    quitBySignal_ = true;
    Exit1Click();
}

void TStarsForm::UseSkyline(std::shared_ptr<const LocalHorizon> skyline, const std::string& file) {
    skyline_ = std::move(skyline);
    desktop_.HorizonFile = file;
    if (skyline_)
        viewControls_->SetSkyline(
            [skyline = skyline_](double azimuth) { return skyline->AltitudeAt(azimuth); });
    else
        viewControls_->SetSkyline({});
    // An open tonight window lists over the new skyline.
    if (TTonightDlg* tonight = tonightControls_->Dialog(); tonight != nullptr && tonight->isVisible())
        tonight->Compute();
}

void TStarsForm::Grow1Click() {
    session_.FontSize = GrowFontSize(session_.FontSize);
    RedrawForCharacterSize();
}

void TStarsForm::Shrivell1Click() {
    session_.FontSize = ShrinkFontSize(session_.FontSize);
    RedrawForCharacterSize();
}

void TStarsForm::RedrawForCharacterSize() {
    // The chart's words and figures follow the size; a chart without them stays as drawn.
    const ViewOptions& view = viewControls_->Options();
    if (view.Labels || view.Names || view.Figures) FormResize();
}

void TStarsForm::LatinLetters1Click(bool latin) {
    SetCurrentScript(latin ? Script::Latin : Script::Runic);
    SetUpMenus();
    findControls_->ShowScript();
    objectControls_->ShowScript();
    tonightControls_->ShowScript();
    listControls_->ShowScript();
    telescopeControls_->ShowScript();
    if (dialogs_.ShowScript) dialogs_.ShowScript();
}

void TStarsForm::Image1MouseDown(Qt::MouseButton button, int x, int y) {
    HideFirstHint();
    const SkyProjection chart = SkyProjection::Stereographic(session_.Chart);
    // A right press on the labels kept over the chart (a found object's)
    // offers its object window.
    if (button == Qt::RightButton && findControls_->Labelled() >= 0)
        for (const LabelImage* labels : {textImage1_, textImage2_})
            if (labels->isVisible() && labels->geometry().contains(x, y)) {
                objectControls_->OfferMenu(findControls_->Labelled(), image1_->mapToGlobal(QPoint(x, y)));
                return;
            }
    findControls_->ChartClicked();
    if (button == Qt::LeftButton && horizonControls_->ChartClicked(x, y)) return;
    if (button == Qt::RightButton) {
        // While a mount is connected the right button offers it beside the close-up.
        if (telescopeControls_->OfferPointMenu(chart, x, y, image1_,
                                               TelescopeCaptions().CloseUpHere.Text()) ==
            TelescopeControls::MenuChoice::Taken)
            return;
        if (openCloseUp_) openCloseUp_(chart.Backward(x, y), session_.FontSize);
        return;
    }
    const int slot = NearestVisibleSlot(session_.SkyObjects(), chart, x, y);
    const SkyObjectEntry& nearest = session_.SkyObjects()[static_cast<std::size_t>(slot)];
    // A drawn comet or minor planet nearer than the nearest object names itself.
    const SmallBodyHit body =
        SmallBodyAt(viewControls_->Options(), session_.Chart, chart, session_.Observer.JulianDay, x, y,
                    chart.Project(nearest.Azimuth, nearest.Altitude));
    if (body.Body != nullptr) {
        viewControls_->Select(-1);
        ShowSmallBodyLabels(*body.Body, body.Placed.Place, *textImage1_, *textImage2_, *image1_,
                            session_.FontSize,
                            LabelMarginsOf(session_.Chart.ChartWidth, session_.Chart.ChartHeight),
                            viewControls_->Options().Night);
        return;
    }
    // The ring stays on the named object; the redraw comes before the labels,
    // which lie over the chart.
    viewControls_->Select(slot);
    ShowObjectLabels(session_.SkyObjects()[static_cast<std::size_t>(slot)], *textImage1_, *textImage2_,
                     *image1_, session_.FontSize,
                     LabelMarginsOf(session_.Chart.ChartWidth, session_.Chart.ChartHeight),
                     viewControls_->Options().Night);
}

void TStarsForm::Image1DoubleClick(Qt::MouseButton button, int x, int y) {
    if (button != Qt::LeftButton) return;
    objectControls_->OpenSlot(
        NearestVisibleSlot(session_.SkyObjects(), SkyProjection::Stereographic(session_.Chart), x, y));
}

void TStarsForm::Image1MouseUp(Qt::MouseButton button, int, int) {
    // The right button's press belongs to the close-up window, which takes
    // its release too: it hides nothing here.
    if (button == Qt::RightButton) return;
    HideObjectLabels(*textImage1_, *textImage2_);
    textImage1_->FillPicture(colours::Navy);
    textImage2_->FillPicture(colours::Navy);
}

}  // namespace kolvar
