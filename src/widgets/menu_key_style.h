#pragma once

#include <QFont>
#include <QProxyStyle>

class QMenu;

namespace kolvar {

// For drop-downs drawn in the runic face: an action's text may end in a tab
// and the keys that run it ("+", "Szóköz"); the runic face has no Latin
// letters, so this style draws that key column in a plain face of its own,
// right-aligned, and makes the item wide enough for it.
class MenuKeyStyle : public QProxyStyle {
public:
    explicit MenuKeyStyle(QFont keyFont);

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contentsSize,
                           const QWidget* widget = nullptr) const override;

private:
    int RightMargin(const QWidget* widget) const;

    QFont keyFont_;
};

// Sets a drop-down's runic face and gives it the key column in Arial of the
// same height; a menu that has the style keeps it.
void UseMenuKeyStyle(QMenu& menu, const QFont& menuFont);

}  // namespace kolvar
