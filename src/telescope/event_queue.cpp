#include "telescope/event_queue.h"

#include <utility>

namespace kolvar {

void EventQueue::Push(MountEvent event) {
    {
        const std::lock_guard lock(mutex_);
        events_.push_back(std::move(event));
    }
    ready_.notify_one();
}

std::optional<MountEvent> EventQueue::PopUntil(std::chrono::steady_clock::time_point deadline) {
    std::unique_lock lock(mutex_);
    if (!ready_.wait_until(lock, deadline, [this] { return !events_.empty(); })) return std::nullopt;
    MountEvent event = std::move(events_.front());
    events_.pop_front();
    return event;
}

std::optional<MountEvent> EventQueue::TryPop() {
    const std::lock_guard lock(mutex_);
    if (events_.empty()) return std::nullopt;
    MountEvent event = std::move(events_.front());
    events_.pop_front();
    return event;
}

MountEventSink EventQueue::Sink() {
    return [this](MountEvent event) { Push(std::move(event)); };
}

}  // namespace kolvar
