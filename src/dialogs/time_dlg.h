#pragma once

#include <QDialog>

namespace kolvar {

// The time dialog's window, created once at start-up and reused. Its controls
// and its exchange with the observer state (date, clock time, zone, summer
// time, Julian day) come with the time dialog itself; until then the main
// window's Time1 command has no exchange to run.
class TTimeDlg : public QDialog {
    Q_OBJECT
public:
    explicit TTimeDlg(QWidget* parent = nullptr);
};

}  // namespace kolvar
