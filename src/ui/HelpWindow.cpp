#include "ui/HelpWindow.h"

#include <QHBoxLayout>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "core/StringTable.h"
#include "ui/UiText.h"

// The help pages live in a static library: their resources must be
// registered by hand.
static void InitHelpResources() {
  Q_INIT_RESOURCE(zentaro);
}

namespace zentaro::ui {

QUrl HelpWindow::Source() const {
  return browser_->source();
}

QString HelpPageOf(int context) {
  switch (context) {
    case core::kSettingsHelpContext:
      return QString("qrc:/help/settings.html#context-%1").arg(core::kSettingsHelpContext);
    case core::kMainWindowHelpContext:
      return QString("qrc:/help/window.html#context-%1").arg(core::kMainWindowHelpContext);
    default:
      return "qrc:/help/index.html";
  }
}

QRect PlaceHelpWindow(const QRect& mainFrame, QSize size, const QRect& screen,
                      const QRect& hintFrame) {
  const int width = std::min(size.width(), screen.width());
  const int height = std::min(size.height(), screen.height());
  const auto topBeside = [&](const QRect& other) {
    return std::clamp(other.top(), screen.top(), screen.bottom() + 1 - height);
  };
  // Beside the main window, then beside the hint window; a place that would
  // cover the hint window is no place.
  std::vector<QRect> tries;
  for (const QRect& other : {mainFrame, hintFrame}) {
    if (!other.isValid()) continue;
    tries.emplace_back(other.right() + 1, topBeside(other), width, height);
    tries.emplace_back(other.left() - width, topBeside(other), width, height);
  }
  for (const QRect& place : tries)
    if (screen.contains(place) && !(hintFrame.isValid() && place.intersects(hintFrame)))
      return place;
  // Neither side has room: the screen's right edge, or its left edge when the
  // hint window stands on the right.
  QRect place(screen.right() + 1 - width, topBeside(mainFrame), width, height);
  if (hintFrame.isValid() && place.intersects(hintFrame)) place.moveLeft(screen.left());
  return place;
}

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent) {
  InitHelpResources();
  setObjectName("HelpWindow");
  setWindowTitle(UiText(core::Text::HelpTip));
  resize(560, 600);

  auto* box = new QVBoxLayout(this);
  box->setContentsMargins(0, 0, 0, 0);
  box->setSpacing(0);
  auto* bar = new QHBoxLayout;
  bar->setContentsMargins(4, 4, 4, 4);
  const auto button = [this, bar](const char* name, const QString& text,
                                  QStyle::StandardPixmap icon, const QKeySequence& key) {
    auto* b = NewNamed<QToolButton>(name, this);
    b->setText(text);
    b->setIcon(style()->standardIcon(icon));
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    b->setShortcut(key);
    b->setAutoRaise(true);
    bar->addWidget(b);
    return b;
  };
  backButton_ = button("BackButton", "&Back", QStyle::SP_ArrowBack, QKeySequence::Back);
  forwardButton_ =
      button("ForwardButton", "&Forward", QStyle::SP_ArrowForward, QKeySequence::Forward);
  contentsButton_ = button("ContentsButton", "&Contents", QStyle::SP_DirHomeIcon, QKeySequence());
  bar->addStretch();
  box->addLayout(bar);

  browser_ = NewNamed<QTextBrowser>("HelpBrowser", this);
  browser_->setOpenExternalLinks(true);
  box->addWidget(browser_);

  backButton_->setEnabled(false);
  forwardButton_->setEnabled(false);
  connect(backButton_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
  connect(forwardButton_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
  connect(contentsButton_, &QToolButton::clicked, this, [this] { ShowTopic(core::kHelpContents); });
  connect(browser_, &QTextBrowser::backwardAvailable, backButton_, &QToolButton::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forwardButton_, &QToolButton::setEnabled);
}

void HelpWindow::ShowTopic(int context) {
  browser_->setSource(QUrl(HelpPageOf(context)));
}

}  // namespace zentaro::ui
