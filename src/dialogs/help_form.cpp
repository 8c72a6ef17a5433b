#include "dialogs/help_form.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "catalog/runic_captions.h"
#include "catalog/time_captions.h"
#include "widgets/runic_text.h"

namespace kolvar {
namespace {

// All four lines end at this x.
constexpr int LinesRightEdge = 642;

// A frame of 4 pixels at each side and a caption of 19 above, as the design's
// outer size assumed.
constexpr int FrameWidth = 8;
constexpr int FrameHeight = 27;

QLabel* HelpLine(QWidget* parent, int line, int top, int width, int height, int fontHeight)
{
    auto* label = new QLabel(RunicString(HelpFormCaptions.Lines[static_cast<std::size_t>(line - 1)].Runic), parent);
    label->setObjectName(QStringLiteral("Label%1").arg(line));
    label->setFont(RunicFont(fontHeight));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Right-aligned: a longer text grows to the left, the right edge stays.
    int needed = label->sizeHint().width();
    int w = std::max(width, needed);
    label->setGeometry(LinesRightEdge - w, top, w, height);
    return label;
}

// The time keys' legend in the free space left of the button.
QWidget* MakeKeyLegend(QWidget* parent)
{
    auto* legend = new QWidget(parent);
    legend->setObjectName(QStringLiteral("KeyLegend"));
    auto* grid = new QGridLayout(legend);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(1);
    int row = 0;
    for (const KeyLegendLine& line : TimeKeyLegend) {
        auto* keys = new QLabel(PlainString(line.Keys), legend);
        keys->setFont(ArialFont(13));
        auto* meaning = new QLabel(RunicString(line.Meaning.Runic), legend);
        meaning->setFont(RunicFont(15));
        grid->addWidget(keys, row, 0);
        grid->addWidget(meaning, row, 1);
        ++row;
    }
    grid->setColumnStretch(2, 1);
    legend->setGeometry(22, 238, 440, 100);
    return legend;
}

}  // namespace

THelpForm1::THelpForm1(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("HelpForm1"));
    setWindowTitle(QStringLiteral(" "));
    // A title bar with a close box and the window menu, which close the
    // window like its button; no other border icons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);
    setFont(RunicFont(21));
    setFixedSize(OuterWidth - FrameWidth, OuterHeight - FrameHeight);
    move(70, 98);

    // Designed at x = 252, 134, 289 and 22 with these widths, all ending at x = 642.
    Label1 = HelpLine(this, 1, 31, 390, 26, 21);
    Label2 = HelpLine(this, 2, 86, 508, 29, 23);
    Label3 = HelpLine(this, 3, 140, 353, 26, 21);
    Label4 = HelpLine(this, 4, 196, 620, 29, 23);
    KeyLegend = MakeKeyLegend(this);

    Button1 = new QPushButton(RunicString(HelpFormCaptions.Button1), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(477, 283, 165, 56);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &THelpForm1::Button1Click);
    Button1->setFocus();
}

void THelpForm1::Button1Click()
{
    done(2);
}

void THelpForm1::reject()
{
    done(2);  // Escape and the close box end it as the button does
}

}  // namespace kolvar
