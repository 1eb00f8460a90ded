#include "ui/SudokuWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QWindow>

#include "core/StringTable.h"
#include "hints/HintWindowGeometry.h"
#include "ui/BoardLayout.h"
#include "ui/Dialogs.h"
#include "ui/HelpWindow.h"
#include "ui/HintWindow.h"
#include "ui/Icons.h"
#include "ui/SettingsDialog.h"
#include "ui/SettingsStore.h"
#include "ui/ShortcutsDialog.h"
#include "ui/UiText.h"

namespace zentaro::ui {

using core::Text;

using app::Command;

namespace {

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
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
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
  CreatePanels();
  CreateCommands();
  CreateStatusBar();
  CreatePopups();

  clockTimer_.setObjectName("ClockTimer");
  clockTimer_.setInterval(1000);
  connect(&clockTimer_, &QTimer::timeout, this, [this] { game_.ClockTick(); });
  game_.SetNewPuzzleHandler([this] { game_.NewPuzzle(); });

  FormCreate();
}

SudokuWindow::~SudokuWindow() = default;

// ---------------------------------------------------------------------------
// Building the window

QMenu* SudokuWindow::MenuFor(const CommandRow& row) {
  const auto it = menus_.find(row.menu);
  return it == menus_.end() ? nullptr : it->second;
}

QAction* SudokuWindow::CommandAction(const CommandRow& row) {
  if (row.opens != Menu::None) {
    QMenu* menu =
        row.menu == Menu::Bar ? menuBar()->addMenu(QString()) : MenuFor(row)->addMenu(QString());
    menu->setObjectName(row.objectName);
    menus_[row.opens] = menu;
    return menu->menuAction();
  }
  auto* a = new QAction(this);
  a->setObjectName(row.objectName);
  if (row.key.key() != Qt::Key_unknown) a->setShortcut(QKeySequence(row.key));
  if (row.standardKey != QKeySequence::UnknownKey) a->setShortcut(row.standardKey);
  if (row.icon) {
    a->setIcon(MakeIcon(*row.icon));
    a->setIconVisibleInMenu(false);
  }
  if (row.menu == Menu::Bar)
    menuBar()->addAction(a);
  else if (QMenu* menu = MenuFor(row))
    menu->addAction(a);
  connect(a, &QAction::triggered, this, [this, c = row.command] { Run(c); });
  return a;
}

void SudokuWindow::CreateCommands() {
  speedBar_ = addToolBar(tr("Tool bar"));
  speedBar_->setObjectName("SpeedBar");
  speedBar_->setMovable(false);
  speedBar_->setFloatable(false);
  speedBar_->setIconSize(QSize(22, 22));
  speedBar_->setContextMenuPolicy(Qt::PreventContextMenu);
  std::vector<std::pair<const CommandRow*, QAction*>> onToolBar;

  for (const CommandRow& row : CommandTable()) {
    if (row.flags & kSeparatorBefore)
      if (QMenu* menu = MenuFor(row)) menu->addSeparator();
    QAction* a = CommandAction(row);
    if (row.command != Command::Count) actions_[static_cast<std::size_t>(row.command)] = a;
    if (row.twin != Command::Count) actions_[static_cast<std::size_t>(row.twin)] = a;
    if (row.flags & kHidden) a->setVisible(false);
    if (row.flags & kDisabled) a->setEnabled(false);
    if (row.toolBar > 0) onToolBar.emplace_back(&row, a);
    PlaceOnToolPanel(row, a);
    if (row.opens == Menu::Highlight) {
      for (int d = 1; d <= 9; ++d) {
        QAction* item = menus_[Menu::Highlight]->addAction(QString::number(d));
        item->setObjectName(QString("HighlightItem%1").arg(d));
        item->setShortcut(QKeySequence(Qt::CTRL | (Qt::Key_0 + d)));
        connect(item, &QAction::triggered, this, [this, d] {
          if (!game_.Puzzle().generating && tools_->HighlightButtonEnabled(d))
            game_.ToggleHighlight(d);
        });
        highlightItems_[d - 1] = item;
      }
    }
  }

  std::ranges::sort(onToolBar, {}, [](const auto& entry) { return entry.first->toolBar; });
  for (const auto& [row, a] : onToolBar) {
    if (row->flags & kToolBarSeparatorBefore) speedBar_->addSeparator();
    speedBar_->addAction(a);
    // "OpenFileButton", "SettingsButton": the names tests and style sheets
    // find the buttons by.
    QWidget* button = speedBar_->widgetForAction(a);
    button->setObjectName(QString(row->objectName).replace("Item", "") + "Button");
  }
  for (QWidget* w : speedBar_->findChildren<QWidget*>()) w->setFocusPolicy(Qt::NoFocus);
}

void SudokuWindow::PlaceOnToolPanel(const CommandRow& row, QAction* action) {
  if (row.panel == PanelSlot::None) return;
  if (ToolImageButton* picture = tools_->Picture(row.panel)) {
    connect(picture, &ToolImageButton::clicked, this, [this, picture, c = row.command] {
      // The hint window opens at once: the picture must not stay lit under it.
      if (c == Command::Hint) picture->SetHot(false);
      Run(c);
    });
  } else if (QToolButton* button = tools_->StepButton(row.panel)) {
    button->setDefaultAction(action);
  }
}

// While a puzzle is being generated only the cancel paths may act: a
// command's shortcut still reaches its action when its menu is hidden.
void SudokuWindow::Run(Command command) {
  if (game_.Puzzle().generating && command != Command::CancelGeneration) return;
  // Any command ends a pause first; the pause command itself toggles it.
  if (command == Command::Pause) {
    if (game_.Paused())
      game_.Resume();
    else
      game_.Pause();
    return;
  }
  game_.Resume();
  switch (command) {
    case Command::NewPuzzle:
      game_.NewPuzzle();
      break;
    case Command::OpenFile:
      game_.OpenPuzzle();
      break;
    case Command::SaveFile:
      game_.SavePuzzle(false);
      break;
    case Command::SaveFileAs:
      game_.SavePuzzle(true);
      break;
    case Command::Print:
      Print();
      break;
    case Command::ExportPicture:
      ExportBoardPicture();
      break;
    case Command::PrintPuzzles:
      PrintPuzzles();
      break;
    case Command::ExportWorkedSolution:
      ExportWorkedSolution();
      break;
    case Command::NextInCollection:
      game_.NextInCollection();
      break;
    case Command::Statistics:
      game_.ShowStatistics();
      break;
    case Command::Settings:
      OpenSettings();
      break;
    case Command::Exit:
      close();
      break;
    case Command::FillCandidates:
      game_.FillCandidates();
      break;
    case Command::RemoveCandidates:
      game_.RemoveCandidates();
      break;
    case Command::Undo:
      game_.Undo();
      break;
    case Command::Redo:
      game_.Redo();
      break;
    case Command::FirstStep:
      game_.GoToFirstStep();
      break;
    case Command::LastStep:
      game_.GoToLastStep();
      break;
    case Command::SetBookmark:
      game_.SetBookmark();
      break;
    case Command::GoBookmark:
      game_.GoToBookmark();
      break;
    case Command::Rate:
      game_.Rate();
      break;
    case Command::ViewSolution:
      game_.ViewSolution();
      break;
    case Command::EditMode:
      game_.StartEditing();
      break;
    case Command::StopEditMode:
      game_.StopEditing();
      break;
    case Command::ClearClues:
      game_.ClearAllCells();
      break;
    case Command::PastePuzzle:
      game_.PastePuzzle();
      break;
    case Command::CopyPuzzle:
      game_.CopyPuzzle();
      break;
    case Command::Help:
      ShowHelp();
      break;
    case Command::Hint:
      game_.RequestHint();
      break;
    case Command::Shortcuts: {
      ShortcutsDialog dialog(findChildren<QAction*>(), this);
      ShowModal(dialog);
      break;
    }
    case Command::About:
      ShowAbout();
      break;
    case Command::CancelGeneration:
      game_.RequestCancel();
      break;
    case Command::CheckMistakes:
      game_.CheckForMistakes();
      break;
    case Command::WhyNotHere:
      game_.WhyNotHere();
      break;
    default:
      break;
  }
}

void SudokuWindow::CreatePanels() {
  auto* central = new QWidget(this);
  central->setObjectName("Client");
  board_ = new BoardWidget(central);
  board_->SetStateSource([this] { return CurrentBoardState(); });
  tools_ = new ToolPanel(central);
  new BoardLayout(central, board_, tools_);
  setCentralWidget(central);
  board_->setFocus();

  connect(board_, &BoardWidget::mouseDown, this, &SudokuWindow::OnBoardMouseDown);
  connect(board_, &BoardWidget::mouseMoved, this, &SudokuWindow::OnBoardMouseMove);
  connect(board_, &BoardWidget::keyDown, this, &SudokuWindow::OnKey);
  connect(board_, &BoardWidget::boardMoved, this, [this](int top) {
    // On a short screen the pictures keep their place at the top.
    tools_->LayoutImages(screenHeight_ > 500 || screenHeight_ == 0 ? top : 8);
  });
  connect(tools_, &ToolPanel::deselectRequested, this, [this] { game_.StepLabelMouseDown(); });
  connect(tools_, &ToolPanel::mouseOverBackground, this, [this] { game_.ToolPanelMouseMove(); });
  connect(tools_, &ToolPanel::highlightClicked, this,
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
  digitMenu_->addAction(Action(Command::WhyNotHere));
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
  marksMenu_->addAction(Action(Command::WhyNotHere));
  marksCancelItem_ = marksMenu_->addAction(QString());
  marksCancelItem_->setObjectName("MarksCancelItem");
  connect(marksCancelItem_, &QAction::triggered, this, [this] { game_.Deselect(); });

  digitMenu_->installEventFilter(this);
  marksMenu_->installEventFilter(this);

  hintWindow_ = new HintWindow(this);
  connect(hintWindow_, &HintWindow::helpRequested, this, &SudokuWindow::ShowHelpTopic);
}

QAction* SudokuWindow::Action(Command command) const {
  return actions_[static_cast<std::size_t>(command)];
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
  Settings() = LoadSettings();
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
  Action(Command::Congratulations)->setEnabled(false);
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

  SetCaption(core::kAppTitle);
  game_.ResetForFirstShow();
  game_.SetStartFolder(Settings().initialDir);
  ApplyColors();

  Settings().gridSize = app::EffectiveGridSize(Settings().gridSize, screenWidth_, screenHeight_);
  SetGridSize(static_cast<GridSize>(Settings().gridSize));

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
      [this, startFile] { game_.StartUp(startFile.toStdString(), Settings().loadOnStartup); });
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
  const app::WindowPlacement place = app::PlaceWindow(Settings(), screens);
  if (place.maximized) {
    showMaximized();
    return;
  }
  setGeometry(place.bounds.left, place.bounds.top, place.bounds.width, place.bounds.height);
  show();
}

app::Settings SudokuWindow::CurrentSettings() const {
  app::Settings s = game_.Prefs();
  s.initialDir = game_.File().openFolder;
  return s;
}

void SudokuWindow::ApplyColors() {
  board_->SetColors(Settings());
  const BoardColors& colors = board_->Renderer().Colors();
  // The room beside a board and panel centred in a large window.
  QPalette client = centralWidget()->palette();
  client.setColor(QPalette::Window, colors.BackgroundColor);
  centralWidget()->setPalette(client);
  centralWidget()->setAutoFillBackground(true);
  tools_->SetColors(colors.BackgroundColor, colors.CoordinatesColor);
  tools_->SetClockColor(colors.CoordinatesColor);
}

void SudokuWindow::SetGridSize(GridSize size) {
  board_->SetGridSize(size);
  // The board at its smallest cells and the panel need their room; menus,
  // tool bar and status bar come on top.
  const int chrome = menuBar()->sizeHint().height() + speedBar_->sizeHint().height() +
                     statusBar()->sizeHint().height();
  const QSize least = LeastBoardArea(board_->BaseCellSize(), tools_->ContentHeight());
  setMinimumSize(std::max(least.width(), kLeastWindowWidth), least.height() + chrome);
}

void SudokuWindow::SetCaptions() {
  for (const CommandRow& row : CommandTable()) {
    QString text;
    if (row.caption)
      text = UiText(*row.caption);
    else if (row.addedCaption)
      text = QString::fromStdString(core::LoadText(*row.addedCaption));
    else if (row.ownCaption && *row.ownCaption)
      text = tr(row.ownCaption);
    else
      continue;
    if (row.opens != Menu::None)
      menus_[row.opens]->setTitle(text);
    else
      Action(row.command)->setText(text);
    if (row.tip) Action(row.command)->setToolTip(UiText(*row.tip));
    if (row.addedTip)
      Action(row.command)->setToolTip(QString::fromStdString(core::LoadText(*row.addedTip)));
  }
  // The clock says how to stop it.
  tools_->SetClockTip(
      tr("Pause (%1)").arg(Action(Command::Pause)->shortcut().toString(QKeySequence::NativeText)));
  Action(Command::CancelGeneration)->setText(UiText(Text::Cancel));
  clearItem_->setText(UiText(Text::ClearItem));
  tools_->SetCaptions(UiText(Text::StepCaption), UiText(Text::BookmarkCaption),
                      UiText(Text::HighlightCaption));
}

bool SudokuWindow::FormCloseQuery() {
  const QAction* file = Action(Command::FileMenu);
  const QAction* exit = Action(Command::Exit);
  if (file->isVisible() && file->isEnabled() && exit->isVisible() && exit->isEnabled())
    return game_.ConfirmSaveFirst();
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
  const app::WindowStateAtClose state{isMaximized(), isMinimized(), r.x(),
                                      r.y(),         r.width(),     r.height()};
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
  s.wrongDigit = mistakes_.wrongDigit;
  s.missingMark = mistakes_.missingMark;
  s.paused = game_.Paused();
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
  // Alt with a digit, on the keypad too, toggles that pencil mark without a
  // pop-up; Ctrl with a digit belongs to the highlight items.
  const int digit = event->key() - Qt::Key_0;
  if ((event->modifiers() & Qt::AltModifier) && digit >= 1 && digit <= 9) {
    if (game_.Paused())
      game_.Resume();
    else
      game_.ToggleMark(digit);
    return;
  }
  game_.KeyDown(KeyOf(*event));
}

void SudokuWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange) game_.SetWindowMinimised(isMinimized());
}

bool SudokuWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && (watched == digitMenu_ || watched == marksMenu_)) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const int digit = key->key() - Qt::Key_0;
    if (digit >= 1 && digit <= 9 && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
      auto* menu = static_cast<QMenu*>(watched);
      QAction* item = (watched == digitMenu_ ? digitItems_ : markItems_)[digit - 1];
      menu->close();
      if (item->isEnabled()) item->trigger();
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void SudokuWindow::keyPressEvent(QKeyEvent* event) {
  OnKey(event);
}

QPoint SudokuWindow::PopupGlobalPoint(core::CellRef cell) const {
  return board_->mapToGlobal(board_->PopupPoint(cell));
}

// ---------------------------------------------------------------------------
// app::View

void SudokuWindow::SetMistakeMarks(const app::MistakeMarks& marks) {
  mistakes_ = marks;
  board_->RedrawBoard();
}

void SudokuWindow::SetBoardPaused(bool paused) {
  if (paused) hintWindow_->hide();
  board_->RedrawBoard();
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
  for (const CommandRow& row : CommandTable()) {
    // The tool bar shows the menu command's own action.
    if (row.twin == command) return;
    if (row.command != command && row.follows != command) continue;
    Action(row.command)->setEnabled(enabled);
    if (ToolImageButton* picture = tools_->Picture(row.panel)) picture->SetCommandEnabled(enabled);
  }
}

void SudokuWindow::SetCommandVisible(Command command, bool visible) {
  for (const CommandRow& row : CommandTable()) {
    if (row.twin == command) return;
    if (row.command == command || row.follows == command) Action(row.command)->setVisible(visible);
  }
}

void SudokuWindow::SetStepControls(const core::StepControls& c) {
  stepControls_ = c;
  for (const auto& [command, enabled] : {std::pair{Command::Undo, c.undo},
                                         {Command::FirstStep, c.undo},
                                         {Command::Redo, c.redo},
                                         {Command::LastStep, c.redo},
                                         {Command::SetBookmark, c.setBookmark},
                                         {Command::GoBookmark, c.goBookmark}})
    Action(command)->setEnabled(enabled);
}

void SudokuWindow::BlinkBookmarkButton() {
  // The button alone blinks; its menu item keeps its state.
  QToolButton* button = tools_->StepButton(PanelSlot::GoBookmark);
  button->setEnabled(false);
  QTimer::singleShot(140, this, [this, button] { button->setEnabled(stepControls_.goBookmark); });
}

void SudokuWindow::HideHintWindow() {
  hintWindow_->hide();
}

void SudokuWindow::SetClockRunning(bool running) {
  if (running)
    clockTimer_.start();
  else
    clockTimer_.stop();
}

void SudokuWindow::SetClockText(const std::string& text) {
  tools_->SetClockText(QString::fromStdString(text));
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

core::ModalResult SudokuWindow::ShowHintStage(const hints::HintStage& stage) {
  hintWindow_->SetStage(stage);
  if (stage.widen) {
    // The fish and chain explanations ask for a wider window; a diagram of
    // one link per line as wide as its longest line.
    const QRect g = hintWindow_->geometry();
    const int linesWidth = stage.fixedPitchBlock && stage.widen->fitFixedPitchLines
                               ? hintWindow_->FixedPitchLinesWidth()
                               : 0;
    const hints::WindowRect wide =
        hints::WidenHintWindow({g.x(), g.y(), g.width(), g.height()}, screenWidth_,
                               stage.widen->width, stage.widen->minimum, linesWidth);
    hintWindow_->setGeometry(wide.left, wide.top, wide.width, wide.height);
  }
  return ShowModal(*hintWindow_) == QDialog::Accepted ? core::ModalResult::Ok
                                                      : core::ModalResult::Cancel;
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
    connect(wait_.get(), &WaitDialog::cancelRequested, this, [this] { game_.RequestCancel(); });
  }
  wait_->Show(window);
  QCoreApplication::processEvents();
}

void SudokuWindow::CloseWaitWindow() {
  // A user who went to another program while a puzzle was generated is not
  // called back.
  const bool here = QApplication::activeWindow() != nullptr;
  wait_.reset();
  if (here) FocusBoardLater();
}

void SudokuWindow::SetCancelMenuShown(bool shown) {
  // The cancel item shows exactly while a generation runs; the menus and
  // panels the program does not track itself are locked for that time.
  // Disabling a panel keeps each button's own state for afterwards.
  Action(Command::CancelGeneration)->setVisible(shown);
  for (QAction* menu : {Action(Command::ActionMenu), Action(Command::HelpMenu)}) {
    menu->setVisible(!shown);
    menu->setEnabled(!shown);
  }
  speedBar_->setEnabled(!shown);
  tools_->setEnabled(!shown);
}

}  // namespace zentaro::ui
