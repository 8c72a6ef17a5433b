#include "shell/view_controls.h"

#include <QAction>
#include <QActionGroup>
#include <QKeyEvent>
#include <QMenu>
#include <cmath>

#include "shell/runic_menu.h"
#include "shell/runic_menu_bar.h"
#include "texts/small_body_texts.h"
#include "texts/view_captions.h"
#include "widgets/night_palette.h"
#include "widgets/script_text.h"

namespace kolvar {

ViewControls::ViewControls(QWidget* window, std::function<void()> redraw)
    : QObject(window), window_(window), redraw_(std::move(redraw)) {
    menu_ = new QMenu(window);
    menu_->setObjectName(QStringLiteral("View1Menu"));
    AddCheck("Figures1", &ViewOptions::Figures);
    AddCheck("Names1", &ViewOptions::Names);
    AddCheck("RunicNames1", &ViewOptions::RunicNames);
    AddCheck("Labels1", &ViewOptions::Labels);
    magnitudeMenu_ = menu_->addMenu(QString());
    magnitudeMenu_->setObjectName(QStringLiteral("LabelMagnitude1Menu"));
    magnitudeGroup_ = new QActionGroup(this);
    for (int m = static_cast<int>(SmallestLabelMagnitude); m <= static_cast<int>(LargestLabelMagnitude);
         ++m) {
        QAction* a = magnitudeMenu_->addAction(QString::number(m));
        a->setObjectName(QStringLiteral("LabelMagnitude%1").arg(m));
        a->setCheckable(true);
        magnitudeGroup_->addAction(a);
        connect(a, &QAction::triggered, this, [this, m] {
            options_.LabelMagnitude = m;
            redraw_();
        });
        magnitudes_.push_back(a);
    }
    AddCheck("Directions1", &ViewOptions::Directions);
    AddCheck("SmallBodies1", &ViewOptions::SmallBodies);
    bodyMagnitudeMenu_ = menu_->addMenu(QString());
    bodyMagnitudeMenu_->setObjectName(QStringLiteral("SmallBodyMagnitude1Menu"));
    auto* bodyGroup = new QActionGroup(this);
    for (int m = static_cast<int>(SmallestSmallBodyMagnitude);
         m <= static_cast<int>(LargestSmallBodyMagnitude); ++m) {
        QAction* a = bodyMagnitudeMenu_->addAction(QString::number(m));
        a->setObjectName(QStringLiteral("SmallBodyMagnitude%1").arg(m));
        a->setCheckable(true);
        bodyGroup->addAction(a);
        connect(a, &QAction::triggered, this, [this, m] {
            options_.SmallBodyMagnitude = m;
            redraw_();
        });
        bodyMagnitudes_.push_back(a);
    }
    menu_->addSeparator();
    AddLineCheck("AltAzGrid1", &SkyLines::AltAzGrid);
    AddLineCheck("EquatorialGrid1", &SkyLines::EquatorialGrid);
    AddLineCheck("Equator1", &SkyLines::Equator);
    AddLineCheck("Ecliptic1", &SkyLines::Ecliptic);
    menu_->addSeparator();
    smooth_ = menu_->addAction(QStringLiteral("SmoothStyle1"));
    smooth_->setObjectName(QStringLiteral("SmoothStyle1"));
    smooth_->setCheckable(true);
    connect(smooth_, &QAction::triggered, this, [this](bool on) { SetSmooth(on); });
    AddCheck("Night1", &ViewOptions::Night);
    AddCheck("Daylight1", &ViewOptions::Daylight);
    SyncChecks();
}

QAction* ViewControls::AddCheck(const char* name, bool ViewOptions::*flag) {
    QAction* a = menu_->addAction(QString::fromLatin1(name));
    a->setObjectName(QString::fromLatin1(name));
    a->setCheckable(true);
    connect(a, &QAction::triggered, this, [this, flag](bool on) { SetFlag(flag, on); });
    checks_.emplace_back(a, flag);
    return a;
}

QAction* ViewControls::AddLineCheck(const char* name, bool SkyLines::*flag) {
    QAction* a = menu_->addAction(QString::fromLatin1(name));
    a->setObjectName(QString::fromLatin1(name));
    a->setCheckable(true);
    connect(a, &QAction::triggered, this, [this, flag](bool on) { SetLine(flag, on); });
    lineChecks_.emplace_back(a, flag);
    return a;
}

QAction* ViewControls::Action(const QString& name) const {
    for (const auto& [a, flag] : checks_)
        if (a->objectName() == name) return a;
    for (const auto& [a, flag] : lineChecks_)
        if (a->objectName() == name) return a;
    if (smooth_->objectName() == name) return smooth_;
    for (const auto* list : {&magnitudes_, &bodyMagnitudes_})
        for (QAction* a : *list)
            if (a->objectName() == name) return a;
    return nullptr;
}

void ViewControls::SetUpMenu(MenuBarItem& title, const QFont& menuFont) {
    const ViewMenuTexts& t = ViewMenuCaptions();
    title.SetCaption(t.Title.Text());
    title.RightJustify = true;
    title.Enabled = true;
    for (QMenu* menu : {menu_, magnitudeMenu_, bodyMagnitudeMenu_}) SetUpDropDown(menu, menuFont);
    const SmallBodyTexts& bodies = SmallBodyCaptions();
    const std::pair<const char*, std::pair<const ViewCaption*, std::string_view>> items[] = {
        {"Figures1", {&t.Figures, "C"}},
        {"Names1", {&t.Names, "V"}},
        {"RunicNames1", {&t.RunicNames, ""}},
        {"Labels1", {&t.Labels, "L"}},
        {"Directions1", {&t.Directions, "D"}},
        {"Night1", {&t.Night, "Ctrl+N"}},
        {"Daylight1", {&t.Daylight, "A"}},
        {"AltAzGrid1", {&t.AltAzGrid, "G"}},
        {"EquatorialGrid1", {&t.EquatorialGrid, "Q"}},
        {"Equator1", {&t.Equator, "E"}},
        {"Ecliptic1", {&t.Ecliptic, "K"}},
        {"SmallBodies1", {&bodies.Show, "U"}},
        {"SmoothStyle1", {&t.SmoothStyle, "S"}},
    };
    for (const auto& [name, caption] : items)
        ShowCaption(Action(QString::fromLatin1(name)), caption.first->Text(), caption.second);
    ShowCaption(magnitudeMenu_->menuAction(), t.LabelMagnitude.Text());
    ShowCaption(bodyMagnitudeMenu_->menuAction(), bodies.Magnitude.Text());
}

void ViewControls::SetFlag(bool ViewOptions::*flag, bool on) {
    options_.*flag = on;
    // The runic names stand beneath the names: asking for them shows both.
    if (flag == &ViewOptions::RunicNames && on) options_.Names = true;
    if (flag == &ViewOptions::Names && !on) options_.RunicNames = false;
    SyncChecks();
    redraw_();
}

void ViewControls::SetLine(bool SkyLines::*flag, bool on) {
    options_.Lines.*flag = on;
    SyncChecks();
    redraw_();
}

void ViewControls::SetSmooth(bool on) {
    options_.Style = on ? ChartStyle::Smooth : ChartStyle::Plain;
    SyncChecks();
    redraw_();
}

void ViewControls::SyncChecks() {
    for (const auto& [a, flag] : checks_) a->setChecked(options_.*flag);
    for (const auto& [a, flag] : lineChecks_) a->setChecked(options_.Lines.*flag);
    smooth_->setChecked(options_.Style == ChartStyle::Smooth);
    const long index = std::lround(options_.LabelMagnitude - SmallestLabelMagnitude);
    for (std::size_t i = 0; i < magnitudes_.size(); ++i)
        magnitudes_[i]->setChecked(static_cast<long>(i) == index);
    const long bodyIndex = std::lround(options_.SmallBodyMagnitude - SmallestSmallBodyMagnitude);
    for (std::size_t i = 0; i < bodyMagnitudes_.size(); ++i)
        bodyMagnitudes_[i]->setChecked(static_cast<long>(i) == bodyIndex);
    SetNightWindows(options_.Night);
}

void ViewControls::Apply(const ViewOptions& choices) {
    const int selected = options_.SelectedSlot, characterSize = options_.CharacterSize;
    const auto bodies = options_.Bodies;
    options_ = choices;
    options_.SelectedSlot = selected;
    options_.CharacterSize = characterSize;
    options_.Bodies = bodies;
    SyncChecks();
}

ViewOptions ViewControls::Settings() const {
    ViewOptions choices = options_;
    choices.SelectedSlot = -1;
    choices.Bodies.reset();
    return choices;
}

void ViewControls::SetBodies(std::shared_ptr<const std::vector<SmallBody>> bodies) {
    options_.Bodies = std::move(bodies);
    if (options_.SmallBodies) redraw_();
}

void ViewControls::SetSkyline(std::function<double(double azimuth)> skyline) {
    options_.Skyline = std::move(skyline);
    redraw_();
}

void ViewControls::Select(int slot) {
    if (slot == options_.SelectedSlot) return;
    options_.SelectedSlot = slot;
    redraw_();
}

bool ViewControls::HandleKey(const QKeyEvent& event) {
    const Qt::KeyboardModifiers mods = event.modifiers() & ~Qt::KeypadModifier;
    if (event.key() == Qt::Key_Escape && mods == Qt::NoModifier) {
        if (options_.SelectedSlot < 0) return false;
        Select(-1);
        return true;
    }
    bool ViewOptions::*flag = nullptr;
    bool SkyLines::*line = nullptr;
    if (mods == Qt::ControlModifier) {
        if (event.key() == Qt::Key_N) flag = &ViewOptions::Night;
    } else if (mods == Qt::NoModifier || mods == Qt::ShiftModifier) {
        switch (event.key()) {
            case Qt::Key_C:
                flag = &ViewOptions::Figures;
                break;
            case Qt::Key_V:
                flag = &ViewOptions::Names;
                break;
            case Qt::Key_L:
                flag = &ViewOptions::Labels;
                break;
            case Qt::Key_D:
                flag = &ViewOptions::Directions;
                break;
            case Qt::Key_A:
                flag = &ViewOptions::Daylight;
                break;
            case Qt::Key_U:
                flag = &ViewOptions::SmallBodies;
                break;
            case Qt::Key_G:
                line = &SkyLines::AltAzGrid;
                break;
            case Qt::Key_Q:
                line = &SkyLines::EquatorialGrid;
                break;
            case Qt::Key_E:
                line = &SkyLines::Equator;
                break;
            case Qt::Key_K:
                line = &SkyLines::Ecliptic;
                break;
            case Qt::Key_S:
                if (!event.isAutoRepeat()) SetSmooth(options_.Style != ChartStyle::Smooth);
                return true;
            default:
                break;
        }
    }
    if (flag == nullptr && line == nullptr) return false;
    // A held key turns its layer once.
    if (event.isAutoRepeat()) return true;
    if (flag != nullptr)
        SetFlag(flag, !(options_.*flag));
    else
        SetLine(line, !(options_.Lines.*line));
    return true;
}

}  // namespace kolvar
