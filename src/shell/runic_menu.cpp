#include "shell/runic_menu.h"

#include <QAction>
#include <QFontInfo>
#include <QMenu>

#include "shell/runic_menu_bar.h"
#include "texts/interface_captions.h"
#include "texts/runic_captions.h"
#include "widgets/menu_key_style.h"
#include "widgets/runic_text.h"
#include "widgets/script_text.h"

namespace kolvar {
namespace {

// Component names in caption-table order.
constexpr const char* ItemNames[RunicMenuItemCount] = {
    "Observer1", "Time1", "Place1", "Exit1", "CharSize1", "Grow1", "Shrivell1", "Information1", "Help1"};

}  // namespace

void SetUpDropDown(QMenu* menu, const QFont& captionFont) {
    menu->setFont(captionFont);
    // Keys after a tab are drawn in a plain face, whatever the captions' face.
    if (dynamic_cast<MenuKeyStyle*>(menu->style()) == nullptr) {
        auto* style = new MenuKeyStyle(ArialFont(QFontInfo(captionFont).pixelSize()));
        style->setParent(menu);
        menu->setStyle(style);
    }
    // Under the runes an item tells its Hungarian when the pointer rests on it.
    menu->setToolTipsVisible(CurrentScript() == Script::Runic);
}

void SetUpRunicMenu(RunicMenuBar& bar, std::initializer_list<QMenu*> dropDowns,
                    const std::function<QAction*(const QString& name)>& action) {
    const QFont captionFont = bar.CaptionFont();
    for (QMenu* menu : dropDowns) SetUpDropDown(menu, captionFont);
    for (int i = 0; i < RunicMenuItemCount; ++i) {
        const QString name = QString::fromLatin1(ItemNames[i]);
        const RunicText caption = RunicCaptionTable[static_cast<std::size_t>(i)].Text();
        if (int index = bar.IndexOf(name); index >= 0) {
            MenuBarItem& item = bar.Item(index);
            item.SetCaption(caption);
            item.RightJustify = name != QLatin1String("Help1");
            item.Enabled = true;
        } else if (QAction* a = action(name)) {
            ShowCaption(a, caption);
            a->setEnabled(true);
        }
    }
    // The script choice reads in both scripts: under the runes its Latin
    // name follows in the keys column.
    const InterfaceTexts& t = InterfaceCaptions;
    if (QAction* latin = action(QStringLiteral("LatinLetters1"))) {
        ShowCaption(latin, t.LatinLetters,
                    CurrentScript() == Script::Runic ? t.LatinLetters.Hungarian : std::string_view());
        latin->setChecked(CurrentScript() == Script::Latin);
        latin->setEnabled(true);
    }
    bar.Redraw();
}

}  // namespace kolvar
