#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace tavilo {

QTranslator* InstallFrenchTranslations() {
  const QLocale french(QLocale::French, QLocale::France);
  QLocale::setDefault(french);
  // Owned by the application, so that it lives as long as the widgets that use it.
  auto* translator = new QTranslator(QCoreApplication::instance());
  if (!translator->load(french, QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return nullptr;
  }
  QCoreApplication::installTranslator(translator);
  return translator;
}

}  // namespace tavilo
