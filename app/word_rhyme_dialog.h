// "Tavilo - Rimes d'un mot": collects a word, its reading and the options, runs the engine of the
// rhymes of a word and hands the block to the main window. The dialog stays open after a search
// and after a refusal; "Fermer" hides it.
#pragma once

#include <array>
#include <string>

#include "app/tool_dialog.h"
#include "engines/word_rhyme/word_rhyme.h"

class QCheckBox;
class QComboBox;
class QRadioButton;

namespace tavilo {

class WordRhymeDialog : public ToolDialog {
  Q_OBJECT

 public:
  WordRhymeDialog(ToolHost& host, QWidget* parent = nullptr);

  // The options as they stand, read into the engine's query.
  WordRhymeQuery Query() const;

  // "OK", or Enter in the word box: the search, its refusal or its result.
  void RunSearch();

 protected:
  // Fills the syllable list ("Toutes", 1 to 9; "Toutes" selected) on the first opening only, so
  // reopening the tool keeps every choice.
  void OnOpening(const ToolOpening& opening) override;

 private:
  // Lists the readings of the word the box holds; the first is selected.
  void UpdateReadings();

  QComboBox* wordBox_;        // the word, with the words searched so far
  QComboBox* readings_;       // the word's readings, as sounds
  std::string readingsWord_;  // the word they are the readings of, as looked up
  QCheckBox* assonances_;     // "Ajouter les assonances"
  QComboBox* syllables_;      // "Toutes", "1" to "9"
  std::array<QRadioButton*, 7> domains_{};  // in the order of the dialog
  QCheckBox* appendToDisplayed_;
};

}  // namespace tavilo
