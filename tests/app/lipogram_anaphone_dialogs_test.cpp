// frmLipo and frmPhon driven offscreen inside the main window: the controls at the first opening,
// the coupling of the lipogram options, the refusals, and what a result does to the display, the
// word boxes and the current list.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/anaphone_dialog.h"
#include "app/lipogram_dialog.h"
#include "app/main_window.h"
#include "app/qt_text.h"
#include "core/text.h"
#include "fake_tools.h"
#include "test_support.h"

namespace tavilo::testing {
namespace {

void Fill(WordTable& table, TableKind kind, const std::vector<WordEntry>& rows) {
  table.Reset(InfoOf(kind).capacity);
  for (const WordEntry& row : rows) table.Append(row);
}

Lexicon SmallLexicon() {
  Lexicon lexicon;
  Fill(lexicon.nouns, TableKind::Nouns,
       {{"arme", "arm", 1, 1}, {"rame", "ram", 1, 1}, {"banal", "banal", 2, 0}, {"bateau", "bato", 2, 1},
        {"mare", "mar", 1, 1}, {"abricot", "abriko", 3, 1}, {"chat", "Sa", 1, 1}});
  Fill(lexicon.adjectives, TableKind::Adjectives, {{"banale", "banal", 2, 0}, {"mare", "mar", 1, 0}});
  Fill(lexicon.verbs, TableKind::Verbs, {{"ri", "ri", 1, 1}, {"m'a", "ma", 1, 1}, {"marri", "mari", 2, 0}});
  Fill(lexicon.functionWords, TableKind::FunctionWords, {{"ici", "isi", 2, 1}});
  return lexicon;
}

class LipogramAnaphoneDialogsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ToolRegistry tools = BuiltInTools();
    tools.AddDialog<FakeAnagramDialog>(ToolId::Anagram);
    auto scripted = std::make_unique<ScriptedDialogs>();
    dialogs = scripted.get();
    window = std::make_unique<MainWindow>(lexicon, std::move(tools), std::move(scripted));
  }

  template <typename Dialog>
  void Open(const char* action, const std::function<void(Dialog&)>& use) {
    dialogs->modalAnswer = [&use](QDialog& shown) {
      auto* dialog = dynamic_cast<Dialog*>(&shown);
      if (!dialog) {
        ADD_FAILURE() << "the tool did not open its dialog";
        return int(QDialog::Rejected);
      }
      use(*dialog);
      return int(QDialog::Rejected);
    };
    window->findChild<QAction*>(QString::fromLatin1(action))->trigger();
    dialogs->modalAnswer = nullptr;
  }
  void OpenLipo(const std::function<void(LipogramDialog&)>& use) { Open<LipogramDialog>("mnuCmpLipo", use); }
  void OpenPhon(const std::function<void(AnaphoneDialog&)>& use) { Open<AnaphoneDialog>("mnuCmpPhon", use); }

  static void Search(QDialog& dialog, const QString& typed) {
    Box(dialog)->setEditText(QString());
    Box(dialog)->lineEdit()->insert(typed);
    dialog.findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
  }
  static QComboBox* Box(const QWidget& dialog) { return dialog.findChild<QComboBox*>(QStringLiteral("Combo1")); }
  static QComboBox* List1(const QWidget& dialog) { return dialog.findChild<QComboBox*>(QStringLiteral("List1")); }
  static QAbstractButton* Button(const QWidget& parent, const QString& caption) {
    for (QAbstractButton* button : parent.findChildren<QAbstractButton*>()) {
      if (button->text() == caption) return button;
    }
    ADD_FAILURE() << "no button " << caption.toStdString();
    return nullptr;
  }
  static QStringList Items(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
    return items;
  }
  QString HeaderLabel() const { return window->findChild<QLabel*>(QStringLiteral("lblHeader"))->text(); }
  QString Displayed() const { return FromUtf8(WritePlainText(window->ResultDocument())); }

  ScratchFolder folder;
  Lexicon lexicon = SmallLexicon();
  ScriptedDialogs* dialogs = nullptr;
  std::unique_ptr<MainWindow> window;
};

const QString kForbidden = QStringLiteral("Les lettres entrées sont interdites");
const QString kObligatory = QStringLiteral("Les lettres entrées sont obligatoires");
const QString kCheck3 =
    QStringLiteral("Interdire en plus les lettres avec signe diacritique (accent, tréma, cédille, point).");
const QString kCheck4 = QStringLiteral("Différencier les lettres avec signe diacritique (accent, tréma, cédille).");
const QString kMono = QStringLiteral("Monovocalisme / Monoconsonantisme");
const QString kBeau = QStringLiteral("Beau présent  (seules les lettres choisies sont utilisées)");
const QString kReduced = QStringLiteral("Vocabulaire réduit (une et deux syllabes)");
const QString kKeep = QStringLiteral("Conserver le résultat comme nouvelle liste");
const QString kAppend = QStringLiteral("Ajouter le résultat à la liste affichée");
const QString kListOption = QStringLiteral(
    "Liste de recherche précédente (Contrepèteries, Rimes, Lipogrammes,\nMots filtrés, 'okapi', 'phokapi')");

TEST_F(LipogramAnaphoneDialogsTest, LipogramFirstOpening) {
  OpenLipo([](LipogramDialog& d) {
    EXPECT_EQ(d.windowTitle(), "Tavilo - Lipogrammes");
    EXPECT_EQ(Box(d)->currentText(), "Entrez des lettres");
    EXPECT_EQ(Items(Box(d)), QStringList({"bdfghijklpqty"}));
    EXPECT_EQ(Items(List1(d)), QStringList({"Toutes", "1", "2", "3", "4", "5", "6", "7", "8", "9"}));
    EXPECT_EQ(List1(d)->currentText(), "3");
    const struct {
      QString caption;
      bool checked, enabled;
    } cases[] = {
        {kForbidden, true, true}, {kObligatory, false, true}, {kCheck3, false, true}, {kCheck4, false, true},
        {kMono, false, false},    {kBeau, false, false},      {kReduced, false, true}, {"Noms", true, true},
        {kListOption, false, false}, {kKeep, false, true},    {kAppend, false, false},
    };
    for (const auto& c : cases) {
      EXPECT_EQ(Button(d, c.caption)->isChecked(), c.checked) << c.caption.toStdString();
      EXPECT_EQ(Button(d, c.caption)->isEnabled(), c.enabled) << c.caption.toStdString();
    }
    List1(d)->setCurrentText("5");
  });
  OpenLipo([](LipogramDialog& d) { EXPECT_EQ(List1(d)->currentText(), "5") << "only the first opening resets"; });
}

TEST_F(LipogramAnaphoneDialogsTest, LipogramOptionCoupling) {
  OpenLipo([](LipogramDialog& d) {
    Button(d, kCheck3)->click();
    EXPECT_FALSE(Button(d, kCheck4)->isEnabled());
    Button(d, kCheck3)->click();
    Button(d, kCheck4)->click();
    EXPECT_FALSE(Button(d, kCheck3)->isEnabled());

    Button(d, kObligatory)->click();
    EXPECT_FALSE(Button(d, kCheck3)->isEnabled());
    EXPECT_TRUE(Button(d, kCheck4)->isEnabled());
    EXPECT_TRUE(Button(d, kBeau)->isEnabled());
    Box(d)->setEditText("ab");
    EXPECT_FALSE(Button(d, kMono)->isEnabled());
    Box(d)->setEditText("a");
    EXPECT_TRUE(Button(d, kMono)->isEnabled());

    Button(d, kForbidden)->click();
    EXPECT_FALSE(Button(d, kMono)->isEnabled());
    EXPECT_FALSE(Button(d, kBeau)->isEnabled());
    EXPECT_FALSE(Button(d, kCheck3)->isEnabled()) << "Check4 is still checked";

    Button(d, kReduced)->click();
    EXPECT_EQ(List1(d)->currentText(), "Toutes");
    EXPECT_FALSE(List1(d)->isEnabled());
    Button(d, kReduced)->click();
    EXPECT_EQ(List1(d)->currentText(), "3");
    EXPECT_TRUE(List1(d)->isEnabled());
  });
}

TEST_F(LipogramAnaphoneDialogsTest, LipogramResultAndKeptList) {
  OpenLipo([this](LipogramDialog& d) {
    Button(d, kObligatory)->click();
    Box(d)->setEditText("a");
    Button(d, kMono)->click();
    List1(d)->setCurrentText("Toutes");
    Button(d, kKeep)->click();
    Search(d, "a");
    EXPECT_EQ(Items(Box(d)), QStringList({"bdfghijklpqty", "a"}));
    EXPECT_TRUE(dialogs->messages.empty());
  });
  const QString header =
      QStringLiteral(" Lipogrammes     Lettres obligatoires : a     Domaine : Noms     Syllabes : Toutes     Mots : 2");
  EXPECT_EQ(HeaderLabel(), header);
  const QString rule(185, QLatin1Char('-'));
  EXPECT_EQ(Displayed(), header + "\n\n 1 syllabe :\n\tchat\n" + rule + "\n 2 syllabes :\n\tbanal\n" + rule + "\n");
  EXPECT_EQ(window->session().resultListKind, " lipogrammes");
  EXPECT_EQ(window->session().resultList.Size(), 2u);
  EXPECT_EQ(window->state().toolKey, "Lipo");

  // The kept list as the source of the next search.
  OpenLipo([](LipogramDialog& d) {
    Button(d, kForbidden)->click();
    Button(d, kKeep)->click();
    ASSERT_TRUE(Button(d, kListOption)->isEnabled());
    Button(d, kListOption)->click();
    Search(d, "t");
  });
  EXPECT_TRUE(HeaderLabel().contains("Domaine : Liste lipogrammes     Syllabes : Toutes     Mot : 1"))
      << HeaderLabel().toStdString();
  EXPECT_EQ(window->session().resultList.Size(), 2u) << "not kept: the list stays";
}

TEST_F(LipogramAnaphoneDialogsTest, LipogramRefusals) {
  OpenLipo([this](LipogramDialog& d) {
    Search(d, "");
    Search(d, "a1");
    Search(d, "abcdefghijklmnopqrstuvwxyz");
  });
  ASSERT_EQ(dialogs->messages.size(), 3u);
  EXPECT_EQ(dialogs->messages[0].text, "Essayez quand même d'entrer au moins une lettre !!!");
  EXPECT_EQ(dialogs->messages[1].text, "Impossible avec « 1 ». Utilisez seulement l'alphabet !!!");
  EXPECT_EQ(dialogs->messages[2].text,
            "Désolé, avec les lettres « abcdefghijklmnopqrstuvwxyz » il n'y a aucun mot possible !!!\n"
            "Choisissez d'autres lettres.");
  EXPECT_EQ(dialogs->messages[2].kind, ScriptedDialogs::Message::Kind::Warning);
  EXPECT_EQ(dialogs->messages[2].title, "Tavilo - Lipogrammes");
  EXPECT_TRUE(window->ResultIsEmpty());
}

TEST_F(LipogramAnaphoneDialogsTest, AnaphoneDialog) {
  OpenPhon([this](AnaphoneDialog& d) {
    EXPECT_EQ(d.windowTitle(), "Tavilo - Anaphones");
    EXPECT_EQ(Box(d)->currentText(), "Entrez un mot");
    EXPECT_EQ(Box(d)->font().family(), "Courier New");
    EXPECT_FALSE(Button(d, kAppend)->isEnabled());
    EXPECT_TRUE(Button(d, "Fermer")->isEnabled());
    Search(d, "x");
    Search(d, "zorglub");
    Search(d, "arme");
    Search(d, "marri");
    Search(d, "arme");
    EXPECT_EQ(Items(Box(d)), QStringList({"arme", "marri"})) << "words found, each once";
  });
  ASSERT_EQ(dialogs->messages.size(), 2u);
  EXPECT_EQ(dialogs->messages[0].kind, ScriptedDialogs::Message::Kind::Information);
  EXPECT_EQ(dialogs->messages[0].text, "Faites un effort, entrez au moins deux lettres !!!");
  EXPECT_EQ(dialogs->messages[1].kind, ScriptedDialogs::Message::Kind::Warning);
  EXPECT_EQ(dialogs->messages[1].text,
            "Apparemment le mot «zorglub» n'est pas reconnu.\nVérifiez l'orthographe, ou essayez un homonyme.");
  EXPECT_TRUE(HeaderLabel().startsWith("   Anaphonèmes        Mot : arme        Nombre de phonèmes : 3        "
                                       "Groupes de mots trouvés : 2        Temps : "))
      << HeaderLabel().toStdString();
  EXPECT_TRUE(Displayed().endsWith("\n\n3 phonèmes : \n\tmare\trame\n" + QString(185, QLatin1Char('-')) + "\n"));
  EXPECT_EQ(window->state().toolKey, "Phon");

  OpenPhon([this](AnaphoneDialog& d) {
    ASSERT_TRUE(Button(d, kAppend)->isEnabled());
    Button(d, kAppend)->click();
    Search(d, "marri");
  });
  EXPECT_TRUE(Displayed().contains("\tmare\trame\n")) << "appended after the first result";
  EXPECT_TRUE(Displayed().contains("2 / 2 phonèmes : \n\tm'a / ri\tri / m'a\n"));
}

}  // namespace
}  // namespace tavilo::testing
