#pragma once

#include <QRect>
#include <QString>
#include <initializer_list>
#include <string_view>
#include <utility>

#include "texts/runic_captions.h"

class QFont;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace kolvar {

// Controls of the time and place dialogs, placed at their design geometry.
// Captions are runic bytes drawn in the widget's font (the dialogs' runic
// form font unless a font is given).

// A label at (left, top) sized to its caption, as a label that sizes itself.
QLabel* DesignLabel(QWidget* parent, const char* name, const QString& caption, int left, int top);
// A label with a design rectangle that grows to its caption where it must:
// to the right, or to the left when it is right-aligned.
QLabel* DesignLabel(QWidget* parent, const char* name, const QString& caption, const QRect& geometry,
                    bool rightAligned = false);
// Gives a label its design rectangle, grown to its caption where needed.
void FitLabel(QLabel* label, const QRect& geometry, bool rightAligned = false);
QPushButton* DesignButton(QWidget* parent, const char* name, std::string_view runic, const QRect& geometry);
QLineEdit* DesignEdit(QWidget* parent, const char* name, const QRect& geometry, const QFont& font,
                      const QString& text);

// Shows each control's caption in the current script (ShowCaption), and
// sizes a label to its new caption as it was first sized: grown from its
// design rectangle, or to its caption from its design corner.
void ShowCaptions(std::initializer_list<std::pair<QWidget*, RunicText>> captions);

// Each widget follows the one before it on the Tab key.
void ChainTabOrder(std::initializer_list<QWidget*> widgets);

}  // namespace kolvar
