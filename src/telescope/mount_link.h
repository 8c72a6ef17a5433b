#pragma once

// The telescope link: commands to a mount behind a telescope server. Every
// command returns at once; the work happens on the link's own thread and its
// outcome comes back as MountEvents through the sink given at creation,
// called on that thread (or the client library's). A sink must not block:
// it queues the event (EventQueue) or posts it to a window's thread.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "astro/apparent_place.h"
#include "telescope/mount_event.h"

namespace kolvar {

struct ServerAddress {
    std::string Host = "localhost";
    int Port = 7624;
};
inline constexpr int DefaultServerPort = 7624;

// "HOST:PORT" or "HOST" (the default port), the host a name or an IPv4
// address; nothing for an empty host, a blank, control character or second
// colon, or a port outside 1..65535.
std::optional<ServerAddress> ParseServerAddress(std::string_view text);
std::string ServerAddressText(const ServerAddress& address);

using MountEventSink = std::function<void(MountEvent)>;

class MountLink {
public:
    virtual ~MountLink() = default;

    // Connects to the server (a connection already up is closed first):
    // ServerConnected, then a DeviceSeen per device, or ServerUnreachable.
    virtual void Connect(const ServerAddress& address) = 0;
    // Closes the connection: ServerLost with Requested set.
    virtual void Disconnect() = 0;

    virtual void ConnectDevice(const std::string& device) = 0;
    virtual void DisconnectDevice(const std::string& device) = 0;

    // The observer's place (GEOGRAPHIC_COORD) and the current UTC with the
    // zone's offset (TIME_UTC).
    virtual void SendPlace(const std::string& device, const GeodeticPlace& place) = 0;
    virtual void SendTime(const std::string& device, double julianDayUtc, double zoneHours) = 0;

    // Slews to (and then tracks) or syncs on a place of date (the true
    // equator and equinox, as EQUATORIAL_EOD_COORD takes it).
    virtual void Slew(const std::string& device, const EquatorialPlace& ofDate) = 0;
    virtual void Sync(const std::string& device, const EquatorialPlace& ofDate) = 0;
    virtual void Abort(const std::string& device) = 0;
    virtual void Park(const std::string& device, bool park) = 0;
    virtual void SetTracking(const std::string& device, bool on) = 0;
};

}  // namespace kolvar
