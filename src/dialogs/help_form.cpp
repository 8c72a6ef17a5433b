#include "dialogs/help_form.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <algorithm>
#include <string>

#include "appcore/view_switches.h"
#include "dialogs/dialog_widgets.h"
#include "texts/help_text.h"
#include "texts/interface_captions.h"
#include "texts/runic_captions.h"
#include "texts/time_captions.h"
#include "widgets/runic_text.h"
#include "widgets/script_text.h"

namespace kolvar {
namespace {

// All four lines end at this x.
constexpr int LinesRightEdge = 642;

// A frame of 4 pixels at each side and a caption of 19 above, as the design's
// outer size assumed.
constexpr int FrameWidth = 8;

// The details: below the button, as wide as the lines.
const QRect DetailsArea(12, 350, 650, THelpForm1::ClientHeight - 350 - 10);
constexpr int TextHeight = 16;     // runic design height of running text
constexpr int HeadingHeight = 20;  // and of headings
constexpr int KeysWidth = 190;     // the column of keys and menu commands

// The four lines as designed, at x = 252, 134, 289 and 22 with these
// widths, all ending at x = 642.
struct LineDesign {
    int Top, Width, Height, FontHeight;
};
constexpr LineDesign Lines[4] = {
    {31, 390, 26, 21}, {86, 508, 29, 23}, {140, 353, 26, 21}, {196, 620, 29, 23}};

// Right-aligned: a longer text grows to the left, the right edge stays.
void PlaceLine(QLabel* label, const LineDesign& design) {
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const int w = std::max(design.Width, label->sizeHint().width());
    label->setGeometry(LinesRightEdge - w, design.Top, w, design.Height);
}

QLabel* MakeLine(QWidget* parent, int line) {
    const auto index = static_cast<std::size_t>(line - 1);
    auto* label = new QLabel(RunicString(HelpFormCaptions.Lines[index].Runic), parent);
    label->setObjectName(QStringLiteral("Label%1").arg(line));
    label->setFont(RunicFont(Lines[index].FontHeight));
    PlaceLine(label, Lines[index]);
    return label;
}

// A Hungarian text as runes broken into lines of at most `width` pixels:
// words fill each line in reading order, then each line is reversed, since
// the script runs right to left.
QString RunicParagraph(std::string_view hungarian, const QFont& font, int width) {
    const QFontMetrics metrics(font);
    QStringList lines;
    std::string line;
    std::size_t start = 0;
    while (start < hungarian.size()) {
        std::size_t end = hungarian.find(' ', start);
        if (end == std::string_view::npos) end = hungarian.size();
        const std::string word(hungarian.substr(start, end - start));
        const std::string longer = line.empty() ? word : line + " " + word;
        if (!line.empty() && metrics.horizontalAdvance(RunicString(RunicLine(longer))) > width) {
            lines.append(RunicString(RunicLine(line)));
            line = word;
        } else {
            line = longer;
        }
        start = end + 1;
    }
    if (!line.empty()) lines.append(RunicString(RunicLine(line)));
    return lines.join(QLatin1Char('\n'));
}

// One text of the details in the current script, wrapped to `width`.
QLabel* DetailText(std::string_view hungarian, int runicHeight, int width, bool inScript = true) {
    auto* label = new QLabel;
    const bool runes = inScript && CurrentScript() == Script::Runic;
    label->setFont(inScript ? ScriptFont(runicHeight) : ArialFont(13));
    label->setTextFormat(Qt::PlainText);
    if (runes) {
        label->setText(RunicParagraph(hungarian, label->font(), width));
        label->setAlignment(Qt::AlignRight | Qt::AlignTop);
        label->setToolTip(PlainString(hungarian));
    } else {
        label->setText(PlainString(hungarian));
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    label->setAccessibleName(PlainString(hungarian));
    return label;
}

}  // namespace

THelpForm1::THelpForm1(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("HelpForm1"));
    setWindowTitle(PlainString(WindowTitles.Help));
    // A title bar with a close box and the window menu, which close the
    // window like its button; no other border icons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);
    setFont(RunicFont(21));
    setFixedSize(OuterWidth - FrameWidth, ClientHeight);
    move(70, 98);

    Label1 = MakeLine(this, 1);
    Label2 = MakeLine(this, 2);
    Label3 = MakeLine(this, 3);
    Label4 = MakeLine(this, 4);

    Button1 = new QPushButton(RunicString(HelpFormCaptions.Button1.Runic), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(477, 283, 165, 56);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &THelpForm1::Button1Click);

    Details = new QScrollArea(this);
    Details->setObjectName(QStringLiteral("Details"));
    Details->setGeometry(DetailsArea);
    Details->setWidgetResizable(true);
    Details->setFrameShape(QFrame::NoFrame);
    Details->setFocusPolicy(Qt::NoFocus);
    Details->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Button1->setFocus();
    ShowScript();
}

void THelpForm1::ShowScript() {
    ShowWindowScript(this, "THelpForm1");
    const HelpFormTexts& c = HelpFormCaptions;
    QLabel* labels[4] = {Label1, Label2, Label3, Label4};
    for (std::size_t i = 0; i < 4; ++i) {
        ShowCaption(labels[i], c.Lines[i]);
        PlaceLine(labels[i], Lines[i]);
    }
    ShowCaption(Button1, c.Button1);
    ShowDetails();
}

void THelpForm1::SetSettingsPath(const QString& path) {
    settingsPath_ = path;
    ShowDetails();
}

void THelpForm1::ShowDetails() {
    // Built anew for every script: the runes need their own line breaks.
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("DetailsPage"));
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(4, 0, 4, 8);
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(4);
    const bool runes = CurrentScript() == Script::Runic;
    const int fullWidth = DetailsArea.width() - 30;  // room for the scroll bar
    const int meaningWidth = fullWidth - KeysWidth - 14;
    // Under the runes, which run right to left, the keys stand at the right.
    const int keysColumn = runes ? 1 : 0;
    const int meaningColumn = runes ? 0 : 1;
    int row = 0;
    // Keys or a command beside what they do.
    auto addKeys = [&](std::string_view keys, std::string_view meaning, bool inScript) {
        QLabel* label = DetailText(keys, TextHeight, KeysWidth, inScript);
        label->setMinimumWidth(KeysWidth);
        grid->addWidget(label, row, keysColumn);
        grid->addWidget(DetailText(meaning, TextHeight, meaningWidth), row++, meaningColumn);
    };
    for (const HelpLine& line : HelpText) {
        switch (line.Kind) {
            case HelpLineKind::Heading: {
                QLabel* heading = DetailText(line.Hungarian, HeadingHeight, fullWidth);
                if (!runes) {
                    QFont bold = heading->font();
                    bold.setBold(true);
                    heading->setFont(bold);
                }
                heading->setContentsMargins(0, row == 0 ? 0 : 10, 0, 2);
                grid->addWidget(heading, row++, 0, 1, 2);
                break;
            }
            case HelpLineKind::Paragraph:
                grid->addWidget(DetailText(line.Hungarian, TextHeight, fullWidth), row++, 0, 1, 2);
                break;
            case HelpLineKind::Command:
            case HelpLineKind::Key:
                addKeys(line.Keys, line.Hungarian, line.Kind == HelpLineKind::Command);
                break;
            case HelpLineKind::TimeKeys:
                for (const KeyLegendLine& keys : TimeKeyLegend)
                    addKeys(keys.Keys, keys.Meaning.Hungarian, false);
                break;
            case HelpLineKind::ViewKeys:
                for (const ViewSwitch& s : ViewSwitches())
                    if (!s.KeyHelp.empty()) addKeys(s.Key, s.KeyHelp, false);
                break;
            case HelpLineKind::Path: {
                auto* path = new QLabel(settingsPath_);
                path->setObjectName(QStringLiteral("SettingsPath"));
                path->setFont(ArialFont(13));
                path->setTextInteractionFlags(Qt::TextSelectableByMouse);
                path->setAlignment(runes ? Qt::AlignRight : Qt::AlignLeft);
                grid->addWidget(path, row++, 0, 1, 2);
                break;
            }
        }
    }
    grid->setColumnStretch(meaningColumn, 1);
    grid->setRowStretch(row, 1);
    Details->setWidget(page);  // the previous page goes
}

void THelpForm1::Button1Click() { done(2); }

void THelpForm1::reject() {
    done(2);  // Escape and the close box end it as the button does
}

}  // namespace kolvar
