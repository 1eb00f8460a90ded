#include "ui/HintWindow.h"

#include <QAbstractTextDocumentLayout>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QScreen>
#include <QStyle>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <memory>

#include "core/StringTable.h"
#include "hints/HintWindowGeometry.h"
#include "hints/Markup.h"
#include "ui/Dialogs.h"
#include "ui/UiText.h"

namespace zentaro::ui {

using core::Text;

namespace {

// The box counts a line end as two characters; Qt's document as one.
int DocumentPosition(const hints::RenderedHint& text, int line, int column) {
  int pos = 0;
  for (int i = 0; i < line && i < static_cast<int>(text.lines.size()); ++i)
    pos += static_cast<int>(QString::fromStdString(text.lines[i]).size()) + 1;
  return pos + column;
}

}  // namespace

HintWindow::HintWindow(QWidget* parent) : QDialog(parent) {
  setObjectName("HintFrm");
  setWindowTitle(UiText(Text::HintCaption));
  // A tool window above every other, slightly see-through so that the
  // highlighted cells it may stand near stay in view.
  setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                 Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setWindowOpacity(240.0 / 255.0);
  setMinimumSize(206, 103);
  QFont small = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  small.setPixelSize(11);
  setFont(small);

  textBox_ = new QTextEdit(this);
  textBox_->setObjectName("TextBox");
  textBox_->setReadOnly(true);
  textBox_->setFrameStyle(QFrame::Box | QFrame::Plain);
  textBox_->setLineWidth(1);
  textBox_->viewport()->setCursor(Qt::ArrowCursor);
  QFont boxFont = small;
  boxFont.setPixelSize(kBoxFontPixels);
  textBox_->setFont(boxFont);
  QPalette pal = textBox_->palette();
  pal.setColor(QPalette::Base, QColor(128, 128, 128));
  pal.setColor(QPalette::Text, QColor(0, 255, 255));
  textBox_->setPalette(pal);
  SetWrapping(false);

  actionButton_ = new QPushButton(UiText(Text::DoItButton), this);
  actionButton_->setObjectName("ActionButton");
  actionButton_->setDefault(true);
  helpButton_ = new QPushButton(UiText(Text::ExplainButton), this);
  helpButton_->setObjectName("HelpButton");
  helpButton_->setAutoDefault(false);
  closeButton_ = new QPushButton(UiText(Text::HintCloseButton), this);
  closeButton_->setObjectName("CloseButton");
  closeButton_->setAutoDefault(false);
  connect(actionButton_, &QPushButton::clicked, this, &QDialog::accept);
  connect(closeButton_, &QPushButton::clicked, this, &QDialog::reject);
  connect(helpButton_, &QPushButton::clicked, this, [this] { emit helpRequested(helpContext_); });
  resize(301, 170);
  LayOut();
}

// The box fills the window above a row of buttons: the action button and
// "&Explain" at the left, "&Close" at the right. A caption wider than its
// button's place widens the button rather than being cut.
void HintWindow::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  LayOut();
}

void HintWindow::LayOut() {
  const int w = width(), h = height(), y = h - 26;
  textBox_->setGeometry(0, 0, w, h - kButtonRow);
  const auto fit = [](QPushButton* b, int least) {
    const QString caption = b->text().remove('&');
    return std::max(least, b->fontMetrics().horizontalAdvance(caption) + 12);
  };
  actionButton_->setGeometry(2, y, fit(actionButton_, 77), 25);
  helpButton_->setGeometry(actionButton_->x() + actionButton_->width() + 2, y, fit(helpButton_, 57),
                           25);
  const int cancelWidth = fit(closeButton_, 57);
  closeButton_->setGeometry(w - 3 - cancelWidth, y, cancelWidth, 25);
}

void HintWindow::SetWrapping(bool on) {
  textBox_->setLineWrapMode(on ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
  if (!on) {
    textBox_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    textBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  }
}

void HintWindow::Place(const QRect& rect) {
  textBox_->clear();
  SetWrapping(false);
  setGeometry(rect);
}

int HintWindow::LineCount() const {
  QTextDocument* doc = textBox_->document();
  doc->setTextWidth(textBox_->lineWrapMode() == QTextEdit::NoWrap ? -1
                                                                  : textBox_->viewport()->width());
  doc->documentLayout()->documentSize();  // lays the text out
  int lines = 0;
  for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
    lines += b.layout() ? std::max(1, b.layout()->lineCount()) : 1;
  return lines;
}

int HintWindow::FixedPitchLinesWidth() const {
  if (fixedFirstLine_ < 0) return 0;
  // Laid out unwrapped on a copy, so that the box's own layout stays as it is.
  const std::unique_ptr<QTextDocument> copy(textBox_->document()->clone());
  copy->setDefaultFont(textBox_->document()->defaultFont());
  copy->setTextWidth(-1);
  copy->documentLayout()->documentSize();
  qreal widest = 0;
  for (int line = fixedFirstLine_; line <= fixedLastLine_; ++line) {
    const QTextBlock block = copy->findBlockByNumber(line);
    if (!block.isValid() || !block.layout()) continue;
    for (int i = 0; i < block.layout()->lineCount(); ++i)
      widest = std::max(widest, block.layout()->lineAt(i).naturalTextWidth());
  }
  if (widest <= 0) return 0;
  const int scrollBar =
      textBox_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, textBox_);
  // The window is as wide as the box; one pixel more keeps a line that only
  // just fits from wrapping on rounding.
  return static_cast<int>(std::ceil(widest + 2 * copy->documentMargin())) +
         2 * textBox_->frameWidth() + scrollBar + 1;
}

int HintWindow::TextHeight() const {
  QTextDocument* doc = textBox_->document();
  doc->setTextWidth(textBox_->lineWrapMode() == QTextEdit::NoWrap ? -1
                                                                  : textBox_->viewport()->width());
  return static_cast<int>(std::ceil(doc->documentLayout()->documentSize().height()));
}

void HintWindow::showEvent(QShowEvent* event) {
  SetWrapping(true);
  QDialog::showEvent(event);
  GrowToFit();
  actionButton_->setFocus();
}

void HintWindow::hideEvent(QHideEvent* event) {
  QDialog::hideEvent(event);
  textBox_->clear();
  SetWrapping(false);
}

// Each time it is shown the window grows by whole lines until the text
// fits (up to just over 1200 pixels), then moves up so that it does not
// reach below the main window; what still does not fit scrolls. The lines
// the rule counts are shorter than the box's own, so a long text is then
// measured as laid out and the window grows on, or scrolls, until its last
// line can be read.
void HintWindow::GrowToFit() {
  const QWidget* main = parentWidget() ? parentWidget()->window() : nullptr;
  if (!main) return;
  const QRect now = geometry();
  const int chrome = height() - textBox_->viewport()->height();
  const hints::MainWindowFrame frame{main->frameGeometry().top(), main->geometry().top(),
                                     main->frameGeometry().bottom() + 1};
  const QScreen* where = screen() ? screen() : QGuiApplication::primaryScreen();
  const int desktopHeight = where ? where->virtualGeometry().height() : 1200;
  const hints::HintWindowFit fit = hints::GrowToShowAllText(
      hints::GrowHintWindow({now.x(), now.y(), now.width(), now.height()}, chrome, LineCount(),
                            -kBoxFontPixels, frame, desktopHeight),
      chrome, TextHeight(), frame, desktopHeight);
  setGeometry(fit.rect.left, fit.rect.top, fit.rect.width, fit.rect.height);
  if (fit.scrollBars) {
    textBox_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    textBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  }
}

void HintWindow::SetStage(const hints::HintStage& stage) {
  helpContext_ = stage.helpContext;
  actionButton_->setText(UiText(stage.buttonCaption));
  LayOut();
  const hints::RenderedHint text = hints::RenderHintText(stage.lines, stage.fixedPitchBlock);
  QStringList lines;
  for (const std::string& line : text.lines) lines << QString::fromStdString(line);
  textBox_->setPlainText(lines.join('\n'));
  fixedFirstLine_ = text.fixedFirstLine;
  fixedLastLine_ = text.fixedLastLine;

  QTextCursor cursor(textBox_->document());
  for (const hints::MarkupSpan& span : text.spans) {
    const int start = DocumentPosition(text, span.line, span.column);
    cursor.setPosition(start);
    cursor.setPosition(start + span.length, QTextCursor::KeepAnchor);
    QTextCharFormat format;
    if (span.bold) format.setFontWeight(QFont::Bold);
    if (span.coloured) {
      const hints::Rgb c = hints::kHintHighlightColour;
      format.setForeground(QColor(c.red, c.green, c.blue));
    }
    cursor.mergeCharFormat(format);
  }
  if (text.fixedFirstLine >= 0) {
    const int start = DocumentPosition(text, text.fixedFirstLine, 0);
    const int end = DocumentPosition(text, text.fixedLastLine + 1, 0);
    cursor.setPosition(start);
    cursor.setPosition(std::min(end, textBox_->document()->characterCount() - 1),
                       QTextCursor::KeepAnchor);
    QTextCharFormat format;
    format.setFontFamilies({QFontDatabase::systemFont(QFontDatabase::FixedFont).family()});
    cursor.mergeCharFormat(format);
  }
}

WaitDialog::WaitDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("WaitDlg");
  setModal(false);
  auto* box = new QVBoxLayout(this);
  line1Label_ = new QLabel(this);
  line1Label_->setObjectName("Line1Label");
  line2Label_ = new QLabel(this);
  line2Label_->setObjectName("Line2Label");
  progressBar_ = new QProgressBar(this);
  progressBar_->setObjectName("ProgressBar");
  cancelButton_ = new QPushButton(UiText(Text::Cancel), this);
  cancelButton_->setObjectName("CancelButton");
  box->addWidget(line1Label_);
  box->addWidget(line2Label_);
  box->addWidget(progressBar_);
  box->addWidget(cancelButton_, 0, Qt::AlignHCenter);
  connect(cancelButton_, &QPushButton::clicked, this, &WaitDialog::cancelRequested);
  setMinimumWidth(300);
}

void WaitDialog::Show(const app::WaitWindow& window) {
  // Called on every progress step: the frame is fitted to a new title only.
  if (const QString title = QString::fromStdString(window.caption); title != windowTitle()) {
    setWindowTitle(title);
    GiveDialogLook(*this);
  }
  line1Label_->setText(QString::fromStdString(window.line1));
  line2Label_->setText(QString::fromStdString(window.line2));
  progressBar_->setMaximum(window.maximum);
  progressBar_->setValue(window.position);
  cancelButton_->setVisible(window.cancelVisible);
  cancelButton_->setEnabled(window.cancelVisible);
  setVisible(window.visible);
  repaint();
}

}  // namespace zentaro::ui
