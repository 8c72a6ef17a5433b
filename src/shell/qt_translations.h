#pragma once

class QCoreApplication;

namespace kolvar {

// Loads Qt's own Hungarian translations (Debian qt6-translations-l10n), so
// that the print dialog, the print preview, the file dialogs and the standard
// buttons speak the interface's language. Where they are not installed, Qt's
// windows stay in English. Returns whether they were loaded.
bool InstallQtTranslations(QCoreApplication& app);

}  // namespace kolvar
