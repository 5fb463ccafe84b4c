// Qt's own dialogs and menus speak French once the translations are installed.
#include <QCoreApplication>
#include <QLocale>
#include <QMenu>
#include <QTextEdit>
#include <QTranslator>

#include "app/translations.h"
#include "test_support.h"

namespace tavilo::testing {
namespace {

TEST(FrenchTranslations, StandardDialogsAndTheDisplayMenuSpeakFrench) {
  EnsureApplication();
  const QLocale previous;
  const std::unique_ptr<QTranslator> translator(InstallFrenchTranslations());
  ASSERT_NE(translator, nullptr) << "qtbase_fr.qm (qt6-translations-l10n) is not installed";
  // Texts of the file, overwrite, print and page set-up dialogs and of the message boxes.
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"QFileDialog", "Look in:", "Voir dans :"},
      {"QFileDialog", "%1 already exists.\nDo you want to replace it?", "Le fichier %1 existe déjà"},
      {"QPlatformTheme", "Cancel", "Annuler"},
      {"QPlatformTheme", "&Yes", "&Oui"},
      {"QPrintDialog", "Print", "Imprimer"},
  };
  for (const auto& [context, english, french] : cases) {
    const QString shown = QCoreApplication::translate(context, english);
    EXPECT_TRUE(shown.startsWith(QString::fromUtf8(french))) << english << " -> " << shown.toStdString();
  }
  QTextEdit display;
  display.setPlainText(QStringLiteral("chat"));
  const std::unique_ptr<QMenu> menu(display.createStandardContextMenu());
  QStringList items;
  for (const QAction* action : menu->actions())
    if (!action->isSeparator()) items.append(action->text());
  EXPECT_TRUE(!items.isEmpty() && items.first().startsWith(QStringLiteral("&Annuler")) &&
              items.last().startsWith(QStringLiteral("Tout sélectionner")))
      << items.join(QLatin1Char('|')).toStdString();
  EXPECT_EQ(QLocale().language(), QLocale::French);
  QCoreApplication::removeTranslator(translator.get());
  QLocale::setDefault(previous);
}

}  // namespace
}  // namespace tavilo::testing
