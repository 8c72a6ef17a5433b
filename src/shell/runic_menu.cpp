#include "shell/runic_menu.h"

#include <QAction>
#include <QMenu>

#include "catalog/runic_captions.h"
#include "widgets/runic_text.h"
#include "shell/runic_menu_bar.h"
#include "shell/stars_form.h"

namespace kolvar {
namespace {

// Component names in caption-table order.
constexpr const char* ItemNames[RunicMenuItemCount] = {"Observer1", "Time1",     "Place1",       "Exit1", "CharSize1",
                                                       "Grow1",     "Shrivell1", "Information1", "Help1"};

}  // namespace

void SetUpRunicMenu(RunicMenuBar& bar, TStarsForm& form)
{
    QFont menuFont = bar.MenuFont();
    form.Observer1Menu()->setFont(menuFont);
    form.CharSize1Menu()->setFont(menuFont);
    for (int i = 0; i < RunicMenuItemCount; ++i) {
        const QString name = QString::fromLatin1(ItemNames[i]);
        std::string_view caption = RunicCaptionTable[static_cast<std::size_t>(i)].Caption;
        if (int index = bar.IndexOf(name); index >= 0) {
            MenuBarItem& item = bar.Item(index);
            item.RunicCaption = caption;
            item.RightJustify = name != QLatin1String("Help1");
            item.Enabled = true;
        } else if (QAction* action = form.Action(name)) {
            action->setText(RunicString(caption));
            action->setEnabled(true);
        }
    }
    bar.Redraw();
}

}  // namespace kolvar
