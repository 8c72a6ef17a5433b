// The INDI client behind the telescope link. Commands run on the link's own
// worker thread, one at a time, so that connecting (which blocks for up to
// the connection time-out) never holds up the caller and no two threads
// write to the socket. The library reads the server on a thread of its own
// and calls the client's notifications there; they read the property they
// are given and hand out plain events, touching nothing else.
//
// Each connection gets a fresh library client: one whose server went away
// cannot connect again, and it is destroyed on the worker thread, which
// joins the library's thread.

#include "telescope/indi_link.h"

#include <baseclient.h>
#include <basedevice.h>
#include <dirent.h>
#include <indiproperty.h>
#include <indipropertynumber.h>
#include <indipropertyswitch.h>
#include <indipropertytext.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <sys/stat.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <deque>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "astro/angles.h"
#include "telescope/mount_coordinates.h"

// The library writes its own diagnostics to standard error: lines through
// IDLog ("creating new connection...", the XML it could not parse) and,
// through prXMLEle, every message it could not apply (a driver's update of a
// property it has not defined yet, which the simulator sends). The
// program's outputs are its own one-line messages, so these definitions,
// which the dynamic linker takes before the library's, keep them quiet. The
// client library calls prXMLEle for nothing else.
extern "C" void IDLog(const char*, ...) {}
extern "C" void prXMLEle(FILE*, XMLEle*, int) {}

namespace kolvar {

namespace {

constexpr unsigned ConnectionTimeoutSeconds = 3;
// A command may come just after its device connected, before the driver has
// defined the property; it waits this long for it.
constexpr auto PropertyGrace = std::chrono::milliseconds(1500);

PropertyStatus StatusOf(IPState state) {
    switch (state) {
        case IPS_OK:
            return PropertyStatus::Ok;
        case IPS_BUSY:
            return PropertyStatus::Busy;
        case IPS_ALERT:
            return PropertyStatus::Alert;
        default:
            return PropertyStatus::Idle;
    }
}

// The properties each device has defined, for the worker to check a command
// against; written by the library's thread.
class KnownProperties {
public:
    void Add(const std::string& device, const std::string& property) {
        {
            const std::lock_guard lock(mutex_);
            properties_[device].insert(property);
        }
        changed_.notify_all();
    }
    void Remove(const std::string& device, const std::string& property) {
        const std::lock_guard lock(mutex_);
        properties_[device].erase(property);
    }
    void RemoveDevice(const std::string& device) {
        const std::lock_guard lock(mutex_);
        properties_.erase(device);
    }
    void Clear() {
        const std::lock_guard lock(mutex_);
        properties_.clear();
        arrival_.clear();
    }
    // Which of ON_COORD_SET's switches a device has on ("TRACK", "SYNC" ...).
    void SetArrival(const std::string& device, const std::string& mode) {
        const std::lock_guard lock(mutex_);
        arrival_[device] = mode;
    }
    std::string Arrival(const std::string& device) {
        const std::lock_guard lock(mutex_);
        const auto d = arrival_.find(device);
        return d == arrival_.end() ? std::string() : d->second;
    }
    bool HasDevice(const std::string& device) {
        const std::lock_guard lock(mutex_);
        return properties_.contains(device);
    }
    bool WaitFor(const std::string& device, const std::string& property, std::chrono::milliseconds grace) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, grace, [&] {
            const auto d = properties_.find(device);
            return d != properties_.end() && d->second.contains(property);
        });
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::map<std::string, std::set<std::string>> properties_;
    std::map<std::string, std::string> arrival_;
};

// One connection's library client.
class Client final : public INDI::BaseClient {
public:
    Client(MountEventSink& sink, KnownProperties& known) : sink_(sink), known_(known) {
        setConnectionTimeout(ConnectionTimeoutSeconds, 0);
    }

    // Closes the connection as asked and reports it as a requested
    // ServerLost; disconnectServer waits until the library's thread has left
    // the notifications, so that the client can go. The library counts a
    // connection its server closed as still open until this is called, and
    // does not always notify a disconnection it was asked for.
    void Close() {
        requested_ = true;
        disconnectServer();
        if (up_.exchange(false)) sink_(ServerLost{"", true});
    }

protected:
    // Called by connectServer before it asks for the properties, so the
    // event comes before everything the server then says.
    void serverConnected() override {
        up_ = true;
        sink_(ServerConnected{});
    }

    void serverDisconnected(int) override {
        known_.Clear();
        if (!up_.exchange(false)) return;
        const bool requested = requested_;
        sink_(ServerLost{"", requested});
    }

    void newDevice(INDI::BaseDevice device) override {
        const std::string name = device.getDeviceName();
        known_.Add(name, {});
        sink_(DeviceSeen{name, false});
    }

    void removeDevice(INDI::BaseDevice device) override {
        const std::string name = device.getDeviceName();
        known_.RemoveDevice(name);
        sink_(DeviceGone{name});
    }

    void newProperty(INDI::Property property) override {
        known_.Add(property.getDeviceName(), property.getName());
        Report(property);
    }

    void updateProperty(INDI::Property property) override { Report(property); }

    void removeProperty(INDI::Property property) override {
        known_.Remove(property.getDeviceName(), property.getName());
    }

    void newMessage(INDI::BaseDevice device, int messageId) override {
        if (messageId < 0) return;
        std::string text = device.messageQueue(static_cast<std::size_t>(messageId));
        // The library puts the time first: "2026-01-01T20:00:00: text".
        const std::size_t colon = text.find(": ");
        if (colon != std::string::npos && colon < 32) text.erase(0, colon + 2);
        sink_(DeviceMessage{device.getDeviceName(), std::move(text)});
    }

private:
    void Report(INDI::Property property) {
        const std::string device = property.getDeviceName();
        const PropertyStatus status = StatusOf(property.getState());
        const INDI_PROPERTY_TYPE type = property.getType();
        if (type == INDI_NUMBER && property.isNameMatch("EQUATORIAL_EOD_COORD")) {
            const INDI::PropertyNumber n(property);
            const auto* ra = n.findWidgetByName("RA");
            const auto* dec = n.findWidgetByName("DEC");
            if (ra == nullptr || dec == nullptr) return;
            sink_(DeviceSeen{device, true});
            sink_(MountCoordinates{device, ra->getValue(), dec->getValue(), status});
        } else if (type == INDI_NUMBER && property.isNameMatch("GEOGRAPHIC_COORD")) {
            const INDI::PropertyNumber n(property);
            const auto* lat = n.findWidgetByName("LAT");
            const auto* lon = n.findWidgetByName("LONG");
            const auto* elev = n.findWidgetByName("ELEV");
            if (lat == nullptr || lon == nullptr) return;
            sink_(MountSite{device, lat->getValue(), lon->getValue(),
                            elev != nullptr ? elev->getValue() : 0.0});
        } else if (type == INDI_SWITCH && property.isNameMatch("CONNECTION")) {
            const INDI::PropertySwitch p(property);
            const auto* on = p.findWidgetByName("CONNECT");
            if (on != nullptr) sink_(DeviceConnection{device, on->getState() == ISS_ON, status});
        } else if (type == INDI_SWITCH && property.isNameMatch("TELESCOPE_PARK")) {
            const INDI::PropertySwitch p(property);
            const auto* park = p.findWidgetByName("PARK");
            if (park != nullptr) sink_(MountParking{device, park->getState() == ISS_ON, status});
        } else if (type == INDI_SWITCH && property.isNameMatch("TELESCOPE_TRACK_STATE")) {
            const INDI::PropertySwitch p(property);
            const auto* on = p.findWidgetByName("TRACK_ON");
            if (on != nullptr) sink_(MountTracking{device, on->getState() == ISS_ON, status});
        } else if (type == INDI_SWITCH && property.isNameMatch("ON_COORD_SET")) {
            const INDI::PropertySwitch p(property);
            for (const auto& element : p)
                if (element.getState() == ISS_ON) known_.SetArrival(device, element.getName());
        } else if (type == INDI_SWITCH && property.isNameMatch("TELESCOPE_ABORT_MOTION")) {
            sink_(MountAborted{device, status});
        } else if (type == INDI_TEXT && property.isNameMatch("DRIVER_INFO")) {
            const INDI::PropertyText p(property);
            const auto* kind = p.findWidgetByName("DRIVER_INTERFACE");
            if (kind == nullptr || kind->getText() == nullptr) return;
            const long interfaces = std::strtol(kind->getText(), nullptr, 10);
            if ((interfaces & INDI::BaseDevice::TELESCOPE_INTERFACE) != 0) sink_(DeviceSeen{device, true});
        }
    }

    MountEventSink& sink_;
    KnownProperties& known_;
    std::atomic<bool> up_{false};
    std::atomic<bool> requested_{false};
};

// The library writes each message in a score of small pieces, and with
// Nagle's algorithm the kernel holds every piece after the first until the
// server acknowledges it: a command took 40 to 80 ms to leave. The link
// finds the library's socket (the one it opened towards the server's port)
// and corks it around each command, so that the command goes out whole at
// once. The socket is known by its inode, so a descriptor number the
// library has closed and the system given to someone else is left alone.
class ServerSocket {
public:
    // The sockets open now, before the library opens its own.
    static std::set<int> OpenSockets() {
        std::set<int> fds;
        if (DIR* dir = opendir("/proc/self/fd")) {
            while (const dirent* entry = readdir(dir)) {
                const int fd = std::atoi(entry->d_name);
                struct stat st {};
                if (entry->d_name[0] != '.' && fstat(fd, &st) == 0 && S_ISSOCK(st.st_mode)) fds.insert(fd);
            }
            closedir(dir);
        }
        return fds;
    }

    // The socket opened since `before` that is connected to `port`.
    void Find(const std::set<int>& before, int port) {
        for (const int fd : OpenSockets()) {
            if (before.contains(fd)) continue;
            sockaddr_in peer{};
            socklen_t size = sizeof peer;
            struct stat st {};
            if (getpeername(fd, reinterpret_cast<sockaddr*>(&peer), &size) != 0 ||
                peer.sin_family != AF_INET || ntohs(peer.sin_port) != port || fstat(fd, &st) != 0)
                continue;
            fd_ = fd;
            inode_ = st.st_ino;
            const int on = 1;
            setsockopt(fd_, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
            return;
        }
    }
    void Forget() { fd_ = -1; }

    void Cork(bool on) {
        struct stat st {};
        if (fd_ < 0 || fstat(fd_, &st) != 0 || st.st_ino != inode_) return;
        const int value = on ? 1 : 0;
        setsockopt(fd_, IPPROTO_TCP, TCP_CORK, &value, sizeof value);
    }

private:
    int fd_ = -1;
    ino_t inode_ = 0;
};

// A command's messages, sent as one.
class Batch {
public:
    explicit Batch(ServerSocket& socket) : socket_(socket) { socket_.Cork(true); }
    ~Batch() { socket_.Cork(false); }
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;

private:
    ServerSocket& socket_;
};

// "2026-08-12T20:30:05" of a Julian day (UTC).
std::string IsoUtc(double julianDayUtc) {
    const auto seconds = static_cast<long long>(std::llround((julianDayUtc - 2440587.5) * 86400.0));
    const std::time_t t = static_cast<std::time_t>(seconds);
    std::tm utc{};
    gmtime_r(&t, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &utc);
    return text;
}

class IndiLink final : public MountLink {
public:
    explicit IndiLink(MountEventSink sink) : sink_(std::move(sink)), worker_([this] { Work(); }) {}

    ~IndiLink() override {
        Post([this] { Drop(); });
        {
            const std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        wake_.notify_one();
        worker_.join();
    }

    void Connect(const ServerAddress& address) override {
        Post([this, address] {
            Drop();
            auto client = std::make_unique<Client>(sink_, known_);
            client->setServer(address.Host.c_str(), static_cast<unsigned>(address.Port));
            const std::set<int> before = ServerSocket::OpenSockets();
            if (!client->connectServer()) {
                sink_(ServerUnreachable{"no telescope server answers at " + ServerAddressText(address)});
                return;
            }
            socket_.Find(before, address.Port);
            client_ = std::move(client);
        });
    }

    void Disconnect() override {
        Post([this] {
            if (!client_) sink_(ServerLost{"", true});
            Drop();
        });
    }

    void ConnectDevice(const std::string& device) override { Switch(device, "CONNECTION", "CONNECT"); }
    void DisconnectDevice(const std::string& device) override { Switch(device, "CONNECTION", "DISCONNECT"); }

    void SendPlace(const std::string& device, const GeodeticPlace& place) override {
        Post([this, device, place] {
            if (!Ready(device, "GEOGRAPHIC_COORD")) return;
            const Batch batch(socket_);
            double east = place.Longitude * DegreesPerRadian;
            if (east < 0.0) east += 360.0;  // the protocol counts 0..360 east
            SendNumbers(device, "GEOGRAPHIC_COORD",
                        {{"LAT", place.Latitude * DegreesPerRadian}, {"LONG", east}, {"ELEV", place.Height}});
        });
    }

    void SendTime(const std::string& device, double julianDayUtc, double zoneHours) override {
        Post([this, device, julianDayUtc, zoneHours] {
            if (!Ready(device, "TIME_UTC")) return;
            const Batch batch(socket_);
            char offset[16];
            std::snprintf(offset, sizeof offset, "%.2f", zoneHours);
            INDI::PropertyText p(2);
            p.setDeviceName(device.c_str());
            p.setName("TIME_UTC");
            p[0].setName("UTC");
            p[0].setText(IsoUtc(julianDayUtc));
            p[1].setName("OFFSET");
            p[1].setText(offset);
            client_->sendNewText(p);
        });
    }

    void Slew(const std::string& device, const EquatorialPlace& ofDate) override {
        Point(device, ofDate, "TRACK");
    }
    void Sync(const std::string& device, const EquatorialPlace& ofDate) override {
        Point(device, ofDate, "SYNC");
    }
    void Abort(const std::string& device) override { Switch(device, "TELESCOPE_ABORT_MOTION", "ABORT"); }
    void Park(const std::string& device, bool park) override {
        Switch(device, "TELESCOPE_PARK", park ? "PARK" : "UNPARK");
    }
    void SetTracking(const std::string& device, bool on) override {
        Switch(device, "TELESCOPE_TRACK_STATE", on ? "TRACK_ON" : "TRACK_OFF");
    }

private:
    void Post(std::function<void()> job) {
        {
            const std::lock_guard lock(mutex_);
            jobs_.push_back(std::move(job));
        }
        wake_.notify_one();
    }

    void Work() {
        for (;;) {
            std::function<void()> job;
            {
                std::unique_lock lock(mutex_);
                wake_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
                if (jobs_.empty()) return;
                job = std::move(jobs_.front());
                jobs_.pop_front();
            }
            job();
        }
    }

    // Ends the connection (if any) and the library client with it.
    void Drop() {
        socket_.Forget();
        if (!client_) return;
        client_->Close();
        client_.reset();
        known_.Clear();
    }

    // Whether a command for `property` of `device` can go out; reports why not.
    bool Ready(const std::string& device, const std::string& property) {
        if (!client_ || !client_->isServerConnected()) {
            sink_(CommandRefused{"not connected to a telescope server"});
            return false;
        }
        if (known_.WaitFor(device, property, PropertyGrace)) return true;
        if (!known_.HasDevice(device))
            sink_(CommandRefused{"the server has no device \"" + device + "\""});
        else
            sink_(PropertyMissing{device, property});
        return false;
    }

    void SendNumbers(const std::string& device, const char* property,
                     const std::vector<std::pair<const char*, double>>& values) {
        INDI::PropertyNumber p(values.size());
        p.setDeviceName(device.c_str());
        p.setName(property);
        for (std::size_t i = 0; i < values.size(); ++i) {
            p[i].setName(values[i].first);
            p[i].setValue(values[i].second);
        }
        client_->sendNewNumber(p);
    }

    void SendSwitch(const std::string& device, const char* property, const char* element) {
        INDI::PropertySwitch p(1);
        p.setDeviceName(device.c_str());
        p.setName(property);
        p[0].setName(element);
        p[0].setState(ISS_ON);
        client_->sendNewSwitch(p);
    }

    void Switch(const std::string& device, const char* property, const char* element) {
        Post([this, device, property, element] {
            if (!Ready(device, property)) return;
            const Batch batch(socket_);
            SendSwitch(device, property, element);
        });
    }

    // What the mount does on arrival (TRACK, SYNC), then the coordinates;
    // after a sync the mount is set back to slewing, so that coordinates
    // another program sends are not taken as a sync.
    void Point(const std::string& device, const EquatorialPlace& ofDate, const char* mode) {
        Post([this, device, ofDate, mode] {
            if (!Ready(device, "EQUATORIAL_EOD_COORD") || !Ready(device, "ON_COORD_SET")) return;
            const MountNumbers n = NumbersForMount(ofDate);
            const Batch batch(socket_);
            // Only when it changes: the driver's answer to it would come
            // first and hold up the one to the coordinates.
            if (known_.Arrival(device) != mode) SendSwitch(device, "ON_COORD_SET", mode);
            SendNumbers(device, "EQUATORIAL_EOD_COORD",
                        {{"RA", n.RightAscensionHours}, {"DEC", n.DeclinationDegrees}});
            if (std::string_view(mode) == "SYNC") SendSwitch(device, "ON_COORD_SET", "TRACK");
        });
    }

    MountEventSink sink_;
    KnownProperties known_;
    std::unique_ptr<Client> client_;  // the worker's alone, as is the socket
    ServerSocket socket_;

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::function<void()>> jobs_;
    bool stopping_ = false;
    std::thread worker_;  // last: it starts once everything above is there
};

}  // namespace

std::unique_ptr<MountLink> MakeIndiLink(MountEventSink sink) {
    return std::make_unique<IndiLink>(std::move(sink));
}

}  // namespace kolvar
