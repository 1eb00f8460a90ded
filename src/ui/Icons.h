#pragma once

#include <QIcon>

namespace zentaro::ui {

// The small drawn icons of the speed buttons and the step panel.
enum class IconKind {
  Open,
  Save,
  Print,
  Rate,
  Settings,
  Help,
  MoveFirst,
  Undo,
  Redo,
  MoveLast,
  SetBookmark,
  GoBookmark,
  CheckMistakes,
  AppIcon
};

QIcon MakeIcon(IconKind kind);

}  // namespace zentaro::ui
