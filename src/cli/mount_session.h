#pragma once

// kolvar-chart telescope's hold on one mount: the INDI link, the queue its
// events come through and the model they build, with waits that end when a
// condition holds, the time is up, or the server or the mount reports a
// failure.

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "telescope/event_queue.h"
#include "telescope/mount_link.h"
#include "telescope/mount_model.h"

namespace kolvar::cli {

using Clock = std::chrono::steady_clock;

struct WaitResult {
    enum { Reached, TimedOut, Failed } End = Reached;
    std::string Message;  // the failure's one line
};

class MountSession {
public:
    explicit MountSession(const std::string& device);

    // Connects to the server, finds the mount (the one named at creation, or
    // the first the server lists), connects it and waits for its
    // coordinates. The failure's one line, or nothing.
    std::optional<std::string> Open(const ServerAddress& address);

    // Applies events until `done` holds for the model. A notice ends the
    // wait as a failure, except numbers off the sky (ignored) and, unless
    // `faultsFail`, faults the mount reports.
    WaitResult WaitUntil(const std::function<bool(const MountModel&)>& done, Clock::time_point deadline,
                         bool faultsFail = true);

    MountModel& Model() { return model_; }
    MountLink& Link() { return *link_; }

private:
    EventQueue queue_;
    MountModel model_;
    std::unique_ptr<MountLink> link_;  // last: it goes first, before the queue it fills
};

}  // namespace kolvar::cli
