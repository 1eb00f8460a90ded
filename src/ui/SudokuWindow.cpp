#include "ui/SudokuWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScopeGuard>
#include <QScreen>
#include <QStandardPaths>
#include <QStatusBar>
#include <QToolBar>
#include <QWindow>

#include "core/StringTable.h"
#include "hints/HintWindowGeometry.h"
#include "ui/Dialogs.h"
#include "ui/HelpWindow.h"
#include "ui/HintWindow.h"
#include "ui/SettingsDialog.h"
#include "ui/SettingsStore.h"
#include "ui/ShortcutsDialog.h"
#include "ui/Printing.h"
#include "ui/ToolPictures.h"
#include "ui/UiText.h"

namespace zentaro::ui {

using core::Text;

using app::Command;

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

QColor ToQColor(app::ColorValue c) {
  return QColor(app::RedOf(c), app::GreenOf(c), app::BlueOf(c));
}

app::ColorValue ToColorValue(const QColor& c) {
  return app::RgbValue(c.red(), c.green(), c.blue());
}

PrintedBoard PrintedBoardOf(const app::Game& game, const BoardRenderer& screen) {
  PrintedBoard what;
  what.board = game.Puzzle().board;
  what.clues = game.Puzzle().clues;
  what.colors = screen.colors;
  what.title = QString::fromStdString(app::kAppTitle);
  return what;
}

// "PNG picture (*.png)" and the like, for the kinds the export can write.
QStringList PictureFilters() {
  QStringList filters;
  for (const QString& kind : ExportPictureKinds()) {
    const QString what = kind == "pdf" ? "PDF document" : kind.toUpper() + " picture";
    filters << QString("%1 (*.%2)").arg(what, kind);
  }
  return filters;
}

app::Key KeyOf(const QKeyEvent& e) {
  switch (e.key()) {
    case Qt::Key_Escape:
      return app::Key::Escape;
    case Qt::Key_Up:
      return app::Key::Up;
    case Qt::Key_Down:
      return app::Key::Down;
    case Qt::Key_Left:
      return app::Key::Left;
    case Qt::Key_Right:
      return app::Key::Right;
    case Qt::Key_Shift:
      return app::Key::Shift;
    case Qt::Key_Space:
    case Qt::Key_0:
      return app::Key::Clear;
    default:
      break;
  }
  if (e.key() >= Qt::Key_1 && e.key() <= Qt::Key_9) return app::DigitKey(e.key() - Qt::Key_0);
  return app::Key::Other;
}

}  // namespace

SudokuWindow::SudokuWindow(QWidget* parent) : QMainWindow(parent), game_(*this) {
  setObjectName("SudokuFrm");
  setWindowIcon(MakeIcon(IconKind::AppIcon));
  CreateActions();
  CreateMenus();
  CreateToolBar();
  CreatePanels();
  CreateStatusBar();
  CreatePopups();
  ConnectActions();
  CreateEditCommands();
  CreateKeepingCommands();

  clockTimer_.setObjectName("ClockTimer");
  clockTimer_.setInterval(1000);
  connect(&clockTimer_, &QTimer::timeout, this, [this] { game_.ClockTick(); });
  game_.SetNewPuzzleHandler([this] { game_.NewPuzzle(); });

  FormCreate();
}

SudokuWindow::~SudokuWindow() = default;

// ---------------------------------------------------------------------------
// Building the window

QAction* SudokuWindow::NewAction(const char* name, const QKeySequence& shortcut) {
  auto* a = new QAction(this);
  a->setObjectName(name);
  if (!shortcut.isEmpty()) a->setShortcut(shortcut);
  return a;
}

void SudokuWindow::CreateActions() {
  auto command = [this](Command c, const char* name, const QKeySequence& key = {}) {
    QAction* a = NewAction(name, key);
    commandActions_[c] = a;
    return a;
  };
  command(Command::NewPuzzle, "NewPuzzle", QKeySequence(Qt::CTRL | Qt::Key_N));
  command(Command::GenerateNew, "GenerateNew")->setVisible(false);
  command(Command::OpenFile, "OpenFile", QKeySequence(Qt::CTRL | Qt::Key_O));
  command(Command::SaveFile, "SaveFile", QKeySequence(Qt::CTRL | Qt::Key_S));
  command(Command::SaveFileAs, "SaveFileAs");
  command(Command::Print, "Print", QKeySequence(Qt::CTRL | Qt::Key_P));
  exportItem_ = NewAction("ExportPicture");
  exportItem_->setText("Export picture...");
  exportItem_->setEnabled(false);
  settingsItem_ = NewAction("SettingsItem");
  shortcutsItem_ = NewAction("ShortcutsItem");
  shortcutsItem_->setText("&Keyboard shortcuts");
  command(Command::Exit, "ExitItem");
  exitItem_ = commandActions_[Command::Exit];

  command(Command::FillCandidates, "FillCandidates", QKeySequence(Qt::CTRL | Qt::Key_M));
  command(Command::RemoveCandidates, "RemoveCandidates",
          QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_M));
  undoItem_ = NewAction("UndoItem", QKeySequence(Qt::CTRL | Qt::Key_Z));
  redoItem_ = NewAction("RedoItem", QKeySequence(Qt::CTRL | Qt::Key_Y));
  firstStepItem_ = NewAction("FirstStepItem");
  lastStepItem_ = NewAction("LastStepItem");
  setBookmarkItem_ = NewAction("SetBookmarkItem");
  goBookmarkItem_ = NewAction("GoBookmarkItem");
  for (int d = 1; d <= 9; ++d) {
    const QByteArray name = "HighlightItem" + QByteArray::number(d);
    highlightItems_[d - 1] = NewAction(name.constData(), QKeySequence(Qt::CTRL | (Qt::Key_0 + d)));
    highlightItems_[d - 1]->setText(QString::number(d));
  }
  command(Command::Rate, "Rate", QKeySequence(Qt::CTRL | Qt::Key_R));
  command(Command::ViewSolution, "ViewSolution");
  command(Command::CompetitionMode, "CompetitionMode")->setVisible(false);
  command(Command::NormalMode, "NormalMode")->setVisible(false);
  stopItem_ = NewAction("StopItem");
  stopItem_->setVisible(false);
  stopItem_->setEnabled(false);
  congratulationsItem_ = NewAction("CongratulationsItem");
  congratulationsItem_->setVisible(false);
  bestResultsItem_ = NewAction("BestResultsItem");
  bestResultsItem_->setVisible(false);
  bestResultsItem_->setEnabled(false);

  command(Command::EditMode, "EditMode");
  command(Command::StopEditMode, "StopEditMode");
  command(Command::ClearClues, "ClearClues");

  helpItem_ = NewAction("HelpItem", QKeySequence(Qt::Key_F1));
  command(Command::Hint, "Hint", QKeySequence(Qt::CTRL | Qt::Key_Q));
  aboutItem_ = NewAction("AboutItem");
  cancelItem_ = NewAction("CancelItem");
  cancelItem_->setVisible(false);

  // The speed buttons have enabled states of their own.
  command(Command::OpenButton, "OpenButton")->setIcon(MakeIcon(IconKind::Open));
  command(Command::SaveButton, "SaveButton")->setIcon(MakeIcon(IconKind::Save));
  command(Command::PrintButton, "PrintButton")->setIcon(MakeIcon(IconKind::Print));
  command(Command::RateButton, "RateButton")->setIcon(MakeIcon(IconKind::Rate));
  settingsButton_ = NewAction("SettingsButton");
  settingsButton_->setIcon(MakeIcon(IconKind::Settings));
  helpButton_ = NewAction("HelpButton");
  helpButton_->setIcon(MakeIcon(IconKind::Help));
}

void SudokuWindow::CreateMenus() {
  QMenuBar* bar = menuBar();
  fileMenu_ = bar->addMenu(QString());
  fileMenu_->setObjectName("FileMenu");
  fileMenu_->addAction(Action(Command::NewPuzzle));
  fileMenu_->addAction(Action(Command::GenerateNew));
  fileMenu_->addAction(Action(Command::OpenFile));
  recentMenu_ = fileMenu_->addMenu("Open &recent");
  recentMenu_->setObjectName("RecentMenu");
  fileMenu_->addAction(Action(Command::SaveFile));
  fileMenu_->addAction(Action(Command::SaveFileAs));
  fileMenu_->addSeparator();
  fileMenu_->addAction(Action(Command::Print));
  fileMenu_->addAction(exportItem_);
  fileMenu_->addSeparator();
  fileMenu_->addAction(settingsItem_);
  fileMenu_->addSeparator();
  fileMenu_->addAction(exitItem_);

  actionMenu_ = bar->addMenu(QString());
  actionMenu_->setObjectName("ActionMenu");
  actionMenu_->addAction(Action(Command::FillCandidates));
  actionMenu_->addAction(Action(Command::RemoveCandidates));
  actionMenu_->addSeparator();
  stepMenu_ = actionMenu_->addMenu(QString());
  stepMenu_->setObjectName("StepMenu");
  for (QAction* a :
       {undoItem_, redoItem_, firstStepItem_, lastStepItem_, setBookmarkItem_, goBookmarkItem_})
    stepMenu_->addAction(a);
  highlightMenu_ = actionMenu_->addMenu(QString());
  highlightMenu_->setObjectName("HighlightMenu");
  for (QAction* a : highlightItems_) highlightMenu_->addAction(a);
  actionMenu_->addSeparator();
  actionMenu_->addAction(Action(Command::Rate));
  actionMenu_->addAction(Action(Command::ViewSolution));
  actionMenu_->addAction(Action(Command::CompetitionMode));
  actionMenu_->addAction(Action(Command::NormalMode));
  actionMenu_->addAction(stopItem_);
  actionMenu_->addAction(congratulationsItem_);
  actionMenu_->addAction(bestResultsItem_);

  editMenu_ = bar->addMenu(QString());
  editMenu_->setObjectName("EditMenu");
  editMenu_->addAction(Action(Command::EditMode));
  editMenu_->addAction(Action(Command::StopEditMode));
  editMenu_->addSeparator();
  editMenu_->addAction(Action(Command::ClearClues));

  helpMenu_ = bar->addMenu(QString());
  helpMenu_->setObjectName("HelpMenu");
  helpMenu_->addAction(helpItem_);
  helpMenu_->addAction(Action(Command::Hint));
  helpMenu_->addAction(shortcutsItem_);
  helpMenu_->addSeparator();
  helpMenu_->addAction(aboutItem_);

  bar->addAction(cancelItem_);
}

void SudokuWindow::CreateToolBar() {
  speedBar_ = addToolBar("Tool bar");
  speedBar_->setObjectName("SpeedBar");
  speedBar_->setMovable(false);
  speedBar_->setFloatable(false);
  speedBar_->setIconSize(QSize(22, 22));
  speedBar_->setContextMenuPolicy(Qt::PreventContextMenu);
  speedBar_->addAction(Action(Command::OpenButton));
  speedBar_->addAction(Action(Command::SaveButton));
  speedBar_->addAction(Action(Command::PrintButton));
  speedBar_->addSeparator();
  speedBar_->addAction(Action(Command::RateButton));
  speedBar_->addSeparator();
  speedBar_->addAction(settingsButton_);
  speedBar_->addAction(helpButton_);
  for (QWidget* w : speedBar_->findChildren<QWidget*>()) w->setFocusPolicy(Qt::NoFocus);
}

void SudokuWindow::CreatePanels() {
  auto* central = new QWidget(this);
  central->setObjectName("Client");
  auto* row = new QHBoxLayout(central);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  board_ = new BoardWidget(central);
  board_->SetStateSource([this] { return CurrentBoardState(); });
  tools_ = new ToolPanel(central);
  row->addWidget(board_, 1);
  row->addWidget(tools_);
  setCentralWidget(central);
  board_->setFocus();

  connect(board_, &BoardWidget::MouseDown, this, &SudokuWindow::OnBoardMouseDown);
  connect(board_, &BoardWidget::MouseMoved, this, &SudokuWindow::OnBoardMouseMove);
  connect(board_, &BoardWidget::KeyDown, this, &SudokuWindow::OnKey);
  connect(board_, &BoardWidget::BoardMoved, this, [this](int top) {
    // On a short screen the pictures keep their place at the top.
    tools_->LayoutImages(screenHeight_ > 500 || screenHeight_ == 0 ? top : 8);
  });
  connect(tools_, &ToolPanel::DeselectRequested, this, [this] { game_.StepLabelMouseDown(); });
  connect(tools_, &ToolPanel::MouseOverBackground, this, [this] { game_.ToolPanelMouseMove(); });
  connect(tools_, &ToolPanel::HighlightClicked, this,
          [this](int digit, bool down) { game_.HighlightButtonClick(digit, down); });
}

void SudokuWindow::CreateStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName("StatusBar");
  bar->setSizeGripEnabled(true);
  for (int i = 0; i < 3; ++i) {
    status_[i] = new QLabel(bar);
    status_[i]->setObjectName(QString("StatusPanel%1").arg(i));
    status_[i]->setContentsMargins(4, 0, 4, 0);
  }
  status_[0]->setMinimumWidth(120);
  status_[1]->setMinimumWidth(170);
  bar->addWidget(status_[0]);
  bar->addWidget(status_[1]);
  bar->addWidget(status_[2], 1);
}

void SudokuWindow::CreatePopups() {
  digitMenu_ = new QMenu(this);
  digitMenu_->setObjectName("DigitMenu");
  for (int d = 1; d <= 9; ++d) {
    QAction* a = digitMenu_->addAction(QString::number(d));
    a->setObjectName(QString("DigitItem%1").arg(d));
    connect(a, &QAction::triggered, this, [this, d] { game_.PlaceDigit(d); });
    digitItems_[d - 1] = a;
  }
  digitMenu_->addSeparator();
  clearItem_ = digitMenu_->addAction(QString());
  clearItem_->setObjectName("ClearItem");
  connect(clearItem_, &QAction::triggered, this, [this] { game_.ClearCell(); });
  digitMenu_->addSeparator();
  digitCancelItem_ = digitMenu_->addAction(QString());
  digitCancelItem_->setObjectName("DigitCancelItem");
  connect(digitCancelItem_, &QAction::triggered, this, [this] { game_.Deselect(); });

  marksMenu_ = new QMenu(this);
  marksMenu_->setObjectName("MarksMenu");
  for (int d = 1; d <= 9; ++d) {
    QAction* a = marksMenu_->addAction(QString::number(d));
    a->setObjectName(QString("MarkItem%1").arg(d));
    a->setCheckable(true);
    connect(a, &QAction::triggered, this, [this, d] { game_.ToggleMark(d); });
    markItems_[d - 1] = a;
  }
  marksMenu_->addSeparator();
  marksCancelItem_ = marksMenu_->addAction(QString());
  marksCancelItem_->setObjectName("MarksCancelItem");
  connect(marksCancelItem_, &QAction::triggered, this, [this] { game_.Deselect(); });

  hintWindow_ = new HintWindow(this);
  connect(hintWindow_, &HintWindow::HelpRequested, this, &SudokuWindow::ShowHelpTopic);
}

void SudokuWindow::ConnectActions() {
  // While a puzzle is being generated only the cancel paths may act: a
  // command's shortcut still reaches its action when its menu is hidden.
  auto on = [this](QAction* a, auto handler) {
    connect(a, &QAction::triggered, this, [this, handler] {
      if (!game_.Puzzle().generating) handler();
    });
  };
  // A speed button that mirrors a menu item acts only while the item is
  // enabled.
  on(Action(Command::NewPuzzle), [this] { game_.NewPuzzle(); });
  on(Action(Command::OpenFile), [this] { game_.OpenPuzzle(); });
  on(Action(Command::OpenButton), [this] {
    if (Action(Command::OpenFile)->isEnabled()) game_.OpenPuzzle();
  });
  on(Action(Command::SaveFile), [this] { game_.SavePuzzle(false); });
  on(Action(Command::SaveButton), [this] {
    if (Action(Command::SaveFile)->isEnabled()) game_.SavePuzzle(false);
  });
  on(Action(Command::SaveFileAs), [this] { game_.SavePuzzle(true); });
  on(Action(Command::Print), [this] { Print(); });
  on(Action(Command::PrintButton), [this] {
    const QAction* print = Action(Command::Print);
    if (print->isEnabled() && print->isVisible()) Print();
  });
  on(exportItem_, [this] { ExportBoardPicture(); });
  on(shortcutsItem_, [this] {
    ShortcutsDialog dialog(findChildren<QAction*>(), this);
    ShowModal(dialog);
  });
  on(settingsItem_, [this] { OpenSettings(); });
  on(settingsButton_, [this] {
    if (settingsItem_->isEnabled()) OpenSettings();
  });
  on(exitItem_, [this] { close(); });

  on(Action(Command::FillCandidates), [this] { game_.FillCandidates(); });
  on(Action(Command::RemoveCandidates), [this] { game_.RemoveCandidates(); });
  on(undoItem_, [this] { game_.Undo(); });
  on(redoItem_, [this] { game_.Redo(); });
  on(firstStepItem_, [this] { game_.GoToFirstStep(); });
  on(lastStepItem_, [this] { game_.GoToLastStep(); });
  on(setBookmarkItem_, [this] { game_.SetBookmark(); });
  on(goBookmarkItem_, [this] { game_.GoToBookmark(); });
  for (int d = 1; d <= 9; ++d)
    on(highlightItems_[d - 1], [this, d] {
      if (tools_->HighlightButtons[d - 1]->isEnabled()) game_.ToggleHighlight(d);
    });
  on(Action(Command::Rate), [this] { game_.Rate(); });
  on(Action(Command::RateButton), [this] { game_.RateButtonClick(); });
  on(Action(Command::ViewSolution), [this] { game_.ViewSolution(); });

  on(helpItem_, [this] { ShowHelp(); });
  on(helpButton_, [this] {
    if (helpItem_->isEnabled()) ShowHelp();
  });
  on(Action(Command::Hint), [this] { game_.RequestHint(); });
  on(aboutItem_, [this] { ShowAbout(); });
  connect(cancelItem_, &QAction::triggered, this, [this] { game_.RequestCancel(); });

  // The step buttons of StepPanel.
  connect(tools_->UndoBut, &QToolButton::clicked, this, [this] { game_.Undo(); });
  connect(tools_->RedoBut, &QToolButton::clicked, this, [this] { game_.Redo(); });
  connect(tools_->MoveFirstBut, &QToolButton::clicked, this, [this] { game_.GoToFirstStep(); });
  connect(tools_->MoveLastBut, &QToolButton::clicked, this, [this] { game_.GoToLastStep(); });
  connect(tools_->SetBookmarkBut, &QToolButton::clicked, this, [this] { game_.SetBookmark(); });
  connect(tools_->GoBookmarkBut, &QToolButton::clicked, this, [this] { game_.GoToBookmark(); });

  // The picture buttons.
  connect(tools_->NewBut, &ToolImageButton::Clicked, this, [this] { game_.NewPuzzle(); });
  connect(tools_->HintBut, &ToolImageButton::Clicked, this, [this] {
    tools_->HintBut->SetHot(false);
    game_.RequestHint();
  });
  connect(tools_->CandidatesBut, &ToolImageButton::Clicked, this,
          [this] { game_.FillCandidates(); });
  connect(tools_->NoCandidatesBut, &ToolImageButton::Clicked, this,
          [this] { game_.RemoveCandidates(); });
}

QAction* SudokuWindow::Action(Command command) const {
  const auto it = commandActions_.find(command);
  return it == commandActions_.end() ? nullptr : it->second;
}

// The Edit menu: edit mode, and puzzles through the clipboard.
void SudokuWindow::CreateEditCommands() {
  pasteItem_ = NewAction("PastePuzzle", QKeySequence::Paste);
  copyItem_ = NewAction("CopyPuzzle", QKeySequence::Copy);
  editMenu_->addSeparator();
  editMenu_->addAction(pasteItem_);
  editMenu_->addAction(copyItem_);

  auto on = [this](QAction* a, auto handler) {
    connect(a, &QAction::triggered, this, [this, handler] {
      if (!game_.Puzzle().generating) handler();
    });
  };
  on(Action(Command::EditMode), [this] { game_.StartEditing(); });
  on(Action(Command::StopEditMode), [this] { game_.StopEditing(); });
  on(Action(Command::ClearClues), [this] { game_.ClearAllCells(); });
  on(pasteItem_, [this] { game_.PastePuzzle(); });
  on(copyItem_, [this] { game_.CopyPuzzle(); });
}

std::string SudokuWindow::ClipboardText() {
  return QGuiApplication::clipboard()->text().toStdString();
}

void SudokuWindow::SetClipboardText(const std::string& text) {
  QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

// ---------------------------------------------------------------------------
// Life cycle

void SudokuWindow::FormCreate() {
  // Read once, here, so that whoever makes the window can still change
  // them before it is shown.
  settings_ = LoadSettings();
  const QSize screen =
      QApplication::primaryScreen() ? QApplication::primaryScreen()->size() : QSize(1024, 768);
  if (screen.width() < 700)
    setWindowFlags((windowFlags() & ~Qt::WindowMaximizeButtonHint) | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint);
  game_.SetVisible(Command::Rate, true);
  game_.SetEnabled(Command::Rate, true);
  game_.SetEnabled(Command::RateButton,
                   game_.IsEnabled(Command::Rate) && game_.IsVisible(Command::RateButton));
}

void SudokuWindow::FormShow() {
  congratulationsItem_->setEnabled(false);
  FillRecentMenu();

  for (Command c : {Command::Print, Command::PrintButton, Command::RateButton}) {
    game_.SetVisible(c, true);
    Action(c)->setVisible(true);
  }
  game_.SetVisible(Command::EditMenu, true);
  game_.SetVisible(Command::EditMode, true);
  game_.SetEnabled(Command::EditMenu, true);
  game_.SetEnabled(Command::EditMode, true);
  game_.SetEnabled(Command::StopEditMode, !game_.IsEnabled(Command::EditMode));
  game_.SetEnabled(Command::ClearClues, game_.IsEnabled(Command::StopEditMode));

  const QScreen* screen = this->screen() ? this->screen() : QApplication::primaryScreen();
  screenWidth_ = screen ? screen->size().width() : 1024;
  screenHeight_ = screen ? screen->size().height() : 768;

  for (QAction* a : markItems_) a->setText(a->text().left(1) + UiText(Text::CandidateSuffix));
  digitCancelItem_->setText(UiText(Text::Cancel));
  marksCancelItem_->setText(UiText(Text::Cancel));

  SetCaption(app::kAppTitle);
  game_.ResetForFirstShow(settings_.removePencilMarks);
  game_.SetLevelChoice(settings_.levels);
  game_.SetStartFolder(settings_.initialDir);
  ApplyColors();

  settings_.gridSize = app::EffectiveGridSize(settings_.gridSize, screenWidth_, screenHeight_);
  SetGridSize(static_cast<GridSize>(settings_.gridSize));

  SetCaptions();

  SetStatusText(1, std::string());
  game_.UpdateStepButtons();
  game_.UpdateCommands(false, false);
}

void SudokuWindow::ShowWindow(const QString& startFile) {
  FormShow();
  shown_ = true;
  PlaceOnScreen();
  board_->setFocus();
  // Queued, so that the level dialog or a message about the file comes up
  // only once the window is there. A file that cannot be read leaves the
  // window empty after its message rather than starting a generation.
  // The game kept from the last run is offered before anything else.
  WhenOnScreen(
      [this, startFile] { game_.StartUp(startFile.toStdString(), settings_.loadOnStartup); });
}

// A dialog centres on the window as it stands when the dialog opens; the
// window manager maps and maximises the window a little after show(), so
// the start-up dialogs wait for that (at most a second) to open centred.
void SudokuWindow::WhenOnScreen(std::function<void()> then, int triesLeft) {
  QTimer::singleShot(triesLeft == kOnScreenTries ? 0 : 20, this, [this, then, triesLeft] {
    const QWindow* w = windowHandle();
    if ((w && w->isExposed()) || triesLeft <= 0)
      then();
    else
      WhenOnScreen(then, triesLeft - 1);
  });
}

void SudokuWindow::PlaceOnScreen() {
  std::vector<app::ScreenRect> screens;
  for (const QScreen* screen : QGuiApplication::screens()) {
    const QRect r = screen->availableGeometry();
    screens.push_back({r.x(), r.y(), r.width(), r.height()});
  }
  const app::WindowPlacement place = app::PlaceWindow(settings_, screens);
  if (place.maximized) {
    showMaximized();
    return;
  }
  setGeometry(place.bounds.left, place.bounds.top, place.bounds.width, place.bounds.height);
  show();
}

app::Settings SudokuWindow::CurrentSettings() const {
  app::Settings s = settings_;
  s.levels = game_.Prefs().levels;
  s.removePencilMarks = game_.Prefs().removeMarksOnFill;
  s.initialDir = game_.File().openFolder;
  return s;
}

void SudokuWindow::ApplyColors() {
  BoardColors& colors = board_->Renderer().colors;
  colors.BackgroundColor = ToQColor(settings_.backgroundColor);
  colors.CoordinatesColor = ToQColor(settings_.coordinatesColor);
  colors.MarkColor = ToQColor(settings_.markColor);
  colors.HiColor = ToQColor(settings_.hiColor);
  colors.ClueCellColor = QApplication::palette().color(QPalette::Button);
  tools_->SetColors(colors.BackgroundColor, colors.CoordinatesColor);
  tools_->SetClockColor(colors.CoordinatesColor);
  board_->update();
}

void SudokuWindow::SetGridSize(GridSize size) {
  board_->SetGridSize(size);
  const int boardSize = board_->Geometry().BoardSize();
  // The board and the panel need their room; menus, tool bar and status bar
  // come on top.
  const int chrome = menuBar()->sizeHint().height() + speedBar_->sizeHint().height() +
                     statusBar()->sizeHint().height();
  if (size == GridSize::Small)
    setMinimumSize(644, 510);
  else
    setMinimumSize(ToolPanel::kPanelWidth + boardSize + 42, boardSize + 44 + 90 + chrome - 40);
}

void SudokuWindow::SetCaptions() {
  fileMenu_->setTitle(UiText(Text::FileMenu));
  actionMenu_->setTitle(UiText(Text::ActionMenu));
  editMenu_->setTitle(UiText(Text::EditMenu));
  helpMenu_->setTitle(UiText(Text::HelpMenu));
  Action(Command::NewPuzzle)->setText(UiText(Text::NewPuzzleItem));
  Action(Command::GenerateNew)->setText(UiText(Text::GenerateNewItem));
  bestResultsItem_->setText(UiText(Text::BestResultsItem));
  Action(Command::OpenFile)->setText(UiText(Text::OpenFileItem));
  Action(Command::SaveFile)->setText(UiText(Text::SaveFileItem));
  Action(Command::SaveFileAs)->setText(UiText(Text::SaveFileAsItem));
  Action(Command::Print)->setText(UiText(Text::PrintItem));
  settingsItem_->setText(UiText(Text::SettingsItem));
  exitItem_->setText(UiText(Text::ExitItem));
  Action(Command::FillCandidates)->setText(UiText(Text::FillCandidatesItem));
  Action(Command::RemoveCandidates)->setText(UiText(Text::RemoveCandidatesItem));
  Action(Command::Rate)->setText(UiText(Text::RateItem));
  Action(Command::ViewSolution)->setText(UiText(Text::ViewSolutionItem));
  Action(Command::CompetitionMode)->setText("Start the puzzle in the &competition mode");
  Action(Command::NormalMode)->setText("&Quit the competition mode");
  stopItem_->setText("Stop");
  helpItem_->setText(UiText(Text::HelpItem));
  Action(Command::Hint)->setText(UiText(Text::HintItem));
  aboutItem_->setText(UiText(Text::AboutItem));
  Action(Command::EditMode)->setText(UiText(Text::StartEditingItem));
  Action(Command::StopEditMode)->setText(UiText(Text::StopEditingItem));
  Action(Command::ClearClues)->setText(UiText(Text::ClearAllCellsItem));
  cancelItem_->setText(UiText(Text::Cancel));
  clearItem_->setText(UiText(Text::ClearItem));
  pasteItem_->setText("&Paste puzzle");
  copyItem_->setText("&Copy puzzle");

  // The speed buttons' hints.
  Action(Command::OpenButton)->setToolTip(UiText(Text::OpenFileTip));
  Action(Command::SaveButton)->setToolTip(UiText(Text::SaveFileTip));
  Action(Command::PrintButton)->setToolTip(UiText(Text::PrintTip));
  Action(Command::RateButton)->setToolTip(UiText(Text::RateTip));
  settingsButton_->setToolTip(UiText(Text::SettingsTip));
  helpButton_->setToolTip(UiText(Text::HelpTip));
  for (QAction* a :
       {Action(Command::OpenButton), Action(Command::SaveButton), Action(Command::PrintButton),
        Action(Command::RateButton), settingsButton_, helpButton_})
    a->setText(a->toolTip());
  tools_->MoveFirstBut->setToolTip(UiText(Text::FirstStepTip));
  tools_->MoveLastBut->setToolTip(UiText(Text::LastStepTip));
  tools_->UndoBut->setToolTip(UiText(Text::UndoTip));
  tools_->RedoBut->setToolTip(UiText(Text::RedoTip));
  tools_->SetBookmarkBut->setToolTip(UiText(Text::SetBookmarkTip));
  tools_->GoBookmarkBut->setToolTip(UiText(Text::GoBookmarkTip));

  // The step items read as their buttons' hints.
  undoItem_->setText(tools_->UndoBut->toolTip());
  redoItem_->setText(tools_->RedoBut->toolTip());
  firstStepItem_->setText(tools_->MoveFirstBut->toolTip());
  lastStepItem_->setText(tools_->MoveLastBut->toolTip());
  setBookmarkItem_->setText(tools_->SetBookmarkBut->toolTip());
  goBookmarkItem_->setText(tools_->GoBookmarkBut->toolTip());

  tools_->HighlightCaption->setText(UiText(Text::HighlightCaption));
  tools_->StepLab->setText(UiText(Text::StepCaption));
  tools_->Bookmarklab->setText(UiText(Text::BookmarkCaption));
  highlightMenu_->setTitle(tools_->HighlightCaption->text());
  stepMenu_->setTitle(tools_->StepLab->text());
}

bool SudokuWindow::FormCloseQuery() {
  const bool fileMenu =
      fileMenu_->menuAction()->isVisible() && fileMenu_->menuAction()->isEnabled();
  const bool exit = exitItem_->isVisible() && exitItem_->isEnabled();
  if (fileMenu && exit) return game_.ConfirmSaveFirst();
  // A generation is running: stop it and let the window go.
  game_.RequestCancel();
  return true;
}

void SudokuWindow::FormClose() {
  clockTimer_.stop();
  game_.KeepGame();
  if (help_) help_->close();
  // A file that cannot be written loses only the settings; the window
  // closes all the same.
  const QRect r = geometry();
  const app::WindowStateAtClose state{isMaximized(), isMinimized(), r.x(), r.y(), r.width(),
                                      r.height()};
  if (!SaveSettings(CurrentSettings(), state))
    qWarning("The settings could not be written to %s", qPrintable(QSettingsStore().FileName()));
}

void SudokuWindow::closeEvent(QCloseEvent* event) {
  if (!FormCloseQuery()) {
    event->ignore();
    return;
  }
  FormClose();
  event->accept();
}

// ---------------------------------------------------------------------------
// Input

BoardState SudokuWindow::CurrentBoardState() const {
  BoardState s;
  s.board = &game_.Puzzle().board;
  // While editing no digit is drawn as a clue: every one can be changed.
  s.clues = game_.Puzzle().editMode ? nullptr : &game_.Puzzle().clues;
  s.selected = game_.Puzzle().selected;
  s.highlightDigit = game_.Puzzle().highlightDigit;
  s.selectedInConflict = game_.IsConflictCell(game_.Puzzle().selected);
  s.conflicts = game_.EditConflicts();
  return s;
}

void SudokuWindow::OnBoardMouseDown(Qt::MouseButton button, QPoint pos) {
  const core::CellRef cell = board_->CellAtPoint(pos);
  const app::MouseButton b = button == Qt::LeftButton    ? app::MouseButton::Left
                             : button == Qt::RightButton ? app::MouseButton::Right
                                                         : app::MouseButton::Other;
  game_.BoardMouseDown(cell, b);
}

void SudokuWindow::OnBoardMouseMove(QPoint pos) {
  tools_->HideHotPictures();
  game_.BoardMouseMove(board_->Geometry().InsideCells(pos));
}

void SudokuWindow::OnKey(QKeyEvent* event) {
  game_.KeyDown(KeyOf(*event));
}

void SudokuWindow::keyPressEvent(QKeyEvent* event) {
  OnKey(event);
}

QPoint SudokuWindow::PopupGlobalPoint(core::CellRef cell) const {
  return board_->mapToGlobal(board_->PopupPoint(cell));
}

// ---------------------------------------------------------------------------
// app::View

int SudokuWindow::RunModal(QDialog& dialog) {
  return dialog.exec();
}

int SudokuWindow::ShowModal(QDialog& dialog) {
  GiveDialogLook(dialog);
  return RunModal(dialog);
}

int SudokuWindow::ShowMessageBox(const std::string& text, core::MsgKind kind, unsigned buttons) {
  MessageBox box(text, kind, buttons, this);
  ShowModal(box);
  return box.Result();
}

void SudokuWindow::RedrawBoard() {
  board_->RedrawBoard();
  MarkModifiedLater();
}

void SudokuWindow::RedrawCell(core::CellRef cell) {
  board_->RedrawCell(cell);
  MarkModifiedLater();
}

// The title's modified mark follows the save-first question. Every change
// to the board or the file name reaches the screen through a redraw or the
// caption; the check runs once the command that made them is done.
void SudokuWindow::MarkModifiedLater() {
  if (modifiedCheckQueued_) return;
  modifiedCheckQueued_ = true;
  QTimer::singleShot(0, this, [this] {
    modifiedCheckQueued_ = false;
    setWindowModified(game_.HasUnsavedChanges());
    // The same moment keeps the game in progress on disk.
    game_.KeepGame();
  });
}

void SudokuWindow::SetStatusText(int panel, const std::string& text) {
  if (panel >= 0 && panel < 3) status_[panel]->setText(QString::fromStdString(text));
}

void SudokuWindow::SetCaption(const std::string& caption) {
  // "[*]" is where the platform puts the modified mark; a caption's own
  // "[*]" would be taken for it, so it is doubled.
  setWindowTitle(QString::fromStdString(caption).replace("[*]", "[*][*]") + "[*]");
  MarkModifiedLater();
}

void SudokuWindow::SetCommandEnabled(Command command, bool enabled) {
  MarkModifiedLater();
  switch (command) {
    case Command::FileMenu:
      fileMenu_->menuAction()->setEnabled(enabled);
      return;
    case Command::EditMenu:
      editMenu_->menuAction()->setEnabled(enabled);
      return;
    case Command::NewPuzzle:
      tools_->NewBut->SetCommandEnabled(enabled);
      break;
    case Command::Hint:
      tools_->HintBut->SetCommandEnabled(enabled);
      break;
    case Command::FillCandidates:
      tools_->CandidatesBut->SetCommandEnabled(enabled);
      break;
    case Command::RemoveCandidates:
      tools_->NoCandidatesBut->SetCommandEnabled(enabled);
      break;
    case Command::Print:
      exportItem_->setEnabled(enabled);
      break;
    default:
      break;
  }
  if (QAction* a = Action(command)) a->setEnabled(enabled);
}

void SudokuWindow::SetStepControls(const core::StepControls& c) {
  stepControls_ = c;
  for (QToolButton* b : {tools_->UndoBut, tools_->MoveFirstBut}) b->setEnabled(c.undo);
  for (QAction* a : {undoItem_, firstStepItem_}) a->setEnabled(c.undo);
  for (QToolButton* b : {tools_->RedoBut, tools_->MoveLastBut}) b->setEnabled(c.redo);
  for (QAction* a : {redoItem_, lastStepItem_}) a->setEnabled(c.redo);
  tools_->SetBookmarkBut->setEnabled(c.setBookmark);
  setBookmarkItem_->setEnabled(c.setBookmark);
  tools_->GoBookmarkBut->setEnabled(c.goBookmark);
  goBookmarkItem_->setEnabled(c.goBookmark);
}

void SudokuWindow::BlinkBookmarkButton() {
  tools_->GoBookmarkBut->setEnabled(false);
  QTimer::singleShot(140, this,
                     [this] { tools_->GoBookmarkBut->setEnabled(stepControls_.goBookmark); });
}

void SudokuWindow::HideHintWindow() {
  hintWindow_->hide();
}

int SudokuWindow::ShowSolvedReport(const app::SolvedReport& report) {
  SolvedReportDialog form(report, this);
  return ShowModal(form) == QDialog::Accepted ? core::kResultOk : core::kResultCancel;
}

void SudokuWindow::SetClockRunning(bool running) {
  if (running)
    clockTimer_.start();
  else
    clockTimer_.stop();
}

void SudokuWindow::SetClockText(const std::string& text) {
  tools_->ClockLabel->setText(QString::fromStdString(text));
}

void SudokuWindow::OpenDigitPopup(core::CellRef cell, bool clearEnabled) {
  clearItem_->setEnabled(clearEnabled);
  // Not exec(): the chosen item acts once this click has been handled, as
  // a menu command arriving after it.
  digitMenu_->popup(PopupGlobalPoint(cell));
}

void SudokuWindow::OpenMarksPopup(core::CellRef cell, const std::array<bool, 9>& checked) {
  for (int k = 0; k < 9; ++k) markItems_[k]->setChecked(checked[k]);
  marksMenu_->popup(PopupGlobalPoint(cell));
}

void SudokuWindow::SetHighlightButtons(int digit) {
  tools_->SetHighlightDown(digit);
}

int SudokuWindow::AskThreeButtonQuestion(const std::string& caption, const std::string& text,
                                         const std::string& yesCaption,
                                         const std::string& noCaption,
                                         const std::string& cancelCaption) {
  QuestionDialog dialog(caption, text, yesCaption, noCaption, cancelCaption, this);
  ShowModal(dialog);
  return dialog.Result();
}

void SudokuWindow::PlaceHintWindow() {
  // Measured afresh for every hint: the window may have moved, the board
  // may have another size.
  const QPoint corner = board_->mapToGlobal(board_->Geometry().BoardRect().topLeft());
  const int size = board_->Geometry().BoardSize();
  const hints::WindowRect board{corner.x(), corner.y(), size, size};
  const QScreen* where = screen() ? screen() : QGuiApplication::primaryScreen();
  const int screenLeft = where ? where->geometry().left() : 0;
  const hints::WindowRect rect = hints::KeepHintWindowOffBoard(
      hints::PlaceHintWindow(board, screenWidth_), board, screenLeft, screenWidth_);
  hintWindow_->Place(QRect(rect.left, rect.top, rect.width, rect.height));
}

int SudokuWindow::ShowHintStage(const hints::HintStage& stage) {
  hintWindow_->SetStage(stage);
  if (stage.widen) {
    // The fish and chain explanations ask for a wider window.
    const QRect g = hintWindow_->geometry();
    const hints::WindowRect wide = hints::WidenHintWindow(
        {g.x(), g.y(), g.width(), g.height()}, screenWidth_, stage.widen->width, stage.widen->minimum);
    hintWindow_->setGeometry(wide.left, wide.top, wide.width, wide.height);
  }
  return ShowModal(*hintWindow_) == QDialog::Accepted ? hints::kModalOk : hints::kModalCancel;
}

void SudokuWindow::SetHintHighlights(const hints::Highlights& layer, bool on) {
  board_->SetHighlights(layer, on);
}

void SudokuWindow::SetBusyCursor(bool busy) {
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ++busyDepth_;
  } else if (busyDepth_ > 0) {
    QApplication::restoreOverrideCursor();
    --busyDepth_;
  }
}

void SudokuWindow::ShowWaitWindow(const app::WaitWindow& window) {
  if (!wait_) {
    wait_ = std::make_unique<WaitDialog>(this);
    connect(wait_->CancelBtn, &QPushButton::clicked, this, [this] { game_.RequestCancel(); });
  }
  // Called on every progress step: the frame is fitted to a new title only.
  if (const QString title = QString::fromStdString(window.caption); title != wait_->windowTitle()) {
    wait_->setWindowTitle(title);
    GiveDialogLook(*wait_);
  }
  wait_->Line1Lab->setText(QString::fromStdString(window.line1));
  wait_->Line2Lab->setText(QString::fromStdString(window.line2));
  wait_->ProgressBar->setMaximum(window.maximum);
  wait_->ProgressBar->setValue(window.position);
  wait_->CancelBtn->setVisible(window.cancelVisible);
  wait_->CancelBtn->setEnabled(window.cancelVisible);
  wait_->setVisible(window.visible);
  wait_->repaint();
  QCoreApplication::processEvents();
}

void SudokuWindow::CloseWaitWindow() {
  wait_.reset();
}

std::optional<app::LevelChoice> SudokuWindow::AskLevels(const app::LevelChoice& current) {
  LevelDialog dialog(current, this);
  dialog.RefuseEmptyChoice = [this] {
    ShowMessageBox(core::LoadText(Text::CheckOneLevel), core::MsgKind::Information,
                   core::kButtonsOk);
  };
  if (ShowModal(dialog) != QDialog::Accepted) return std::nullopt;
  return dialog.Choice();
}

void SudokuWindow::SetCancelMenuShown(bool shown) {
  // The cancel item shows exactly while a generation runs; the menus and
  // panels the program does not track itself are locked for that time.
  // Disabling a panel keeps each button's own state for afterwards.
  cancelItem_->setVisible(shown);
  for (QMenu* menu : {actionMenu_, helpMenu_}) {
    menu->menuAction()->setVisible(!shown);
    menu->menuAction()->setEnabled(!shown);
  }
  speedBar_->setEnabled(!shown);
  tools_->setEnabled(!shown);
}

void SudokuWindow::SetCommandVisible(Command command, bool visible) {
  switch (command) {
    case Command::FileMenu:
      fileMenu_->menuAction()->setVisible(visible);
      return;
    case Command::EditMenu:
      editMenu_->menuAction()->setVisible(visible);
      return;
    case Command::Print:
      exportItem_->setVisible(visible);
      break;
    default:
      break;
  }
  if (QAction* a = Action(command)) a->setVisible(visible);
}

std::optional<std::string> SudokuWindow::AskOpenFileName(const std::string& folder) {
  QFileDialog dialog(this);
  dialog.setObjectName("OpenDialog");
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilters(NameFilters(core::LoadText(Text::OpenFileFilter)));
  dialog.setDefaultSuffix("sdk");
  if (!folder.empty()) dialog.setDirectory(QString::fromStdString(folder));
  if (ShowModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    return std::nullopt;
  return dialog.selectedFiles().first().toStdString();
}

std::optional<std::string> SudokuWindow::AskSaveFileName(const std::string& folder,
                                                         const std::string& proposedName) {
  QFileDialog dialog(this);
  dialog.setObjectName("SaveDialog");
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters(NameFilters(core::LoadText(Text::SdkFileFilter)));
  dialog.setDefaultSuffix("sdk");
  if (!folder.empty()) dialog.setDirectory(QString::fromStdString(folder));
  dialog.selectFile(QString::fromStdString(proposedName));
  if (ShowModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    return std::nullopt;
  return dialog.selectedFiles().first().toStdString();
}

std::string SudokuWindow::DocumentsFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
}

// ---------------------------------------------------------------------------
// Recent files

void SudokuWindow::FileUsed(const std::string& fileName) {
  settings_.recentFiles = app::RecentFilesWith(fileName, settings_.recentFiles);
  FillRecentMenu();
}

void SudokuWindow::FillRecentMenu() {
  recentMenu_->clear();
  int number = 0;
  for (const std::string& name : settings_.recentFiles) {
    const QString path = QString::fromStdString(name);
    ++number;
    // "&1 puzzle.sdk": the number is the key; the whole path is in the tip.
    QAction* item = recentMenu_->addAction(
        QString("&%1 %2").arg(number).arg(QFileInfo(path).fileName().replace('&', "&&")));
    item->setObjectName(QString("RecentItem%1").arg(number));
    item->setToolTip(QDir::toNativeSeparators(path));
    item->setStatusTip(QDir::toNativeSeparators(path));
    connect(item, &QAction::triggered, this, [this, name] { OpenRecent(name); });
  }
  recentMenu_->setToolTipsVisible(true);
  recentMenu_->addSeparator();
  QAction* clear = recentMenu_->addAction("&Clear list");
  clear->setObjectName("ClearRecentItem");
  clear->setEnabled(!settings_.recentFiles.empty());
  connect(clear, &QAction::triggered, this, [this] {
    settings_.recentFiles.clear();
    FillRecentMenu();
  });
  recentMenu_->menuAction()->setEnabled(!settings_.recentFiles.empty());
}

void SudokuWindow::OpenRecent(const std::string& fileName) {
  // The read has told the user why it failed; a file that is gone for good
  // leaves the list, one that could not be read this time stays.
  if (!game_.OpenRecentFile(fileName) && !QFileInfo::exists(QString::fromStdString(fileName))) {
    std::erase(settings_.recentFiles, fileName);
    FillRecentMenu();
  }
}

// ---------------------------------------------------------------------------
// The window's own commands

void SudokuWindow::Print() {
  if (printing_) return;
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(QString::fromStdString(app::kAppTitle));
  // Without a printer the page goes to a PDF file, named in advance.
  if (QPrinterInfo::availablePrinters().isEmpty())
    printer.setOutputFileName(QDir(QString::fromStdString(DocumentsFolder()))
                                  .filePath(QString::fromStdString(app::kAppTitle) + ".pdf"));
  QPrintDialog dialog(&printer, this);
  dialog.setObjectName("PrintDialog");
  if (ShowModal(dialog) != QDialog::Accepted) return;

  std::optional<QString> failure;
  {
    printing_ = true;
    // Cleared however printing ends, a failure or an exception included.
    const auto printed = qScopeGuard([this] { printing_ = false; });
    failure = PrintBoard(printer, PrintedBoardOf(game_, board_->Renderer()));
  }
  if (failure) ShowMessageBox(failure->toStdString(), core::MsgKind::Error, core::kButtonsOk);
}

void SudokuWindow::ExportBoardPicture() {
  QFileDialog dialog(this);
  dialog.setObjectName("ExportDialog");
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters(PictureFilters());
  dialog.setDefaultSuffix(ExportPictureKinds().first());
  // Choosing a kind in the list makes it the one a bare name gets.
  connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
    const int star = filter.lastIndexOf("*.");
    if (star >= 0) dialog.setDefaultSuffix(filter.mid(star + 2).chopped(1));
  });
  QString folder = exportFolder_;
  if (folder.isEmpty() || !QDir(folder).exists())
    folder = QString::fromStdString(game_.File().saveFolder);
  if (folder.isEmpty() || !QDir(folder).exists())
    folder = QString::fromStdString(DocumentsFolder());
  dialog.setDirectory(folder);
  const QString puzzle = QFileInfo(QString::fromStdString(game_.File().name)).completeBaseName();
  dialog.selectFile((puzzle.isEmpty() ? QString::fromStdString(app::kAppTitle) : puzzle) + "." +
                    ExportPictureKinds().first());
  if (ShowModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;

  const QString name = dialog.selectedFiles().first();
  exportFolder_ = QFileInfo(name).absolutePath();
  if (const auto failure = ExportPicture(name, PrintedBoardOf(game_, board_->Renderer())))
    ShowMessageBox(QString("The picture could not be saved:\n%1\n%2")
                       .arg(QDir::toNativeSeparators(name), *failure)
                       .toStdString(),
                   core::MsgKind::Error, core::kButtonsOk);
}

void SudokuWindow::OpenSettings() {
  SettingsDialog::Values values;
  values.markColor = ToQColor(settings_.markColor);
  values.hiColor = ToQColor(settings_.hiColor);
  values.backgroundColor = ToQColor(settings_.backgroundColor);
  values.coordinatesColor = ToQColor(settings_.coordinatesColor);
  values.gridSize = settings_.gridSize;
  values.loadOnStartup = settings_.loadOnStartup;
  values.removeMarksOnFill = game_.Prefs().removeMarksOnFill;
  values.skipSolved = settings_.skipSolved;
  SettingsDialog dialog(values, this);
  dialog.RunModal = [this](QDialog& d) { return ShowModal(d); };
  connect(&dialog, &SettingsDialog::HelpRequested, this, &SudokuWindow::ShowHelpTopic);
  if (ShowModal(dialog) != QDialog::Accepted) return;

  // Nothing is stored before the window closes.
  const SettingsDialog::Values chosen = dialog.Chosen();
  if (chosen.gridSize != settings_.gridSize) {
    const int before = board_->Geometry().BoardSize();
    settings_.gridSize = chosen.gridSize;
    SetGridSize(static_cast<GridSize>(chosen.gridSize));
    // A window of the user's own size grows or shrinks with the board and
    // keeps its margins.
    if (!isMaximized() && !isFullScreen() && !isMinimized()) {
      const int change = board_->Geometry().BoardSize() - before;
      resize(QSize(width() + change, height() + change).expandedTo(minimumSize()));
    }
  }
  settings_.skipSolved = chosen.skipSolved;
  settings_.hiColor = ToColorValue(chosen.hiColor);
  settings_.markColor = ToColorValue(chosen.markColor);
  settings_.backgroundColor = ToColorValue(chosen.backgroundColor);
  settings_.coordinatesColor = ToColorValue(chosen.coordinatesColor);
  settings_.loadOnStartup = chosen.loadOnStartup;
  game_.SetRemoveMarksOnFill(chosen.removeMarksOnFill);
  ApplyColors();
  update();
}

void SudokuWindow::ShowHelp() {
  ShowHelpTopic(0);
}

void SudokuWindow::ShowHelpTopic(int context) {
  // While a modal dialog is up only its own windows take input, so its help
  // opens as one of them, on top of it and usable.
  QWidget* modal = QApplication::activeModalWidget();
  HelpWindow* help = nullptr;
  const auto make = [this](QWidget* parent) {
    auto* made = new HelpWindow(parent);
    connect(made, &QDialog::finished, this,
            [this, made] { helpGeometry_ = QRect(made->pos(), made->size()); });
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
      help->move(PlaceHelpWindow(frameGeometry(), help->frameGeometry().size(), area).topLeft());
    }
  }
  help->raise();
  help->activateWindow();
}

void SudokuWindow::ShowAbout() {
  AboutBox box(QString::fromStdString(app::kAppTitle), this);
  ShowModal(box);
}

}  // namespace zentaro::ui
