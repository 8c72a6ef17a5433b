#pragma once

#include <QString>
#include <functional>

#include "dialogs/dialog_numbers.h"

class QWidget;

namespace kolvar {

// Shows a message to the user; tests put a recorder in its place.
using ErrorReporter = std::function<void(const QString&)>;

// The Hungarian message for a text that a dialog could not read, naming the
// text, e.g. „abc” nem érvényes szám.
QString ConversionErrorText(const ConversionError& error);

// A reporter that shows the message in a warning box over `parent`.
ErrorReporter MessageBoxReporter(QWidget* parent);

}  // namespace kolvar
