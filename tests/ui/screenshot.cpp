// Usage: zentaro-screenshot [window|maximised|level|hint|net|mistakes|whynot|board] OUTPUT.png
//        [PUZZLE-FILE]
//
// Opens the main window, reads the puzzle (a built-in one without a file),
// plays a few moves so that entries, pencil marks, the selection and a
// highlighted digit show, and saves a picture: of the window (the default),
// of the window maximised, of the window with the level dialog, the first
// hint stage, a forcing net's concrete stage (on a position of its own), the
// mistake check's marks and message or "why not here?" for the selected cell
// open, or of the board
// alone (run with QT_SCALE_FACTOR=2 for the high-density one).
// The dialogs are on the screen, so those pictures are taken from it.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "app/Game.h"
#include "ui/SudokuWindow.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QString what = "window";
  if (argc > 1 &&
      QStringList{"window", "maximised", "level", "hint", "net", "mistakes", "whynot", "board"}
          .contains(argv[1])) {
    what = argv[1];
    --argc;
    ++argv;
  }
  if (argc < 2) {
    std::fprintf(
        stderr,
        "usage: zentaro-screenshot [window|maximised|level|hint|net|mistakes|whynot|board] "
        "OUTPUT.png "
        "[PUZZLE-FILE]\n");
    return 2;
  }
  const QString output = QString::fromLocal8Bit(argv[1]);
  QApplication::setOrganizationName("LomerinSoftware");
  QApplication::setApplicationName("Sudoku");

  QTemporaryDir temp;
  QString puzzle = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
  if (puzzle.isEmpty() && what == "net") {
    // Puzzle 49 of the forum-hardest collection after its first two hints
    // (A2-2, B3=2): its next hint is a short forcing net whose last links
    // are pointing ones, so the whole concrete stage fits in the window.
    const QByteArray line =
        "..8...3...72..9.4.1.......2.6...4......98.......7.6.5.2.......1.9.4...6...3...8..";
    puzzle = temp.filePath("net.sdk");
    QFile file(puzzle);
    if (!file.open(QIODevice::WriteOnly)) return 1;
    file.write("[Software]\r\nProgram: Zentaro\r\n\r\n\r\n\r\n[Puzzle]\r\n");
    for (int row = 0; row < 9; ++row) file.write(line.mid(row * 9, 9) + "\r\n");
  } else if (puzzle.isEmpty()) {
    puzzle = temp.filePath("easy1.sdk");
    QFile file(puzzle);
    if (!file.open(QIODevice::WriteOnly)) return 1;
    file.write(
        "[Software]\r\nProgram: Zentaro\r\n\r\n\r\n\r\n[Puzzle]\r\n"
        "..3.2.6..\r\n9..3.5..1\r\n..18.64..\r\n..81.29..\r\n7.......8\r\n"
        "..67.82..\r\n..26.95..\r\n8..2.3..9\r\n..5.1.3..\r\n");
  }

  // The picture shows the default look, whatever the user's settings say.
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, temp.path());
  zentaro::ui::SudokuWindow window;
  window.SetDataFolder(temp.path());
  window.Settings() = zentaro::app::Settings{};
  window.Settings().loadOnStartup = false;
  window.Settings().maximized = what == "maximised";
  window.Settings().left = 40;
  window.Settings().top = 40;
  window.Settings().width = 940;
  window.Settings().height = 720;
  window.ShowWindow();
  // Without a window manager nobody else gives a maximised window the screen.
  if (what == "maximised") {
    window.setGeometry(window.screen()->availableGeometry());
    window.showMaximized();
  }

  zentaro::app::Game& game = window.Game();
  if (!game.ReadPuzzleFile(QDir::toNativeSeparators(puzzle).toStdString())) return 1;
  // The level dialog comes first on a puzzle just read, with nothing to save.
  if (what == "net") {
    if (!game.FillCandidates()) return 1;
  } else if (argc <= 2 && what != "level") {
    // A few moves of a game in progress: entries, marks, a highlighted digit.
    auto place = [&](int col, int row, int digit) {
      game.BoardMouseDown({col, row}, zentaro::app::MouseButton::Other);
      game.PlaceDigit(digit);
    };
    // The mistake check's picture has one wrong digit (5 for 4) to mark.
    place(1, 1, what == "mistakes" ? 5 : 4);
    place(2, 1, 8);
    place(9, 1, 7);
    game.HighlightButtonClick(8, true);
    game.BoardMouseDown({2, 5}, zentaro::app::MouseButton::Other);
    for (int d : {1, 3, 5}) game.ToggleMark(d);
    game.BoardMouseDown({4, 5}, zentaro::app::MouseButton::Other);
    for (int d : {4, 5, 9}) game.ToggleMark(d);
    game.BoardMouseDown({5, 5}, zentaro::app::MouseButton::Other);
  }

  int status = 1;
  // The window as the screen shows it, with whatever stands over it.
  const auto shootScreen = [&] {
    QRect r = window.frameGeometry();
    for (const QWidget* w : QApplication::topLevelWidgets())
      if (w->isVisible()) r = r.united(w->frameGeometry());
    const QPixmap shot = window.screen()->grabWindow(0, r.x(), r.y(), r.width(), r.height());
    status = shot.save(output) ? 0 : 1;
    QApplication::exit(status);  // leaves a dialog's loop too
  };
  QTimer::singleShot(300, &window, [&] {
    if (what == "board") {
      // The grid with its coordinates, without the background around it.
      const zentaro::ui::BoardWidget& board = *window.Board();
      const QRect grid = board.CellRect({1, 1}).united(board.CellRect({9, 9}));
      const int margin = grid.width() / 12;
      status =
          window.Board()->grab(grid.adjusted(-margin, -margin, margin / 2, margin / 2)).save(output)
              ? 0
              : 1;
      QApplication::exit(status);
    } else if (what == "window" || what == "maximised") {
      status = window.grab().save(output) ? 0 : 1;
      QApplication::exit(status);
    } else {
      QTimer::singleShot(what == "net" ? 1500 : 600, &window, shootScreen);
      if (what == "level")
        game.NewPuzzle();
      else if (what == "mistakes")
        game.CheckForMistakes();
      else if (what == "whynot")
        game.WhyNotHere();
      else {
        if (what == "net") {
          // On to the concrete stage once the general one shows.
          QTimer::singleShot(300, &window, [] {
            for (QWidget* w : QApplication::topLevelWidgets())
              if (w->isVisible() && w->objectName() == "HintFrm")
                if (auto* button = w->findChild<QPushButton*>("ActionButton")) button->click();
          });
        }
        game.RequestHint();
      }
    }
  });
  QApplication::exec();
  return status;
}
