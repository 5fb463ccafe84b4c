// The base of every dialog tool (frmCpt, frmRim, frmPhon, frmAna, frmLipo, frmMcr).
//
// The main window creates a tool's dialog once, the first time the tool is opened, and keeps it,
// so its options keep their values between openings. Each opening runs the same steps:
//   1. the tool's tool-bar button is pressed;
//   2. the dialog resets its own controls (OnOpening; the rhyme and anagram tools only when
//      `opening.wasActive` is false);
//   3. "Ajouter le résultat à la liste affichée" is unchecked and disabled when the result
//      document is empty, enabled otherwise;
//   4. "Liste de recherche précédente" is enabled only when there is a current list (and
//      PreviousListAllowed() agrees);
//   5. the spoonerism tool disables "Adjectifs" when the adjectives are missing (in OnOpening);
//   6. the tool becomes the active tool, and any auxiliary tool window is closed;
//   7. the result font is chosen (`opening.resultFont`);
//   8. the dialog is shown modally.
// Steps 3 and 4 are done here for the controls named by SetStandardControls().
//
// Every dialog also gets its button column (OK, Fermer), its keyboard behaviour and its search
// guard from here: the word box has the focus at every opening, OK is the default button (Enter on
// any control but another button runs the search), and the search runs the engine through
// RunGuarded().
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QPointer>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "app/gui_observer.h"
#include "app/tool_catalogue.h"
#include "app/tool_host.h"

class QAbstractButton;
class QCheckBox;
class QKeyEvent;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

namespace tavilo {

// What the main window knows at an opening.
struct ToolOpening {
  bool wasActive = false;         // this tool was already the active tool
  bool resultIsEmpty = true;      // the result document is empty
  bool hasPreviousList = false;   // there is a current list (ResultListKind not empty)
  std::string previousListKind;   // ResultListKind (Windows-1252), e.g. " rimes"
  bool adjectivesMissing = false; // aj.tav was not found at start-up
  std::string resultFont;         // the font of this tool's result text (RichTextBox2's font)
};

class ToolDialog : public QDialog {
  Q_OBJECT

 public:
  ToolDialog(ToolHost& host, ToolId id, QWidget* parent = nullptr);

  ToolId toolId() const { return id_; }
  ToolHost& host() const { return host_; }
  // The last opening (valid from the first opening on).
  const ToolOpening& opening() const { return opening_; }

  // Steps 2 to 5, run by the main window before showing the dialog.
  void PrepareOpening(const ToolOpening& opening);

  // Called on the active tool's dialog when the selection of the result display changes, and
  // when a word of it is double-clicked (the anagram tool takes the word). `selected` is the
  // selected text in Windows-1252.
  virtual void OnDisplaySelectionChanged(const std::string& selected) { (void)selected; }
  virtual void OnDisplayDoubleClicked(const std::string& selected) { (void)selected; }

  // OK (or Enter): runs the search, or, while one runs, stops it when OK reads
  // "Stop" and does nothing otherwise.
  void OnOk();
  // A search started by OK is running (the observers process events meanwhile).
  bool Searching() const { return searching_; }

  // Fermer, or closing the window: a running search is asked to stop (what it found is still
  // shown), and the dialog is hidden.
  void reject() override;

 protected:
  // The column of buttons at the dialog's right: "OK" (OKButton), "Fermer" (CancelButton), then
  // `more` (e.g. "Continuer"), then a stretch. OK runs `search` (never while a search runs) and is
  // the default button. Fermer gives `focusOnClose` the focus first when set.
  QVBoxLayout* MakeButtonColumn(std::function<void()> search, QWidget* focusOnClose = nullptr,
                                std::initializer_list<QPushButton*> more = {});
  QPushButton* okButton() const { return okButton_; }
  // The box the user types the word (letters, sentence, pattern) into: it gets the keyboard focus,
  // its text selected, at every opening, so that typing replaces the last search.
  void SetWordBox(QComboBox& box) { wordBox_ = &box; }

  // Enter (or the keypad's Enter) on a push button presses that button; on any other control it
  // does what the default button OK does.
  void keyPressEvent(QKeyEvent* event) override;

  // How the dialog looks while its search runs: by default OK is disabled and the whole program
  // shows the wait cursor; with the Stop look OK reads "Stop" (arrow-and-hourglass pointer) and is
  // the only control left enabled, the dialog showing the hourglass. Each control's state is
  // restored afterwards.
  void UseStopButton() { stopButton_ = true; }

  // Runs `search` (called with the main window's observer, reset) as the dialog's search, with
  // the running look; afterwards restores the dialog and hides the progress bar. Returns what
  // `search` returns.
  template <typename Search>
  auto RunGuarded(Search&& search) {
    GuiObserver& observer = host().observer();
    BeginSearch(observer, true);
    auto result = std::forward<Search>(search)(observer);
    EndSearch();
    return result;
  }
  // The two halves of RunGuarded, for a search that runs with an observer of its own and
  // without the wait cursor (the automatic anagram search).
  void BeginSearch(GuiObserver& observer, bool waitCursor);
  void EndSearch();

  // Step 2 (and 5): reset the dialog's own controls for this opening.
  virtual void OnOpening(const ToolOpening& opening) { (void)opening; }

  // Step 4's condition; the spoonerism tool adds its own ("contrepèteries" list, method).
  virtual bool PreviousListAllowed(const ToolOpening& opening) const { return opening.hasPreviousList; }

  // Names the controls of steps 3 and 4: the "Ajouter le résultat à la liste affichée" box, the
  // "Liste de recherche précédente" option, and the option to select instead when that option
  // was selected and gets disabled. Any of them may be null.
  void SetStandardControls(QCheckBox* appendToDisplayed, QAbstractButton* previousList,
                           QAbstractButton* fallbackDomain);

  // Applies step 4 again (e.g. when a method option that forbids the previous list is clicked).
  void UpdatePreviousListOption();

  // The frequencies to sort the result by when "Mots courants en premier" is checked, null when it
  // is not; nullopt after showing why the frequency file could not be read (the search is then not
  // run). Call it before the search; a result published afterwards, sorted with what it gave, gets
  // the header line that says so.
  std::optional<const WordFrequencies*> FrequencyOrder();

  // Hands the finished result to the main window (ToolHost::PublishToolResult for this tool).
  void PublishResult(ToolResult result);
  // The same for a block and its header, appended to the displayed result when the box named by
  // SetStandardControls ("Ajouter le résultat à la liste affichée") is checked.
  void PublishResult(Document header, Document block, std::string fileSuffix);

  // The refusal message box: a warning with the exclamation icon, titled like the dialog.
  void Refuse(std::string_view cp1252Message);
  // The same for the lexicon lookup's refusal of a typed word (unknown, or taboo where none is
  // allowed): that message is the program's, whichever tool asked, so it carries the program's title.
  void RefuseTypedWord(std::string_view cp1252Message);

  // A long caption marks with runs of spaces where its lines end: an option button does not wrap
  // by itself, and one long line would make the dialog far wider than its other controls, with a
  // wide blank gap inside the caption. Each run becomes a line break.
  static QString BreakAtSpaceRuns(QString caption);
  // An option button or a check box with its caption and control name (Option1, Check2, ...).
  static QRadioButton* MakeOption(const QString& caption, const QString& name, QWidget* parent);
  static QCheckBox* MakeCheck(const QString& caption, const QString& name, QWidget* parent);
  // The word after a syllable-count list ("Pour trouver des mots de [3] syllabes."): "syllabe."
  // while the list shows 1, "syllabes." otherwise, kept in step with the list.
  static QLabel* MakeSyllableUnit(QComboBox* counts, const QString& name, QWidget* parent);
  // Adds a searched word (Windows-1252) to a word box's drop-down list unless an equal item is
  // already there, leaving what the box shows as it is.
  static void RememberInBox(QComboBox& box, const std::string& cp1252);

 private:
  ToolHost& host_;
  ToolId id_;
  ToolOpening opening_;
  bool sortedByFrequency_ = false;  // the last FrequencyOrder() gave frequencies
  std::function<void()> search_;
  QPushButton* okButton_ = nullptr;
  QPointer<QComboBox> wordBox_;
  bool stopButton_ = false;
  bool searching_ = false;
  bool waitCursor_ = false;
  GuiObserver* running_ = nullptr;  // the running search's observer
  std::vector<std::pair<QPointer<QWidget>, bool>> enabledBeforeSearch_;
  QPointer<QCheckBox> appendBox_;
  QPointer<QAbstractButton> previousListOption_;
  QPointer<QAbstractButton> fallbackDomain_;
};

}  // namespace tavilo
