#pragma once

// The temporary files FileWriter has made and not yet put in place, kept
// where a signal handler can reach them, so that SIGINT and SIGTERM do not
// leave them behind.

#include <signal.h>

namespace kolvar {

// Makes SIGINT and SIGTERM remove every registered temporary before they end
// the process as they would have (a signal the process ignores stays
// ignored), and ignores SIGPIPE: a reader that went away is then a write
// error (EPIPE), which the writer's caller reports and cleans up like any
// other. For programs whose signals end them: the command line. The desktop
// program turns both signals into an orderly exit instead (SignalQuit).
void RemoveTemporariesOnSignals();

// Holds SIGINT and SIGTERM for the calling thread while a temporary is made
// and registered, or put in place and forgotten, so a signal never finds a
// file that exists without being registered.
class HeldSignals {
public:
    HeldSignals();
    ~HeldSignals();
    HeldSignals(const HeldSignals&) = delete;
    HeldSignals& operator=(const HeldSignals&) = delete;

private:
    sigset_t saved_;
};

// Registers a temporary by name (copied), or forgets it. Registering fails
// (returns false) only when every slot is taken or the name is too long.
bool RegisterTemporary(const char* name);
void ForgetTemporary(const char* name);

}  // namespace kolvar
