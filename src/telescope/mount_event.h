#pragma once

// What a telescope link reports, as plain values: each event is one thing the
// server or a device said (or that the connection did), in the mount's own
// units. The link hands them out from its own thread; whoever shows them
// applies them to a MountModel on one thread of its choice.

#include <string>
#include <variant>
#include <vector>

namespace kolvar {

// The state an INDI property is reported in.
enum class PropertyStatus { Idle, Ok, Busy, Alert };

// The connection to the server is up.
struct ServerConnected {};

// The connection to the server could not be made (refused, no such host,
// timed out); `Reason` is one line.
struct ServerUnreachable {
    std::string Reason;
};

// A connection that was up has gone (the server closed it, or we did).
struct ServerLost {
    std::string Reason;
    bool Requested = false;  // Disconnect() was called
};

// A device the server lists; `IsMount` once its driver says it is a telescope
// (DRIVER_INFO) or it has equatorial coordinates.
struct DeviceSeen {
    std::string Device;
    bool IsMount = false;
};

struct DeviceGone {
    std::string Device;
};

// The device's CONNECTION switch.
struct DeviceConnection {
    std::string Device;
    bool Connected = false;
    PropertyStatus Status = PropertyStatus::Idle;
};

// EQUATORIAL_EOD_COORD as received: right ascension in hours, declination in
// degrees of date, unchecked (they can be anything a driver sends).
struct MountCoordinates {
    std::string Device;
    double RightAscensionHours = 0.0;
    double DeclinationDegrees = 0.0;
    PropertyStatus Status = PropertyStatus::Idle;
};

// TELESCOPE_PARK: parked (PARK on) or not, and whether the motion is under way.
struct MountParking {
    std::string Device;
    bool Parked = false;
    PropertyStatus Status = PropertyStatus::Idle;
};

// TELESCOPE_TRACK_STATE.
struct MountTracking {
    std::string Device;
    bool On = false;
    PropertyStatus Status = PropertyStatus::Idle;
};

// TELESCOPE_ABORT_MOTION after an abort was sent.
struct MountAborted {
    std::string Device;
    PropertyStatus Status = PropertyStatus::Idle;
};

// GEOGRAPHIC_COORD: the place the mount believes it is at, unchecked:
// latitude degrees north, longitude degrees east (0..360 by the protocol),
// elevation metres.
struct MountSite {
    std::string Device;
    double LatitudeDegrees = 0.0;
    double LongitudeDegrees = 0.0;
    double ElevationMetres = 0.0;
};

// A command needed a property the device does not have (yet).
struct PropertyMissing {
    std::string Device;
    std::string Property;
};

// A command could not be sent: no connection, no such device.
struct CommandRefused {
    std::string Reason;
};

// A message from the server or a device, as the driver wrote it.
struct DeviceMessage {
    std::string Device;  // empty for a message of the server
    std::string Text;
};

using MountEvent = std::variant<ServerConnected, ServerUnreachable, ServerLost, DeviceSeen, DeviceGone,
                                DeviceConnection, MountCoordinates, MountParking, MountTracking, MountAborted,
                                MountSite, PropertyMissing, CommandRefused, DeviceMessage>;

}  // namespace kolvar
