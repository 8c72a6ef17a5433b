#include "dialogs/dialog_widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVariant>
#include <algorithm>

#include "widgets/runic_text.h"
#include "widgets/script_text.h"

namespace kolvar {
namespace {

// A label sized from a design rectangle keeps it, to grow from it again.
constexpr const char* DesignRectProperty = "kolvarDesignRect";
constexpr const char* RightAlignedProperty = "kolvarRightAligned";

}  // namespace

QLabel* DesignLabel(QWidget* parent, const char* name, const QString& caption, int left, int top) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(left, top);
    label->adjustSize();
    return label;
}

void FitLabel(QLabel* label, const QRect& geometry, bool rightAligned) {
    label->setProperty(DesignRectProperty, geometry);
    label->setProperty(RightAlignedProperty, rightAligned);
    label->setAlignment((rightAligned ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    QSize needed = label->sizeHint();
    int width = std::max(geometry.width(), needed.width());
    int height = std::max(geometry.height(), needed.height());
    int left = rightAligned ? geometry.right() + 1 - width : geometry.left();
    label->setGeometry(left, geometry.top(), width, height);
}

QLabel* DesignLabel(QWidget* parent, const char* name, const QString& caption, const QRect& geometry,
                    bool rightAligned) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    FitLabel(label, geometry, rightAligned);
    return label;
}

QPushButton* DesignButton(QWidget* parent, const char* name, std::string_view runic, const QRect& geometry) {
    auto* button = new QPushButton(RunicString(runic), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    return button;
}

QLineEdit* DesignEdit(QWidget* parent, const char* name, const QRect& geometry, const QFont& font,
                      const QString& text) {
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setFont(font);
    edit->setGeometry(geometry);
    return edit;
}

void ShowCaptions(std::initializer_list<std::pair<QWidget*, RunicText>> captions) {
    for (const auto& [control, text] : captions) {
        ShowCaption(control, text);
        auto* label = qobject_cast<QLabel*>(control);
        if (label == nullptr) continue;
        const QVariant design = label->property(DesignRectProperty);
        if (design.isValid())
            FitLabel(label, design.toRect(), label->property(RightAlignedProperty).toBool());
        else
            label->adjustSize();
    }
}

void ChainTabOrder(std::initializer_list<QWidget*> widgets) {
    QWidget* previous = nullptr;
    for (QWidget* w : widgets) {
        if (previous != nullptr) QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

}  // namespace kolvar
