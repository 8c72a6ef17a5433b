#include "appcore/temporary_files.h"

#include <pthread.h>
#include <unistd.h>

#include <atomic>
#include <climits>
#include <cstring>

namespace kolvar {
namespace {

// Fixed slots rather than a container: the handler may only read memory
// that no allocation moves, and a program writes a few files at a time.
enum SlotState : int { Free, Filling, Ready };
struct Slot {
    std::atomic<int> State{Free};
    char Name[PATH_MAX];
};
constexpr int SlotCount = 16;
Slot slots[SlotCount];

void RemoveTemporariesAndEnd(int signalNumber) {
    for (Slot& slot : slots)
        if (slot.State.load(std::memory_order_acquire) == Ready) ::unlink(slot.Name);
    // SA_RESETHAND has restored the default action and the signal is held
    // until this handler returns; then it ends the process as it would have.
    ::raise(signalNumber);
}

sigset_t EndingSignals() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    return set;
}

}  // namespace

void RemoveTemporariesOnSignals() {
    struct sigaction action {};
    action.sa_handler = RemoveTemporariesAndEnd;
    action.sa_mask = EndingSignals();
    action.sa_flags = SA_RESETHAND;
    for (const int signalNumber : {SIGINT, SIGTERM}) {
        struct sigaction old {};
        if (::sigaction(signalNumber, nullptr, &old) == 0 && old.sa_handler == SIG_IGN) continue;
        ::sigaction(signalNumber, &action, nullptr);
    }
    ::signal(SIGPIPE, SIG_IGN);
}

HeldSignals::HeldSignals() {
    const sigset_t set = EndingSignals();
    ::pthread_sigmask(SIG_BLOCK, &set, &saved_);
}

HeldSignals::~HeldSignals() { ::pthread_sigmask(SIG_SETMASK, &saved_, nullptr); }

bool RegisterTemporary(const char* name) {
    const std::size_t length = std::strlen(name);
    if (length >= PATH_MAX) return false;
    for (Slot& slot : slots) {
        int expected = Free;
        if (!slot.State.compare_exchange_strong(expected, Filling)) continue;
        std::memcpy(slot.Name, name, length + 1);
        slot.State.store(Ready, std::memory_order_release);
        return true;
    }
    return false;
}

void ForgetTemporary(const char* name) {
    for (Slot& slot : slots) {
        if (slot.State.load(std::memory_order_acquire) == Ready && std::strcmp(slot.Name, name) == 0) {
            slot.State.store(Free, std::memory_order_release);
            return;
        }
    }
}

}  // namespace kolvar
