#include "ui/HintWindow.h"

#include <QAbstractTextDocumentLayout>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <QHBoxLayout>
#include <QTextCursor>
#include <QVBoxLayout>

#include "core/StringTable.h"
#include "hints/HintWindowGeometry.h"
#include "hints/Markup.h"
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

  TextBox = new QTextEdit(this);
  TextBox->setObjectName("TextBox");
  TextBox->setReadOnly(true);
  TextBox->setFrameStyle(QFrame::Box | QFrame::Plain);
  TextBox->setLineWidth(1);
  TextBox->viewport()->setCursor(Qt::ArrowCursor);
  QFont boxFont = small;
  boxFont.setPixelSize(kBoxFontPixels);
  TextBox->setFont(boxFont);
  QPalette pal = TextBox->palette();
  pal.setColor(QPalette::Base, QColor(128, 128, 128));
  pal.setColor(QPalette::Text, QColor(0, 255, 255));
  TextBox->setPalette(pal);
  SetWrapping(false);

  ActionBut = new QPushButton(UiText(Text::DoItButton), this);
  ActionBut->setObjectName("ActionBut");
  ActionBut->setDefault(true);
  HelpBut = new QPushButton(UiText(Text::ExplainButton), this);
  HelpBut->setObjectName("HelpBut");
  HelpBut->setAutoDefault(false);
  CancelBut = new QPushButton(UiText(Text::HintCloseButton), this);
  CancelBut->setObjectName("CancelBut");
  CancelBut->setAutoDefault(false);
  connect(ActionBut, &QPushButton::clicked, this, &QDialog::accept);
  connect(CancelBut, &QPushButton::clicked, this, &QDialog::reject);
  connect(HelpBut, &QPushButton::clicked, this, [this] { emit helpRequested(helpContext_); });
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
  TextBox->setGeometry(0, 0, w, h - kButtonRow);
  const auto fit = [](QPushButton* b, int least) {
    const QString caption = b->text().remove('&');
    return std::max(least, b->fontMetrics().horizontalAdvance(caption) + 12);
  };
  ActionBut->setGeometry(2, y, fit(ActionBut, 77), 25);
  HelpBut->setGeometry(ActionBut->x() + ActionBut->width() + 2, y, fit(HelpBut, 57), 25);
  const int cancelWidth = fit(CancelBut, 57);
  CancelBut->setGeometry(w - 3 - cancelWidth, y, cancelWidth, 25);
}

void HintWindow::SetWrapping(bool on) {
  TextBox->setLineWrapMode(on ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
  if (!on) {
    TextBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    TextBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  }
}

void HintWindow::Place(const QRect& rect) {
  TextBox->clear();
  SetWrapping(false);
  setGeometry(rect);
}

int HintWindow::LineCount() const {
  QTextDocument* doc = TextBox->document();
  doc->setTextWidth(TextBox->lineWrapMode() == QTextEdit::NoWrap ? -1
                                                                  : TextBox->viewport()->width());
  doc->documentLayout()->documentSize();  // lays the text out
  int lines = 0;
  for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
    lines += b.layout() ? std::max(1, b.layout()->lineCount()) : 1;
  return lines;
}

void HintWindow::showEvent(QShowEvent* event) {
  SetWrapping(true);
  QDialog::showEvent(event);
  GrowToFit();
  ActionBut->setFocus();
}

void HintWindow::hideEvent(QHideEvent* event) {
  QDialog::hideEvent(event);
  TextBox->clear();
  SetWrapping(false);
}

// Each time it is shown the window grows by whole lines until the text
// fits (up to just over 1200 pixels), then moves up so that it does not
// reach below the main window; what still does not fit scrolls.
void HintWindow::GrowToFit() {
  const QWidget* main = parentWidget() ? parentWidget()->window() : nullptr;
  if (!main) return;
  const QRect now = geometry();
  const int chrome = height() - TextBox->viewport()->height();
  const hints::MainWindowFrame frame{main->frameGeometry().top(), main->geometry().top(),
                                     main->frameGeometry().bottom() + 1};
  const QScreen* where = screen() ? screen() : QGuiApplication::primaryScreen();
  const int desktopHeight = where ? where->virtualGeometry().height() : 1200;
  const hints::HintWindowFit fit =
      hints::GrowHintWindow({now.x(), now.y(), now.width(), now.height()}, chrome, LineCount(),
                            -kBoxFontPixels, frame, desktopHeight);
  setGeometry(fit.rect.left, fit.rect.top, fit.rect.width, fit.rect.height);
  if (fit.scrollBars) {
    TextBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    TextBox->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  }
}

void HintWindow::SetStage(const hints::HintStage& stage) {
  helpContext_ = stage.helpContext;
  ActionBut->setText(UiText(stage.buttonCaption));
  LayOut();
  const hints::RenderedHint text = hints::RenderHintText(stage.lines, stage.fixedPitchBlock);
  QStringList lines;
  for (const std::string& line : text.lines) lines << QString::fromStdString(line);
  TextBox->setPlainText(lines.join('\n'));

  QTextCursor cursor(TextBox->document());
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
    cursor.setPosition(std::min(end, TextBox->document()->characterCount() - 1),
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
  Line1Lab = new QLabel(this);
  Line1Lab->setObjectName("Line1Lab");
  Line2Lab = new QLabel(this);
  Line2Lab->setObjectName("Line2Lab");
  ProgressBar = new QProgressBar(this);
  ProgressBar->setObjectName("ProgressBar");
  CancelBtn = new QPushButton(UiText(Text::Cancel), this);
  CancelBtn->setObjectName("CancelBtn");
  box->addWidget(Line1Lab);
  box->addWidget(Line2Lab);
  box->addWidget(ProgressBar);
  box->addWidget(CancelBtn, 0, Qt::AlignHCenter);
  setMinimumWidth(300);
}

}  // namespace zentaro::ui
