#pragma once

#include <QDialog>

namespace kolvar {

// The close-up sky window, created hidden at start-up and shown modally by a
// right click on the chart. Its drawing and mouse handling come with the
// close-up view.
class TPlainSky : public QDialog {
    Q_OBJECT
public:
    explicit TPlainSky(QWidget* parent = nullptr);
};

}  // namespace kolvar
