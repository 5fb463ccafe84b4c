// frmRim, "Tavilo - Rimes": collects a rhyme and its options, runs the rhyme engine and hands
// the block to the main window. The dialog stays open after a search and after a refusal;
// "Fermer" hides it.
#pragma once

#include <array>

#include "app/tool_dialog.h"
#include "engines/rhyme/rhyme.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace tavilo {

class RhymeDialog : public ToolDialog {
  Q_OBJECT

 public:
  RhymeDialog(ToolHost& host, QWidget* parent = nullptr);

  // The options as they stand, read into the engine's query.
  RhymeQuery Query() const;

  // "OK", or Enter in the rhyme box: the search, its refusal or its result.
  void RunSearch();

 protected:
  // Refills the syllable list ("Toutes", 1 to 9; "Toutes" selected) unless the rhyme tool was
  // already the active one, so reopening it keeps every choice.
  void OnOpening(const ToolOpening& opening) override;

 private:
  QComboBox* rhymeBox_;                          // Combo1, with the rhymes searched so far
  std::array<QRadioButton*, 3> positions_{};     // fin, début, intérieur
  QCheckBox* keepSpelling_;                      // "Conserver la graphie"
  QComboBox* syllables_;                         // "Toutes", "1" to "9"
  QLabel* syllableLabel_;                        // "syllabes." or "syllabe."
  std::array<QRadioButton*, 5> domains_{};       // domain codes 1 to 5
  QCheckBox* keepAsNewList_;                     // always off: a rhyme search keeps its result anyway
  QCheckBox* appendToDisplayed_;
};

}  // namespace tavilo
