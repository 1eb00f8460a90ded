#include "ui/HintWindow.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QTextCursor>
#include <QVBoxLayout>

#include "core/StringTable.h"
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
  resize(400, 270);
  auto* box = new QVBoxLayout(this);
  box->setContentsMargins(4, 4, 4, 4);
  TextBox = new QTextEdit(this);
  TextBox->setObjectName("TextBox");
  TextBox->setReadOnly(true);
  TextBox->setLineWrapMode(QTextEdit::WidgetWidth);
  QPalette pal = TextBox->palette();
  pal.setColor(QPalette::Base, QColor(96, 96, 96));
  pal.setColor(QPalette::Text, QColor(0, 255, 255));
  TextBox->setPalette(pal);
  box->addWidget(TextBox, 1);

  auto* buttons = new QHBoxLayout;
  ActionBut = new QPushButton(UiText(Text::DoItButton), this);
  ActionBut->setObjectName("ActionBut");
  ActionBut->setDefault(true);
  HelpBut = new QPushButton(UiText(Text::ExplainButton), this);
  HelpBut->setObjectName("HelpBut");
  CancelBut = new QPushButton(UiText(Text::HintCloseButton), this);
  CancelBut->setObjectName("CancelBut");
  buttons->addWidget(ActionBut);
  buttons->addStretch();
  buttons->addWidget(HelpBut);
  buttons->addWidget(CancelBut);
  box->addLayout(buttons);
  connect(ActionBut, &QPushButton::clicked, this, &QDialog::accept);
  connect(CancelBut, &QPushButton::clicked, this, &QDialog::reject);
  connect(HelpBut, &QPushButton::clicked, this, [this] { emit HelpRequested(helpContext_); });
}

void HintWindow::SetStage(const hints::HintStage& stage) {
  helpContext_ = stage.helpContext;
  ActionBut->setText(UiText(stage.buttonCaption));
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
