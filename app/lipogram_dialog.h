// frmLipo, "Tavilo - Lipogrammes": collects letters and the method, runs the lipogram engine and
// hands the block to the main window. The options are coupled as the tool's rules say (forbidden
// or obligatory letters, the two accent options exclusive, monovocalism only with one letter,
// the reduced vocabulary taking every syllable count). The dialog stays open after a search and
// after a refusal; "Fermer" hides it.
#pragma once

#include <array>

#include "app/tool_dialog.h"
#include "engines/lipogram/lipogram.h"

class QCheckBox;
class QComboBox;
class QPushButton;
class QRadioButton;

namespace tavilo {

class LipogramDialog : public ToolDialog {
  Q_OBJECT

 public:
  LipogramDialog(ToolHost& host, QWidget* parent = nullptr);

  // The options as they stand, read into the engine's query.
  LipogramQuery Query() const;

  // "OK", or Enter in the letter box: the search, its refusal or its result.
  void RunSearch();

 protected:
  // The first opening after start-up fills the syllable list (set to "3") and puts the preset
  // letters in the box's list; later openings keep every choice.
  void OnOpening(const ToolOpening& opening) override;

 private:
  // Enables and disables the options after any change of method, accent option or letters.
  void UpdateCoupling();
  void ReducedVocabularyToggled(bool checked);

  QComboBox* lettersBox_;                    // Combo1
  QRadioButton* forbidden_;                  // Option1
  QRadioButton* obligatory_;                 // Option2
  QCheckBox* forbidAccented_;                // Check3
  QCheckBox* exactAccents_;                  // Check4
  QCheckBox* mono_;                          // Check2
  QCheckBox* beauPresent_;                   // Check7
  QComboBox* syllables_;                     // List1: "Toutes", "1" to "9"
  QCheckBox* reducedVocabulary_;             // Check1
  std::array<QRadioButton*, 5> domains_{};   // domain codes 1 to 5
  QCheckBox* keepAsNewList_;                 // Check6
  QCheckBox* appendToDisplayed_;             // Check5
  bool opened_ = false;
};

}  // namespace tavilo
