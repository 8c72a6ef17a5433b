#include "shell/runic_menu_bar.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <algorithm>

#include "dialogs/runic_text.h"

namespace kolvar {
namespace {

constexpr int BarPadding = 2;  // above and below the tallest item

}  // namespace

RunicMenuBar::RunicMenuBar(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("MainMenu1"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Window);
}

QFont RunicMenuBar::MenuFont() const
{
    // The runic face at the height of the system's fixed-pitch font.
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    return RunicFont(std::max(8, QFontMetrics(fixed).height()));
}

int RunicMenuBar::CheckMarkWidth() const
{
    return style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, this);
}

int RunicMenuBar::AddItem(MenuBarItem item)
{
    items_.push_back(std::move(item));
    Redraw();
    return ItemCount() - 1;
}

int RunicMenuBar::IndexOf(const QString& name) const
{
    for (int i = 0; i < ItemCount(); ++i)
        if (items_[static_cast<std::size_t>(i)].Name == name) return i;
    return -1;
}

QSize RunicMenuBar::MeasureItem(const MenuBarItem& item) const
{
    if (item.RunicCaption.empty()) {
        QFontMetrics fm(font());
        // A plain caption gets the usual margin on both sides.
        return {fm.horizontalAdvance(item.PlainCaption) + 16, fm.height()};
    }
    // Owner-drawn: the caption with its blanks, after one check-mark width.
    QFontMetrics fm(MenuFont());
    return {CheckMarkWidth() + fm.horizontalAdvance(RunicString(item.RunicCaption)), fm.height()};
}

int RunicMenuBar::RowHeight() const
{
    int h = QFontMetrics(font()).height();
    for (const auto& item : items_) h = std::max(h, MeasureItem(item).height());
    return h;
}

std::vector<QRect> RunicMenuBar::LayoutFor(int barWidth) const
{
    // Items flow left to right and wrap to a new row when the bar is too
    // narrow for them, as a window's menu bar does. On every row the items
    // from the first right-justified one on are moved to the right end.
    std::vector<QRect> rects(items_.size());
    const int rowHeight = RowHeight();
    int x = 0;
    int row = 0;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        QSize s = MeasureItem(items_[i]);
        if (x > 0 && x + s.width() > barWidth) {
            ++row;
            x = 0;
        }
        rects[i] = QRect(x, BarPadding + row * rowHeight, s.width(), rowHeight);
        x += s.width();
    }
    std::size_t firstRight = items_.size();
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i].RightJustify) {
            firstRight = i;
            break;
        }
    for (std::size_t i = firstRight; i < items_.size();) {
        std::size_t end = i;  // the right-justified items that share i's row
        while (end < items_.size() && rects[end].top() == rects[i].top()) ++end;
        int shift = std::max(0, barWidth - (rects[end - 1].right() + 1));
        for (std::size_t j = i; j < end; ++j) rects[j].translate(shift, 0);
        i = end;
    }
    return rects;
}

int RunicMenuBar::RowCount(int barWidth) const
{
    std::vector<QRect> rects = LayoutFor(barWidth);
    return rects.empty() ? 1 : (rects.back().top() - BarPadding) / RowHeight() + 1;
}

void RunicMenuBar::Layout()
{
    rects_ = LayoutFor(width());
}

bool RunicMenuBar::hasHeightForWidth() const { return true; }

int RunicMenuBar::heightForWidth(int barWidth) const
{
    return RowCount(barWidth) * RowHeight() + 2 * BarPadding;
}

QSize RunicMenuBar::sizeHint() const
{
    int w = 0;
    for (const auto& item : items_) w += MeasureItem(item).width();
    return {w, RowHeight() + 2 * BarPadding};
}

QSize RunicMenuBar::minimumSizeHint() const { return {0, sizeHint().height()}; }

void RunicMenuBar::Redraw()
{
    updateGeometry();
    Layout();
    update();
}

QRect RunicMenuBar::ItemRect(int index) const
{
    if (index < 0 || index >= static_cast<int>(rects_.size())) return {};
    return rects_[static_cast<std::size_t>(index)];
}

void RunicMenuBar::SetSelectedItem(int index)
{
    if (selected_ == index) return;
    selected_ = index;
    update();
}

int RunicMenuBar::ItemAt(const QPoint& p) const
{
    for (std::size_t i = 0; i < rects_.size(); ++i)
        if (rects_[i].contains(p)) return static_cast<int>(i);
    return -1;
}

void RunicMenuBar::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Layout();
    // A new width may need another number of rows.
    if (heightForWidth(width()) != height()) updateGeometry();
}

void RunicMenuBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& pal = palette();
    QFont runic = MenuFont();
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const MenuBarItem& item = items_[i];
        const QRect& r = rects_[i];
        bool isSelected = static_cast<int>(i) == selected_;
        QColor background = isSelected ? pal.color(QPalette::Highlight) : pal.color(QPalette::Window);
        QColor text = isSelected ? pal.color(QPalette::HighlightedText) : pal.color(QPalette::WindowText);
        if (!item.Enabled) text = pal.color(QPalette::Disabled, QPalette::WindowText);
        if (item.RunicCaption.empty()) {
            painter.setFont(font());
            painter.fillRect(r, background);
            painter.setPen(text);
            painter.drawText(r, Qt::AlignCenter, item.PlainCaption);
            continue;
        }
        // The whole item rectangle in the background colour, then the caption
        // from one check-mark width in, at the top of the item.
        painter.setFont(runic);
        painter.fillRect(r, background);
        painter.setPen(text);
        QFontMetrics fm(runic);
        int top = r.top() + (r.height() - fm.height()) / 2;
        painter.drawText(QPoint(r.left() + CheckMarkWidth(), top + fm.ascent()), RunicString(item.RunicCaption));
    }
}

void RunicMenuBar::Activate(int index)
{
    if (index < 0 || index >= ItemCount()) return;
    MenuBarItem& item = Item(index);
    if (!item.Enabled) return;
    if (item.OnOpen) item.OnOpen();
    if (item.DropDown != nullptr) {
        SetSelectedItem(index);
        QRect r = ItemRect(index);
        item.DropDown->exec(mapToGlobal(r.bottomLeft()));
        SetSelectedItem(-1);
    } else if (item.Command) {
        SetSelectedItem(-1);
        item.Command();
    }
}

void RunicMenuBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return;
    int index = ItemAt(event->position().toPoint());
    if (index < 0 || !Item(index).Enabled) return;
    if (Item(index).DropDown != nullptr) {
        Activate(index);
        return;
    }
    pressed_ = index;
    SetSelectedItem(index);
}

void RunicMenuBar::mouseReleaseEvent(QMouseEvent* event)
{
    int index = pressed_;
    pressed_ = -1;
    SetSelectedItem(-1);
    if (index >= 0 && ItemAt(event->position().toPoint()) == index) Activate(index);
}

}  // namespace kolvar
