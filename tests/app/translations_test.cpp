// Qt's own dialogs and menus speak French once the translations are installed.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLocale>
#include <QMenu>
#include <QTextEdit>
#include <QTranslator>
#include <memory>

#include "app/translations.h"
#include "test_support.h"

namespace tavilo::testing {
namespace {

TEST(FrenchTranslations, StandardDialogsAndTheDisplayMenuSpeakFrench) {
  EnsureApplication();
  const QLocale previous;
  QTranslator* translator = InstallFrenchTranslations();
  ASSERT_NE(translator, nullptr) << "qtbase_fr.qm (qt6-translations-l10n) is not installed";
  struct Case {
    const char* context;
    const char* english;
    const char* french;
  };
  // Texts of the file, overwrite, print and page set-up dialogs and of the message boxes.
  const Case cases[] = {
      {"QFileDialog", "Look in:", "Voir dans :"},
      {"QFileDialog", "%1 already exists.\nDo you want to replace it?", "Le fichier %1 existe déjà"},
      {"QPlatformTheme", "Cancel", "Annuler"},
      {"QPlatformTheme", "&Yes", "&Oui"},
      {"QPrintDialog", "Print", "Imprimer"},
  };
  for (const Case& c : cases)
    EXPECT_TRUE(QCoreApplication::translate(c.context, c.english).startsWith(QString::fromUtf8(c.french)))
        << c.english << " -> " << QCoreApplication::translate(c.context, c.english).toStdString();

  QTextEdit display;
  display.setPlainText(QStringLiteral("chat"));
  const std::unique_ptr<QMenu> menu(display.createStandardContextMenu());
  QStringList items;
  for (const QAction* action : menu->actions())
    if (!action->isSeparator()) items.append(action->text());
  EXPECT_TRUE(!items.isEmpty() && items.first().startsWith(QStringLiteral("&Annuler")) && items.last().startsWith(QStringLiteral("Tout sélectionner"))) << items.join(QLatin1Char('|')).toStdString();
  EXPECT_EQ(QLocale().language(), QLocale::French);

  QCoreApplication::removeTranslator(translator);
  delete translator;
  QLocale::setDefault(previous);
}

}  // namespace
}  // namespace tavilo::testing
