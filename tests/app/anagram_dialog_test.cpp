// The anagram dialog and its automatic window inside the main window: the letter box rewritten
// as the user types, the details and lists, the refusals, the manual result and its double-click,
// and the automatic window with Pause, Continuer and Fermer during a search.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include "app/anagram_dialog.h"
#include "test_support.h"

namespace tavilo::testing {
namespace {

class AnagramDialogTest : public MainWindowFixture {
 protected:
  // Sixteen letters a to p with every pair of them as a word, and four words of four letters:
  // an automatic search over them runs long enough to be paused or closed.
  void SetUp() override {
    std::vector<WordEntry> nouns;
    for (const char* w : {"chien", "niche", "chine", "abcd", "efgh", "ijkl", "mnop", "ab"})
      nouns.push_back({w, w, 1, 1});
    for (char a = 'a'; a <= 'p'; ++a)
      for (char b = static_cast<char>(a + 1); b <= 'p'; ++b)
        if (!(a == 'a' && b == 'b')) nouns.push_back({std::string{a, b}, "x", 1, 1});
    lexicon = MakeLexicon({{TableKind::Nouns, nouns}});
    MakeWindow();
  }
  void Open(const std::function<void(AnagramDialog&)>& use) {
    MainWindowFixture::Open<AnagramDialog>("mnuCmpAna", use);
  }

  static QLineEdit* Letters(const AnagramDialog& d) { return Child<QComboBox>(d, "Combo1")->lineEdit(); }
  static void Type(AnagramDialog& d, const QString& text) {
    Letters(d)->clear();
    Letters(d)->insert(text);  // as typing or pasting does
  }
  static QString Text(const QWidget& d, const char* name) { return Child<QLabel>(d, name)->text(); }
  static QStringList Lines(const AnagramDialog& d) {
    return d.autoWindow()->text()->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  }
  static void SearchChienAutomatically(AnagramDialog& d) {
    Type(d, QStringLiteral("chien"));
    Child<QRadioButton>(d, "Auto")->click();
    Child<QPushButton>(d, "OKButton")->click();
  }
  // Sixteen letters, automatic, up to 8 words at depth 4: long enough to act on mid-search.
  static void StartLongSearch(AnagramDialog& d) {
    Type(d, QStringLiteral("abcdefghijklmnop"));
    Child<QRadioButton>(d, "Auto")->click();
    Child<QComboBox>(d, "MotMax")->setCurrentIndex(7);
    Child<QSlider>(d, "ProfRech")->setValue(4);
  }
};

TEST_F(AnagramDialogTest, TypingRewritesTheBoxTheDetailsAndTheLists) {
  Open([](AnagramDialog& d) {
    EXPECT_EQ(d.windowTitle(), "Tavilo - Anagrammes");
    EXPECT_EQ(Letters(d)->text(), "Entrez une suite de lettres");
    EXPECT_FALSE(Child<QWidget>(d, "FrameReglages")->isEnabled());
    Type(d, QStringLiteral("Ch1é?n!"));
    EXPECT_EQ(Letters(d)->text(), "ché?n!");
    EXPECT_EQ(Letters(d)->cursorPosition(), 6);
    // A refused character typed inside the text leaves the caret where it was.
    Letters(d)->setCursorPosition(2);
    QTest::keyClicks(Letters(d), QStringLiteral("%"));
    EXPECT_EQ(Letters(d)->text(), "ché?n!");
    EXPECT_EQ(Letters(d)->cursorPosition(), 2);
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
    for (const auto& [index, unit] : {std::pair{0, "mot"}, {1, "mots"}}) {
      motMin->setCurrentIndex(index);
      EXPECT_EQ(Text(d, "lblMotMinUnit"), unit);
    }
    // A maximum length of 1 needs four more words besides the imposed one.
    auto* longMax = Child<QComboBox>(d, "LongMax");
    longMax->setCurrentIndex(0);
    emit longMax->activated(0);
    EXPECT_EQ(Text(d, "lblLongMaxUnit"), "lettre");
    EXPECT_EQ(motMin->currentText(), "5");
  });
}

TEST_F(AnagramDialogTest, RefusalsAndTheManualResult) {
  const struct {
    QString letters, imposed, message;
  } refusals[] = {
      {"", "", "Essayez quand même d'entrer au moins 3 lettres !!!"},
      {"ab", "", "Sans ordinateur on peut trouver facilement les anagrammes d'un mot d'une ou deux lettres !!!\n"
                 "Il faut au moins 3 lettres à chercher."},
      {"ab?", "ab", "Il faut au moins une lettre explicite !!!"},
  };
  Open([&](AnagramDialog& d) {
    Child<QRadioButton>(d, "Auto")->click();
    for (const auto& r : refusals) {
      dialogs->messages.clear();
      Type(d, r.letters);
      Child<QLineEdit>(d, "MotImpose")->setText(r.imposed);
      Child<QPushButton>(d, "OKButton")->click();
      EXPECT_EQ(Messages(), QStringList{r.message}) << r.letters.toStdString();
    }
    dialogs->messages.clear();
    Child<QRadioButton>(d, "Manuel")->click();
    Child<QLineEdit>(d, "MotImpose")->clear();
    Type(d, QStringLiteral("chien"));
    Child<QPushButton>(d, "OKButton")->click();
  });
  EXPECT_TRUE(Messages().isEmpty());
  EXPECT_TRUE(Displayed().startsWith("    Niveau : Manuel    Lettres : chien    Nombre : 5    Mots trouvés : 13"))
      << Displayed().toStdString();
  EXPECT_TRUE(Displayed().contains(" Anagrammes\n 5 lettres :\nchien []\nchine []\nniche []"))
      << Displayed().toStdString();
  EXPECT_TRUE(Label("lblNotes").startsWith("Pour effectuer une recherche"));
  Open([](AnagramDialog& d) { EXPECT_GE(Child<QComboBox>(d, "Combo1")->findText("chien"), 0) << "remembered"; });
}

TEST_F(AnagramDialogTest, DoubleClickImposesTheWordAtTheLevelOfTheLettersLeft) {
  // The level counts the letters left once "ab" is imposed, and the "?" jokers but not the "!".
  const struct {
    QString letters;
    int level;
  } cases[] = {{"ab" + QString(13, 'c'), 4}, {"ab" + QString(14, 'c'), 3}, {"ab" + QString(26, 'c') + "?" "?!", 2},
               {"ab" + QString(27, 'c') + "??", 1}};
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
  Open([](AnagramDialog& d) {
    StartLongSearch(d);
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
    ASSERT_GE(linesAtPause, 0) << "the search ended before the pause";
    ASSERT_GT(lines.size(), linesAtPause);
    for (qsizetype i = linesAtPause; i < lines.size(); ++i)
      EXPECT_LE(lines[i].trimmed().split(QLatin1Char(' ')).size(), 5) << lines[i].toStdString();
    EXPECT_EQ(Child<QLabel>(d, "lblMotMax")->styleSheet(), "");
    EXPECT_EQ(Child<QLabel>(*d.autoWindow(), "lblCount")->text(), QString::number(lines.size()));
  });
}

TEST_F(AnagramDialogTest, ClosingTheWindowEndsTheSearch) {
  Open([](AnagramDialog& d) {
    StartLongSearch(d);
    QTimer::singleShot(0, &d, [&] { d.autoWindow()->close(); });
    Child<QPushButton>(d, "OKButton")->click();
    EXPECT_FALSE(d.Searching());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(d.autoWindow(), nullptr);
  });
  EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(AnagramDialogTest, TheWindowsTextServesSaveAndCopy) {
  Open(SearchChienAutomatically);
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
  EXPECT_TRUE(Child<QAction>(*window, "mnuEditCopy")->isEnabled());
}

// A window closed when the dialog is reopened is deleted only once the main event loop runs
// again, which is after the next search started: each search must get a window that stays.
TEST_F(AnagramDialogTest, ThreeAutomaticSearchesInARowEachKeepTheirWindow) {
  for (int run = 0; run < 3; ++run) {
    Open(SearchChienAutomatically);
    // Back in the main event loop: what was closed is deleted now.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    auto* d = dynamic_cast<AnagramDialog*>(window->toolDialog(ToolId::Anagram));
    ASSERT_NE(d, nullptr);
    ASSERT_NE(d->autoWindow(), nullptr) << "run " << run;
    EXPECT_TRUE(d->autoWindow()->isVisible()) << "run " << run;
    EXPECT_EQ(Lines(*d), QStringList({"\tchien ", "\tchine ", "\tniche "})) << "run " << run;
  }
  EXPECT_EQ(window->findChildren<AnagramAutoWindow*>().size(), 1);
}

// The automatic window opens beside the main window but never past the screen's edge.
TEST_F(AnagramDialogTest, TheAutomaticWindowStaysOnTheScreen) {
  const QRect screen = window->screen()->availableGeometry();
  window->move(screen.right() - window->frameGeometry().width() / 2, screen.top() + 20);
  Open(SearchChienAutomatically);
  auto* aux = window->findChild<AnagramAutoWindow*>();
  ASSERT_NE(aux, nullptr);
  EXPECT_TRUE(screen.contains(aux->frameGeometry())) << aux->frameGeometry().x() << "+" << aux->frameGeometry().width();
}

// Typing changes the details and the unit labels ("1 mot", "2 lettres"): the dialog keeps its width.
TEST_F(AnagramDialogTest, TheDialogKeepsItsWidthWhileTyping) {
  Open([](AnagramDialog& d) {
    Child<QRadioButton>(d, "Auto")->click();
    QList<int> widths;
    for (const char* typed : {"a", "ab", "chien", "abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwx", "c?!"}) {
      Type(d, QString::fromLatin1(typed));
      widths << d.sizeHint().width();
    }
    EXPECT_EQ(widths.count(widths.front()), widths.size()) << widths.front() << " " << widths.back();
  });
}

}  // namespace
}  // namespace tavilo::testing
