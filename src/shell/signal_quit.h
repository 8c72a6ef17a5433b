#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace kolvar {

// Turns SIGTERM, SIGINT, SIGHUP and SIGUSR1 into a call on the user-interface thread. The
// signal handler only writes one byte into a pipe; a socket notifier reads it
// in the event loop and runs `onSignal` there.
class SignalQuit : public QObject {
    Q_OBJECT
public:
    explicit SignalQuit(std::function<void(int)> onSignal, QObject* parent = nullptr);
    ~SignalQuit() override;

    bool Installed() const { return notifier_ != nullptr; }

private:
    void Drain();

    std::function<void(int)> onSignal_;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace kolvar
