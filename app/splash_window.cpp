#include "app/splash_window.h"

#include <QApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

#include "app/icons.h"
#include "app/qt_text.h"
#include "app/user_dialogs.h"
#include "core/lexicon.h"

namespace tavilo {

SplashWindow::SplashWindow(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("frmSplash"));
  setWindowTitle(QStringLiteral("Tavilo"));
  setCursor(Qt::WaitCursor);

  auto* frame = new QFrame(this);
  frame->setFrameShape(QFrame::Box);
  frame->setLineWidth(2);

  auto* icon = new QLabel(frame);
  icon->setPixmap(MakeIcon(IconKind::Program).pixmap(64, 64));
  icon->setAlignment(Qt::AlignCenter);

  productNameLabel_ = new QLabel(QStringLiteral("Tavilo "), frame);
  productNameLabel_->setObjectName(QStringLiteral("lblProductName"));
  QFont title(QStringLiteral("Arial"));
  title.setPointSize(26);
  title.setBold(true);
  productNameLabel_->setFont(title);
  productNameLabel_->setAlignment(Qt::AlignCenter);

  auto* subtitle = new QLabel(QStringLiteral("Jeux de mots pour la langue française"), frame);
  subtitle->setAlignment(Qt::AlignCenter);

  versionLabel_ = new QLabel(QStringLiteral("Version ") + QString::fromLatin1(Version()), frame);
  versionLabel_->setObjectName(QStringLiteral("lblVersion"));
  versionLabel_->setAlignment(Qt::AlignCenter);

  progressBar1_ = new QProgressBar(frame);
  progressBar1_->setObjectName(QStringLiteral("ProgressBar1"));
  progressBar1_->setRange(0, 100);
  progressBar1_->setValue(0);
  progressBar1_->setTextVisible(false);

  auto* inner = new QVBoxLayout(frame);
  inner->setContentsMargins(32, 24, 32, 24);
  inner->setSpacing(10);
  inner->addWidget(icon);
  inner->addWidget(productNameLabel_);
  inner->addWidget(subtitle);
  inner->addWidget(versionLabel_);
  inner->addSpacing(8);
  inner->addWidget(progressBar1_);

  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->addWidget(frame);
  setFixedSize(sizeHint().expandedTo(QSize(420, 0)));

  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

SplashWindow::~SplashWindow() = default;

void SplashWindow::SetProgress(int percent) {
  progressBar1_->setValue(percent);
  if (isVisible()) repaint();
  // Lets the window system show the window and the new value while the loader works.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

int SplashWindow::Progress() const { return progressBar1_->value(); }

std::unique_ptr<Lexicon> LoadLexiconWithSplash(SplashWindow& splash, const std::filesystem::path& dataDirectory,
                                               UserDialogs& dialogs) {
  splash.show();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  LexiconLoad load = LoadLexicon(dataDirectory, [&splash](int percent) { splash.SetProgress(percent); });
  QApplication::restoreOverrideCursor();
  if (!load.lexicon) {
    const std::string message = load.error ? load.error->MessageUtf8() : std::string("Erreur de chargement du dictionnaire.");
    splash.hide();
    dialogs.Warning(nullptr, kProgramTitle, QString::fromStdString(message));
    return nullptr;
  }
  return std::move(load.lexicon);
}

}  // namespace tavilo
