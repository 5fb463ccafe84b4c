// The help window: the French help pages (one for the main window, one per tool, one for the
// listings) in a browser, with their contents and a search field.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;

namespace tavilo {

struct HelpPage {
  const char* file;   // e.g. "rimes.html"
  const char* title;  // UTF-8, e.g. "Rimes"
};

// The pages in contents order; the first is the contents page.
const QList<HelpPage>& HelpPages();

// True when the help pages can be found under root (":/help" for the shipped ones).
bool HelpAvailable(const QString& root);

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  explicit HelpWindow(const QString& root, QWidget* parent = nullptr);

  // Shows the contents page with the contents list ("&Sommaire").
  void ShowContents();
  // Shows the search field, ready for typing ("Ai&de sur...").
  void ShowSearch();
  // Shows one page by file name; false (and a message in the page area) when it cannot be read.
  bool OpenPage(const QString& file);

  // The pages whose text holds every word of `query`, ignoring case and accents, in contents
  // order (file names).
  QStringList Search(const QString& query) const;

  QString currentPage() const { return currentPage_; }
  QTextBrowser* browser() const { return browser_; }

 private:
  void RunSearch();

  QString root_;
  QString currentPage_;
  QStringList pageTexts_;  // folded plain text of each page, for the search
  QTabWidget* tabs_;
  QListWidget* contents_;
  QLineEdit* searchField_;
  QListWidget* searchResults_;
  QTextBrowser* browser_;
};

}  // namespace tavilo
