#include "widgets/script_text.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <string>

#include "texts/interface_captions.h"
#include "widgets/caption_accessibility.h"
#include "widgets/runic_text.h"

namespace kolvar {
namespace {

Script& TheScript() {
    static Script script = Script::Runic;
    return script;
}

// The design height of a face that a window or control set for its runes,
// kept the first time it changes script.
constexpr const char* RunicHeightProperty = "kolvarRunicPixelHeight";

void ShowFontInScript(QWidget* widget) {
    int height = widget->property(RunicHeightProperty).toInt();
    if (height == 0) {
        if (CurrentScript() == Script::Runic) return;  // still as designed
        height = widget->font().pixelSize();
        if (height <= 0) return;
        widget->setProperty(RunicHeightProperty, height);
    }
    widget->setFont(ScriptFont(height));
}

}  // namespace

Script CurrentScript() { return TheScript(); }

void SetCurrentScript(Script script) { TheScript() = script; }

QString ScriptString(const RunicText& text) {
    return CurrentScript() == Script::Latin ? PlainString(text.Hungarian) : RunicString(text.Runic);
}

QFont ScriptFont(int runicPixelHeight) {
    if (CurrentScript() == Script::Runic) return RunicFont(runicPixelHeight);
    // Latin letters need a little more height than runes to read as easily
    // at small sizes, a little less at large ones.
    return ArialFont(std::max(13, runicPixelHeight * 4 / 5));
}

void ShowCaption(QWidget* control, const RunicText& text) {
    const QString shown = ScriptString(text);
    if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(shown);
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(shown);
    else if (auto* box = qobject_cast<QGroupBox*>(control))
        box->setTitle(shown);
    const QString plain = PlainString(text.Hungarian);
    control->setAccessibleName(plain);
    control->setToolTip(CurrentScript() == Script::Runic ? plain : QString());
    if (control->testAttribute(Qt::WA_SetFont)) ShowFontInScript(control);
}

void ShowCaption(QAction* action, const RunicText& text, std::string_view keys) {
    InstallCaptionAccessibility();
    QString shown = ScriptString(text);
    if (!keys.empty()) shown += QLatin1Char('\t') + PlainString(keys);
    action->setText(shown);
    const QString plain = PlainString(text.Hungarian);
    action->setProperty(CaptionAccessibleNameProperty, plain);
    action->setToolTip(CurrentScript() == Script::Runic ? plain : QString());
}

void ShowWindowScript(QWidget* window, std::string_view className) {
    ShowFontInScript(window);
    const std::string prefix = std::string(className) + ".";
    for (QWidget* child : window->findChildren<QWidget*>()) {
        const std::string name = prefix + child->objectName().toStdString();
        if (const std::string_view plain = PlainControlName(name); !plain.empty())
            child->setAccessibleName(PlainString(plain));
    }
}

}  // namespace kolvar
