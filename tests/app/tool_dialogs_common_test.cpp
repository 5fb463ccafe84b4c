// What every tool dialog shares, shown on the (offscreen) screen. The keyboard: the word box has
// the focus at each opening, also after a search started with the mouse or a closing by Escape;
// typing, Tab to an option, Space, Shift+Tab back and Enter run the search; Enter on an option or
// a check box runs it too, as OK is the default button. The messages: a very long entry is quoted
// cut short, so that the message box stays on the screen.
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMap>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextEdit>
#include <tuple>

#include "app/anagram_auto_window.h"
#include "app/tool_dialog.h"
#include "test_support.h"

namespace tavilo::testing {
namespace {

struct ToolCase {
  const char* menuItem;
  const char* typed;
};

class ToolKeyboardTest : public MainWindowFixture, public ::testing::WithParamInterface<ToolCase> {
 protected:
  void SetUp() override {
    lexicon = MakeLexicon({{TableKind::Nouns,
                            {{"chien", "S9", 1, 1}, {"niche", "niS", 1, 1}, {"chine", "Sin", 1, 1},
                             {"bien", "b9", 1, 1}, {"lien", "l9", 1, 1}, {"temps", "t5", 1, 1}}},
                           {TableKind::Verbs, {{"chine", "Sin", 1, 1}}}});
    MakeWindow();
    // A result on display: "Ajouter le résultat à la liste affichée" is enabled, as it mostly is.
    Document shown;
    shown.Append("un mot", CharFormat{});
    window->SetResultDocument(shown);
  }

  // Shows the tool's dialog as the program does and lets `use` act on it through the keyboard.
  // The offscreen screen does not move the keyboard focus between windows as a desktop does: the
  // keys go to the widget that has the focus within the dialog, which is the one a desktop gives
  // the keyboard when the dialog is shown.
  void OpenShown(const std::function<void(ToolDialog&)>& use) {
    dialogs->modalAnswer = [&use](QDialog& shown) {
      shown.show();
      shown_ = &shown;
      use(dynamic_cast<ToolDialog&>(shown));
      shown_ = nullptr;
      shown.hide();
      return int(QDialog::Rejected);
    };
    Trigger(GetParam().menuItem);
    dialogs->modalAnswer = nullptr;
  }
  // A search ran: it showed a result (in the display, or the automatic anagram window) or said
  // why not.
  std::tuple<std::uint64_t, std::size_t, QString> Trace() const {
    QString shownWindow;  // a new automatic window for each search
    for (const AnagramAutoWindow* aux : window->findChildren<AnagramAutoWindow*>())
      if (aux->isVisible()) shownWindow = QString::number(reinterpret_cast<quintptr>(aux)) + aux->text()->toPlainText();
    return {window->ResultRevision(), dialogs->messages.size(), shownWindow};
  }
  static QWidget* Focused() { return shown_ ? shown_->focusWidget() : nullptr; }
  static inline QDialog* shown_ = nullptr;
  static bool WordBoxFocused(const ToolDialog& d) {
    auto* box = Child<QComboBox>(d, "Combo1");
    return Focused() == box || Focused() == box->lineEdit();
  }
  static void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(Focused(), key, modifiers);
  }
};

TEST_P(ToolKeyboardTest, TheWordBoxHasTheFocusAtEveryOpening) {
  OpenShown([](ToolDialog& d) {
    EXPECT_TRUE(WordBoxFocused(d));
    Enter(*Child<QComboBox>(d, "Combo1"), QString::fromUtf8(GetParam().typed));
    auto* ok = Child<QPushButton>(d, "OKButton");
    ok->setFocus(Qt::MouseFocusReason);  // as a click on it does
    QTest::mouseClick(ok, Qt::LeftButton);
  });
  OpenShown([](ToolDialog& d) {
    EXPECT_TRUE(WordBoxFocused(d)) << (Focused() ? Focused()->objectName().toStdString() : "none");
    // The text is selected: typing replaces the last search.
    EXPECT_TRUE(Child<QComboBox>(d, "Combo1")->lineEdit()->hasSelectedText() ||
                Child<QComboBox>(d, "Combo1")->currentText().isEmpty());
    Child<QPushButton>(d, "CancelButton")->setFocus();
    Key(Qt::Key_Escape);
  });
  OpenShown([](ToolDialog& d) { EXPECT_TRUE(WordBoxFocused(d)); });
}

TEST_P(ToolKeyboardTest, KeysAloneRunTheSearch) {
  auto before = Trace();
  OpenShown([](ToolDialog& d) {
    ASSERT_TRUE(WordBoxFocused(d));
    QTest::keyClicks(Focused(), QString::fromUtf8(GetParam().typed));
    Key(Qt::Key_Tab);
    EXPECT_FALSE(WordBoxFocused(d));
    Key(Qt::Key_Space);
    Key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_TRUE(WordBoxFocused(d));
    Key(Qt::Key_Return);
  });
  EXPECT_NE(Trace(), before) << "Enter in the word box ran no search";

  // Enter on the control after the word box (an option, a check box, a list) runs it as well.
  before = Trace();
  OpenShown([](ToolDialog& d) {
    Child<QComboBox>(d, "Combo1")->setEditText(QString::fromUtf8(GetParam().typed));
    Key(Qt::Key_Tab);
    ASSERT_EQ(qobject_cast<QPushButton*>(Focused()), nullptr);
    Key(Qt::Key_Enter, Qt::KeypadModifier);
  });
  EXPECT_NE(Trace(), before) << "Enter on an option ran no search";

  // Enter on Fermer closes, and runs nothing (the opening closes the automatic anagram window).
  before = Trace();
  OpenShown([](ToolDialog& d) {
    Child<QPushButton>(d, "CancelButton")->setFocus();
    Key(Qt::Key_Return);
    EXPECT_FALSE(d.isVisible());
  });
  EXPECT_EQ(std::get<0>(Trace()), std::get<0>(before));
  EXPECT_EQ(std::get<1>(Trace()), std::get<1>(before));
}

TEST_P(ToolKeyboardTest, MessagesQuoteAtMostFortyCharactersOfTheEntry) {
  const QString typed = QStringLiteral("abcdefghij").repeated(20);
  Open<ToolDialog>(GetParam().menuItem, [&typed](ToolDialog& d) { Search(d, typed); });
  static const QRegularExpression kQuote(QStringLiteral("«\u00A0([^»]*)\u00A0»"));
  bool cut = false;
  for (const QString& message : Messages()) {
    for (const QRegularExpressionMatch& quote : kQuote.globalMatch(message)) {
      EXPECT_LE(quote.captured(1).size(), 41) << message.toStdString();
      cut = cut || quote.captured(1) == typed.left(40) + QStringLiteral("…");
    }
  }
  // The two tools where a user found it: the typed word is quoted, cut with "…".
  if (std::string_view(GetParam().menuItem) == "mnuCmpRim" || std::string_view(GetParam().menuItem) == "mnuCmpCpt") {
    EXPECT_TRUE(cut) << Messages().join(QLatin1Char('|')).toStdString();
  }
}

// Alt and a letter reach one control: two captions with the same underlined letter would make the
// keyboard cycle between them.
TEST_P(ToolKeyboardTest, EachUnderlinedLetterBelongsToOneControl) {
  Open<ToolDialog>(GetParam().menuItem, [](ToolDialog& d) {
    QMap<QChar, QString> owners;
    for (const QWidget* w : d.findChildren<QWidget*>()) {
      const auto* button = qobject_cast<const QAbstractButton*>(w);
      const auto* label = qobject_cast<const QLabel*>(w);
      const QString caption = button ? button->text() : label && label->buddy() ? label->text() : QString();
      const qsizetype amp = caption.indexOf(QRegularExpression(QStringLiteral("&[^&]")));
      if (amp < 0) continue;
      const QChar letter = caption[amp + 1].toLower();
      EXPECT_FALSE(owners.contains(letter)) << caption.toStdString() << " / " << owners[letter].toStdString();
      owners.insert(letter, caption);
    }
  });
}

INSTANTIATE_TEST_SUITE_P(EveryTool, ToolKeyboardTest,
                         ::testing::Values(ToolCase{"mnuCmpCpt", "chien"}, ToolCase{"mnuCmpPhrase", "le chien du temps"},
                                           ToolCase{"mnuCmpRim", "ien"}, ToolCase{"mnuCmpRimMot", "chien"},
                                           ToolCase{"mnuCmpPhon", "chien"}, ToolCase{"mnuCmpAna", "chien"},
                                           ToolCase{"mnuCmpLipo", "chien"}, ToolCase{"mnuCmpMcr", "ch?en"}),
                         [](const auto& info) { return std::string(info.param.menuItem + 6); });

}  // namespace
}  // namespace tavilo::testing
