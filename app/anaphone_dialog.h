// frmPhon, "Tavilo - Anaphones": takes one word, runs the anaphone engine and hands the block to
// the main window. The word box remembers each word that was found in the lexicon. The dialog
// stays open after a search and after a refusal; "Fermer" hides it.
#pragma once

#include "app/tool_dialog.h"
#include "engines/anaphone/anaphone.h"

class QCheckBox;
class QComboBox;
class QPushButton;

namespace tavilo {

class AnaphoneDialog : public ToolDialog {
  Q_OBJECT

 public:
  AnaphoneDialog(ToolHost& host, QWidget* parent = nullptr);

  // "OK", or Enter in the word box: the search, its refusal or its result.
  void RunSearch();

 private:
  QComboBox* wordBox_;           // Combo1, Courier New, with the words searched so far
  QCheckBox* appendToDisplayed_; // Check3
};

}  // namespace tavilo
