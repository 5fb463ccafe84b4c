// frmAnaAux1, "Tavilo - Anagrammes - Automatique": the window beside the main window where an
// automatic anagram search writes its groups as it finds them, with its live count, Pause, Stop
// and Fermer. It holds no search logic: the anagram dialog runs the search and feeds it.
//
// While its text has the focus, the main window's Save as, Print, Select all and Copy act on
// that text (through ToolHost). Closing it deletes it; the dialog, which watches it through a
// QPointer, then ends the search at its next yield.
#pragma once

#include <QWidget>

#include "app/tool_host.h"

class QLabel;
class QPushButton;
class QTextEdit;

namespace tavilo {

class AnagramAutoWindow : public QWidget {
  Q_OBJECT

 public:
  AnagramAutoWindow(ToolHost& host, QWidget* parent);
  ~AnagramAutoWindow() override;

  // A new search: empty text, the header label, the joker notice when jokers are typed, Pause
  // and Stop enabled, the caption without a file name.
  void StartSearch(const QString& header, bool jokers);
  // Appends group lines (Windows-1252, each ending with "\n") in Courier New.
  void AppendLines(std::string_view cp1252);
  void SetCount(long count);
  // The search stopped at its group cap: a line beside the buttons says the list is not complete
  // (hidden again by the next search).
  void SetCapped(bool capped);
  // While the search is paused, Pause has nothing more to do.
  void SetPaused(bool paused);
  // The search ended: Pause and Stop disabled, the caption names SansTitre.rtf, and Save as /
  // Print offer `saved` under `proposedName` (relative to the working folder) and `title`.
  void FinishSearch(const Document& saved, const QString& proposedName, const QString& title);

  QTextEdit* text() const { return groupsView_; }

 signals:
  void pauseClicked();
  void stopClicked();
  // The window is being closed (Fermer, its close box, or a tool being opened).
  void closing();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  ToolHost& host_;
  QLabel* headerLabel_;
  QLabel* countLabel_;
  QLabel* jokerLabel_;
  QLabel* capLabel_;
  QTextEdit* groupsView_;
  QPushButton* pauseButton_;
  QPushButton* stopButton_;
  QPushButton* closeButton_;
  std::optional<SaveProposal> proposal_;
};

}  // namespace tavilo
