#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScopeGuard>
#include <QScreen>

#include "ui/Dialogs.h"
#include "ui/HelpWindow.h"
#include "ui/HintWindow.h"
#include "ui/Printing.h"
#include "ui/SettingsDialog.h"
#include "ui/SudokuWindow.h"
#include "ui/UiText.h"

// The window's commands of its own, and its recent files.

namespace zentaro::ui {

namespace {

PrintedBoard PrintedBoardOf(const app::Game& game, const BoardRenderer& screen) {
  PrintedBoard what;
  what.board = game.Puzzle().board;
  what.clues = game.Puzzle().clues;
  what.colors = screen.Colors();
  what.title = AppTitle();
  return what;
}

// "PNG picture (*.png)" and the like, for the kinds the export can write;
// the larger PNG sizes follow the first, as kinds of their own.
QStringList PictureFilters() {
  QStringList filters;
  for (const QString& kind : ExportPictureKinds()) {
    const QString what = kind == "pdf" ? SudokuWindow::tr("PDF document")
                                       : SudokuWindow::tr("%1 picture").arg(kind.toUpper());
    filters << QString("%1 (*.%2)").arg(what, kind);
    if (kind == "png")
      for (int scale : PngScales().mid(1))
        filters << SudokuWindow::tr("PNG picture, %1 \u00d7 %1 pixels (*.png)")
                       .arg(kPrintBitmapSize * scale);
  }
  return filters;
}

// The PNG size the chosen filter stands for (1 for every other filter).
int PngScaleOfFilter(const QString& filter) {
  for (int scale : PngScales().mid(1))
    if (filter.contains(QString::number(kPrintBitmapSize * scale))) return scale;
  return 1;
}

}  // namespace

// ---------------------------------------------------------------------------
// Recent files

void SudokuWindow::FileUsed(const std::string& fileName) {
  Settings().recentFiles = app::RecentFilesWith(fileName, Settings().recentFiles);
  FillRecentMenu();
}

void SudokuWindow::FillRecentMenu() {
  menus_[Menu::Recent]->clear();
  int number = 0;
  for (const std::string& name : Settings().recentFiles) {
    const QString path = QString::fromStdString(name);
    ++number;
    // "&1 puzzle.sdk": the number is the key; the whole path is in the tip.
    QAction* item = menus_[Menu::Recent]->addAction(
        QString("&%1 %2").arg(number).arg(QFileInfo(path).fileName().replace('&', "&&")));
    item->setObjectName(QString("RecentItem%1").arg(number));
    item->setToolTip(QDir::toNativeSeparators(path));
    item->setStatusTip(QDir::toNativeSeparators(path));
    connect(item, &QAction::triggered, this, [this, name] { OpenRecent(name); });
  }
  menus_[Menu::Recent]->setToolTipsVisible(true);
  menus_[Menu::Recent]->addSeparator();
  QAction* clear = menus_[Menu::Recent]->addAction(tr("&Clear list"));
  clear->setObjectName("ClearRecentItem");
  clear->setEnabled(!Settings().recentFiles.empty());
  connect(clear, &QAction::triggered, this, [this] {
    Settings().recentFiles.clear();
    FillRecentMenu();
  });
  menus_[Menu::Recent]->menuAction()->setEnabled(!Settings().recentFiles.empty());
}

void SudokuWindow::OpenRecent(const std::string& fileName) {
  // The read has told the user why it failed; a file that is gone for good
  // leaves the list, one that could not be read this time stays.
  if (!game_.OpenRecentFile(fileName) && !QFileInfo::exists(QString::fromStdString(fileName))) {
    std::erase(Settings().recentFiles, fileName);
    FillRecentMenu();
  }
}

// ---------------------------------------------------------------------------
// The window's own commands

bool SudokuWindow::AskPrinter(QPrinter& printer, const char* dialogName, const QString& pdfName) {
  printer.setDocName(AppTitle());
  // Without a printer the pages go to a PDF file, named in advance.
  if (QPrinterInfo::availablePrinters().isEmpty())
    printer.setOutputFileName(QDir(QString::fromStdString(DocumentsFolder())).filePath(pdfName));
  QPrintDialog dialog(&printer, this);
  dialog.setObjectName(dialogName);
  return ShowModal(dialog) == QDialog::Accepted;
}

void SudokuWindow::PrintAndTell(const std::function<std::optional<QString>()>& print) {
  std::optional<QString> failure;
  {
    printing_ = true;
    // Cleared however printing ends, a failure or an exception included.
    const auto printed = qScopeGuard([this] { printing_ = false; });
    failure = print();
  }
  if (failure) ShowMessageBox(failure->toStdString(), core::MsgKind::Error, core::kButtonsOk);
}

void SudokuWindow::Print() {
  if (printing_) return;
  QPrinter printer(QPrinter::HighResolution);
  if (!AskPrinter(printer, "PrintDialog", AppTitle() + ".pdf")) return;
  PrintAndTell([&] { return PrintBoard(printer, PrintedBoardOf(game_, board_->Renderer())); });
}

std::optional<QString> SudokuWindow::AskExportName(FileQuestion question, const QString& ending) {
  QString folder = exportFolder_;
  if (folder.isEmpty() || !QDir(folder).exists())
    folder = QString::fromStdString(game_.File().saveFolder);
  if (folder.isEmpty() || !QDir(folder).exists())
    folder = QString::fromStdString(DocumentsFolder());
  const QString puzzle = QFileInfo(QString::fromStdString(game_.File().name)).completeBaseName();
  question.save = true;
  question.folder = folder;
  question.proposedName = (puzzle.isEmpty() ? AppTitle() : puzzle) + ending;
  const auto chosen = AskFileName(question);
  if (chosen) exportFolder_ = QFileInfo(*chosen).absolutePath();
  return chosen;
}

void SudokuWindow::ExportBoardPicture() {
  QString filter;
  const auto chosen = AskExportName({.objectName = "ExportDialog",
                                     .filters = PictureFilters(),
                                     .suffix = ExportPictureKinds().first(),
                                     .suffixFollowsFilter = true,
                                     .folder = {},
                                     .proposedName = {},
                                     .chosenFilter = &filter},
                                    "." + ExportPictureKinds().first());
  if (!chosen) return;

  const QString name = *chosen;
  if (const auto failure =
          ExportPicture(name, PrintedBoardOf(game_, board_->Renderer()), PngScaleOfFilter(filter)))
    ShowMessageBox(tr("The picture could not be saved:\n%1\n%2")
                       .arg(QDir::toNativeSeparators(name), *failure)
                       .toStdString(),
                   core::MsgKind::Error, core::kButtonsOk);
}

void SudokuWindow::OpenSettings() {
  SettingsDialog dialog(Settings(), this);
  dialog.SetModalRunner([this](QDialog& d) { return ShowModal(d); });
  connect(&dialog, &SettingsDialog::helpRequested, this, &SudokuWindow::ShowHelpTopic);
  if (ShowModal(dialog) != QDialog::Accepted) return;

  // Nothing is stored before the window closes.
  const app::Settings chosen = dialog.Chosen();
  const int before = board_->BaseBoardSize();
  const bool resized = chosen.gridSize != Settings().gridSize;
  Settings() = chosen;
  if (resized) {
    SetGridSize(static_cast<GridSize>(chosen.gridSize));
    // A window of the user's own size grows or shrinks with the board and
    // keeps its margins.
    if (!isMaximized() && !isFullScreen() && !isMinimized()) {
      const int change = board_->BaseBoardSize() - before;
      resize(QSize(width() + change, height() + change).expandedTo(minimumSize()));
    }
  }
  ApplyColors();
  update();
}

void SudokuWindow::ShowHelp() {
  ShowHelpTopic(core::kHelpContents);
}

void SudokuWindow::ShowHelpTopic(int context) {
  // While a modal dialog is up only its own windows take input, so its help
  // opens as one of them, on top of it and usable.
  QWidget* modal = QApplication::activeModalWidget();
  HelpWindow* help = nullptr;
  const auto make = [this](QWidget* parent) {
    auto* made = new HelpWindow(parent);
    connect(made, &QDialog::finished, this,
            [this, made] {
              helpGeometry_ = QRect(made->pos(), made->size());
              FocusBoardLater();
            });
    return made;
  };
  if (modal && modal != this) {
    help = make(modal);
    help->setAttribute(Qt::WA_DeleteOnClose);
  } else {
    if (!help_) help_ = make(this);
    help = help_;
  }
  help->ShowTopic(context);
  if (!help->isVisible()) {
    // Where the user last left it, else beside the main window. Shown
    // first, so that its frame is known.
    if (helpGeometry_.isValid()) help->resize(helpGeometry_.size());
    help->show();
    if (helpGeometry_.isValid()) {
      help->move(helpGeometry_.topLeft());
    } else {
      const QScreen* where = screen() ? screen() : QGuiApplication::primaryScreen();
      const QRect area = where ? where->availableGeometry() : QRect(0, 0, 1024, 768);
      // Until the window manager has framed the new window its frame is not
      // known; the main window's frame stands in for it. The inner rectangle
      // is placed, so the title bar cannot end up above the screen.
      QMargins frame = FrameMargins(*help);
      if (frame.isNull()) frame = FrameMargins(*this);
      const QRect hint = hintWindow_->isVisible() ? hintWindow_->frameGeometry() : QRect();
      const QRect outer = PlaceHelpWindow(frameGeometry(), help->size().grownBy(frame), area, hint);
      help->setGeometry(outer.marginsRemoved(frame));
    }
  }
  help->raise();
  help->activateWindow();
}

void SudokuWindow::ShowAbout() {
  AboutBox box(AppTitle(), this);
  ShowModal(box);
}

}  // namespace zentaro::ui
