#include "cli/mount_session.h"

#include <algorithm>
#include <variant>

#include "telescope/indi_link.h"

namespace kolvar::cli {

namespace {

using std::chrono::seconds;

constexpr auto ServerPatience = seconds(6);    // the link gives up connecting after 3 s
constexpr auto DevicePatience = seconds(4);    // the server's first answer lists its devices
constexpr auto ConnectPatience = seconds(15);  // a real mount's serial connection can be slow
constexpr auto StatePatience = std::chrono::milliseconds(1500);

std::string JoinedNames(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& n : names) text += (text.empty() ? "\"" : ", \"") + n + "\"";
    return text.empty() ? "none" : text;
}

}  // namespace

MountSession::MountSession(const std::string& device) : model_(device), link_(MakeIndiLink(queue_.Sink())) {}

WaitResult MountSession::WaitUntil(const std::function<bool(const MountModel&)>& done,
                                   Clock::time_point deadline, bool faultsFail) {
    for (;;) {
        if (done(model_)) return {};
        const std::optional<MountEvent> event = queue_.PopUntil(deadline);
        if (!event) return {WaitResult::TimedOut, {}};
        const std::optional<std::string> notice = model_.Apply(*event);
        if (!notice) continue;
        const auto* coordinates = std::get_if<MountCoordinates>(&*event);
        if (coordinates != nullptr && coordinates->Status != PropertyStatus::Alert) continue;  // off the sky
        const bool fault = coordinates != nullptr || std::holds_alternative<MountParking>(*event) ||
                           std::holds_alternative<MountAborted>(*event);
        if (fault && !faultsFail) continue;
        return {WaitResult::Failed, *notice};
    }
}

std::optional<std::string> MountSession::Open(const ServerAddress& address) {
    const std::string where = ServerAddressText(address);
    link_->Connect(address);
    WaitResult r = WaitUntil([](const MountModel& m) { return m.ServerUp(); }, Clock::now() + ServerPatience);
    if (r.End == WaitResult::Failed) return r.Message;
    if (r.End == WaitResult::TimedOut) return "no answer from the telescope server at " + where;

    const std::string named = model_.Device();
    r = WaitUntil(
        [&named](const MountModel& m) {
            return named.empty()
                       ? !m.Mounts().empty()
                       : std::find(m.Devices().begin(), m.Devices().end(), named) != m.Devices().end();
        },
        Clock::now() + DevicePatience, false);
    if (r.End == WaitResult::Failed) return r.Message;
    if (r.End == WaitResult::TimedOut) {
        if (named.empty())
            return "the server at " + where + " lists no mount (devices: " + JoinedNames(model_.Devices()) +
                   ")";
        return "the server at " + where + " has no device \"" + named +
               "\" (devices: " + JoinedNames(model_.Devices()) + ")";
    }

    // The device says whether it is connected as soon as the server lists
    // its properties; it is connected if it is not.
    r = WaitUntil([](const MountModel& m) { return m.ConnectionKnown(); }, Clock::now() + DevicePatience,
                  false);
    if (r.End == WaitResult::Failed) return r.Message;
    if (r.End == WaitResult::TimedOut)
        return "the device \"" + model_.Device() + "\" does not say whether it is connected";
    if (!model_.DeviceConnected()) link_->ConnectDevice(model_.Device());
    r = WaitUntil([](const MountModel& m) { return m.DeviceConnected() && m.Place().has_value(); },
                  Clock::now() + ConnectPatience, false);
    if (r.End == WaitResult::Failed) return r.Message;
    if (r.End == WaitResult::TimedOut) {
        if (!model_.DeviceConnected()) return "the mount \"" + model_.Device() + "\" did not connect";
        return "the mount \"" + model_.Device() + "\" reports no coordinates (EQUATORIAL_EOD_COORD)";
    }
    // Tracking and parking come with the rest of the mount's properties, a
    // moment after its coordinates; a mount without them is not waited for.
    r = WaitUntil([](const MountModel& m) { return m.TrackingKnown() && m.ParkingKnown(); },
                  Clock::now() + StatePatience, false);
    if (r.End == WaitResult::Failed) return r.Message;
    return std::nullopt;
}

}  // namespace kolvar::cli
