// frmAna and frmAnaAux1 driven offscreen inside the main window: the letter box rewritten as the
// user types, the details and lists, the refusals, the manual result and its double-click, and
// the automatic window with Pause, Continuer, Stop and Fermer during a search.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTextEdit>
#include <QTest>
#include <QTimer>

#include "app/anagram_dialog.h"
#include "app/main_window.h"
#include "app/qt_text.h"
#include "test_support.h"

namespace tavilo::testing {
namespace {

template <typename Widget>
Widget* Child(const QWidget& parent, const char* name) {
  Widget* child = parent.findChild<Widget*>(QString::fromLatin1(name));
  if (!child) ADD_FAILURE() << "no control " << name;
  return child;
}

class AnagramDialogTest : public ::testing::Test {
 protected:
  // Sixteen letters a to p with every pair of them as a word, and four words of four letters:
  // an automatic search over them runs long enough to be paused, stopped or closed.
  void SetUp() override {
    lexicon.nouns.Reset(InfoOf(TableKind::Nouns).capacity);
    for (const char* w : {"chien", "niche", "chine", "abcd", "efgh", "ijkl", "mnop", "ab"}) lexicon.nouns.Append({w, w, 1, 1});
    for (char a = 'a'; a <= 'p'; ++a)
      for (char b = static_cast<char>(a + 1); b <= 'p'; ++b)
        if (!(a == 'a' && b == 'b')) lexicon.nouns.Append({std::string{a, b}, "x", 1, 1});
    for (WordTable* t : {&lexicon.adjectives, &lexicon.verbs, &lexicon.functionWords, &lexicon.locutions, &lexicon.taboo})
      t->Reset(1000);
    lexicon.anagramIndex =
        BuildAnagramIndex(lexicon.nouns, lexicon.adjectives, lexicon.verbs, lexicon.functionWords, lexicon.locutions);
    auto scripted = std::make_unique<ScriptedDialogs>();
    dialogs = scripted.get();
    window = std::make_unique<MainWindow>(lexicon, BuiltInTools(), std::move(scripted));
  }

  void Open(const std::function<void(AnagramDialog&)>& use) {
    dialogs->modalAnswer = [&use](QDialog& shown) {
      auto* dialog = dynamic_cast<AnagramDialog*>(&shown);
      if (!dialog) {
        ADD_FAILURE() << "the anagram tool did not open its dialog";
        return int(QDialog::Rejected);
      }
      use(*dialog);
      return int(QDialog::Rejected);
    };
    window->findChild<QAction*>(QStringLiteral("mnuCmpAna"))->trigger();
    dialogs->modalAnswer = nullptr;
  }

  static void Type(AnagramDialog& d, const QString& text) {
    QLineEdit* edit = Child<QComboBox>(d, "Combo1")->lineEdit();
    edit->clear();
    edit->insert(text);  // as typing or pasting does
  }
  static QString Text(const QWidget& d, const char* name) { return Child<QLabel>(d, name)->text(); }
  static QStringList Lines(const AnagramDialog& d) {
    return d.autoWindow()->text()->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  }
  QStringList Messages() const {
    QStringList texts;
    for (const auto& m : dialogs->messages) texts << m.text;
    return texts;
  }

  ScratchFolder folder;
  Lexicon lexicon;
  ScriptedDialogs* dialogs = nullptr;
  std::unique_ptr<MainWindow> window;
};

TEST_F(AnagramDialogTest, TypingRewritesTheBoxTheDetailsAndTheLists) {
  Open([](AnagramDialog& d) {
    EXPECT_EQ(d.windowTitle(), "Tavilo - Anagrammes");
    EXPECT_EQ(Child<QComboBox>(d, "Combo1")->currentText(), "Entrez une suite de lettres");
    EXPECT_FALSE(Child<QWidget>(d, "FrameReglages")->isEnabled());
    Type(d, QStringLiteral("Ch1é?n!"));
    QLineEdit* edit = Child<QComboBox>(d, "Combo1")->lineEdit();
    EXPECT_EQ(edit->text(), "ché?n!");
    EXPECT_EQ(edit->cursorPosition(), 6);
    // A refused character typed inside the text leaves the caret where it was.
    edit->setCursorPosition(2);
    QTest::keyClicks(edit, QStringLiteral("%"));
    EXPECT_EQ(edit->text(), "ché?n!");
    EXPECT_EQ(edit->cursorPosition(), 2);
    EXPECT_EQ(Text(d, "lblTotal"), "Nombre total de lettres : 6");
    EXPECT_EQ(Text(d, "lblLettresACherher"), "Lettres à chercher :\nchen?!");
    EXPECT_EQ(Text(d, "lblLipogramme"), "Lipogramme en : aiouy/bdfgjklmpqrstvwxz");
    EXPECT_TRUE(Child<QCheckBox>(d, "Check2")->isEnabled());  // jokers typed

    Child<QRadioButton>(d, "Auto")->click();
    EXPECT_TRUE(Child<QWidget>(d, "FrameReglages")->isEnabled());
    Child<QLineEdit>(d, "MotImpose")->setText(QStringLiteral("Nez"));  // no "z" among the letters
    EXPECT_EQ(Child<QLineEdit>(d, "MotImpose")->text(), "ne");
    EXPECT_EQ(Text(d, "lblMotsImposes"), "Nombre de mots imposés : 1");
    EXPECT_EQ(Text(d, "lblLettresACherher"), "Lettres à chercher :\nch?!");
    // Four letters and jokers left: up to 1 + 4 words, lengths 1 to 4.
    EXPECT_EQ(Child<QComboBox>(d, "MotMax")->count(), 5);
    EXPECT_EQ(Child<QComboBox>(d, "LongMax")->count(), 4);
    auto* motMin = Child<QComboBox>(d, "MotMin");
    motMin->setCurrentIndex(0);
    EXPECT_EQ(Text(d, "lblMotMinUnit"), "mot");
    motMin->setCurrentIndex(1);
    EXPECT_EQ(Text(d, "lblMotMinUnit"), "mots");
    // A maximum length of 1 needs four more words besides the imposed one.
    auto* longMax = Child<QComboBox>(d, "LongMax");
    longMax->setCurrentIndex(0);
    emit longMax->activated(0);
    EXPECT_EQ(Text(d, "lblLongMaxUnit"), "lettre");
    EXPECT_EQ(motMin->currentText(), "5");
  });
}

TEST_F(AnagramDialogTest, RefusalsAndTheManualResult) {
  Open([this](AnagramDialog& d) {
    Child<QPushButton>(d, "OKButton")->click();
    Type(d, QStringLiteral("ab"));
    Child<QPushButton>(d, "OKButton")->click();
    Type(d, QStringLiteral("ab?"));
    Child<QRadioButton>(d, "Auto")->click();
    Child<QLineEdit>(d, "MotImpose")->setText(QStringLiteral("ab"));
    Child<QPushButton>(d, "OKButton")->click();
    EXPECT_EQ(Messages(), (QStringList{"Essayez quand même d'entrer au moins 3 lettres !!!",
                                       "Sans ordinateur on peut trouver facilement les anagrammes d'un mot de une ou "
                                       "deux lettres !!!\nIl faut au moins 3 lettres à chercher",
                                       "Il faut au moins une lettre explicite !!!"}));
    Child<QRadioButton>(d, "Manuel")->click();
    Child<QLineEdit>(d, "MotImpose")->clear();
    Type(d, QStringLiteral("chien"));
    Child<QPushButton>(d, "OKButton")->click();
  });
  const QString shown = window->resultDisplay()->toPlainText();
  EXPECT_TRUE(shown.startsWith("    Niveau : Manuel    Lettres : chien    Nombre : 5    Mots trouvés : 13")) << shown.toStdString();
  EXPECT_TRUE(shown.contains(" Anagrammes\n 5 lettres :\nchien []\nchine []\nniche []")) << shown.toStdString();
  EXPECT_TRUE(window->findChild<QLabel*>(QStringLiteral("lblNotes"))->text().startsWith("Pour effectuer une recherche"));
  EXPECT_EQ(window->windowTitle(), "Tavilo - SansTitre.rtf");
  // The entry joined the box's history.
  Open([](AnagramDialog& d) { EXPECT_GE(Child<QComboBox>(d, "Combo1")->findText("chien"), 0); });
}

TEST_F(AnagramDialogTest, DoubleClickImposesTheWordAtTheLevelOfTheLettersLeft) {
  const struct {
    QString letters;
    int level;
  } cases[] = {{"ab" + QString(13, 'c'), 4}, {"ab" + QString(14, 'c'), 3}, {"ab" + QString(26, 'c') + "??!", 2},
               {"ab" + QString(29, 'c'), 1}};
  for (const auto& c : cases) {
    AnagramDialog* dialog = nullptr;
    Open([&](AnagramDialog& d) {
      dialog = &d;
      Child<QRadioButton>(d, "Manuel")->click();
      Child<QLineEdit>(d, "MotImpose")->clear();
      Type(d, c.letters);
      Child<QPushButton>(d, "OKButton")->click();
    });
    ASSERT_NE(dialog, nullptr);
    dialog->OnDisplayDoubleClicked("ab");
    EXPECT_EQ(Child<QLineEdit>(*dialog, "MotImpose")->text(), "ab");
    EXPECT_TRUE(Child<QRadioButton>(*dialog, "Auto")->isChecked());
    EXPECT_EQ(Child<QSlider>(*dialog, "ProfRech")->value(), c.level) << c.letters.size();
    ASSERT_NE(dialog->autoWindow(), nullptr);
    EXPECT_EQ(dialog->autoWindow()->windowTitle(), "Tavilo - Anagrammes - Automatique - SansTitre.rtf");
  }
}

TEST_F(AnagramDialogTest, PauseThenContinuerWithFewerWords) {
  Open([this](AnagramDialog& d) {
    Type(d, QStringLiteral("abcdefghijklmnop"));
    Child<QRadioButton>(d, "Auto")->click();
    Child<QComboBox>(d, "MotMax")->setCurrentIndex(7);  // 8 words
    Child<QSlider>(d, "ProfRech")->setValue(4);
    int linesAtPause = -1;
    QTimer::singleShot(0, &d, [&] {
      emit d.autoWindow()->pauseClicked();
      EXPECT_TRUE(d.Paused());
      EXPECT_TRUE(d.isVisible());
      EXPECT_TRUE(Child<QPushButton>(d, "ContButton")->isEnabled());
      EXPECT_EQ(Child<QLabel>(d, "lblMotMax")->styleSheet(), "color: rgb(255, 0, 0)");
      EXPECT_FALSE(Child<QPushButton>(d, "OKButton")->isEnabled());
      EXPECT_FALSE(Child<QPushButton>(*d.autoWindow(), "Pse")->isEnabled());
      QTimer::singleShot(0, &d, [&] {
        linesAtPause = static_cast<int>(Lines(d).size());
        Child<QComboBox>(d, "MotMax")->setCurrentIndex(4);  // 5 words
        Child<QPushButton>(d, "ContButton")->click();
      });
    });
    Child<QPushButton>(d, "OKButton")->click();
    EXPECT_FALSE(d.Searching());
    EXPECT_FALSE(d.isVisible());
    const QStringList lines = Lines(d);
    ASSERT_GE(linesAtPause, 0) << lines.size() << " " << d.autoWindow()->text()->toPlainText().left(300).toStdString();
    ASSERT_GT(lines.size(), linesAtPause);
    for (qsizetype i = linesAtPause; i < lines.size(); ++i)
      EXPECT_LE(lines[i].trimmed().split(QLatin1Char(' ')).size(), 5) << lines[i].toStdString();
    EXPECT_EQ(Child<QLabel>(d, "lblMotMax")->styleSheet(), "");
    EXPECT_EQ(Child<QLabel>(*d.autoWindow(), "lblCount")->text(), QString::number(lines.size()));
  });
}

TEST_F(AnagramDialogTest, ClosingTheWindowEndsTheSearch) {
  Open([](AnagramDialog& d) {
    Type(d, QStringLiteral("abcdefghijklmnop"));
    Child<QRadioButton>(d, "Auto")->click();
    Child<QComboBox>(d, "MotMax")->setCurrentIndex(7);
    Child<QSlider>(d, "ProfRech")->setValue(4);
    QTimer::singleShot(0, &d, [&] { d.autoWindow()->close(); });
    Child<QPushButton>(d, "OKButton")->click();
    EXPECT_FALSE(d.Searching());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(d.autoWindow(), nullptr);
  });
  EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(AnagramDialogTest, TheWindowsTextServesSaveAndCopy) {
  Open([](AnagramDialog& d) {
    Type(d, QStringLiteral("chien"));
    Child<QRadioButton>(d, "Auto")->click();
    Child<QPushButton>(d, "OKButton")->click();
  });
  auto* aux = window->findChild<AnagramAutoWindow*>();
  ASSERT_NE(aux, nullptr);
  EXPECT_EQ(aux->text()->toPlainText(), "\tchien \n\tchine \n\tniche \n");
  dialogs->saveAnswers << folder.File(QStringLiteral("auto.txt"));
  aux->show();
  window->SaveListAs();
  EXPECT_TRUE(dialogs->lastSaveProposal.endsWith("Ana_chien_4_1-2_1-5")) << dialogs->lastSaveProposal.toStdString();
  EXPECT_EQ(dialogs->lastSaveTitle, "Tavilo - Anagrammes - Automatique - chien_4_1-2_1-5");
  const std::string saved = ReadBytes(folder.File(QStringLiteral("auto.txt")));
  EXPECT_NE(saved.find("Groupes de mots : 3"), std::string::npos) << saved;
  EXPECT_NE(saved.find("\tniche "), std::string::npos) << saved;
  window->SetAuxiliaryText(aux->text());
  window->SelectAll();
  EXPECT_EQ(aux->text()->textCursor().selectedText().size(), aux->text()->toPlainText().size());
  EXPECT_TRUE(window->findChild<QAction*>(QStringLiteral("mnuEditCopy"))->isEnabled());
}

}  // namespace
}  // namespace tavilo::testing
