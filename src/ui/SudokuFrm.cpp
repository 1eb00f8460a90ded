#include "ui/SudokuFrm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QStandardPaths>
#include <QStatusBar>
#include <QToolBar>

#include "core/StringTable.h"
#include "hints/HintWindowGeometry.h"
#include "ui/Dialogs.h"
#include "ui/HintFrm.h"
#include "ui/ToolPictures.h"

namespace zentaro::ui {

using app::Command;

namespace {

QString Text(int id) {
  return QString::fromStdString(core::LoadText(id));
}

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

  Timer1.setObjectName("Timer1");
  Timer1.setInterval(1000);
  connect(&Timer1, &QTimer::timeout, this, [this] { game_.Timer1Timer(); });
  game_.SetNewPuzzleHandler([this] { game_.LoadFromFileButClick(); });

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
  command(Command::LoadFromDB1, "LoadFromDB1", QKeySequence(Qt::CTRL | Qt::Key_N));
  command(Command::Generatenew1, "Generatenew1")->setVisible(false);
  command(Command::Loadpuzzle1, "Loadpuzzle1", QKeySequence(Qt::CTRL | Qt::Key_O));
  command(Command::Savepuzzle1, "Savepuzzle1", QKeySequence(Qt::CTRL | Qt::Key_S));
  command(Command::Savepuzzleas1, "Savepuzzleas1");
  command(Command::Print1, "Print1", QKeySequence(Qt::CTRL | Qt::Key_P));
  Settings1 = NewAction("Settings1");
  command(Command::Exit1, "Exit1");
  Exit1 = commandActions_[Command::Exit1];

  command(Command::Calculate1, "Calculate1", QKeySequence(Qt::CTRL | Qt::Key_M));
  command(Command::Showmarks1, "Showmarks1", QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_M));
  Undoonestep1 = NewAction("Undoonestep1", QKeySequence(Qt::CTRL | Qt::Key_Z));
  Redostep1 = NewAction("Redostep1", QKeySequence(Qt::CTRL | Qt::Key_Y));
  Gotofirststep1 = NewAction("Gotofirststep1");
  Gotolaststep1 = NewAction("Gotolaststep1");
  Setbookmark1 = NewAction("Setbookmark1");
  Gotobookmark1 = NewAction("Gotobookmark1");
  static constexpr std::array<const char*, 9> kHighlightNames{"N110", "N24", "N33", "N43", "N53",
                                                              "N63",  "N73", "N83", "N93"};
  for (int d = 1; d <= 9; ++d) {
    HighlightItems[d - 1] =
        NewAction(kHighlightNames[d - 1], QKeySequence(Qt::CTRL | (Qt::Key_0 + d)));
    HighlightItems[d - 1]->setText(QString::number(d));
  }
  command(Command::Rate1, "Rate1", QKeySequence(Qt::CTRL | Qt::Key_R));
  command(Command::Solve1, "Solve1");
  command(Command::Competitionmode1, "Competitionmode1")->setVisible(false);
  command(Command::Normalmode1, "Normalmode1")->setVisible(false);
  Stop1 = NewAction("Stop1");
  Stop1->setVisible(false);
  Stop1->setEnabled(false);
  Congratulations1 = NewAction("Congratulations1");
  Congratulations1->setVisible(false);
  BestResults1 = NewAction("BestResults1");
  BestResults1->setVisible(false);
  BestResults1->setEnabled(false);

  command(Command::Editmode1, "Editmode1");
  command(Command::Stopeditmode1, "Stopeditmode1");
  command(Command::ClearFixed1, "ClearFixed1");

  HelpOnProgram1 = NewAction("HelpOnProgram1", QKeySequence(Qt::Key_F1));
  command(Command::HintMenu1, "HintMenu1", QKeySequence(Qt::CTRL | Qt::Key_Q));
  About1 = NewAction("About1");
  CancelMenu = NewAction("CancelMenu");
  CancelMenu->setVisible(false);

  // The speed buttons have enabled states of their own.
  command(Command::OpenSpeedBut, "OpenSpeedBut")->setIcon(MakeIcon(IconKind::Open));
  command(Command::SaveSpeedBut, "SaveSpeedBut")->setIcon(MakeIcon(IconKind::Save));
  command(Command::PrintSpeedBut, "PrintSpeedBut")->setIcon(MakeIcon(IconKind::Print));
  command(Command::RateSpeedBut, "RateSpeedBut")->setIcon(MakeIcon(IconKind::Rate));
  SettingsSpeedBut = NewAction("SettingsSpeedBut");
  SettingsSpeedBut->setIcon(MakeIcon(IconKind::Settings));
  HelpSpeedBut = NewAction("HelpSpeedBut");
  HelpSpeedBut->setIcon(MakeIcon(IconKind::Help));
}

void SudokuWindow::CreateMenus() {
  QMenuBar* bar = menuBar();
  File1 = bar->addMenu(QString());
  File1->setObjectName("File1");
  File1->addAction(Action(Command::LoadFromDB1));
  File1->addAction(Action(Command::Generatenew1));
  File1->addAction(Action(Command::Loadpuzzle1));
  File1->addAction(Action(Command::Savepuzzle1));
  File1->addAction(Action(Command::Savepuzzleas1));
  File1->addSeparator();
  File1->addAction(Action(Command::Print1));
  File1->addSeparator();
  File1->addAction(Settings1);
  File1->addSeparator();
  File1->addAction(Exit1);

  Sudoku1 = bar->addMenu(QString());
  Sudoku1->setObjectName("Sudoku1");
  Sudoku1->addAction(Action(Command::Calculate1));
  Sudoku1->addAction(Action(Command::Showmarks1));
  Sudoku1->addSeparator();
  Step1 = Sudoku1->addMenu(QString());
  Step1->setObjectName("Step1");
  for (QAction* a :
       {Undoonestep1, Redostep1, Gotofirststep1, Gotolaststep1, Setbookmark1, Gotobookmark1})
    Step1->addAction(a);
  Highlight1 = Sudoku1->addMenu(QString());
  Highlight1->setObjectName("Highlight1");
  for (QAction* a : HighlightItems) Highlight1->addAction(a);
  Sudoku1->addSeparator();
  Sudoku1->addAction(Action(Command::Rate1));
  Sudoku1->addAction(Action(Command::Solve1));
  Sudoku1->addAction(Action(Command::Competitionmode1));
  Sudoku1->addAction(Action(Command::Normalmode1));
  Sudoku1->addAction(Stop1);
  Sudoku1->addAction(Congratulations1);
  Sudoku1->addAction(BestResults1);

  Edit1 = bar->addMenu(QString());
  Edit1->setObjectName("Edit1");
  Edit1->addAction(Action(Command::Editmode1));
  Edit1->addAction(Action(Command::Stopeditmode1));
  Edit1->addSeparator();
  Edit1->addAction(Action(Command::ClearFixed1));

  Help1 = bar->addMenu(QString());
  Help1->setObjectName("Help1");
  Help1->addAction(HelpOnProgram1);
  Help1->addAction(Action(Command::HintMenu1));
  Help1->addSeparator();
  Help1->addAction(About1);

  bar->addAction(CancelMenu);
}

void SudokuWindow::CreateToolBar() {
  speedBar_ = addToolBar(QString());
  speedBar_->setObjectName("SpeedBar");
  speedBar_->setMovable(false);
  speedBar_->setFloatable(false);
  speedBar_->setIconSize(QSize(22, 22));
  speedBar_->setContextMenuPolicy(Qt::PreventContextMenu);
  speedBar_->addAction(Action(Command::OpenSpeedBut));
  speedBar_->addAction(Action(Command::SaveSpeedBut));
  speedBar_->addAction(Action(Command::PrintSpeedBut));
  speedBar_->addSeparator();
  speedBar_->addAction(Action(Command::RateSpeedBut));
  speedBar_->addSeparator();
  speedBar_->addAction(SettingsSpeedBut);
  speedBar_->addAction(HelpSpeedBut);
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
  connect(tools_, &ToolPanel::DeselectRequested, this, [this] { game_.StepLabMouseDown(); });
  connect(tools_, &ToolPanel::MouseOverBackground, this, [this] { game_.Panel1MouseMove(); });
  connect(tools_, &ToolPanel::HighlightClicked, this,
          [this](int digit, bool down) { game_.SpeedButton1Click(digit, down); });
}

void SudokuWindow::CreateStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName("StatusBar1");
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
  PopupMenu2 = new QMenu(this);
  PopupMenu2->setObjectName("PopupMenu2");
  for (int d = 1; d <= 9; ++d) {
    QAction* a = PopupMenu2->addAction(QString::number(d));
    a->setObjectName(QString("N%1").arg(d * 10 + 2));
    connect(a, &QAction::triggered, this, [this, d] { game_.PlaceDigit(d); });
    DigitItems[d - 1] = a;
  }
  PopupMenu2->addSeparator();
  Clear2 = PopupMenu2->addAction(QString());
  Clear2->setObjectName("Clear2");
  connect(Clear2, &QAction::triggered, this, [this] { game_.Clear2Click(); });
  PopupMenu2->addSeparator();
  Cancel1 = PopupMenu2->addAction(QString());
  Cancel1->setObjectName("Cancel1");
  connect(Cancel1, &QAction::triggered, this, [this] { game_.Deselect(); });

  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName("PopupMenu1");
  for (int d = 1; d <= 9; ++d) {
    QAction* a = PopupMenu1->addAction(QString::number(d));
    a->setObjectName(QString("N%1").arg(d * 10 + 1));
    a->setCheckable(true);
    connect(a, &QAction::triggered, this, [this, d] { game_.N11Click(d); });
    MarkItems[d - 1] = a;
  }
  PopupMenu1->addSeparator();
  Cancel2 = PopupMenu1->addAction(QString());
  Cancel2->setObjectName("Cancel2");
  connect(Cancel2, &QAction::triggered, this, [this] { game_.Deselect(); });

  hintFrm_ = new HintWindow(this);
  connect(hintFrm_, &HintWindow::HelpRequested, this, [this](int context) {
    if (!help_) help_ = new HelpWindow(this);
    help_->ShowTopic(context);
    help_->show();
  });
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
  on(Action(Command::LoadFromDB1), [this] { game_.LoadFromFileButClick(); });
  on(Action(Command::Loadpuzzle1), [this] { game_.OpenFileButClick(); });
  on(Action(Command::OpenSpeedBut), [this] {
    if (Action(Command::Loadpuzzle1)->isEnabled()) game_.OpenFileButClick();
  });
  on(Action(Command::Savepuzzle1), [this] { game_.Savepuzzle1Click(); });
  on(Action(Command::SaveSpeedBut), [this] {
    if (Action(Command::Savepuzzle1)->isEnabled()) game_.Savepuzzle1Click();
  });
  on(Action(Command::Savepuzzleas1), [this] { game_.Savepuzzleas1Click(); });
  on(Action(Command::Print1), [this] { PrintButClick(); });
  on(Action(Command::PrintSpeedBut), [this] {
    if (Action(Command::Print1)->isEnabled()) PrintButClick();
  });
  on(Settings1, [this] { Settings1Click(); });
  on(SettingsSpeedBut, [this] {
    if (Settings1->isEnabled()) Settings1Click();
  });
  on(Exit1, [this] { close(); });

  on(Action(Command::Calculate1), [this] { game_.Calculate1Click(); });
  on(Action(Command::Showmarks1), [this] { game_.Showmarks1Click(); });
  on(Undoonestep1, [this] { game_.Undoonestep1Click(); });
  on(Redostep1, [this] { game_.Redostep1Click(); });
  on(Gotofirststep1, [this] { game_.Gotofirststep1Click(); });
  on(Gotolaststep1, [this] { game_.Gotolaststep1Click(); });
  on(Setbookmark1, [this] { game_.Setbookmark1Click(); });
  on(Gotobookmark1, [this] { game_.Gotobookmark1Click(); });
  for (int d = 1; d <= 9; ++d)
    on(HighlightItems[d - 1], [this, d] {
      if (tools_->SpeedButtons[d - 1]->isEnabled()) game_.HighlightMenuClick(d);
    });
  on(Action(Command::Rate1), [this] { game_.Rate1Click(); });
  on(Action(Command::RateSpeedBut), [this] { game_.RateSpeedButClick(); });
  on(Action(Command::Solve1), [this] { game_.Solve1Click(); });

  on(HelpOnProgram1, [this] { HelpOnProgram1Click(); });
  on(HelpSpeedBut, [this] {
    if (HelpOnProgram1->isEnabled()) HelpOnProgram1Click();
  });
  on(Action(Command::HintMenu1), [this] { game_.HintMenu1Click(); });
  on(About1, [this] { About1Click(); });
  connect(CancelMenu, &QAction::triggered, this, [this] { game_.CancelMenuClick(); });

  // The step buttons of Panel4.
  connect(tools_->UndoBut, &QToolButton::clicked, this, [this] { game_.UndoButClick(); });
  connect(tools_->RedoBut, &QToolButton::clicked, this, [this] { game_.RedoButClick(); });
  connect(tools_->MoveFirstBut, &QToolButton::clicked, this, [this] { game_.MoveFirstButClick(); });
  connect(tools_->MoveLastBut, &QToolButton::clicked, this, [this] { game_.MoveLastButClick(); });
  connect(tools_->SetBookmarkBut, &QToolButton::clicked, this,
          [this] { game_.SetBookmarkButClick(); });
  connect(tools_->GoBookmarkBut, &QToolButton::clicked, this,
          [this] { game_.GoBookmarkButClick(); });

  // The picture buttons.
  connect(tools_->NewBut, &ToolImageButton::Clicked, this,
          [this] { game_.LoadFromFileButClick(); });
  connect(tools_->HintBut, &ToolImageButton::Clicked, this, [this] {
    tools_->HintBut->SetHot(false);
    game_.HintButClick();
  });
  connect(tools_->CandidatesBut, &ToolImageButton::Clicked, this,
          [this] { game_.Calculate1Click(); });
  connect(tools_->NoCandidatesBut, &ToolImageButton::Clicked, this,
          [this] { game_.Showmarks1Click(); });
}

QAction* SudokuWindow::Action(Command command) const {
  const auto it = commandActions_.find(command);
  return it == commandActions_.end() ? nullptr : it->second;
}

// ---------------------------------------------------------------------------
// Life cycle

void SudokuWindow::FormCreate() {
  settings_.Left = settings_.Top = settings_.Width = settings_.Height = -100;
  const QSize screen =
      QApplication::primaryScreen() ? QApplication::primaryScreen()->size() : QSize(1024, 768);
  if (screen.width() < 700)
    setWindowFlags((windowFlags() & ~Qt::WindowMaximizeButtonHint) | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint);
  game_.SetVisible(Command::Rate1, true);
  game_.SetEnabled(Command::Rate1, true);
  game_.SetEnabled(Command::RateSpeedBut,
                   game_.IsEnabled(Command::Rate1) && game_.IsVisible(Command::RateSpeedBut));
}

void SudokuWindow::FormShow() {
  Congratulations1->setEnabled(false);

  for (Command c : {Command::Print1, Command::PrintSpeedBut, Command::RateSpeedBut}) {
    game_.SetVisible(c, true);
    Action(c)->setVisible(true);
  }
  game_.SetVisible(Command::Edit1, true);
  game_.SetVisible(Command::Editmode1, true);
  game_.SetEnabled(Command::Edit1, true);
  game_.SetEnabled(Command::Editmode1, true);
  game_.SetEnabled(Command::Stopeditmode1, !game_.IsEnabled(Command::Editmode1));
  game_.SetEnabled(Command::ClearFixed1, game_.IsEnabled(Command::Stopeditmode1));

  const QScreen* screen = this->screen() ? this->screen() : QApplication::primaryScreen();
  screenWidth_ = screen ? screen->size().width() : 1024;
  screenHeight_ = screen ? screen->size().height() : 768;

  for (QAction* a : MarkItems) a->setText(a->text().left(1) + Text(2081));
  Cancel1->setText(Text(2080));
  Cancel2->setText(Text(2080));

  SetCaption(app::kAppTitle);
  // The settings keep their defaults until they are stored between runs.
  game_.ResetForFirstShow(settings_.RemovePencilMarks);
  ApplyColors();

  int size = settings_.GridSize;
  if (size < 1 || size > 3) size = static_cast<int>(DefaultGridSize(screenWidth_, screenHeight_));
  SetGridSize(static_cast<GridSize>(size));

  SetCaptions();

  SetStatusText(1, std::string());
  game_.UpdateStepButtons();
  game_.UpdateCommands(false, false);
}

void SudokuWindow::ShowWindow() {
  FormShow();
  shown_ = true;
  const WindowSettings& s = settings_;
  const bool saved = s.Top >= -89 && s.Left >= -89 && s.Height >= -89 && s.Width > -90;
  if (saved && !s.Maximized) {
    setGeometry(s.Left, s.Top, s.Width, s.Height);
    show();
  } else {
    showMaximized();
  }
  board_->setFocus();
  // Queued, so that the level dialog comes up only once the window is there.
  QTimer::singleShot(0, this, [this] {
    if (settings_.LoadOnStartup) game_.LoadFromFileButClick();
  });
}

void SudokuWindow::ApplyColors() {
  BoardColors& colors = board_->Renderer().colors;
  colors.BackgroundColor = settings_.BackgroundColor;
  colors.CoordinatesColor = settings_.CoordinatesColor;
  colors.MarkColor = settings_.MarkColor;
  colors.HiColor = settings_.HiColor;
  colors.ClueCellColor = QApplication::palette().color(QPalette::Button);
  tools_->SetColors(settings_.BackgroundColor, settings_.CoordinatesColor);
  tools_->SetClockColor(settings_.CoordinatesColor);
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
  File1->setTitle(Text(2016));
  Sudoku1->setTitle(Text(2017));
  Edit1->setTitle(Text(2018));
  Help1->setTitle(Text(2019));
  Action(Command::LoadFromDB1)->setText(Text(2020));
  Action(Command::Generatenew1)->setText(Text(2021));
  BestResults1->setText(Text(2022));
  Action(Command::Loadpuzzle1)->setText(Text(2023));
  Action(Command::Savepuzzle1)->setText(Text(2024));
  Action(Command::Savepuzzleas1)->setText(Text(2025));
  Action(Command::Print1)->setText(Text(2026));
  Settings1->setText(Text(2027));
  Exit1->setText(Text(2028));
  Action(Command::Calculate1)->setText(Text(2029));
  Action(Command::Showmarks1)->setText(Text(2030));
  Action(Command::Rate1)->setText(Text(2031));
  Action(Command::Solve1)->setText(Text(2032));
  Action(Command::Competitionmode1)->setText("Start the puzzle in the &competition mode");
  Action(Command::Normalmode1)->setText("&Quit the competition mode");
  Stop1->setText("Stop");
  HelpOnProgram1->setText(Text(2036));
  Action(Command::HintMenu1)->setText(Text(2035));
  About1->setText(Text(2078));
  Action(Command::Editmode1)->setText(Text(2502));
  Action(Command::Stopeditmode1)->setText(Text(2503));
  Action(Command::ClearFixed1)->setText(Text(2504));
  CancelMenu->setText(Text(2080));
  Clear2->setText(Text(2037));

  // The speed buttons' hints.
  Action(Command::OpenSpeedBut)->setToolTip(Text(2636));
  Action(Command::SaveSpeedBut)->setToolTip(Text(2637));
  Action(Command::PrintSpeedBut)->setToolTip(Text(2638));
  Action(Command::RateSpeedBut)->setToolTip(Text(2639));
  SettingsSpeedBut->setToolTip(Text(2640));
  HelpSpeedBut->setToolTip(Text(2641));
  for (QAction* a : {Action(Command::OpenSpeedBut), Action(Command::SaveSpeedBut),
                     Action(Command::PrintSpeedBut), Action(Command::RateSpeedBut),
                     SettingsSpeedBut, HelpSpeedBut})
    a->setText(a->toolTip());
  tools_->MoveFirstBut->setToolTip(Text(2010));
  tools_->MoveLastBut->setToolTip(Text(2011));
  tools_->UndoBut->setToolTip(Text(2012));
  tools_->RedoBut->setToolTip(Text(2013));
  tools_->SetBookmarkBut->setToolTip(Text(2014));
  tools_->GoBookmarkBut->setToolTip(Text(2015));

  // The step items read as their buttons' hints.
  Undoonestep1->setText(tools_->UndoBut->toolTip());
  Redostep1->setText(tools_->RedoBut->toolTip());
  Gotofirststep1->setText(tools_->MoveFirstBut->toolTip());
  Gotolaststep1->setText(tools_->MoveLastBut->toolTip());
  Setbookmark1->setText(tools_->SetBookmarkBut->toolTip());
  Gotobookmark1->setText(tools_->GoBookmarkBut->toolTip());

  tools_->Label7->setText(Text(2001));
  tools_->StepLab->setText(Text(2002));
  tools_->Bookmarklab->setText(Text(2003));
  Highlight1->setTitle(tools_->Label7->text());
  Step1->setTitle(tools_->StepLab->text());
}

bool SudokuWindow::FormCloseQuery() {
  const bool fileMenu = File1->menuAction()->isVisible() && File1->menuAction()->isEnabled();
  const bool exit = Exit1->isVisible() && Exit1->isEnabled();
  if (fileMenu && exit) return game_.ConfirmSaveFirst();
  // A generation is running: stop it and let the window go.
  game_.CancelMenuClick();
  return true;
}

void SudokuWindow::FormClose() {
  Timer1.stop();
  if (help_) help_->close();
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
  s.clues = &game_.Puzzle().clues;
  s.curCol = game_.Puzzle().curCol;
  s.curRow = game_.Puzzle().curRow;
  s.highlightDigit = game_.Puzzle().highlightDigit;
  s.selectedInConflict = game_.IsConflictCell(game_.Puzzle().curCol, game_.Puzzle().curRow);
  return s;
}

void SudokuWindow::OnBoardMouseDown(Qt::MouseButton button, QPoint pos) {
  const auto [row, col] = board_->CellAtPoint(pos);
  const app::MouseButton b = button == Qt::LeftButton    ? app::MouseButton::Left
                             : button == Qt::RightButton ? app::MouseButton::Right
                                                         : app::MouseButton::Other;
  game_.FormMouseDown(col, row, b);
}

void SudokuWindow::OnBoardMouseMove(QPoint pos) {
  tools_->HideHotPictures();
  game_.FormMouseMove(board_->Geometry().InsideCells(pos));
}

void SudokuWindow::OnKey(QKeyEvent* event) {
  game_.FormKeyDown(KeyOf(*event));
}

void SudokuWindow::keyPressEvent(QKeyEvent* event) {
  OnKey(event);
}

QPoint SudokuWindow::PopupGlobalPoint(int col, int row) const {
  return board_->mapToGlobal(board_->PopupPoint(col, row));
}

// ---------------------------------------------------------------------------
// app::View

int SudokuWindow::RunModal(QDialog& dialog) {
  return dialog.exec();
}

int SudokuWindow::ShowMessageBox(const std::string& text, core::MsgKind kind, unsigned buttons) {
  MessageBox box(text, kind, buttons, this);
  RunModal(box);
  return box.Result();
}

void SudokuWindow::RedrawBoard() {
  board_->RedrawBoard();
}

void SudokuWindow::RedrawCell(int col, int row) {
  board_->RedrawCell(col, row);
}

void SudokuWindow::SetStatusText(int panel, const std::string& text) {
  if (panel >= 0 && panel < 3) status_[panel]->setText(QString::fromStdString(text));
}

void SudokuWindow::SetCaption(const std::string& caption) {
  setWindowTitle(QString::fromStdString(caption));
}

void SudokuWindow::SetCommandEnabled(Command command, bool enabled) {
  switch (command) {
    case Command::File1:
      File1->menuAction()->setEnabled(enabled);
      return;
    case Command::Edit1:
      Edit1->menuAction()->setEnabled(enabled);
      return;
    case Command::LoadFromDB1:
      tools_->NewBut->SetCommandEnabled(enabled);
      break;
    case Command::HintMenu1:
      tools_->HintBut->SetCommandEnabled(enabled);
      break;
    case Command::Calculate1:
      tools_->CandidatesBut->SetCommandEnabled(enabled);
      break;
    case Command::Showmarks1:
      tools_->NoCandidatesBut->SetCommandEnabled(enabled);
      break;
    default:
      break;
  }
  if (QAction* a = Action(command)) a->setEnabled(enabled);
}

void SudokuWindow::SetStepControls(const core::StepControls& c) {
  stepControls_ = c;
  for (QToolButton* b : {tools_->UndoBut, tools_->MoveFirstBut}) b->setEnabled(c.undo);
  for (QAction* a : {Undoonestep1, Gotofirststep1}) a->setEnabled(c.undo);
  for (QToolButton* b : {tools_->RedoBut, tools_->MoveLastBut}) b->setEnabled(c.redo);
  for (QAction* a : {Redostep1, Gotolaststep1}) a->setEnabled(c.redo);
  tools_->SetBookmarkBut->setEnabled(c.setBookmark);
  Setbookmark1->setEnabled(c.setBookmark);
  tools_->GoBookmarkBut->setEnabled(c.goBookmark);
  Gotobookmark1->setEnabled(c.goBookmark);
}

void SudokuWindow::BlinkBookmarkButton() {
  tools_->GoBookmarkBut->setEnabled(false);
  QTimer::singleShot(140, this,
                     [this] { tools_->GoBookmarkBut->setEnabled(stepControls_.goBookmark); });
}

void SudokuWindow::HideHintWindow() {
  hintFrm_->hide();
}

int SudokuWindow::ShowSolvedReport(const app::SolvedReport& report) {
  Treportfrm form(report, this);
  return RunModal(form) == QDialog::Accepted ? core::kResultOk : core::kResultCancel;
}

void SudokuWindow::SetClockRunning(bool running) {
  if (running)
    Timer1.start();
  else
    Timer1.stop();
}

void SudokuWindow::SetClockText(const std::string& text) {
  tools_->NFixedLab->setText(QString::fromStdString(text));
}

void SudokuWindow::OpenDigitPopup(int col, int row, bool clearEnabled) {
  Clear2->setEnabled(clearEnabled);
  // Not exec(): the chosen item acts once this click has been handled, as
  // a menu command arriving after it.
  PopupMenu2->popup(PopupGlobalPoint(col, row));
}

void SudokuWindow::OpenMarksPopup(int col, int row, const std::array<bool, 9>& checked) {
  for (int k = 0; k < 9; ++k) MarkItems[k]->setChecked(checked[k]);
  PopupMenu1->popup(PopupGlobalPoint(col, row));
}

void SudokuWindow::SetHighlightButtons(int digit) {
  tools_->SetHighlightDown(digit);
}

int SudokuWindow::AskYesNoDlg(const std::string& caption, const std::string& text,
                            const std::string& yesCaption, const std::string& noCaption,
                            const std::string& cancelCaption) {
  QuestionDialog dialog(caption, text, yesCaption, noCaption, cancelCaption, this);
  RunModal(dialog);
  return dialog.Result();
}

void SudokuWindow::PlaceHintWindow() {
  const QPoint corner = board_->mapToGlobal(board_->Geometry().BoardRect().topLeft());
  const int size = board_->Geometry().BoardSize();
  const hints::WindowRect rect =
      hints::PlaceHintWindow({corner.x(), corner.y(), size, size}, screenWidth_);
  hintFrm_->setGeometry(rect.left, rect.top, rect.width, rect.height);
}

int SudokuWindow::ShowHintStage(const hints::HintStage& stage) {
  hintFrm_->SetStage(stage);
  return RunModal(*hintFrm_) == QDialog::Accepted ? hints::kModalOk : hints::kModalCancel;
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
    connect(wait_->CancelBtn, &QPushButton::clicked, this,
            [this] { game_.CancelMenuClick(); });
  }
  wait_->setWindowTitle(QString::fromStdString(window.caption));
  wait_->Label1->setText(QString::fromStdString(window.line1));
  wait_->Label2->setText(QString::fromStdString(window.line2));
  wait_->ProgressBar1->setMaximum(window.maximum);
  wait_->ProgressBar1->setValue(window.position);
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
    ShowMessageBox(core::LoadText(2323), core::MsgKind::Information, core::kButtonsOk);
  };
  if (RunModal(dialog) != QDialog::Accepted) return std::nullopt;
  return dialog.Choice();
}

void SudokuWindow::SetCancelMenuShown(bool shown) {
  // The cancel item shows exactly while a generation runs; the menus and
  // panels the program does not track itself are locked for that time.
  // Disabling a panel keeps each button's own state for afterwards.
  CancelMenu->setVisible(shown);
  for (QMenu* menu : {Sudoku1, Help1}) {
    menu->menuAction()->setVisible(!shown);
    menu->menuAction()->setEnabled(!shown);
  }
  speedBar_->setEnabled(!shown);
  tools_->setEnabled(!shown);
}

void SudokuWindow::SetCommandVisible(Command command, bool visible) {
  switch (command) {
    case Command::File1:
      File1->menuAction()->setVisible(visible);
      return;
    case Command::Edit1:
      Edit1->menuAction()->setVisible(visible);
      return;
    default:
      break;
  }
  if (QAction* a = Action(command)) a->setVisible(visible);
}

std::optional<std::string> SudokuWindow::AskOpenFileName(const std::string& folder) {
  QFileDialog dialog(this);
  dialog.setObjectName("OpenDialog1");
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilters(NameFilters(core::LoadText(2325)));
  dialog.setDefaultSuffix("sdk");
  if (!folder.empty()) dialog.setDirectory(QString::fromStdString(folder));
  if (RunModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    return std::nullopt;
  return dialog.selectedFiles().first().toStdString();
}

std::optional<std::string> SudokuWindow::AskSaveFileName(const std::string& folder,
                                                       const std::string& proposedName) {
  QFileDialog dialog(this);
  dialog.setObjectName("SaveDialog1");
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters(NameFilters(core::LoadText(2038)));
  dialog.setDefaultSuffix("sdk");
  if (!folder.empty()) dialog.setDirectory(QString::fromStdString(folder));
  dialog.selectFile(QString::fromStdString(proposedName));
  if (RunModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    return std::nullopt;
  return dialog.selectedFiles().first().toStdString();
}

std::string SudokuWindow::DocumentsFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
}

// ---------------------------------------------------------------------------
// Commands whose dialogs come later

void SudokuWindow::PrintButClick() {
  // Printing comes later.
}

void SudokuWindow::Settings1Click() {
  // The settings dialog comes later.
}

void SudokuWindow::HelpOnProgram1Click() {
  if (!help_) help_ = new HelpWindow(this);
  help_->ShowTopic();
  help_->show();
  help_->raise();
}

void SudokuWindow::About1Click() {
  AboutBox box(QString::fromStdString(app::kAppTitle), this);
  RunModal(box);
}

}  // namespace zentaro::ui
