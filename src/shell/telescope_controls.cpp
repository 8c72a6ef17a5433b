#include "shell/telescope_controls.h"

#include <QAction>
#include <QEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <utility>
#include <variant>

#include "astro/angles.h"
#include "dialogs/plain_sky.h"
#include "dialogs/telescope_dlg.h"
#include "identify/hit_test.h"
#include "shell/chart_direction.h"
#include "shell/chart_view.h"
#include "shell/sky_session.h"
#include "shell/view_controls.h"
#include "sky/observer_state.h"
#include "telescope/altitude_limit.h"
#include "telescope/indi_link.h"
#include "telescope/mount_coordinates.h"
#include "texts/telescope_captions.h"
#include "widgets/menu_key_style.h"
#include "widgets/runic_text.h"
#include "widgets/script_text.h"

namespace kolvar {

namespace {

// A press this near an object's marker points at the object itself.
constexpr double ObjectReach = 6.0;
// The server lists its devices in its first answer.
constexpr int DevicePatienceMs = 4000;
// A slew waits this long for the mount's tracking to come on.
constexpr int TrackingPatienceMs = 3000;
// A mount still slewing after this long is told as not arriving.
constexpr int ArrivalPatienceMs = 180000;

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

// "-12,3°" as Hungarian writes it.
QString HungarianDegrees(double radians) {
    return QString::number(radians * DegreesPerRadian, 'f', 1).replace(QLatin1Char('.'), QLatin1Char(',')) +
           QStringLiteral("\u00B0");
}

QString Joined(const std::vector<std::string>& names) {
    QStringList list;
    for (const std::string& n : names) list << Utf8(n);
    return list.isEmpty() ? QStringLiteral("nincs") : list.join(QStringLiteral(", "));
}

}  // namespace

TelescopeControls::TelescopeControls(QWidget* window, const SkySession& sky, const ViewControls& view,
                                     ChartView& chart, Links links)
    : QObject(window), window_(window), sky_(sky), view_(view), chart_(chart), links_(std::move(links)) {
    const auto action = [this](const char* name, const char* plain) {
        auto* a = new QAction(PlainString(plain), this);
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    telescope1_ = action("Telescope1", "T\xE1vcs\xF5");
    pointSelected1_ = action("PointSelected1", "T\xE1vcs\xF5 a kijel\xF6lt \xE9gitestre");
    abort1_ = action("AbortSlew1", "T\xE1vcs\xF5 meg\xE1ll\xEDt\xE1sa");
    park1_ = action("Park1", "T\xE1vcs\xF5 parkol\xE1sa");
    unpark1_ = action("Unpark1", "T\xE1vcs\xF5 kiparkol\xE1sa");
    connect(telescope1_, &QAction::triggered, this, &TelescopeControls::OpenDialog);
    connect(pointSelected1_, &QAction::triggered, this, &TelescopeControls::PointAtSelected);
    connect(abort1_, &QAction::triggered, this, &TelescopeControls::Abort);
    connect(park1_, &QAction::triggered, this, [this] { Park(true); });
    connect(unpark1_, &QAction::triggered, this, [this] { Park(false); });

    deviceTimer_ = new QTimer(this);
    deviceTimer_->setSingleShot(true);
    connect(deviceTimer_, &QTimer::timeout, this, [this] {
        if (!model_.ServerUp() || model_.ConnectionKnown()) return;
        Report(model_.Device().empty()
                   ? QStringLiteral(
                         "A kiszolg\u00E1l\u00F3 nem sorol fel t\u00E1vcs\u00F6vet (eszk\u00F6z\u00F6k: %1)")
                         .arg(Joined(model_.Devices()))
                   : QStringLiteral(
                         "A kiszolg\u00E1l\u00F3n nincs \u201E%1\u201D eszk\u00F6z (eszk\u00F6z\u00F6k: %2)")
                         .arg(Utf8(model_.Device()), Joined(model_.Devices())));
    });
    trackingTimer_ = new QTimer(this);
    trackingTimer_->setSingleShot(true);
    // A mount that does not say it tracks is slewed all the same.
    connect(trackingTimer_, &QTimer::timeout, this, [this] {
        if (pendingSlew_) SendSlew(*std::exchange(pendingSlew_, std::nullopt), slewTarget_);
    });
    arrivalTimer_ = new QTimer(this);
    arrivalTimer_->setSingleShot(true);
    connect(arrivalTimer_, &QTimer::timeout, this, [this] {
        if (MountConnected() && model_.State() == MountState::Slewing)
            Report(QStringLiteral("A t\u00E1vcs\u0151 nem \u00E9rt oda: %1 (%2 perc)")
                       .arg(Utf8(slewTarget_))
                       .arg(ArrivalPatienceMs / 60000));
    });
    RunMenu = [](QMenu& menu, const QPoint& at) { return menu.exec(at); };
    ReportNotice = [this](const QString& line) {
        if (noticeBox_ == nullptr) {
            noticeBox_ = new QMessageBox(QMessageBox::Warning, PlainString("T\xE1vcs\xF5"), {},
                                         QMessageBox::Ok, window_);
            noticeBox_->setObjectName(QStringLiteral("TelescopeNotice"));
            noticeBox_->setWindowModality(Qt::NonModal);
        }
        noticeBox_->setText(line);
        noticeBox_->show();
        noticeBox_->raise();
    };
    UpdateActions();
}

TelescopeControls::~TelescopeControls() { link_.reset(); }

void TelescopeControls::AddToMenu(QMenu* menu, QAction* before) {
    for (QAction* a : {telescope1_, pointSelected1_, abort1_, park1_, unpark1_})
        menu->insertAction(before, a);
    menu->insertSeparator(before);
}

void TelescopeControls::SetUpMenu(const QFont&) {
    const TelescopeTexts& t = TelescopeCaptions();
    ShowCaption(telescope1_, t.MenuItem.Text());
    ShowCaption(pointSelected1_, t.PointSelected.Text());
    ShowCaption(abort1_, t.Abort.Text(), "Esc");
    ShowCaption(park1_, t.Park.Text());
    ShowCaption(unpark1_, t.Unpark.Text());
    UpdateActions();
}

QAction* TelescopeControls::Action(const QString& name) const {
    for (QAction* a : {telescope1_, pointSelected1_, abort1_, park1_, unpark1_})
        if (a->objectName() == name) return a;
    return nullptr;
}

void TelescopeControls::ShowScript() {
    if (dialog_ != nullptr) {
        dialog_->ShowScript();
        ShowState();
    }
}

void TelescopeControls::AttachCloseUp(TPlainSky* closeUp) {
    closeUp_ = closeUp;
    closeUp_->installEventFilter(this);
    closeUp_->OnDrawn = [this] { UpdateReticles(); };
    closeUp_->OnRightPress = [this](int x, int y) {
        return OfferPointMenu(closeUp_->Projection(), x, y, closeUp_->Image1(),
                              TelescopeCaptions().CentreHere.Text()) == MenuChoice::Taken;
    };
}

bool TelescopeControls::eventFilter(QObject* watched, QEvent* event) {
    // The type first: the close-up's own destructor sends events here after
    // it has stopped being a TPlainSky, and closeUp_ must not be read then.
    if (event->type() == QEvent::Show && watched == closeUp_) UpdateReticles(true);
    return QObject::eventFilter(watched, event);
}

void TelescopeControls::Apply(const TelescopeSettings& settings) {
    settings_ = settings;
    if (dialog_ != nullptr) dialog_->ShowSettings(settings_);
    UpdateReticles(true);
}

void TelescopeControls::StartIfAsked() {
    if (settings_.ConnectAtStart) QTimer::singleShot(0, this, &TelescopeControls::Connect);
}

void TelescopeControls::OpenDialog() {
    if (dialog_ == nullptr) {
        dialog_ = new TTelescopeDlg(window_);
        dialog_->ShowSettings(settings_);
        dialog_->OnConnect = [this] { Connect(); };
        dialog_->OnDisconnect = [this] { Disconnect(); };
        dialog_->OnChanged = [this] { ReadDialog(); };
        ShowState();
    }
    dialog_->show();
    dialog_->raise();
    dialog_->activateWindow();
}

void TelescopeControls::ReadDialog() {
    if (dialog_ == nullptr) return;
    TelescopeSettings read = dialog_->Settings();
    read.Present = settings_.Present;
    if (read == settings_) return;  // a field left without a change
    settings_ = read;
    settings_.Present = true;
    UpdateReticles(true);
}

void TelescopeControls::Connect() {
    ReadDialog();
    settings_.Present = true;
    const std::optional<ServerAddress> address =
        ParseServerAddress(settings_.Host + ":" + std::to_string(settings_.Port));
    if (!address) {
        Report(QStringLiteral("Nem kiszolg\u00E1l\u00F3 neve: \u201E%1\u201D").arg(Utf8(settings_.Host)));
        return;
    }
    if (!link_) {
        // Handed to this object's thread; events of a link being destroyed
        // are dropped with the queued calls.
        link_ = MakeIndiLink([this](MountEvent event) {
            QMetaObject::invokeMethod(
                this, [this, event = std::move(event)] { Take(event); }, Qt::QueuedConnection);
        });
    }
    model_ = MountModel(settings_.Device);
    deviceAsked_ = placeSent_ = false;
    pendingSlew_.reset();
    awaitingServer_ = true;
    link_->Connect(*address);
    links_.ShowTitle();
    ShowState();
}

void TelescopeControls::Disconnect() {
    pendingSlew_.reset();
    awaitingServer_ = false;
    if (link_) link_->Disconnect();
}

MountState TelescopeControls::ShownState() const {
    if (!link_) return MountState::Disconnected;
    if (awaitingServer_ && !model_.ServerUp()) return MountState::Connecting;
    return model_.State();
}

bool TelescopeControls::MountConnected() const {
    return link_ && model_.ServerUp() && model_.DeviceConnected();
}

void TelescopeControls::Take(const MountEvent& event) {
    const std::optional<std::string> notice = model_.Apply(event);
    if (std::holds_alternative<ServerConnected>(event)) {
        deviceAsked_ = placeSent_ = false;
        deviceTimer_->start(DevicePatienceMs);
    }
    // The answer to a Connect: the server, or why not (a ServerLost of the
    // connection it replaced comes before it and is no answer).
    if (std::holds_alternative<ServerConnected>(event) || std::holds_alternative<ServerUnreachable>(event))
        awaitingServer_ = false;
    if (std::holds_alternative<ServerLost>(event) || std::holds_alternative<ServerUnreachable>(event)) {
        pendingSlew_.reset();
        slewSentAt_.reset();
    }
    if (const auto* c = std::get_if<MountCoordinates>(&event);
        c != nullptr && slewSentAt_ && c->Status == PropertyStatus::Busy && c->Device == model_.Device()) {
        slewStartMs_ =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - *slewSentAt_)
                .count();
        slewSentAt_.reset();
    }
    if (link_ && model_.ServerUp() && model_.ConnectionKnown()) {
        deviceTimer_->stop();
        if (!model_.DeviceConnected() && !deviceAsked_) {
            link_->ConnectDevice(model_.Device());
            deviceAsked_ = true;
        }
        // A mount just connected learns where and when it is.
        if (model_.DeviceConnected() && !placeSent_) {
            placeSent_ = true;
            link_->SendPlace(model_.Device(),
                             GeodeticPlace{sky_.Observer.Longitude, sky_.Observer.Latitude, 0.0});
            link_->SendTime(model_.Device(), StartingJulianDay(),
                            sky_.Observer.Zone + (sky_.Observer.SummerTime ? 1.0 : 0.0));
        }
        if (pendingSlew_ && model_.Tracking()) {
            trackingTimer_->stop();
            SendSlew(*std::exchange(pendingSlew_, std::nullopt), slewTarget_);
        }
    }
    if (notice) Report(Utf8(*notice));
    UpdateReticles(std::holds_alternative<MountCoordinates>(event));
    ShowState();
}

void TelescopeControls::Report(const QString& line) {
    lastNotice_ = line;
    ++notices_;
    if (dialog_ != nullptr) ShowState();
    if (ReportNotice) ReportNotice(line);
}

bool TelescopeControls::Point(const TelescopeTarget& target, bool slew) {
    if (!MountConnected()) {
        Report(QStringLiteral("Nincs t\u00E1vcs\u0151 csatlakoztatva"));
        return false;
    }
    const QString name = Utf8(target.Name);
    if (slew && model_.Parked()) {
        Report(QStringLiteral("A t\u00E1vcs\u0151 parkol: %1 fel\u00E9 kiparkol\u00E1s ut\u00E1n indulhat")
                   .arg(name));
        return false;
    }
    const GeodeticPlace site{sky_.Observer.Longitude, sky_.Observer.Latitude, 0.0};
    const double now = StartingJulianDay();
    if (slew) {
        const AltitudeCheck check =
            CheckAltitude(target, site, now, settings_.AltitudeLimit / DegreesPerRadian);
        if (!check.Allowed()) {
            Report(check.Altitude < 0.0
                       ? QStringLiteral("%1 %2 magasan \u00E1ll, a l\u00E1t\u00F3hat\u00E1r alatt: nem "
                                        "\u00E1ll\u00EDthat\u00F3 be")
                             .arg(name, HungarianDegrees(check.Altitude))
                       : QStringLiteral("%1 %2 magasan \u00E1ll, a %3 als\u00F3 hat\u00E1r alatt: nem "
                                        "\u00E1ll\u00EDthat\u00F3 be")
                             .arg(name, HungarianDegrees(check.Altitude), HungarianDegrees(check.Limit)));
            return false;
        }
    }
    const EquatorialPlace aim = TargetPlaceOfDate(target, site, now);
    if (!slew) {
        link_->Sync(model_.Device(), aim);
        return true;
    }
    // A mount that does not track drifts off the target from the moment it
    // arrives: tracking goes on first, and the slew follows when it has.
    slewTarget_ = target.Name;
    if (model_.TrackingKnown() && !model_.Tracking()) {
        link_->SetTracking(model_.Device(), true);
        pendingSlew_ = aim;
        trackingTimer_->start(TrackingPatienceMs);
        return true;
    }
    SendSlew(aim, target.Name);
    return true;
}

void TelescopeControls::SendSlew(const EquatorialPlace& aim, const std::string& name) {
    if (!MountConnected()) return;
    slewTarget_ = name;
    slewSentAt_ = std::chrono::steady_clock::now();
    arrivalTimer_->start(ArrivalPatienceMs);
    link_->Slew(model_.Device(), aim);
}

void TelescopeControls::PointAtSelected() {
    const int slot = view_.Selected();
    if (slot < 0) return;
    Point(TargetOfSlot(slot), true);
}

void TelescopeControls::Abort() {
    pendingSlew_.reset();
    if (MountConnected()) link_->Abort(model_.Device());
}

void TelescopeControls::Park(bool park) {
    if (MountConnected()) link_->Park(model_.Device(), park);
}

TelescopeTarget TelescopeControls::TargetAt(const SkyProjection& projection, int x, int y) const {
    const int slot = NearestVisibleSlot(sky_.SkyObjects(), projection, x, y);
    const SkyObjectEntry& e = sky_.SkyObjects()[static_cast<std::size_t>(slot)];
    if (e.Visible != 0) {
        const SkyProjection::Placed placed = projection.Place({e.Azimuth, e.Altitude, 0.0});
        const ChartPoint p = projection.PixelOf(placed);
        if (placed.Drawable &&
            std::hypot(p.X - static_cast<double>(x), p.Y - static_cast<double>(y)) <= ObjectReach)
            return TargetOfSlot(slot);
    }
    const EquatorialPlace j2000 =
        CatalogueDirectionOf(sky_.Chart, projection.Backward(x, y), sky_.Observer.JulianDay);
    return TargetAtDirection(j2000.RightAscension, j2000.Declination);
}

TelescopeControls::MenuChoice TelescopeControls::OfferPointMenu(const SkyProjection& projection, int x, int y,
                                                                QWidget* view, const RunicText& own) {
    if (!MountConnected()) return MenuChoice::Own;
    QMenu menu(view);
    menu.setObjectName(QStringLiteral("TelescopePointMenu"));
    UseMenuKeyStyle(menu, links_.MenuFont());
    const TelescopeTexts& t = TelescopeCaptions();
    QAction* ownAction = menu.addAction(QString());
    ShowCaption(ownAction, own);
    menu.addSeparator();
    QAction* point = menu.addAction(QString());
    ShowCaption(point, t.PointHere.Text());
    QAction* sync = menu.addAction(QString());
    ShowCaption(sync, t.SyncHere.Text());
    menu.setFont(links_.MenuFont());
    // The target is taken where the press was, before the menu's time passes.
    const TelescopeTarget target = TargetAt(projection, x, y);
    QAction* chosen = RunMenu(menu, view->mapToGlobal(QPoint(x, y)));
    if (chosen == ownAction) return MenuChoice::Own;
    if (chosen == point) Point(target, true);
    if (chosen == sync) Point(target, false);
    return MenuChoice::Taken;
}

std::optional<ReticleMark> TelescopeControls::MarkFor(const SkyProjection& projection,
                                                      HorizontalPosition* where) const {
    if (!link_) return std::nullopt;
    std::optional<EquatorialPlace> place = model_.Place();
    ReticleMark mark;
    mark.Kind = model_.State() == MountState::Slewing ? ReticleMark::Look::Moving : ReticleMark::Look::Steady;
    if (!place && model_.State() == MountState::Lost) {
        place = model_.LastPlace();
        mark.Kind = ReticleMark::Look::Lost;
    }
    if (!place) return std::nullopt;
    const HorizontalPosition h = ChartDirectionOfMount(sky_.Chart, *place, sky_.Observer.JulianDay);
    if (where != nullptr) *where = h;
    const SkyProjection::Placed placed = projection.Place(h);
    if (!placed.Drawable) return std::nullopt;
    const ChartPoint p = projection.PixelOf(placed);
    if (!std::isfinite(p.X) || !std::isfinite(p.Y)) return std::nullopt;
    mark.Centre = QPointF(p.X, p.Y);
    mark.Night = view_.Options().Night;
    return mark;
}

void TelescopeControls::UpdateReticles(bool follow) {
    if (!link_) return;
    ++reticleUpdates_;
    chart_.ShowReticle(MarkFor(SkyProjection::Stereographic(sky_.Chart), nullptr));
    if (closeUp_ == nullptr || !closeUp_->isVisible()) return;
    HorizontalPosition where;
    const std::optional<ReticleMark> mark = MarkFor(closeUp_->Projection(), &where);
    closeUp_->Image1()->ShowReticle(mark);
    // Following, the close-up is centred on the mount again when the
    // reticle leaves the middle half of the window (as the mount moves: a
    // view panned away by hand stays until it does).
    if (!follow || !settings_.CloseUpFollows || !model_.Place()) return;
    const QPointF middle(closeUp_->width() / 2.0, closeUp_->height() / 2.0);
    const QPointF off = mark ? mark->Centre - middle : QPointF(1e9, 1e9);
    if (std::abs(off.x()) > closeUp_->width() / 4.0 || std::abs(off.y()) > closeUp_->height() / 4.0)
        closeUp_->CentreOn(where);
}

void TelescopeControls::ChartRedrawn() { UpdateReticles(); }

QString TelescopeControls::TitleSuffix() const {
    if (!link_) return {};
    return QStringLiteral(" \u2013 ") + PlainString("T\xE1vcs\xF5: ") +
           PlainString(TelescopeCaptions().States[static_cast<int>(ShownState())].Hungarian);
}

bool TelescopeControls::HandleKey(const QKeyEvent& event) {
    if (event.key() != Qt::Key_Escape || event.modifiers() != Qt::NoModifier) return false;
    if (!MountConnected() || (model_.State() != MountState::Slewing && !pendingSlew_)) return false;
    Abort();
    return true;
}

void TelescopeControls::UpdateActions() {
    const bool connected = MountConnected();
    pointSelected1_->setEnabled(connected && view_.Selected() >= 0);
    for (QAction* a : {abort1_, park1_, unpark1_}) a->setEnabled(connected);
}

void TelescopeControls::ShowState() {
    UpdateActions();
    const MountState state = ShownState();
    if (state != shownState_) {
        shownState_ = state;
        links_.ShowTitle();
    }
    if (dialog_ != nullptr) {
        dialog_->ShowDevices(model_.Mounts(), model_.Devices(), model_.Device());
        dialog_->ShowState(TelescopeCaptions().States[static_cast<int>(state)].Text(), lastNotice_,
                           link_ && model_.ServerUp());
    }
}

}  // namespace kolvar
