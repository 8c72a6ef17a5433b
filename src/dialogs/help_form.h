#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;
class QScrollArea;

namespace kolvar {

// The help window: four right-aligned lines and one button at the top, and
// below them the whole help (help_text.h): what the chart shows, the mouse
// buttons, every menu command and key, and where the settings are kept, in
// the current script. The button, Escape, the close box and the window
// manager's close (Alt+F4) close it, each with the cancel result.
class THelpForm1 : public QDialog {
    Q_OBJECT
public:
    explicit THelpForm1(QWidget* parent = nullptr);

    void Button1Click();
    void reject() override;

    // Shows every text in the current script (runes or Latin letters).
    void ShowScript();
    // The settings file that the help names.
    void SetSettingsPath(const QString& path);

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QPushButton* Button1 = nullptr;
    // The help below the button, scrolled when it is longer than the window.
    QScrollArea* Details = nullptr;

    // Outer size as designed; the client area is what remains inside the frame.
    static constexpr int OuterWidth = 682;
    static constexpr int OuterHeight = 390;
    // The window's client area, grown below the design for the details.
    static constexpr int ClientHeight = 700;

private:
    void ShowDetails();

    QString settingsPath_;
};

}  // namespace kolvar
