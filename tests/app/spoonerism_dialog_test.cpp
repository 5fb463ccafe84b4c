// frmCpt driven offscreen inside the main window: the option coupling, the refusals and their
// order, the repeated-search refusal, and what a result does to the display, the notes and the
// current list.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

#include "app/main_window.h"
#include "app/qt_text.h"
#include "app/spoonerism_dialog.h"
#include "core/text.h"
#include "test_support.h"

namespace tavilo::testing {
namespace {

// pou + quille -> cou + pile (cou and pet are the taboo words); crier holds a yod with no letter.
class SpoonerismDialogTest : public MainWindowFixture {
 protected:
  void SetUp() override {
    lexicon = MakeLexicon(
        {{TableKind::Nouns,
          {{"eau", "o", 1, 1}, {"quai", "k2", 1, 0}, {"quet", "k3", 1, 0}, {"quille", "kil", 1, 0}, {"cric", "krik", 1, 0},
           {"pou", "p4", 1, 0}, {"poux", "p4", 1, 0}, {"pile", "pil", 1, 0}}},
         {TableKind::Verbs, {{"crier", "kri72", 2, 0}, {"prier", "pri72", 2, 0}}},
         {TableKind::Taboo, {{"cou", "k4", 1, 0}, {"pet", "p3", 1, 0}, {"crier", "kri72", 2, 0}}}});
    MakeWindow();
  }

  void Open(const std::function<void(SpoonerismDialog&)>& use) {
    MainWindowFixture::Open<SpoonerismDialog>("mnuCmpCpt", use);
  }
  static QComboBox* Box(const QWidget& dialog) { return Child<QComboBox>(dialog, "Combo1"); }
  QString LastMessage() const { return dialogs->messages.empty() ? QString() : dialogs->messages.back().text; }
};

// The method captions go on three lines where their runs of spaces were, without a blank gap.
const QString kNormal = QStringLiteral("Normale\n(Tabous dans le mot entré\naprès permutation)");
const QString kReversed = QStringLiteral("Inversée\n(Tabous dans le résultat\naprès permutation)");
const QString kDouble = QStringLiteral("Double\n(Tabous dans le mot entré\net dans le résultat)");
const QString kChild = QStringLiteral("Enfant\n(Aucun mot tabou)");
const QString kTabooSearch = QStringLiteral("Recherche des mots contrepétophiles");
const QString kClassic = QStringLiteral("Classiques - Début des mots");
const QString kDecadent = QStringLiteral("Décadentes - Début ou milieu des mots");
const QString kOne = QStringLiteral("Un phonème");
const QString kTwo = QStringLiteral("Un ou deux phonèmes");
const QString kThree = QStringLiteral("Un, deux ou trois phonèmes");
const QString kMerge = QStringLiteral("Confondre les sons «\u00A0é\u00A0» et «\u00A0è\u00A0»");
// The caption breaks where its runs of spaces are, as every tool's previous-list option does.
const QString kList =
    QStringLiteral("Liste de recherche précédente\n(Rimes, Lipogrammes, Mots filtrés,\n'okapi', 'phokapi')");
const QString kKeep = QStringLiteral("Conserver le résultat comme nouvelle liste");

TEST_F(SpoonerismDialogTest, InitialStateAndTheCouplingOfTheOptions) {
  Open([](SpoonerismDialog& d) {
    EXPECT_EQ(d.windowTitle(), "Tavilo - Contrepèteries");
    QLabel* label = d.findChild<QLabel*>(QStringLiteral("Label1"));
    auto* domain = d.findChildren<QGroupBox*>().at(3);
    EXPECT_EQ(label->text(), "Entrez un mot «\u00A0contrepétophile\u00A0» :");
    for (const QString& on : {kOne, kClassic, kNormal, kMerge, QStringLiteral("Noms")}) {
      EXPECT_TRUE(Button(d, on)->isChecked()) << on.toStdString();
    }
    for (const QString& off : {kTwo, kThree, kKeep, kList}) EXPECT_FALSE(Button(d, off)->isEnabled()) << off.toStdString();

    // Each step: the captions to click, then the word label, the domain frame's title, whether
    // two and three phonemes are enabled, and the swap length selected.
    const struct {
      std::vector<QString> clicks;
      QString label, frame;
      bool two, three;
      QString selected;
    } steps[] = {
        {{kDecadent, kThree}, "Entrez un mot «\u00A0contrepétophile\u00A0» :", "Domaine du résultat", true, true, kThree},
        {{kReversed}, "Entrez un mot :", "Domaine", true, false, kTwo},
        {{kDouble}, "Entrez un mot «\u00A0contrepétophile\u00A0» :", "Domaine du résultat", true, true, kTwo},
        {{kChild}, "Entrez un mot :", "Domaine", false, false, kOne},
        {{kDecadent}, "Entrez un mot :", "Domaine", false, false, kOne},
        {{kTabooSearch, kThree}, "Entrez un mot «\u00A0TABOU\u00A0» :", "Domaine", true, true, kThree},
        {{kClassic}, "Entrez un mot «\u00A0TABOU\u00A0» :", "Domaine", false, false, kOne},
        {{kNormal, kDecadent}, "Entrez un mot «\u00A0contrepétophile\u00A0» :", "Domaine du résultat", true, true, kOne},
    };
    for (const auto& step : steps) {
      for (const QString& caption : step.clicks) Button(d, caption)->click();
      SCOPED_TRACE(step.clicks.front().toStdString());
      EXPECT_EQ(label->text(), step.label);
      EXPECT_EQ(domain->title(), step.frame);
      EXPECT_EQ(Button(d, kTwo)->isEnabled(), step.two);
      EXPECT_EQ(Button(d, kThree)->isEnabled(), step.three);
      EXPECT_TRUE(Button(d, step.selected)->isChecked());
    }
  });
}

TEST_F(SpoonerismDialogTest, EachRefusalHasItsMessage) {
  // The texts of the other refusals are pinned in the engine's table.
  const struct {
    QString method;
    QString typed;
    QString message;
    QString domain = QStringLiteral("Noms");
    QString title = QStringLiteral("Tavilo - Contrepèteries");  // the lookup's refusals carry the program's
  } cases[] = {
      {kNormal, "p0u", "Désolé, il n'y a pas de chiFFres dans cette Base !\nUtilisez seulement l'alphabet."},
      {kNormal, "pouf", "Apparemment le mot «\u00A0pouf\u00A0» n'est pas reconnu.\nVérifiez l'orthographe, ou essayez un homonyme.",
       "Noms", "Tavilo"},
      {kChild, "cou", "Vous avez entré un mot tabou !\nCe n'est pas très correct !!!", "Noms", "Tavilo"},
      {kNormal, "eau", "Le mot «\u00A0eau\u00A0» est trop court pour construire des contrepèteries !!!"},
      {kNormal, "pile", "Visiblement le mot «\u00A0pile\u00A0» n'est pas très contrepétophile !!!\n"
                        "Essayez la méthode «\u00A0Inversée\u00A0» ou choisissez un autre mot."},
      // Phase 1 finds cou for pou; no adverb is a partner.
      {kNormal, "pou", "Désolé, le mot «\u00A0pou\u00A0» ne génère aucune contrepèterie !!!\n"
                       "Modifiez les options, ou choisissez un autre mot.", "Adverbes, pronoms, prépositions..."},
  };
  Open([&](SpoonerismDialog& d) {
    for (const auto& c : cases) {
      Button(d, c.method)->click();
      Button(d, c.domain)->click();
      Search(d, c.typed);
      EXPECT_EQ(LastMessage(), c.message);
      EXPECT_EQ(dialogs->messages.back().title, c.title) << c.typed.toStdString();
    }
    EXPECT_EQ(Box(d)->currentText(), "pou") << "the word stays in place after a refusal";
    EXPECT_EQ(Box(d)->count(), 2) << "only a word long enough is remembered";
  });
  // After a search that found nothing, the result display has the focus.
  EXPECT_EQ(window->focusWidget(), window->resultDisplay());
  EXPECT_TRUE(window->ResultIsEmpty());
  EXPECT_EQ(Label("Label2"), "");
}

TEST_F(SpoonerismDialogTest, ResultHeaderNotesAndCurrentList) {
  Open([&](SpoonerismDialog& d) {
    Search(d, " P O U ");
    EXPECT_TRUE(dialogs->messages.empty()) << LastMessage().toStdString();
    EXPECT_EQ(Box(d)->currentText(), "pou");
    EXPECT_FALSE(Button(d, kList)->isEnabled()) << "a list of spoonerisms is not offered";
  });
  EXPECT_TRUE(Label("lblHeader").startsWith(
      "  Contrepèteries    Mot : pou    Domaine : Noms    Possibilités : 1    Mots trouvés : 3    Temps : 0 min "))
      << Label("lblHeader").toStdString();
  const QString text = FromUtf8(WritePlainText(window->ResultDocument()));
  EXPECT_TRUE(text.contains("\n\npou   (poux)\n\tquai#\t\tquet#\t\tquille\n" + QString(180, '-'))) << text.toStdString();
  EXPECT_EQ(Label("lblNotes"), "Les mots marqués d'un «\u00A0#\u00A0» génèrent également un mot tabou après permutation.");
  EXPECT_EQ(FromCp1252(window->session().resultListKind), " contrepèteries");
  EXPECT_EQ(window->session().resultList.Size(), 3u);
  EXPECT_EQ(window->state().toolKey, "Cpt");
}

TEST_F(SpoonerismDialogTest, TheSameSearchIsRefusedUntilSomethingChanges) {
  const QString repeated = QStringLiteral("Cette recherche vient juste d'être effectuée.\nEssayez donc autre chose.");
  Open([&](SpoonerismDialog& d) {
    Search(d, "pou");
    Search(d, "POU");
    EXPECT_EQ(LastMessage(), repeated);
    dialogs->messages.clear();
    Button(d, kMerge)->click();  // only the é/è option changed: runs again
    Search(d, "pou");
    EXPECT_TRUE(dialogs->messages.empty());
    Search(d, "pou");
    EXPECT_EQ(LastMessage(), repeated);
  });
  dialogs->messages.clear();
  window->findChild<QTextEdit*>(QStringLiteral("RichTextBox1"))->append(QStringLiteral("note"));  // the user edits
  Open([&](SpoonerismDialog& d) { Search(d, "pou"); });
  EXPECT_TRUE(dialogs->messages.empty()) << LastMessage().toStdString();
}

TEST_F(SpoonerismDialogTest, TheYodNoteShows) {
  Open([&](SpoonerismDialog& d) {
    Button(d, kTabooSearch)->click();
    Button(d, kDecadent)->click();
    Button(d, kTwo)->click();
    Search(d, "crier");
    EXPECT_EQ(dialogs->messages.size(), 0u) << dialogs->messages.front().text.toStdString();
  });
  // The taboo word crier becomes cric when its yod and é become k; the yod has no letter.
  const QString text = FromUtf8(WritePlainText(window->ResultDocument()));
  EXPECT_TRUE(text.contains("cri•er\n\tcric\n")) << text.toStdString();
  EXPECT_TRUE(Label("lblNotes").contains("Un «\u00A0•\u00A0» à l'intérieur d'un mot signale un son «\u00A0ye\u00A0» (yod) sans graphie correspondante."));
  EXPECT_TRUE(Label("lblHeader").contains("Possibilités : 0    Mot trouvé : 1")) << Label("lblHeader").toStdString();
}

}  // namespace
}  // namespace tavilo::testing
