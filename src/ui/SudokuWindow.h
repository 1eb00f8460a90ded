#pragma once

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QTimer>
#include <array>
#include <functional>
#include <map>
#include <memory>

#include "app/Game.h"
#include "app/Settings.h"
#include "app/View.h"
#include "ui/BoardWidget.h"
#include "ui/CommandTable.h"
#include "ui/DataFiles.h"
#include "ui/PrintPuzzlesDialog.h"
#include "ui/ToolPanel.h"

class QDialog;
class QFileDialog;
class QPrinter;
class QToolBar;

namespace zentaro::ui {

class HelpWindow;
class HintWindow;
class WaitDialog;

// The main window. It owns the game, shows what the game tells it through
// app::View and hands every user action to the game.
class SudokuWindow : public QMainWindow, public app::View {
  Q_OBJECT

 public:
  explicit SudokuWindow(QWidget* parent = nullptr);
  ~SudokuWindow() override;

  // Runs the start-up order and puts the window on screen, maximised or at
  // its saved bounds. Once it is there, the puzzle file named opens, or
  // without one the "New puzzle..." command runs when the settings ask.
  void ShowWindow(const QString& startFile = {});

  // Read from the store when the window is made, applied when it is shown,
  // written when it closes.
  app::Settings& Settings() { return game_.SettingsInUse(); }

  app::Game& Game() { return game_; }
  BoardWidget* Board() { return board_; }
  ToolPanel* Tools() { return tools_; }
  QAction* Action(app::Command command) const;
  QLabel* StatusPanel(int index) const { return status_[index]; }
  QMenu* DigitPopup() const { return digitMenu_; }
  QMenu* MarksPopup() const { return marksMenu_; }
  bool ClockTicking() const { return clockTimer_.isActive(); }

  // --- app::View -------------------------------------------------------------
  core::ModalResult ShowMessageBox(const std::string& text, core::MsgKind kind,
                                   unsigned buttons) override;
  void RedrawBoard() override;
  void RedrawCell(core::CellRef cell) override;
  void SetStatusText(int panel, const std::string& text) override;
  void SetCaption(const std::string& caption) override;
  void SetCommandEnabled(app::Command command, bool enabled) override;
  void SetStepControls(const core::StepControls& controls) override;
  void BlinkBookmarkButton() override;
  void HideHintWindow() override;
  core::ModalResult ShowSolvedReport(const app::SolvedReport& report) override;
  void SetClockRunning(bool running) override;
  void SetClockText(const std::string& text) override;
  void OpenDigitPopup(core::CellRef cell, bool clearEnabled) override;
  void OpenMarksPopup(core::CellRef cell, const std::array<bool, 9>& checked) override;
  void SetHighlightButtons(int digit) override;
  core::ModalResult AskThreeButtonQuestion(const std::string& caption, const std::string& text,
                                           const std::string& yesCaption,
                                           const std::string& noCaption,
                                           const std::string& cancelCaption) override;
  void PlaceHintWindow() override;
  core::ModalResult ShowHintStage(const hints::HintStage& stage) override;
  void SetHintHighlights(const hints::Highlights& layer, bool on) override;
  void SetBusyCursor(bool busy) override;
  void ShowWaitWindow(const app::WaitWindow& window) override;
  void CloseWaitWindow() override;
  std::optional<app::LevelChoice> AskLevels(const app::LevelChoice& current) override;
  void SetCancelMenuShown(bool shown) override;
  void SetBoardFrozen(bool frozen) override { board_->SetFrozen(frozen); }
  void SetMistakeMarks(const app::MistakeMarks& marks) override;
  void SetBoardPaused(bool paused) override;
  void FileUsed(const std::string& fileName) override;
  void SetCommandVisible(app::Command command, bool visible) override;
  std::optional<std::string> AskOpenFileName(const std::string& folder) override;
  std::optional<std::string> AskSaveFileName(const std::string& folder,
                                             const std::string& proposedName) override;
  std::string DocumentsFolder() override;
  std::string ClipboardText() override;
  void SetClipboardText(const std::string& text) override;

  // --- between runs (SudokuWindowKeeping.cpp) ----------------------------------
  std::optional<std::string> ReadDataFile(app::DataFile file) override;
  void WriteDataFile(app::DataFile file, const std::string& text) override;
  void RemoveDataFile(app::DataFile file) override;
  std::optional<std::size_t> ChooseCollectionEntry(
      const std::string& fileName, const std::vector<files::CollectionEntry>& entries,
      const std::vector<int>& levels, std::size_t current) override;
  void ShowStatistics(const std::vector<app::StatisticsRow>& rows) override;
  // Where the kept game and the statistics live; the user's data folder
  // unless tests point it elsewhere before the window is shown.
  void SetDataFolder(const QString& folder) { dataFolder_ = folder; }

  // --- the window's own commands ------------------------------------------------
  // Asks for the printer and prints the board on one page.
  void Print();
  // Writes the board, as printed, to a PNG, SVG or PDF file the user names.
  void ExportBoardPicture();
  // Generates puzzles as the user asks and prints them several to a page.
  void PrintPuzzles();
  // Writes the hints' way from the current position to the end as a PDF.
  void ExportWorkedSolution();
  // True only while a page is being printed.
  bool Printing() const { return printing_; }
  void OpenSettings();
  void ShowHelp();
  // The help pages at a help context (core::kHelpContents: the start page).
  void ShowHelpTopic(int context);
  void ShowAbout();
  // Lays the board out at a grid size and fits the window's contents to it.
  void SetGridSize(GridSize size);

 protected:
  // Every modal dialog of the window runs through here, so that tests can
  // answer it instead of a user. Returns the dialog's result code.
  virtual int RunModal(QDialog& dialog);
  // Gives the dialog the program's dialog look, then runs it modally.
  int ShowModal(QDialog& dialog);

  void closeEvent(QCloseEvent* event) override;
  // No menu of bars to hide: the window's bars are always there.
  QMenu* createPopupMenu() override { return nullptr; }
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;
  // Digits typed while a cell pop-up is open choose its item.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Opens a dialog centred on the window, unless it has a place of its own.
  void CentreOnWindow(QDialog& dialog) const;
  // Once a dialog or tool window of the window has gone, the keys go to the
  // board again, whose selection stands: a window system may otherwise leave
  // the focus with no window at all until the user clicks.
  void FocusBoardLater();
  void FormCreate();
  void FormShow();
  void SetCaptions();
  void ApplyColors();
  // Puts the window on screen at its saved bounds, or maximised.
  void PlaceOnScreen();
  void MarkModifiedLater();
  void FillRecentMenu();
  void OpenRecent(const std::string& fileName);
  bool modifiedCheckQueued_ = false;
  static constexpr int kOnScreenTries = 50;
  void WhenOnScreen(std::function<void()> then, int triesLeft = kOnScreenTries);
  // The settings as they stand now, from the game and the window.
  app::Settings CurrentSettings() const;
  bool FormCloseQuery();
  void FormClose();

  // Walks the command table once: every action, its menu, its place on the
  // tool bar and on the tool panel.
  void CreateCommands();
  QAction* CommandAction(const CommandRow& row);
  void PlaceOnToolPanel(const CommandRow& row, QAction* action);
  void CreatePanels();
  void CreateStatusBar();
  void CreatePopups();
  // The one handler of every command of the table.
  void Run(app::Command command);
  QMenu* MenuFor(const CommandRow& row);
  BoardState CurrentBoardState() const;
  void OnBoardMouseDown(Qt::MouseButton button, QPoint pos);
  void OnBoardMouseMove(QPoint pos);
  void OnKey(QKeyEvent* event);
  // The popups open beside the cell, like a context menu.
  QPoint PopupGlobalPoint(core::CellRef cell) const;

  // One of the window's file dialogs; the chosen file, or nothing.
  struct FileQuestion {
    const char* objectName = "";
    bool save = false;
    QStringList filters;
    QString suffix;
    bool suffixFollowsFilter = false;  // the kind chosen in the list names the file
    QString folder;
    QString proposedName;
    QString* chosenFilter = nullptr;  // told the kind the user chose
  };
  std::optional<QString> AskFileName(const FileQuestion& question);
  // Where an export goes: asked in the last export's folder (else the
  // puzzle's, else the documents), proposing the puzzle's name with ending.
  std::optional<QString> AskExportName(FileQuestion question, const QString& ending);
  // Asks for the printer; without one the pages go to pdfName in the
  // documents folder.
  bool AskPrinter(QPrinter& printer, const char* dialogName, const QString& pdfName);
  // Prints, as Printing() tells, and shows the failure if there is one.
  void PrintAndTell(const std::function<std::optional<QString>()>& print);

  app::Game game_;
  int screenWidth_ = 0;
  int screenHeight_ = 0;
  bool shown_ = false;

  BoardWidget* board_ = nullptr;
  ToolPanel* tools_ = nullptr;
  QToolBar* speedBar_ = nullptr;
  std::array<QLabel*, 3> status_{};
  QTimer clockTimer_;
  core::StepControls stepControls_{};
  HelpWindow* help_ = nullptr;
  QRect helpGeometry_;  // where the user last left a help window
  HintWindow* hintWindow_ = nullptr;
  std::unique_ptr<WaitDialog> wait_;
  int busyDepth_ = 0;
  bool printing_ = false;
  QString exportFolder_;
  // Where the kept game and the statistics live.
  QString dataFolder_ = DefaultDataFolder();
  PrintPuzzlesChoice printPuzzlesChoice_;

  // One action per command, made from the command table; the menus by
  // where the table puts them.
  std::array<QAction*, app::kCommandCount> actions_{};
  std::map<Menu, QMenu*> menus_;
  std::array<QAction*, 9> highlightItems_{};  // Ctrl+1 .. Ctrl+9

  // The cell popups: digits (digitMenu_) and pencil marks (marksMenu_).
  QMenu* digitMenu_ = nullptr;
  QMenu* marksMenu_ = nullptr;
  std::array<QAction*, 9> digitItems_{};
  std::array<QAction*, 9> markItems_{};
  QAction* clearItem_ = nullptr;
  QAction* digitCancelItem_ = nullptr;
  QAction* marksCancelItem_ = nullptr;

  app::MistakeMarks mistakes_{};  // what the last mistake check marked
};

}  // namespace zentaro::ui
