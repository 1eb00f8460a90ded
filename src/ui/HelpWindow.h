#pragma once

#include <QDialog>

class QTextBrowser;
class QToolButton;

#include "core/HelpContexts.h"

namespace zentaro::ui {

// The help pages, with back, forward and contents. Each page of the help
// is an HTML file among the program's resources; a context number (1100
// the settings, 1300 the main window and hints) is an anchor in them.
// Escape closes the window while it has the focus.
class HelpWindow : public QDialog {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* parent = nullptr);

  // Shows the page of a context number, or the contents page.
  void ShowTopic(int context = core::kHelpContents);
  // The page shown.
  QUrl Source() const;

 private:
  QTextBrowser* browser_;
  QToolButton* backButton_;
  QToolButton* forwardButton_;
  QToolButton* contentsButton_;
};

// The page and anchor of a context number, as a resource URL.
QString HelpPageOf(int context);

// Where a help window of the given size first opens: beside the main
// window (right, else left) where the screen leaves room for it, else at
// the screen's right edge, over the main window's right-hand part rather
// than its board; always on the screen, level with the main window's top.
// While a hint window stands open (hintFrame valid) the help keeps off it,
// beside it where the main window leaves no room. All rectangles are frames.
QRect PlaceHelpWindow(const QRect& mainFrame, QSize size, const QRect& screen,
                      const QRect& hintFrame = {});

}  // namespace zentaro::ui
