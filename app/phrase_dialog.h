// "Tavilo - Contrepèteries dans une phrase": collects a sentence and its options, runs the
// sentence-spoonerism engine and hands the block to the main window. The dialog stays open after
// a search and after a refusal; "Fermer" hides it.
#pragma once

#include <array>

#include "app/tool_dialog.h"
#include "engines/phrase/phrase.h"

class QCheckBox;
class QComboBox;
class QRadioButton;
class QSpinBox;

namespace tavilo {

class PhraseDialog : public ToolDialog {
  Q_OBJECT

 public:
  PhraseDialog(ToolHost& host, QWidget* parent = nullptr);

  // The options as they stand, read into the engine's query.
  PhraseQuery Query() const;

  // "OK", or Enter in the sentence box: the search, its refusal or its result.
  void RunSearch();

 private:
  QComboBox* sentenceBox_;                 // the sentence, with the sentences searched so far
  std::array<QRadioButton*, 3> sounds_{};  // fragments of at most 1, 2 or 3 sounds
  QCheckBox* three_;                       // the rotations among three words
  QSpinBox* first_;                        // only the N best (0: all)
  QCheckBox* appendToDisplayed_;
};

}  // namespace tavilo
