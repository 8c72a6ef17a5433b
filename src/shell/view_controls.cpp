#include "shell/view_controls.h"

#include <QAction>
#include <QActionGroup>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <cmath>

#include "appcore/view_switches.h"
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
    // The menu's layout; what each item does, says and is keyed by is the view table's.
    for (const char* name : {"Figures1", "Names1", "RunicNames1", "Labels1"}) AddSwitch(name);
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
    for (const char* name : {"Directions1", "SmallBodies1"}) AddSwitch(name);
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
    for (const char* name : {"AltAzGrid1", "EquatorialGrid1", "Equator1", "Ecliptic1"}) AddSwitch(name);
    menu_->addSeparator();
    for (const char* name : {"SmoothStyle1", "Night1", "Daylight1"}) AddSwitch(name);
    SyncChecks();
}

QAction* ViewControls::AddSwitch(const char* name) {
    const ViewSwitch* s = ViewSwitchOfAction(name);
    QAction* a = menu_->addAction(QString::fromLatin1(name));
    a->setObjectName(QString::fromLatin1(name));
    a->setCheckable(true);
    connect(a, &QAction::triggered, this, [this, s](bool on) { Turn(*s, on); });
    switches_.emplace_back(a, s);
    return a;
}

QAction* ViewControls::Action(const QString& name) const {
    for (const auto& [a, s] : switches_)
        if (a->objectName() == name) return a;
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
    for (const auto& [a, s] : switches_) ShowCaption(a, s->Caption().Text(), s->Key);
    const SmallBodyTexts& bodies = SmallBodyCaptions();
    ShowCaption(magnitudeMenu_->menuAction(), t.LabelMagnitude.Text());
    ShowCaption(bodyMagnitudeMenu_->menuAction(), bodies.Magnitude.Text());
}

void ViewControls::Turn(const ViewSwitch& s, bool on) {
    TurnViewSwitch(options_, s, on);
    SyncChecks();
    redraw_();
}

void ViewControls::SyncChecks() {
    for (const auto& [a, s] : switches_) a->setChecked(s->Get(options_));
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
    // A letter turns its switch with or without Shift; a key with Ctrl only with Ctrl alone.
    const QKeyCombination pressed(mods == Qt::ShiftModifier ? Qt::NoModifier : mods,
                                  static_cast<Qt::Key>(event.key()));
    for (const auto& [a, s] : switches_) {
        if (s->Key.empty()) continue;
        const QKeySequence key(QString::fromLatin1(s->Key.data(), static_cast<qsizetype>(s->Key.size())));
        if (key.isEmpty() || key[0] != pressed) continue;
        // A held key turns its switch once.
        if (!event.isAutoRepeat()) Turn(*s, !s->Get(options_));
        return true;
    }
    return false;
}

}  // namespace kolvar
