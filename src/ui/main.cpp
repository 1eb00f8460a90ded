#include <QApplication>

#include "app/Game.h"
#include "ui/SudokuWindow.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setOrganizationName("LomerinSoftware");
  QApplication::setApplicationName("Sudoku");
  QApplication::setApplicationDisplayName(zentaro::app::kAppTitle);
  QApplication::setApplicationVersion("1.4");

  zentaro::ui::SudokuWindow window;
  window.ShowWindow();
  return QApplication::exec();
}
