#pragma once

#include <QStringList>
#include <filesystem>
#include <functional>

#include "shell/program_start.h"

class QDialog;
class QLineEdit;

namespace kolvar::testing {

// Static tables, the runic font and the C numeric locale (point separator).
void PrepareDialogTests(const std::filesystem::path& scratchDirectory);

// Sets LC_NUMERIC to hu_HU.UTF-8 (a comma), compiled with localedef into the
// scratch folder (LOCPATH) when the system lacks it; fails the test if it cannot.
void UseCommaLocale(const std::filesystem::path& scratchDirectory);

// The program's windows, their messages collected in `errors` instead of shown.
ProgramWindows TestWindows(const std::filesystem::path& settingsFile, QStringList& errors);

// Runs `action` as soon as `dialog` is the modal window on screen and active
// (so that its focus is where a user finds it); for driving a dialog that an
// exchange shows with exec().
void WhenShown(QDialog* dialog, std::function<void()> action);

// Replaces the text of a field as a user would: focus, select all, type.
void TypeInto(QLineEdit* field, const QString& text);

// The shown dialog's direct children do not overlap (but `frame`), and Tab
// from the first visits them in `tabOrder` (object names).
void CheckLayout(QDialog* dialog, const QStringList& tabOrder, QWidget* frame = nullptr);

}  // namespace kolvar::testing
