#pragma once

// A private INDI server for the tests: indiserver with the telescope
// simulator on a free port and its own local socket, so that parallel runs
// never meet; stopped when the object goes, and with the test process if
// that dies first.

#include <sys/types.h>

#include <string>

namespace kolvar::testing {

class IndiServer {
public:
    IndiServer();  // started; throws when it does not come up
    ~IndiServer();
    IndiServer(const IndiServer&) = delete;
    IndiServer& operator=(const IndiServer&) = delete;

    void Start();  // again, on the same port
    void Stop();   // SIGKILL: the server vanishes as a crashed one does

    int Port() const { return port_; }
    std::string Address() const { return "127.0.0.1:" + std::to_string(port_); }

private:
    pid_t pid_ = -1;
    int port_ = 0;
    std::string socketPath_;
};

// A free TCP port on the loopback interface.
int FreePort();

}  // namespace kolvar::testing
