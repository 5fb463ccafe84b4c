// frmAna, "Tavilo - Anagrammes": collects the letters, the method and the settings of an anagram
// search, rewrites what is typed as the engine reads it, runs the manual pass (its block goes to
// the main window) or the automatic search (its groups go to frmAnaAux1, which it opens beside
// the main window), and pauses and resumes that search.
#pragma once

#include <QPointer>
#include <chrono>
#include <optional>

#include "app/anagram_auto_window.h"
#include "app/gui_observer.h"
#include "app/tool_dialog.h"
#include "engines/anagram/anagram.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;

namespace tavilo {

class AutoSearchObserver;

class AnagramDialog : public ToolDialog {
  Q_OBJECT

 public:
  AnagramDialog(ToolHost& host, QWidget* parent = nullptr);
  ~AnagramDialog() override;

  // The settings of the frame "Automatique - Réglages" as they stand.
  AnagramSettings Settings() const;
  // "OK": validation, then the manual pass or the automatic search.
  void RunSearch();
  // "Continuer": resumes a paused automatic search with the settings as they now stand.
  void Continue();

  bool Paused() const { return paused_; }
  AnagramAutoWindow* autoWindow() const { return autoWindow_; }

  // A double-click on a word of a manual result: the word becomes the imposed word and an
  // automatic search starts, at the level the letters left call for.
  void OnDisplayDoubleClicked(const std::string& selected) override;

 protected:
  void OnOpening(const ToolOpening& opening) override;
  void reject() override;

 private:
  friend class AutoSearchObserver;

  void OnLettersChanged();
  void OnImposedChanged();
  void AnalyzeImposed();
  void RefreshDetails();
  void RefillLists();
  void UpdateUnitLabels();
  void OnMaxLengthChosen();
  void UpdateMethodControls();
  void RememberEntry();
  int LettersAndJokers() const;
  int LongestKey() const;
  void RunManual();
  void RunAutomatic();
  void PlaceAutoWindow();
  void Pause();
  void StopSearch();
  // During an automatic search the dialog's controls are disabled; while it is paused the
  // settings it reads again are enabled, their labels in red.
  void SetSearchingLook(bool searching);
  void SetPausedLook(bool paused);

  QComboBox* lettersBox_;
  QRadioButton* autoOption_;
  QRadioButton* manualOption_;
  QCheckBox* wholeBaseCheck_;
  QGroupBox* settingsFrame_;
  QLineEdit* imposedBox_;
  QLineEdit* forbiddenBox_;
  QCheckBox* noAcronymsCheck_;
  QComboBox* minWordsList_;
  QComboBox* maxWordsList_;
  QComboBox* minLengthList_;
  QComboBox* maxLengthList_;
  QLabel* minWordsUnit_;
  QLabel* maxWordsUnit_;
  QLabel* minLengthUnit_;
  QLabel* maxLengthUnit_;
  QSlider* levelSlider_;
  QLabel* levelLabel_;
  QLabel* maxWordsLabel_;
  QLabel* forbiddenLabel_;
  QLabel* maxLengthLabel_;
  QLabel* totalLabel_;
  QLabel* toSearchCountLabel_;
  QLabel* toSearchLabel_;
  QLabel* imposedCountLabel_;
  QLabel* lipogramLabel_;
  QPushButton* continueButton_;

  AnagramLetters letters_;
  ImposedWords imposed_;
  CandidateTable candidates_;             // left by the last manual pass
  std::optional<std::uint64_t> manualRevision_;  // the display's revision after a manual result
  bool rewriting_ = false;
  bool paused_ = false;
  bool resumed_ = false;
  std::chrono::steady_clock::time_point pauseStart_;
  std::chrono::steady_clock::duration pausedTotal_{};
  GuiObserver autoObserver_;
  AutoSearchObserver* running_ = nullptr;  // the running automatic search's observer
  QPointer<AnagramAutoWindow> autoWindow_;
};

}  // namespace tavilo
