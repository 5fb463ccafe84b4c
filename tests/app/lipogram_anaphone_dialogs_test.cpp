// The lipogram and anaphone dialogs inside the main window: the controls at the first opening,
// the coupling of the lipogram options, the refusals, and what a result does to the display, the
// word boxes and the current list.
#include <QLabel>

#include "app/anaphone_dialog.h"
#include "app/lipogram_dialog.h"
#include "test_support.h"

namespace tavilo::testing {
namespace {

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

class LipogramAnaphoneDialogsTest : public MainWindowFixture {
 protected:
  void SetUp() override {
    lexicon = MakeLexicon(
        {{TableKind::Nouns,
          {{"arme", "arm", 1, 1}, {"rame", "ram", 1, 1}, {"banal", "banal", 2, 0}, {"bateau", "bato", 2, 1},
           {"mare", "mar", 1, 1}, {"abricot", "abriko", 3, 1}, {"chat", "Sa", 1, 1}}},
         {TableKind::Adjectives, {{"banale", "banal", 2, 0}, {"mare", "mar", 1, 0}}},
         {TableKind::Verbs, {{"ri", "ri", 1, 1}, {"m'a", "ma", 1, 1}, {"marri", "mari", 2, 0}}},
         {TableKind::FunctionWords, {{"ici", "isi", 2, 1}}}});
    MakeWindow();
  }
  void OpenLipo(const std::function<void(LipogramDialog&)>& use) { Open<LipogramDialog>("mnuCmpLipo", use); }
  void OpenPhon(const std::function<void(AnaphoneDialog&)>& use) { Open<AnaphoneDialog>("mnuCmpPhon", use); }
  static QComboBox* Box(const QWidget& d) { return Child<QComboBox>(d, "Combo1"); }
  static QComboBox* List1(const QWidget& d) { return Child<QComboBox>(d, "List1"); }
};

TEST_F(LipogramAnaphoneDialogsTest, LipogramFirstOpening) {
  OpenLipo([](LipogramDialog& d) {
    EXPECT_EQ(d.windowTitle(), "Tavilo - Lipogrammes");
    EXPECT_EQ(Box(d)->currentText(), "Entrez des lettres");
    EXPECT_EQ(Items(*Box(d)), QStringList({"bdfghijklpqty"}));
    EXPECT_EQ(Items(*List1(d)), QStringList({"Toutes", "1", "2", "3", "4", "5", "6", "7", "8", "9"}));
    EXPECT_EQ(List1(d)->currentText(), "3");
    const struct {
      QString caption;
      bool checked, enabled;
    } cases[] = {
        {kForbidden, true, true}, {kObligatory, false, true}, {kCheck3, false, true},     {kCheck4, false, true},
        {kMono, false, false},    {kBeau, false, false},      {kReduced, false, true},    {"Noms", true, true},
        {kListOption, false, false}, {kKeep, false, true},    {kAppend, false, false},
    };
    for (const auto& c : cases) {
      EXPECT_EQ(Button(d, c.caption)->isChecked(), c.checked) << c.caption.toStdString();
      EXPECT_EQ(Button(d, c.caption)->isEnabled(), c.enabled) << c.caption.toStdString();
    }
    for (const auto& [chosen, unit] : {std::pair{"1", "syllabe."}, {"Toutes", "syllabes."}, {"2", "syllabes."}}) {
      List1(d)->setCurrentText(chosen);
      EXPECT_EQ(Child<QLabel>(d, "Label3")->text(), unit) << chosen;
    }
    List1(d)->setCurrentText("5");
  });
  OpenLipo([](LipogramDialog& d) { EXPECT_EQ(List1(d)->currentText(), "5") << "only the first opening resets"; });
}

TEST_F(LipogramAnaphoneDialogsTest, LipogramOptionCoupling) {
  OpenLipo([](LipogramDialog& d) {
    const auto click = [&d](const QString& caption) { return [&d, caption] { Button(d, caption)->click(); }; };
    const auto type = [&d](const char* text) { return [&d, text] { Box(d)->setEditText(text); }; };
    const struct {
      std::function<void()> act;
      const char* enabled;  // "E" or "-" for Check3, Check4, Mono, Beau, List1
      const char* syllables;
    } steps[] = {
        {click(kCheck3), "E---E", "3"},       // diacritics forbidden: nothing left to tell apart
        {click(kCheck3), "EE--E", "3"},
        {click(kCheck4), "-E--E", "3"},       // told apart: no more to forbid
        {click(kObligatory), "-E-EE", "3"},   // Check3 only forbids; "Beau présent" needs obligatory letters
        {type("ab"), "-E-EE", "3"},
        {type("a"), "-EEEE", "3"},            // one letter: mono-vowel or mono-consonant
        {click(kForbidden), "-E--E", "3"},    // Check4 is still checked
        {click(kReduced), "-E---", "Toutes"},
        {click(kReduced), "-E--E", "3"},
    };
    for (const auto& s : steps) {
      s.act();
      std::string states;
      for (const QString& caption : {kCheck3, kCheck4, kMono, kBeau})
        states += Button(d, caption)->isEnabled() ? 'E' : '-';
      states += List1(d)->isEnabled() ? 'E' : '-';
      EXPECT_EQ(states, s.enabled) << &s - steps;
      EXPECT_EQ(List1(d)->currentText(), s.syllables) << &s - steps;
    }
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
    EXPECT_EQ(Items(*Box(d)), QStringList({"bdfghijklpqty", "a"}));
    EXPECT_TRUE(dialogs->messages.empty());
  });
  const QString header =
      QStringLiteral(" Lipogrammes     Lettres obligatoires : a     Domaine : Noms     Syllabes : Toutes     Mots : 2");
  EXPECT_EQ(Label("lblHeader"), header);
  const QString rule(185, QLatin1Char('-'));
  EXPECT_EQ(Displayed(), header + "\n\n 1 syllabe :\n\tchat\n" + rule + "\n 2 syllabes :\n\tbanal\n" + rule + "\n");
  EXPECT_EQ(window->session().resultListKind, " lipogrammes");
  EXPECT_EQ(window->session().resultList.Size(), 2u);
  EXPECT_EQ(window->state().toolKey, "Lipo");

  // The kept list as the source of the next search, which does not keep its own result.
  OpenLipo([](LipogramDialog& d) {
    Button(d, kForbidden)->click();
    Button(d, kKeep)->click();
    ASSERT_TRUE(Button(d, kListOption)->isEnabled());
    Button(d, kListOption)->click();
    Search(d, "t");
  });
  EXPECT_TRUE(Label("lblHeader").contains("Domaine : Liste lipogrammes     Syllabes : Toutes     Mot : 1"))
      << Label("lblHeader").toStdString();
  EXPECT_EQ(window->session().resultList.Size(), 2u);
  EXPECT_FALSE(Displayed().contains("\tchat\n")) << "the result replaces the one shown";
}

// The refusals' texts are the engine's; the dialog shows them as warnings and changes nothing.
TEST_F(LipogramAnaphoneDialogsTest, LipogramRefusals) {
  OpenLipo([this](LipogramDialog& d) { Search(d, "a1"); });
  EXPECT_EQ(Messages(), QStringList({"Impossible avec «\u00A01\u00A0». Utilisez seulement l'alphabet !!!"}));
  ASSERT_EQ(dialogs->messages.size(), 1u);
  EXPECT_EQ(dialogs->messages[0].kind, ScriptedDialogs::Message::Kind::Warning);
  EXPECT_EQ(dialogs->messages[0].title, "Tavilo - Lipogrammes");
  EXPECT_TRUE(window->ResultIsEmpty());
}

TEST_F(LipogramAnaphoneDialogsTest, AnaphoneDialog) {
  OpenPhon([](AnaphoneDialog& d) {
    EXPECT_EQ(d.windowTitle(), "Tavilo - Anaphones");
    EXPECT_EQ(Box(d)->currentText(), "Entrez un mot");
    EXPECT_EQ(Box(d)->font().family(), "Courier New");
    EXPECT_FALSE(Button(d, kAppend)->isEnabled());
    for (const char* typed : {"x", "zorglub", "arme", "marri", "arme"}) Search(d, typed);
    EXPECT_EQ(Items(*Box(d)), QStringList({"arme", "marri"})) << "words found, each once";
  });
  ASSERT_EQ(dialogs->messages.size(), 2u);
  EXPECT_EQ(dialogs->messages[0].kind, ScriptedDialogs::Message::Kind::Information);
  EXPECT_EQ(dialogs->messages[0].text, "Faites un effort, entrez au moins deux lettres !!!");
  EXPECT_EQ(dialogs->messages[0].title, "Tavilo - Anaphones");
  EXPECT_EQ(dialogs->messages[1].kind, ScriptedDialogs::Message::Kind::Warning);
  EXPECT_EQ(dialogs->messages[1].title, "Tavilo") << "the lookup's refusal is the program's";
  EXPECT_EQ(dialogs->messages[1].text,
            "Apparemment le mot «\u00A0zorglub\u00A0» n'est pas reconnu.\nVérifiez l'orthographe, ou essayez un homonyme.");
  EXPECT_TRUE(Label("lblHeader").startsWith("   Anaphones        Mot : arme        Nombre de phonèmes : 3        "
                                            "Mots trouvés : 2        Temps : "))
      << Label("lblHeader").toStdString();
  EXPECT_TRUE(Displayed().endsWith("\n\n3 phonèmes : \n\tmare\trame\n" + QString(185, QLatin1Char('-')) + "\n"));
  EXPECT_EQ(window->state().toolKey, "Phon");

  OpenPhon([](AnaphoneDialog& d) {
    ASSERT_TRUE(Button(d, kAppend)->isEnabled());
    Button(d, kAppend)->click();
    Search(d, "marri");
  });
  EXPECT_TRUE(Displayed().contains("\tmare\trame\n")) << "appended after the first result";
  EXPECT_TRUE(Displayed().contains("2 / 2 phonèmes : \n\tm'a / ri\tri / m'a\n"));
}

}  // namespace
}  // namespace tavilo::testing
