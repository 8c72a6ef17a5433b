#include "widgets/menu_key_style.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QMenu>
#include <QPainter>
#include <QStyleOptionMenuItem>
#include <algorithm>

#include "widgets/runic_text.h"

namespace kolvar {

namespace {

// The keys of an item's text: what follows its tab, empty when there is none.
QString KeysOf(const QString& text) {
    const qsizetype tab = text.indexOf(QLatin1Char('\t'));
    return tab < 0 ? QString() : text.mid(tab + 1);
}

}  // namespace

MenuKeyStyle::MenuKeyStyle(QFont keyFont) : keyFont_(std::move(keyFont)) {}

int MenuKeyStyle::RightMargin(const QWidget* widget) const {
    // Clear of the frame and of where a sub-menu arrow would go.
    return 2 * pixelMetric(PM_MenuHMargin, nullptr, widget) +
           pixelMetric(PM_MenuPanelWidth, nullptr, widget) + 12;
}

void MenuKeyStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                               const QWidget* widget) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    const QString keys = item != nullptr && element == CE_MenuItem ? KeysOf(item->text) : QString();
    if (keys.isEmpty()) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    QStyleOptionMenuItem caption(*item);
    caption.text = item->text.left(item->text.indexOf(QLatin1Char('\t')));
    QProxyStyle::drawControl(element, &caption, painter, widget);

    const bool enabled = (item->state & State_Enabled) != 0;
    const bool selected = (item->state & State_Selected) != 0 && enabled;
    painter->save();
    painter->setFont(keyFont_);
    painter->setPen(item->palette.color(enabled ? QPalette::Active : QPalette::Disabled,
                                        selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(item->rect.adjusted(0, 0, -RightMargin(widget), 0), Qt::AlignRight | Qt::AlignVCenter,
                      keys);
    painter->restore();
}

QSize MenuKeyStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contentsSize,
                                     const QWidget* widget) const {
    QSize size = QProxyStyle::sizeFromContents(type, option, contentsSize, widget);
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (type != CT_MenuItem || item == nullptr) return size;
    const QString keys = KeysOf(item->text);
    if (keys.isEmpty()) return size;
    // The menu reserves the key column as wide as the keys are in its own
    // (runic) face; make up the difference to the plain face, and a gap.
    const int plain = QFontMetrics(keyFont_).horizontalAdvance(keys);
    const int reserved = item->fontMetrics.horizontalAdvance(keys);
    size.setWidth(size.width() + std::max(0, plain - reserved) +
                  QFontMetrics(keyFont_).averageCharWidth() * 2);
    size.setHeight(std::max(size.height(), QFontMetrics(keyFont_).height()));
    return size;
}

void UseMenuKeyStyle(QMenu& menu, const QFont& menuFont) {
    menu.setFont(menuFont);
    if (dynamic_cast<MenuKeyStyle*>(menu.style()) != nullptr) return;
    auto* style = new MenuKeyStyle(ArialFont(QFontInfo(menuFont).pixelSize()));
    style->setParent(&menu);
    menu.setStyle(style);
}

}  // namespace kolvar
