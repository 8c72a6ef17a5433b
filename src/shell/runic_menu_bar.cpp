#include "shell/runic_menu_bar.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QTimer>
#include <QToolTip>
#include <algorithm>

#include "shell/runic_menu_bar_accessible.h"
#include "widgets/runic_text.h"
#include "widgets/script_text.h"

namespace kolvar {
namespace {

constexpr int BarPadding = 2;  // above and below the tallest item

}  // namespace

RunicMenuBar::RunicMenuBar(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("MainMenu1"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Window);
    setFocusPolicy(Qt::NoFocus);  // Tab never stops here; F10 and Alt bring the focus
    // F10 and a lone Alt are seen wherever the focus is in the window.
    qApp->installEventFilter(this);
    InstallMenuBarAccessibility();
}

QFont RunicMenuBar::MenuFont() const {
    // The runic face at the height of the system's fixed-pitch font.
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    return RunicFont(std::max(8, QFontMetrics(fixed).height()));
}

QFont RunicMenuBar::CaptionFont() const {
    return CurrentScript() == Script::Runic ? MenuFont() : ScriptFont(MenuFont().pixelSize());
}

bool RunicMenuBar::DrawnInRunes(const MenuBarItem& item) const {
    return !item.RunicCaption.empty() && CurrentScript() == Script::Runic;
}

QString RunicMenuBar::PlainText(const MenuBarItem& item) const {
    return item.Hungarian.empty() ? item.PlainCaption : PlainString(item.Hungarian);
}

QString RunicMenuBar::SpokenName(int index) const {
    if (index < 0 || index >= ItemCount()) return {};
    return PlainText(items_[static_cast<std::size_t>(index)]).trimmed();
}

int RunicMenuBar::CheckMarkWidth() const {
    return style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, this);
}

int RunicMenuBar::AddItem(MenuBarItem item) {
    items_.push_back(std::move(item));
    Redraw();
    return ItemCount() - 1;
}

int RunicMenuBar::IndexOf(const QString& name) const {
    for (int i = 0; i < ItemCount(); ++i)
        if (items_[static_cast<std::size_t>(i)].Name == name) return i;
    return -1;
}

QSize RunicMenuBar::MeasureItem(const MenuBarItem& item) const {
    if (item.RunicCaption.empty()) {
        QFontMetrics fm(font());
        // A plain caption gets the usual margin on both sides.
        return {fm.horizontalAdvance(item.PlainCaption) + 16, fm.height()};
    }
    // Owner-drawn: the caption with its blanks, after one check-mark width;
    // in Latin letters a blank's width on each side instead of the blanks.
    QFontMetrics fm(CaptionFont());
    if (!DrawnInRunes(item))
        return {CheckMarkWidth() + fm.horizontalAdvance(PlainText(item)) +
                    2 * fm.horizontalAdvance(QLatin1Char(' ')),
                fm.height()};
    return {CheckMarkWidth() + fm.horizontalAdvance(RunicString(item.RunicCaption)), fm.height()};
}

int RunicMenuBar::RowHeight() const {
    int h = QFontMetrics(font()).height();
    for (const auto& item : items_) h = std::max(h, MeasureItem(item).height());
    return h;
}

std::vector<QRect> RunicMenuBar::LayoutFor(int barWidth) const {
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

int RunicMenuBar::RowCount(int barWidth) const {
    std::vector<QRect> rects = LayoutFor(barWidth);
    return rects.empty() ? 1 : (rects.back().top() - BarPadding) / RowHeight() + 1;
}

void RunicMenuBar::Layout() { rects_ = LayoutFor(width()); }

bool RunicMenuBar::hasHeightForWidth() const { return true; }

int RunicMenuBar::heightForWidth(int barWidth) const {
    return RowCount(barWidth) * RowHeight() + 2 * BarPadding;
}

QSize RunicMenuBar::sizeHint() const {
    int w = 0;
    for (const auto& item : items_) w += MeasureItem(item).width();
    return {w, RowHeight() + 2 * BarPadding};
}

QSize RunicMenuBar::minimumSizeHint() const { return {0, sizeHint().height()}; }

void RunicMenuBar::Redraw() {
    updateGeometry();
    Layout();
    update();
}

QRect RunicMenuBar::ItemRect(int index) const {
    if (index < 0 || index >= static_cast<int>(rects_.size())) return {};
    return rects_[static_cast<std::size_t>(index)];
}

void RunicMenuBar::SetSelectedItem(int index) {
    if (selected_ == index) return;
    selected_ = index;
    update();
}

int RunicMenuBar::ItemAt(const QPoint& p) const {
    for (std::size_t i = 0; i < rects_.size(); ++i)
        if (rects_[i].contains(p)) return static_cast<int>(i);
    return -1;
}

void RunicMenuBar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Layout();
    // A new width may need another number of rows.
    if (heightForWidth(width()) != height()) updateGeometry();
}

void RunicMenuBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPalette& pal = palette();
    QFont runic = CaptionFont();
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
        const QString caption =
            DrawnInRunes(item) ? RunicString(item.RunicCaption) : QLatin1Char(' ') + PlainText(item);
        painter.drawText(QPoint(r.left() + CheckMarkWidth(), top + fm.ascent()), caption);
    }
}

bool RunicMenuBar::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        // Under the runes each title tells its Hungarian.
        auto* help = static_cast<QHelpEvent*>(event);
        const int index = ItemAt(help->pos());
        if (index >= 0 && DrawnInRunes(Item(index)) && !Item(index).Hungarian.empty())
            QToolTip::showText(help->globalPos(), SpokenName(index), this, ItemRect(index));
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

bool RunicMenuBar::Selectable(int index) const {
    if (index < 0 || index >= ItemCount()) return false;
    const MenuBarItem& item = items_[static_cast<std::size_t>(index)];
    return item.Enabled && (item.DropDown != nullptr || item.Command);
}

int RunicMenuBar::Neighbour(int index, int step) const {
    // The next selectable title in reading order, round the ends.
    for (int k = 1; k <= ItemCount(); ++k) {
        int i = ((index + step * k) % ItemCount() + ItemCount()) % ItemCount();
        if (Selectable(i)) return i;
    }
    return -1;
}

void RunicMenuBar::Activate(int index) {
    while (Selectable(index)) {
        MenuBarItem& item = Item(index);
        if (item.OnOpen) item.OnOpen();
        if (item.DropDown == nullptr) {
            SetSelectedItem(-1);
            LeaveKeyboardMode();
            if (item.Command) item.Command();
            return;
        }
        QMenu* menu = item.DropDown;
        SetSelectedItem(index);
        open_ = index;
        switchTo_ = -1;
        dropDownEscaped_ = false;
        if (keyboardMode_) {
            // Opened from the keyboard: the first item is marked, as Down would.
            QTimer::singleShot(0, menu, [menu] {
                if (menu->activeAction() != nullptr) return;
                for (QAction* a : menu->actions())
                    if (a->isEnabled() && !a->isSeparator()) {
                        menu->setActiveAction(a);
                        break;
                    }
            });
        }
        menu->installEventFilter(this);
        QAction* chosen = menu->exec(mapToGlobal(ItemRect(index).bottomLeft()));
        menu->removeEventFilter(this);
        open_ = -1;

        if (switchTo_ >= 0 && Item(switchTo_).DropDown != nullptr) {
            index = switchTo_;  // Left, Right or the pointer moved to another drop-down
            continue;
        }
        if (switchTo_ >= 0 || (dropDownEscaped_ && chosen == nullptr)) {
            // Back on the titles: a title without a drop-down, or Escape.
            if (!keyboardMode_) EnterKeyboardMode();
            SetSelectedItem(switchTo_ >= 0 ? switchTo_ : index);
            return;
        }
        SetSelectedItem(-1);
        LeaveKeyboardMode();
        return;
    }
}

void RunicMenuBar::EnterKeyboardMode() {
    if (!keyboardMode_) {
        keyboardMode_ = true;
        focusBefore_ = QApplication::focusWidget();
        setFocus(Qt::MenuBarFocusReason);
    }
    if (selected_ < 0) SetSelectedItem(Neighbour(-1, 1));
}

void RunicMenuBar::LeaveKeyboardMode() {
    if (!keyboardMode_) return;
    keyboardMode_ = false;
    SetSelectedItem(-1);
    if (hasFocus()) {
        if (focusBefore_ != nullptr && focusBefore_->window() == window())
            focusBefore_->setFocus(Qt::MenuBarFocusReason);
        else
            clearFocus();
    }
    focusBefore_ = nullptr;
}

void RunicMenuBar::keyPressEvent(QKeyEvent* event) {
    if (!keyboardMode_) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
            SetSelectedItem(Neighbour(selected_, event->key() == Qt::Key_Left ? -1 : 1));
            break;
        case Qt::Key_Down:
        case Qt::Key_Up:
            // As in a native menu bar the arrows open a drop-down; a title that is
            // itself a command runs only on Enter.
            if (Selectable(selected_) && Item(selected_).DropDown != nullptr) Activate(selected_);
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            Activate(selected_);
            break;
        case Qt::Key_Escape:
            LeaveKeyboardMode();
            break;
        default:
            break;  // other keys do nothing while the titles have the focus
    }
}

void RunicMenuBar::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    // A drop-down taking the keyboard keeps the navigation; anything else ends it.
    if (event->reason() != Qt::PopupFocusReason && open_ < 0) LeaveKeyboardMode();
}

bool RunicMenuBar::eventFilter(QObject* watched, QEvent* event) {
    if (open_ >= 0 && watched == Item(open_).DropDown) return FilterDropDown(event);
    return FilterWindowKeys(watched, event);
}

bool RunicMenuBar::FilterWindowKeys(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonPress) {
        altAlone_ = false;
        if (keyboardMode_ && watched != this && open_ < 0) LeaveKeyboardMode();
        return false;
    }
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != window() || !window()->isActiveWindow()) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (type == QEvent::KeyPress) {
        if (key->key() == Qt::Key_F10 && key->modifiers() == Qt::NoModifier) {
            if (keyboardMode_)
                LeaveKeyboardMode();
            else
                EnterKeyboardMode();
            return true;
        }
        altAlone_ = key->key() == Qt::Key_Alt && (altAlone_ || !key->isAutoRepeat());
        return false;
    }
    if (key->key() == Qt::Key_Alt && altAlone_) {
        altAlone_ = false;
        if (keyboardMode_)
            LeaveKeyboardMode();
        else
            EnterKeyboardMode();
        return true;
    }
    return false;
}

bool RunicMenuBar::FilterDropDown(QEvent* event) {
    auto* menu = Item(open_).DropDown;
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Left || key->key() == Qt::Key_Right) {
            switchTo_ = Neighbour(open_, key->key() == Qt::Key_Left ? -1 : 1);
            menu->close();
            return true;
        }
        if (key->key() == Qt::Key_Escape) dropDownEscaped_ = true;
        return false;
    }
    if (event->type() == QEvent::MouseMove) {
        // The open drop-down has the pointer; another title under it takes over.
        auto* mouse = static_cast<QMouseEvent*>(event);
        int index = ItemAt(mapFromGlobal(mouse->globalPosition().toPoint()));
        if (index != open_ && Selectable(index)) {
            switchTo_ = index;
            menu->close();
            return true;
        }
    }
    return false;
}

void RunicMenuBar::mousePressEvent(QMouseEvent* event) {
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

void RunicMenuBar::mouseReleaseEvent(QMouseEvent* event) {
    int index = pressed_;
    pressed_ = -1;
    SetSelectedItem(-1);
    if (index >= 0 && ItemAt(event->position().toPoint()) == index) Activate(index);
}

}  // namespace kolvar
