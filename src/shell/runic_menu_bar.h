#pragma once

#include <QFont>
#include <QString>
#include <QWidget>
#include <functional>
#include <string_view>
#include <vector>

class QMenu;

namespace kolvar {

// One item of the menu bar. An item with runic bytes is drawn by the bar in
// the runic face; one without keeps its plain text caption.
struct MenuBarItem {
    QString Name;                // component name, e.g. "Observer1"
    QString PlainCaption;        // shown while RunicCaption is empty
    std::string_view RunicCaption;  // bytes in the runic face's own mapping; points into the caption table
    bool RightJustify = false;   // this item and every item after it go to the right end
    bool Enabled = true;
    QMenu* DropDown = nullptr;        // opened below the item
    std::function<void()> OnOpen;     // runs before the drop-down opens
    std::function<void()> Command;    // for items without a drop-down
};

// A menu bar that paints its own items: runic captions from their stored
// bytes in the Runex23x face (the font maps U+0000..U+00FF to its glyphs, so
// the bytes read as Latin-1 draw the right glyphs), the selected item in the
// palette's highlight colours, and the classic right-justify rule; items
// that do not fit in one row wrap to further rows.
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

    QFont MenuFont() const;
    int CheckMarkWidth() const;

    // The bar wraps its items into as many rows as its width needs.
    bool hasHeightForWidth() const override;
    int heightForWidth(int barWidth) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QSize MeasureItem(const MenuBarItem& item) const;
    int RowHeight() const;
    std::vector<QRect> LayoutFor(int barWidth) const;
    int RowCount(int barWidth) const;
    void Layout();
    int ItemAt(const QPoint& p) const;

    std::vector<MenuBarItem> items_;
    std::vector<QRect> rects_;
    int selected_ = -1;
    int pressed_ = -1;
};

}  // namespace kolvar
