#pragma once

#include <QFont>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <string_view>
#include <vector>

#include "texts/runic_captions.h"

class QMenu;

namespace kolvar {

// One item of the menu bar. An item with runic bytes is drawn by the bar in
// the runic face, or in Latin letters its Hungarian in a plain face; one
// without keeps its plain text caption.
struct MenuBarItem {
    QString Name;                   // component name, e.g. "Observer1"
    QString PlainCaption;           // shown while RunicCaption is empty
    std::string_view RunicCaption;  // bytes in the runic face's own mapping; points into the caption table
    std::string_view Hungarian;     // what the runes say (Windows-1250): tooltip, spoken name, Latin caption
    void SetCaption(const RunicText& text) {
        RunicCaption = text.Runic;
        Hungarian = text.Hungarian;
    }
    bool RightJustify = false;  // this item and every item after it go to the right end
    bool Enabled = true;
    QMenu* DropDown = nullptr;      // opened below the item
    std::function<void()> OnOpen;   // runs before the drop-down opens
    std::function<void()> Command;  // for items without a drop-down
};

// A menu bar that paints its own items: runic captions from their stored
// bytes in the Runex23x face (the font maps U+0000..U+00FF to its glyphs, so
// the bytes read as Latin-1 draw the right glyphs), the selected item in the
// palette's highlight colours, and the classic right-justify rule; items
// that do not fit in one row wrap to further rows.
//
// The keyboard reaches it as it reaches a native menu bar: F10, or Alt
// pressed and released alone, selects the first title; Left and Right move
// between titles (also from inside an open drop-down, which then opens the
// neighbour's), Down, Up or Enter open the selected title's drop-down or run
// its command, Escape closes the drop-down and then leaves the bar. Moving
// the pointer over another title while a drop-down is open switches to it.
class RunicMenuBar : public QWidget {
    Q_OBJECT
public:
    explicit RunicMenuBar(QWidget* parent = nullptr);

    int AddItem(MenuBarItem item);
    int IndexOf(const QString& name) const;
    MenuBarItem& Item(int index) { return items_.at(static_cast<std::size_t>(index)); }
    int ItemCount() const { return static_cast<int>(items_.size()); }

    // Re-measures and repaints the bar (the menu set-up calls this last).
    void Redraw();

    // Item geometry within the bar, as laid out for the current width.
    QRect ItemRect(int index) const;
    int SelectedItem() const { return selected_; }
    void SetSelectedItem(int index);

    // Runs the item as a click would: its command, or OnOpen and its drop-down.
    void Activate(int index);

    // Keyboard navigation of the titles, with the keyboard focus on the bar.
    void EnterKeyboardMode();
    void LeaveKeyboardMode();
    bool InKeyboardMode() const { return keyboardMode_; }
    // The item whose drop-down is open, -1 when none.
    int OpenItem() const { return open_; }

    // The face of the captions in the current script (MenuFont for runes).
    QFont MenuFont() const;
    QFont CaptionFont() const;
    // What a reader of either script is told the item is called.
    QString SpokenName(int index) const;
    int CheckMarkWidth() const;

    // The bar wraps its items into as many rows as its width needs.
    bool hasHeightForWidth() const override;
    int heightForWidth(int barWidth) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool DrawnInRunes(const MenuBarItem& item) const;
    QString PlainText(const MenuBarItem& item) const;
    QSize MeasureItem(const MenuBarItem& item) const;
    int RowHeight() const;
    std::vector<QRect> LayoutFor(int barWidth) const;
    int RowCount(int barWidth) const;
    void Layout();
    int ItemAt(const QPoint& p) const;
    bool Selectable(int index) const;
    int Neighbour(int index, int step) const;
    bool FilterWindowKeys(QObject* watched, QEvent* event);
    bool FilterDropDown(QEvent* event);

    std::vector<MenuBarItem> items_;
    std::vector<QRect> rects_;
    int selected_ = -1;
    int pressed_ = -1;
    bool keyboardMode_ = false;
    bool altAlone_ = false;  // Alt is down and no other key came since
    int open_ = -1;          // item whose drop-down is open
    int switchTo_ = -1;      // the item to go to once the open drop-down has closed
    bool dropDownEscaped_ = false;
    QPointer<QWidget> focusBefore_;  // given the focus back when keyboard navigation ends
};

}  // namespace kolvar
