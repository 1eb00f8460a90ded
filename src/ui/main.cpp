#include <QApplication>

#include "app/Game.h"
#include "ui/SudokuWindow.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setOrganizationName("LomerinSoftware");
  QApplication::setApplicationName("Sudoku");
  QApplication::setApplicationDisplayName(zentaro::app::kAppTitle);
  QApplication::setApplicationVersion(ZENTARO_VERSION);

  zentaro::ui::SudokuWindow window;
  window.ShowWindow();
  return QApplication::exec();
}
