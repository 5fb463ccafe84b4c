#include "app/help_window.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>
#include <optional>

#include "app/file_error.h"
#include "app/icons.h"

namespace tavilo {
namespace {

QString PagePath(const QString& root, const QString& file) { return root + QLatin1Char('/') + file; }

// The browser's address of a page, so that the links between pages resolve beside it.
QUrl PageUrl(const QString& root, const QString& file) {
  const QString path = PagePath(root, file);
  return path.startsWith(QLatin1Char(':')) ? QUrl(QStringLiteral("qrc") + path) : QUrl::fromLocalFile(path);
}

struct PageRead {
  QString html;
  std::optional<FileError> error;
};

PageRead ReadPage(const QString& root, const QString& file) {
  QFile page(PagePath(root, file));
  if (!page.open(QIODevice::ReadOnly))
    return {QString(), FileError{FileError::Code::HelpPageUnreadable, file, page.errorString()}};
  return {QString::fromUtf8(page.readAll()), std::nullopt};
}

// Lower case without accents, so that "eleve" finds "Élève".
QString Folded(const QString& text) {
  QString out;
  const QString decomposed = text.normalized(QString::NormalizationForm_D);
  out.reserve(decomposed.size());
  for (QChar c : decomposed)
    if (c.category() != QChar::Mark_NonSpacing) out.append(c.toLower());
  return out;
}

}  // namespace

const QList<HelpPage>& HelpPages() {
  static const QList<HelpPage> pages = {
      {"index.html", "Sommaire"},
      {"fenetre_principale.html", "La fenêtre principale"},
      {"contrepeteries.html", "Contrepèteries"},
      {"phrases.html", "Contrepèteries dans une phrase"},
      {"rimes.html", "Rimes"},
      {"rimes_mot.html", "Rimes d'un mot"},
      {"anaphones.html", "Anaphones"},
      {"anagrammes.html", "Anagrammes"},
      {"lipogrammes.html", "Lipogrammes"},
      {"mots_filtres.html", "Mots filtrés"},
      {"listages.html", "Listages de mots remarquables"},
  };
  return pages;
}

bool HelpAvailable(const QString& root) { return QFile::exists(PagePath(root, QLatin1String(HelpPages().front().file))); }

HelpWindow::HelpWindow(const QString& root, QWidget* parent) : QWidget(parent, Qt::Window), root_(root) {
  setObjectName(QStringLiteral("frmHelp"));
  setWindowTitle(QStringLiteral("Tavilo - Aide"));
  setWindowIcon(MakeIcon(IconKind::Program));

  contents_ = new QListWidget;
  contents_->setObjectName(QStringLiteral("lstContents"));
  for (const HelpPage& page : HelpPages()) {
    auto* item = new QListWidgetItem(QString::fromUtf8(page.title), contents_);
    item->setData(Qt::UserRole, QString::fromLatin1(page.file));
    QTextDocument document;
    document.setHtml(ReadPage(root_, QString::fromLatin1(page.file)).html);
    pageTexts_.append(Folded(document.toPlainText() + QLatin1Char(' ') + QString::fromUtf8(page.title)));
  }
  connect(contents_, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { OpenPage(item->data(Qt::UserRole).toString()); });
  connect(contents_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { OpenPage(item->data(Qt::UserRole).toString()); });

  searchField_ = new QLineEdit;
  searchField_->setObjectName(QStringLiteral("txtSearch"));
  searchField_->setPlaceholderText(QStringLiteral("Tapez un ou plusieurs mots"));
  searchField_->setClearButtonEnabled(true);
  searchResults_ = new QListWidget;
  searchResults_->setObjectName(QStringLiteral("lstSearchResults"));
  connect(searchField_, &QLineEdit::textChanged, this, &HelpWindow::RunSearch);
  const auto openResult = [this](QListWidgetItem* item) {
    if (OpenPage(item->data(Qt::UserRole).toString())) {
      // Show the first place the first word of the search appears.
      const QString word = searchField_->text().split(QLatin1Char(' '), Qt::SkipEmptyParts).value(0);
      if (!word.isEmpty()) browser_->find(word);
    }
  };
  connect(searchResults_, &QListWidget::itemActivated, this, openResult);
  connect(searchResults_, &QListWidget::itemClicked, this, openResult);

  auto* searchPane = new QWidget;
  auto* searchLayout = new QVBoxLayout(searchPane);
  searchLayout->addWidget(new QLabel(QStringLiteral("Rechercher dans l'aide :")));
  searchLayout->addWidget(searchField_);
  searchLayout->addWidget(searchResults_);

  tabs_ = new QTabWidget;
  tabs_->addTab(contents_, QStringLiteral("Sommaire"));
  tabs_->addTab(searchPane, QStringLiteral("Rechercher"));

  browser_ = new QTextBrowser;
  browser_->setObjectName(QStringLiteral("txtHelpPage"));
  browser_->setSearchPaths({root_});
  browser_->setOpenExternalLinks(false);
  connect(browser_, &QTextBrowser::sourceChanged, this,
          [this](const QUrl& url) { currentPage_ = url.fileName(); });

  auto* splitter = new QSplitter;
  splitter->addWidget(tabs_);
  splitter->addWidget(browser_);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({220, 620});

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addWidget(splitter);
  resize(900, 640);
}

void HelpWindow::ShowContents() {
  tabs_->setCurrentIndex(0);
  contents_->setCurrentRow(0);
  OpenPage(QString::fromLatin1(HelpPages().front().file));
}

void HelpWindow::ShowSearch() {
  tabs_->setCurrentIndex(1);
  if (currentPage_.isEmpty()) OpenPage(QString::fromLatin1(HelpPages().front().file));
  searchField_->setFocus();
  searchField_->selectAll();
}

bool HelpWindow::OpenPage(const QString& file) {
  const PageRead page = ReadPage(root_, file);
  if (page.error) {
    browser_->setPlainText(page.error->Message());
    currentPage_.clear();
    return false;
  }
  browser_->setSource(PageUrl(root_, file));
  currentPage_ = file;
  return true;
}

QStringList HelpWindow::Search(const QString& query) const {
  const QStringList words = Folded(query).split(QLatin1Char(' '), Qt::SkipEmptyParts);
  QStringList found;
  if (words.isEmpty()) return found;
  for (qsizetype i = 0; i < pageTexts_.size(); ++i) {
    bool all = true;
    for (const QString& word : words) all = all && pageTexts_[i].contains(word);
    if (all) found.append(QString::fromLatin1(HelpPages()[i].file));
  }
  return found;
}

void HelpWindow::RunSearch() {
  searchResults_->clear();
  for (const QString& file : Search(searchField_->text())) {
    for (const HelpPage& page : HelpPages()) {
      if (file != QLatin1String(page.file)) continue;
      auto* item = new QListWidgetItem(QString::fromUtf8(page.title), searchResults_);
      item->setData(Qt::UserRole, file);
    }
  }
}

}  // namespace tavilo
