// The program speaks French only, and so must Qt's own widgets: the file, print and page set-up
// dialogs, the standard buttons of message boxes and the display's context menu.
#pragma once

class QTranslator;

namespace tavilo {

// Makes French the default locale (dates, sizes and paper names in the standard dialogs) and
// installs Qt's French translations (qtbase_fr.qm from Qt's translations folder, Debian package
// qt6-translations-l10n) in the running application. Returns the installed translator, owned by
// the application, or null when the translations are not installed: the program then runs with
// Qt's English texts in the standard dialogs.
QTranslator* InstallFrenchTranslations();

}  // namespace tavilo
