#include "telescope/mount_model.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <type_traits>
#include <utility>

#include "astro/angles.h"
#include "telescope/mount_coordinates.h"

namespace kolvar {

namespace {

template <class... F>
struct Overloaded : F... {
    using F::operator()...;
};
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

void AddOnce(std::vector<std::string>& list, const std::string& name) {
    if (std::find(list.begin(), list.end(), name) == list.end()) list.push_back(name);
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// A number as a message shows it, whatever it is.
std::string NumberText(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", value);
    return text;
}

}  // namespace

std::string_view MountStateWord(MountState state) {
    switch (state) {
        case MountState::Disconnected:
            return "disconnected";
        case MountState::Connecting:
            return "connecting";
        case MountState::Idle:
            return "idle";
        case MountState::Tracking:
            return "tracking";
        case MountState::Slewing:
            return "slewing";
        case MountState::Parked:
            return "parked";
        case MountState::Lost:
            return "lost";
    }
    return "lost";
}

MountModel::MountModel(std::string device) : device_(std::move(device)), chosen_(!device_.empty()) {}

bool MountModel::Follows(const std::string& device) {
    if (chosen_) return device == device_;
    if (std::find(mounts_.begin(), mounts_.end(), device) == mounts_.end()) return false;
    device_ = device;
    chosen_ = true;
    if (const auto known = connections_.find(device); known != connections_.end()) {
        connectionKnown_ = true;
        deviceConnected_ = known->second;
    }
    return true;
}

std::vector<std::string> MountModel::Mounts() const { return mounts_; }

MountState MountModel::State() const {
    if (!serverUp_) return lost_ ? MountState::Lost : MountState::Disconnected;
    if (!deviceConnected_) return MountState::Connecting;
    if (parking_ || coordinateStatus_ == PropertyStatus::Busy) return MountState::Slewing;
    if (parked_) return MountState::Parked;
    return Tracking() ? MountState::Tracking : MountState::Idle;
}

std::optional<EquatorialPlace> MountModel::Place() const {
    if (!serverUp_ || !deviceConnected_) return std::nullopt;
    return place_;
}

std::optional<std::string> MountModel::Apply(const MountEvent& event) {
    const auto fault = [this](const std::string& what) {
        return lastMessage_.empty() ? what : what + ": " + lastMessage_;
    };
    return std::visit(
        Overloaded{
            [this](const ServerConnected&) -> std::optional<std::string> {
                serverUp_ = true;
                lost_ = false;
                return std::nullopt;
            },
            [this](const ServerUnreachable& e) -> std::optional<std::string> {
                serverUp_ = false;
                deviceConnected_ = false;
                return e.Reason;
            },
            [this](const ServerLost& e) -> std::optional<std::string> {
                const bool wasUp = serverUp_;
                serverUp_ = false;
                lost_ = !e.Requested && wasUp;
                deviceConnected_ = parking_ = connectionKnown_ = parkingKnown_ = false;
                tracking_.reset();
                coordinateStatus_ = PropertyStatus::Idle;
                devices_.clear();
                mounts_.clear();
                connections_.clear();
                if (!lost_) return std::nullopt;
                return "the telescope server closed the connection" +
                       (e.Reason.empty() ? "" : ": " + e.Reason);
            },
            [this](const DeviceSeen& e) -> std::optional<std::string> {
                AddOnce(devices_, e.Device);
                if (e.IsMount) AddOnce(mounts_, e.Device);
                if (e.IsMount) Follows(e.Device);
                return std::nullopt;
            },
            [this](const DeviceGone& e) -> std::optional<std::string> {
                std::erase(devices_, e.Device);
                std::erase(mounts_, e.Device);
                if (!chosen_ || e.Device != device_ || !deviceConnected_) return std::nullopt;
                deviceConnected_ = parking_ = false;
                coordinateStatus_ = PropertyStatus::Idle;
                return "the mount " + Quoted(e.Device) + " is gone from the server";
            },
            [this, &fault](const DeviceConnection& e) -> std::optional<std::string> {
                connections_[e.Device] = e.Connected && e.Status != PropertyStatus::Alert;
                if (!Follows(e.Device)) return std::nullopt;
                connectionKnown_ = true;
                deviceConnected_ = connections_[e.Device];
                if (!deviceConnected_) coordinateStatus_ = PropertyStatus::Idle;
                if (e.Status == PropertyStatus::Alert) return fault("the mount could not be connected");
                return std::nullopt;
            },
            [this, &fault](const MountCoordinates& e) -> std::optional<std::string> {
                AddOnce(mounts_, e.Device);
                if (!Follows(e.Device)) return std::nullopt;
                const PropertyStatus before = coordinateStatus_;
                coordinateStatus_ = e.Status;
                const std::optional<EquatorialPlace> p =
                    PlaceFromMount(e.RightAscensionHours, e.DeclinationDegrees);
                if (p) {
                    place_ = p;
                    ++coordinateReports_;
                }
                if (e.Status == PropertyStatus::Alert && before != PropertyStatus::Alert)
                    return fault("the mount reports a fault");
                const bool toldBefore = std::exchange(offSky_, !p);
                if (!p && !toldBefore)
                    return "the mount sent coordinates off the sky (RA " + NumberText(e.RightAscensionHours) +
                           " h, Dec " + NumberText(e.DeclinationDegrees) + "\u00b0), ignored";
                return std::nullopt;
            },
            [this, &fault](const MountParking& e) -> std::optional<std::string> {
                if (!Follows(e.Device)) return std::nullopt;
                const bool was = parking_;
                parkingKnown_ = true;
                parked_ = e.Parked;
                parking_ = e.Status == PropertyStatus::Busy;
                if (e.Status == PropertyStatus::Alert && was)
                    return fault("the mount could not park or unpark");
                return std::nullopt;
            },
            [this](const MountTracking& e) -> std::optional<std::string> {
                if (Follows(e.Device)) tracking_ = e.On;
                return std::nullopt;
            },
            [this, &fault](const MountAborted& e) -> std::optional<std::string> {
                if (!Follows(e.Device) || e.Status != PropertyStatus::Alert) return std::nullopt;
                return fault("the mount could not stop");
            },
            [this](const MountSite& e) -> std::optional<std::string> {
                if (!Follows(e.Device)) return std::nullopt;
                if (!std::isfinite(e.LatitudeDegrees) || !std::isfinite(e.LongitudeDegrees) ||
                    std::fabs(e.LatitudeDegrees) > 90.0 || std::fabs(e.LongitudeDegrees) > 360.0) {
                    site_.reset();
                    return std::nullopt;
                }
                GeodeticPlace site;
                site.Latitude = e.LatitudeDegrees * RadiansPerDegree;
                site.Longitude = WrapPi(e.LongitudeDegrees * RadiansPerDegree);
                site.Height =
                    std::isfinite(e.ElevationMetres) ? std::clamp(e.ElevationMetres, -500.0, 10000.0) : 0.0;
                site_ = site;
                return std::nullopt;
            },
            [this](const PropertyMissing& e) -> std::optional<std::string> {
                if (chosen_ && e.Device != device_) return std::nullopt;
                return "the mount " + Quoted(e.Device) + " has no " + e.Property;
            },
            [](const CommandRefused& e) -> std::optional<std::string> { return e.Reason; },
            [this](const DeviceMessage& e) -> std::optional<std::string> {
                if (chosen_ && e.Device == device_) lastMessage_ = e.Text;
                return std::nullopt;
            },
        },
        event);
}

}  // namespace kolvar
