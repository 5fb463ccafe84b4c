// frmSplash: the window shown while the dictionary loads, with the program's name, its version
// and the start-up progress.
#pragma once

#include <QWidget>
#include <filesystem>
#include <memory>

class QLabel;
class QProgressBar;

namespace tavilo {

struct Lexicon;
class UserDialogs;

class SplashWindow : public QWidget {
  Q_OBJECT

 public:
  explicit SplashWindow(QWidget* parent = nullptr);
  ~SplashWindow() override;

  // Sets ProgressBar1 and repaints at once (the loader does not return to the event loop).
  void SetProgress(int percent);
  int Progress() const;

 private:
  QLabel* productNameLabel_;
  QLabel* versionLabel_;
  QProgressBar* progressBar1_;
};

// The start-up sequence: shows `splash` with the hourglass, loads the lexicon from
// `dataDirectory` with the progress on the splash. On a data error shows the loader's message
// (naming the file and the line) and returns null; the caller then exits with a non-zero
// status. The splash stays on screen until the caller closes it.
std::unique_ptr<Lexicon> LoadLexiconWithSplash(SplashWindow& splash, const std::filesystem::path& dataDirectory,
                                               UserDialogs& dialogs);

}  // namespace tavilo
