// frmMcr, "Tavilo - Mots filtrés": the crossword-pattern tool. The pattern is rewritten into its
// canonical form as it is typed, only the options that make sense for it are enabled, and OK
// runs the search over the chosen tables, turning into "Stop" while it runs. The dialog keeps
// its pattern and options between openings; "Fermer" hides it.
#pragma once

#include <QPointer>
#include <array>
#include <utility>
#include <vector>

#include "app/tool_dialog.h"
#include "engines/filter/filter.h"

class QCheckBox;
class QComboBox;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace tavilo {

class FilterDialog : public ToolDialog {
  Q_OBJECT

 public:
  FilterDialog(ToolHost& host, QWidget* parent = nullptr);

  // The options as they stand (each check box only when enabled and checked).
  FilterQuery Query() const;
  // The pattern box's analysis, as of the last change.
  const PatternAnalysis& Analysis() const { return analysis_; }

 protected:
  // Fills the two limit lists when the pattern is empty, then runs the pattern's rules once.
  void OnOpening(const ToolOpening& opening) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void OnPatternEdited();
  // Enables the options and the lists as the pattern and the heterogram box allow.
  void ApplyPatternRules();
  void UpdateOptionBoxes();
  void OnLengthChosen();
  void OnSyllablesChosen();
  void OnDomainChanged();
  void FillLimitLists();
  void RunSearch();

  int longestWord_;
  PatternAnalysis analysis_;
  PatternKeystroke::Kind lastKey_ = PatternKeystroke::Kind::Character;
  char lastCharacter_ = 0;
  bool userChoice_ = true;  // false while the program moves a list's selection

  QComboBox* patternBox_;     // Combo1
  QCheckBox* onceSingle_;     // Check2
  QCheckBox* onceMulti_;      // Check3
  QCheckBox* heterogram_;     // Check7
  QCheckBox* diacritics_;     // Check1
  QCheckBox* reversed_;       // Check5
  QListWidget* lengths_;      // List1: "Toutes", "2" ... the longest word
  QListWidget* syllables_;    // List2: "Toutes", "1" ... "9"
  std::array<QRadioButton*, 6> domains_{};  // Tous, Noms, Adjectifs, Verbes, Adverbes..., Liste
  QCheckBox* keepAsNewList_;  // Check6: asked only of a search over the current list
  QCheckBox* appendToDisplayed_;  // Check4
  bool keepChoice_ = false;   // Check6 as the user left it for the current list
};

}  // namespace tavilo
