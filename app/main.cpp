// tavilo: the desktop program. Shows the splash window while the dictionary loads, then the
// main window; a data error stops start-up with a message and a non-zero exit status.
#include <QApplication>

#include "app/document_bridge.h"
#include "app/main_window.h"
#include "app/splash_window.h"
#include "app/tool_registry.h"
#include "app/translations.h"
#include "app/user_dialogs.h"
#include "core/lexicon.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("Tavilo"));
  QApplication::setApplicationName(QStringLiteral("Tavilo"));
  QApplication::setApplicationVersion(QString::fromLatin1(tavilo::Version()));
  tavilo::InstallFontSubstitutes();
  tavilo::InstallFrenchTranslations();

  tavilo::SplashWindow splash;
  tavilo::DesktopDialogs dialogs;
  std::unique_ptr<tavilo::Lexicon> lexicon = tavilo::LoadLexiconWithSplash(splash, tavilo::FindDataDirectory(), dialogs);
  if (!lexicon) return 1;

  tavilo::MainWindow window(*lexicon, tavilo::BuiltInTools());
  window.show();
  splash.close();
  return app.exec();
}
