#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace kolvar {

// The help window: four right-aligned runic lines and one button. The button,
// Escape, the close box and the window manager's close (Alt+F4) close it,
// each with the cancel result.
class THelpForm1 : public QDialog {
    Q_OBJECT
public:
    explicit THelpForm1(QWidget* parent = nullptr);

    void Button1Click();
    void reject() override;

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QPushButton* Button1 = nullptr;
    // The keys that move the time, below the four lines: the keys in a plain
    // face, what they do in runes.
    QWidget* KeyLegend = nullptr;

    // Outer size as designed; the client area is what remains inside the frame.
    static constexpr int OuterWidth = 682;
    static constexpr int OuterHeight = 390;
};

}  // namespace kolvar
