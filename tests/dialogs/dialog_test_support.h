#pragma once

#include <QString>
#include <QStringList>
#include <filesystem>
#include <functional>

class QDialog;
class QLineEdit;

namespace kolvar::testing {

// Static tables, the runic font and the C numeric locale (point separator).
void PrepareDialogTests(const std::filesystem::path& scratchDirectory);

// Runs `action` as soon as `dialog` is the modal window on screen; for
// driving a dialog that an exchange shows with exec().
void WhenShown(QDialog* dialog, std::function<void()> action);

// Replaces the text of a field as a user would: focus, select all, type.
void TypeInto(QLineEdit* field, const QString& text);

}  // namespace kolvar::testing
