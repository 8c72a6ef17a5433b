#pragma once

// What is known of the server and the mount, built from the link's events
// in the order they came: the state the window's status line and the
// command line report, the last coordinates of date, the devices listed.
// A value, applied on one thread.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "astro/apparent_place.h"
#include "telescope/mount_event.h"

namespace kolvar {

enum class MountState {
    Disconnected,  // no server
    Connecting,    // server reached, the mount not (yet) connected
    Idle,          // connected, not moving, not tracking
    Tracking,
    Slewing,  // a slew, a park or an unpark under way
    Parked,
    Lost,  // the connection broke without being asked to
};

// "disconnected", "connecting", "idle", "tracking", "slewing", "parked", "lost".
std::string_view MountStateWord(MountState state);

class MountModel {
public:
    // The device the model follows; events of other devices only list them.
    // Empty: the first mount the server lists.
    explicit MountModel(std::string device = {});

    // Applies one event; returns a one-line notice (UTF-8, English) when the
    // event is something to tell the user: the server gone, a fault the mount
    // reports, a property it lacks, numbers it sent that are off the sky.
    std::optional<std::string> Apply(const MountEvent& event);

    MountState State() const;
    const std::string& Device() const { return device_; }
    bool ServerUp() const { return serverUp_; }
    bool DeviceConnected() const { return deviceConnected_; }
    // The followed device has said whether it is connected.
    bool ConnectionKnown() const { return connectionKnown_; }
    bool Tracking() const { return tracking_.value_or(false); }
    bool TrackingKnown() const { return tracking_.has_value(); }
    bool Parked() const { return parked_; }
    bool ParkingKnown() const { return parkingKnown_; }

    // The last checked coordinates of date; nothing before the first or while
    // the connection is down (the last known place stays in LastPlace).
    std::optional<EquatorialPlace> Place() const;
    std::optional<EquatorialPlace> LastPlace() const { return place_; }
    PropertyStatus CoordinateStatus() const { return coordinateStatus_; }
    int CoordinateReports() const { return coordinateReports_; }  // checked reports so far
    std::optional<GeodeticPlace> Site() const { return site_; }

    // Every device the server listed, in order, and which of them are mounts.
    const std::vector<std::string>& Devices() const { return devices_; }
    std::vector<std::string> Mounts() const;

    // The last message of the followed device (a driver's reason for a fault).
    const std::string& LastMessage() const { return lastMessage_; }

private:
    bool Follows(const std::string& device);

    std::string device_;
    bool chosen_ = false;  // device_ was given or taken
    bool serverUp_ = false;
    bool lost_ = false;
    bool deviceConnected_ = false;
    bool connectionKnown_ = false;
    std::optional<bool> tracking_;
    bool parked_ = false;
    bool parking_ = false;
    bool parkingKnown_ = false;
    bool offSky_ = false;  // the last report was off the sky (told once)
    std::optional<EquatorialPlace> place_;
    PropertyStatus coordinateStatus_ = PropertyStatus::Idle;
    int coordinateReports_ = 0;
    std::optional<GeodeticPlace> site_;
    std::vector<std::string> devices_;
    std::vector<std::string> mounts_;
    std::map<std::string, bool> connections_;  // every device's last CONNECTION, before one is followed
    std::string lastMessage_;
};

}  // namespace kolvar
