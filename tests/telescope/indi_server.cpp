#include "indi_server.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>
#include <thread>

namespace kolvar::testing {

namespace {

bool Accepts(int port) {
    const int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<std::uint16_t>(port));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool ok = connect(s, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
    close(s);
    return ok;
}

}  // namespace

int FreePort() {
    const int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof a;
    if (bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 ||
        getsockname(s, reinterpret_cast<sockaddr*>(&a), &size) != 0)
        throw std::runtime_error("no free port");
    close(s);
    return ntohs(a.sin_port);
}

IndiServer::IndiServer()
    : port_(FreePort()),
      socketPath_("/kolvar-test-indi-" + std::to_string(getpid()) + "-" + std::to_string(port_)) {
    Start();
}

IndiServer::~IndiServer() { Stop(); }

void IndiServer::Start() {
    const std::string port = std::to_string(port_);
    const pid_t parent = getpid();
    pid_ = fork();
    if (pid_ < 0) throw std::runtime_error("fork failed");
    if (pid_ == 0) {
        // The server goes when the test process does, however that ends.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent) _exit(127);
        const int null = open("/dev/null", O_RDWR);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        execlp("indiserver", "indiserver", "-p", port.c_str(), "-u", socketPath_.c_str(), "-r", "0",
               "indi_simulator_telescope", static_cast<char*>(nullptr));
        _exit(127);
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!Accepts(port_)) {
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_ || std::chrono::steady_clock::now() > deadline) {
            pid_ = -1;
            throw std::runtime_error("indiserver did not start on port " + port);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

void IndiServer::Stop() {
    if (pid_ <= 0) return;
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
    // The simulator leaves when its server's pipe closes; the port is free
    // again once the server's socket is gone.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (Accepts(port_) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
}

}  // namespace kolvar::testing
