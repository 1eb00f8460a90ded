#pragma once

// "Print puzzles...": how many puzzles, how many to a page, which levels,
// whether the solutions follow, and a seed that makes the batch again.

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "app/NewPuzzle.h"
#include "app/PuzzleSheets.h"

namespace zentaro::ui {

class LevelGroup;

struct PrintPuzzlesChoice {
  int count = 12;
  int perPage = 4;
  app::LevelChoice levels;
  bool solutions = true;
  std::optional<std::uint32_t> seed;  // none: from the clock
};

class PrintPuzzlesDialog : public QDialog {
  Q_OBJECT

 public:
  explicit PrintPuzzlesDialog(const PrintPuzzlesChoice& current, QWidget* parent = nullptr);

  PrintPuzzlesChoice Choice() const;
  // Stays open on OK while no level is checked or the seed is not a number.
  void done(int result) override;
  // Tells the user why the dialog stays open; set by the window.
  void SetRefusal(std::function<void(const QString&)> refuse) { refuse_ = std::move(refuse); }

 private:
  std::function<void(const QString&)> refuse_;
  QSpinBox* count_;
  QComboBox* perPage_;
  LevelGroup* levelGroup_;
  QCheckBox* solutions_;
  QLineEdit* seed_;
  QPushButton* okButton_;
  QPushButton* cancelButton_;
};

// Makes the puzzles behind the generator's progress window, whose Cancel
// button stops the batch between candidates; nothing when cancelled. The
// window keeps the rest of the program out of reach meanwhile.
std::optional<std::vector<app::SheetPuzzle>> GenerateWithProgress(QWidget* parent,
                                                                  const PrintPuzzlesChoice& choice);

}  // namespace zentaro::ui
