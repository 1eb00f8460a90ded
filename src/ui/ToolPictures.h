#pragma once

#include <QIcon>
#include <QImage>
#include <QString>

class QPainter;

namespace zentaro::ui {

// The four picture buttons of the tool panel.
enum class ToolButtonKind { NewPuzzle, Hint, Candidates, NoCandidates };

// Normal, hot (mouse over, command enabled) and pressed-or-disabled.
enum class ToolPictureState { Normal, Hot, Disabled };

inline constexpr int kToolPictureWidth = 190;
inline constexpr int kToolPictureHeight = 50;

// Paints one tool picture into the 190 x 50 rectangle at the painter's
// origin. The pictures are drawn, not loaded, so they stay sharp at any
// scale the painter is set to.
void PaintToolPicture(QPainter& p, ToolButtonKind kind, ToolPictureState state,
                      const QString& caption);

// The command caption a picture shows, from the string table.
QString ToolCaption(ToolButtonKind kind);

// One of the twelve named pictures ("NEW-NORM", "HINT-HI", "NO-CAND-DIS",
// ...) at the given device-pixel ratio; a null image for an unknown name.
QImage ToolPicture(const QString& name, qreal devicePixelRatio = 1.0);

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
  AppIcon
};

QIcon MakeIcon(IconKind kind);

}  // namespace zentaro::ui
