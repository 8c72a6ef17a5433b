#pragma once

#include <QDialog>

namespace kolvar {

// The place dialog's window, created once at start-up and reused. Its controls
// and the place exchange (latitude and longitude in degrees, minutes and
// seconds) come with the place dialog itself; until then the main window's
// Place1 command has no exchange to run.
class TPlaceDlg : public QDialog {
    Q_OBJECT
public:
    explicit TPlaceDlg(QWidget* parent = nullptr);
};

}  // namespace kolvar
