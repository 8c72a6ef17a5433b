#include "shell/signal_quit.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>

namespace kolvar {
namespace {

int pipeFds[2] = {-1, -1};

// Closing the terminal (SIGHUP) and SIGUSR1 end the run as SIGTERM does, with
// the settings saved, rather than killing the program outright.
constexpr int QuitSignals[] = {SIGTERM, SIGINT, SIGHUP, SIGUSR1};

extern "C" void WriteSignalByte(int signalNumber) {
    int saved = errno;
    unsigned char byte = static_cast<unsigned char>(signalNumber);
    [[maybe_unused]] ssize_t n = ::write(pipeFds[1], &byte, 1);
    errno = saved;
}

}  // namespace

SignalQuit::SignalQuit(std::function<void(int)> onSignal, QObject* parent)
    : QObject(parent), onSignal_(std::move(onSignal)) {
    if (pipeFds[0] < 0 && ::pipe2(pipeFds, O_CLOEXEC | O_NONBLOCK) != 0) return;
    notifier_ = new QSocketNotifier(pipeFds[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SignalQuit::Drain);

    struct sigaction action {};
    action.sa_handler = WriteSignalByte;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signalNumber : QuitSignals) ::sigaction(signalNumber, &action, nullptr);
}

SignalQuit::~SignalQuit() {
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (int signalNumber : QuitSignals) ::sigaction(signalNumber, &action, nullptr);
}

void SignalQuit::Drain() {
    unsigned char byte = 0;
    int last = 0;
    while (::read(pipeFds[0], &byte, 1) == 1) last = byte;
    if (last != 0 && onSignal_) onSignal_(last);
}

}  // namespace kolvar
