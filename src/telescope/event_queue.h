#pragma once

// A queue of MountEvents between the link's threads and one reader: the
// sink pushes from any thread, the reader waits with a time-out.

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>

#include "telescope/mount_event.h"
#include "telescope/mount_link.h"

namespace kolvar {

class EventQueue {
public:
    void Push(MountEvent event);
    // The oldest event, waiting until `deadline` for one.
    std::optional<MountEvent> PopUntil(std::chrono::steady_clock::time_point deadline);
    std::optional<MountEvent> TryPop();

    // A sink that pushes here; the queue must outlive the link that calls it.
    MountEventSink Sink();

private:
    std::mutex mutex_;
    std::condition_variable ready_;
    std::deque<MountEvent> events_;
};

}  // namespace kolvar
