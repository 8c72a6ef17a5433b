#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace kolvar {

// The help window: four right-aligned runic lines and one button. It has no
// close box; the button is the only way to close it.
class THelpForm1 : public QDialog {
    Q_OBJECT
public:
    explicit THelpForm1(QWidget* parent = nullptr);

    void Button1Click();

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

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace kolvar
