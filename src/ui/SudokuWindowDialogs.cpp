#include <QApplication>
#include <QFileDialog>
#include <QScopeGuard>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>

#include "core/StringTable.h"
#include "ui/Dialogs.h"
#include "ui/HintWindow.h"
#include "ui/SudokuWindow.h"

// The window's modal steps: every dialog runs through ShowModal, and the
// message box, the questions, the report, the level dialog and the file
// dialogs are the view's modal calls.

namespace zentaro::ui {

using core::Text;

namespace {

// "Description|patterns|Description|patterns" as the string table holds
// filters, in the form Qt's file dialogs take.
QStringList NameFilters(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split('|');
  QStringList result;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString description = parts[i];
    const int open = description.indexOf(" (");
    if (open >= 0) description.truncate(open);
    QStringList patterns = parts[i + 1].split(';', Qt::SkipEmptyParts);
    for (QString& p : patterns)
      if (p == "*.*") p = "*";
    result << QString("%1 (%2)").arg(description, patterns.join(' '));
  }
  return result;
}

}  // namespace

int SudokuWindow::RunModal(QDialog& dialog) {
  return dialog.exec();
}

int SudokuWindow::ShowModal(QDialog& dialog) {
  GiveDialogLook(dialog);
  CentreOnWindow(dialog);
  // The busy cursor is for the search; a dialog opened on the way is read
  // and answered with the arrow.
  const bool busy = QApplication::overrideCursor() != nullptr;
  if (busy) QApplication::setOverrideCursor(Qt::ArrowCursor);
  const auto restore = qScopeGuard([busy] {
    if (busy) QApplication::restoreOverrideCursor();
  });
  const auto refocus = qScopeGuard([this] { FocusBoardLater(); });
  return RunModal(dialog);
}

void SudokuWindow::FocusBoardLater() {
  // Once the closing has been handled: a dialog that follows at once (the
  // next hint stage, a message after the level dialog) keeps the focus.
  QTimer::singleShot(0, this, [this] {
    if (QApplication::activeModalWidget() || !isVisible() || isMinimized()) return;
    activateWindow();
    board_->setFocus(Qt::ActiveWindowFocusReason);
  });
}

void SudokuWindow::CentreOnWindow(QDialog& dialog) const {
  // The hint window places itself; a dialog of another dialog, or one moved
  // already, keeps its place.
  if (&dialog == hintWindow_ || dialog.parentWidget() != this ||
      dialog.testAttribute(Qt::WA_Moved) || !isVisible() || isMinimized())
    return;
  if (!dialog.testAttribute(Qt::WA_Resized)) dialog.adjustSize();
  // The dialog's frame is not known before it is shown: the window's own
  // stands in for it, so that the framed dialog is centred, title bar and all.
  const QMargins frame = FrameMargins(*this);
  const QRect outer = frameGeometry();
  const QSize framed = dialog.size().grownBy(frame);
  QRect place(QPoint(), framed);
  place.moveCenter(outer.center());
  if (const QScreen* where = screen()) {
    const QRect area = where->availableGeometry();
    place.moveLeft(std::clamp(place.left(), area.left(),
                              std::max(area.left(), area.right() + 1 - framed.width())));
    place.moveTop(std::clamp(place.top(), area.top(),
                             std::max(area.top(), area.bottom() + 1 - framed.height())));
  }
  dialog.setGeometry(place.marginsRemoved(frame));
}

core::ModalResult SudokuWindow::ShowMessageBox(const std::string& text, core::MsgKind kind,
                                               unsigned buttons) {
  MessageBox box(text, kind, buttons, this);
  ShowModal(box);
  return box.Result();
}

core::ModalResult SudokuWindow::ShowSolvedReport(const app::SolvedReport& report) {
  SolvedReportDialog form(report, this);
  return ShowModal(form) == QDialog::Accepted ? core::ModalResult::Ok : core::ModalResult::Cancel;
}

core::ModalResult SudokuWindow::AskThreeButtonQuestion(const std::string& caption,
                                                       const std::string& text,
                                                       const std::string& yesCaption,
                                                       const std::string& noCaption,
                                                       const std::string& cancelCaption) {
  QuestionDialog dialog(caption, text, yesCaption, noCaption, cancelCaption, this);
  ShowModal(dialog);
  return dialog.Result();
}

std::optional<app::LevelChoice> SudokuWindow::AskLevels(const app::LevelChoice& current) {
  LevelDialog dialog(current, this);
  dialog.SetEmptyChoiceRefusal([this] {
    ShowMessageBox(core::LoadText(Text::CheckOneLevel), core::MsgKind::Information,
                   core::kButtonsOk);
  });
  if (ShowModal(dialog) != QDialog::Accepted) return std::nullopt;
  return dialog.Choice();
}

std::optional<QString> SudokuWindow::AskFileName(const FileQuestion& q) {
  QFileDialog dialog(this);
  dialog.setObjectName(q.objectName);
  dialog.setAcceptMode(q.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(q.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setNameFilters(q.filters);
  dialog.setDefaultSuffix(q.suffix);
  if (q.suffixFollowsFilter) {
    // Choosing a kind in the list makes it the one a bare name gets.
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
      const int star = filter.lastIndexOf("*.");
      if (star >= 0) dialog.setDefaultSuffix(filter.mid(star + 2).chopped(1));
    });
  }
  if (!q.folder.isEmpty()) dialog.setDirectory(q.folder);
  if (!q.proposedName.isEmpty()) dialog.selectFile(q.proposedName);
  if (ShowModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    return std::nullopt;
  if (q.chosenFilter) *q.chosenFilter = dialog.selectedNameFilter();
  return dialog.selectedFiles().first();
}

std::optional<std::string> SudokuWindow::AskOpenFileName(const std::string& folder) {
  const auto name = AskFileName({.objectName = "OpenDialog",
                                 .filters = NameFilters(core::LoadText(Text::OpenFileFilter)),
                                 .suffix = "sdk",
                                 .folder = QString::fromStdString(folder),
                                 .proposedName = {}});
  if (!name) return std::nullopt;
  return name->toStdString();
}

std::optional<std::string> SudokuWindow::AskSaveFileName(const std::string& folder,
                                                         const std::string& proposedName) {
  const auto name = AskFileName({.objectName = "SaveDialog",
                                 .save = true,
                                 .filters = NameFilters(core::LoadText(Text::SdkFileFilter)),
                                 .suffix = "sdk",
                                 .folder = QString::fromStdString(folder),
                                 .proposedName = QString::fromStdString(proposedName)});
  if (!name) return std::nullopt;
  return name->toStdString();
}

std::string SudokuWindow::DocumentsFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
}

}  // namespace zentaro::ui
