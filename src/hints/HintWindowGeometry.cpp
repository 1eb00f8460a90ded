#include "hints/HintWindowGeometry.h"

#include <algorithm>
#include <cstdlib>

namespace zentaro::hints {

WindowRect PlaceHintWindow(const WindowRect& boardOnScreen, int screenWidth) {
  WindowRect rect;
  rect.left = boardOnScreen.left + boardOnScreen.width + 2;
  rect.top = boardOnScreen.top;
  rect.width = std::min(screenWidth >= 900 ? 400 : 300, screenWidth - rect.left);
  if (rect.width < kHintWindowMinWidth) {
    rect.width = kHintWindowMinWidth;
    rect.left = screenWidth - kHintWindowMinWidth;
  }
  rect.height = kHintWindowHeight;
  return rect;
}

WindowRect KeepHintWindowOffBoard(const WindowRect& placed, const WindowRect& boardOnScreen,
                                  int screenLeft, int screenWidth) {
  if (placed.left >= boardOnScreen.Right()) return placed;
  const int room = boardOnScreen.left - 2 - screenLeft;
  if (room < kHintWindowMinWidth) return placed;
  WindowRect rect = placed;
  rect.width = std::min(room, screenWidth >= 900 ? 400 : 300);
  rect.left = boardOnScreen.left - 2 - rect.width;
  return rect;
}

HintWindowFit GrowHintWindow(const WindowRect& window, int boxChrome, int lineCount, int fontHeight,
                             const MainWindowFrame& mainWindow, int desktopHeight) {
  HintWindowFit fit{window, false};
  WindowRect& rect = fit.rect;
  const int lineHeight = std::abs(fontHeight) + 2;
  const int needed = (lineCount + 2) * lineHeight + 4;
  while (rect.height - boxChrome < needed) {
    rect.height += lineHeight;
    if (rect.height > kHintWindowMaxGrowHeight) break;
  }

  if (rect.Bottom() > mainWindow.bottom) rect.top = mainWindow.clientTop;
  if (rect.Bottom() > mainWindow.bottom) rect.top = mainWindow.top;
  if (rect.Bottom() > mainWindow.bottom) rect.top = 1;
  if (rect.Bottom() > mainWindow.bottom) {
    rect.height = desktopHeight - 5;
    fit.scrollBars = true;
  }
  return fit;
}

HintWindowFit GrowToShowAllText(const HintWindowFit& grown, int boxChrome, int textHeight,
                                const MainWindowFrame& mainWindow, int desktopHeight) {
  HintWindowFit fit = grown;
  WindowRect& rect = fit.rect;
  if (fit.scrollBars || rect.height - boxChrome >= textHeight) return fit;
  const int wanted = textHeight + boxChrome;
  if (wanted <= desktopHeight - 5)
    for (int top : {rect.top, mainWindow.clientTop, mainWindow.top, 1})
      if (top <= rect.top && top + wanted <= mainWindow.bottom) {
        rect.top = top;
        rect.height = wanted;
        return fit;
      }
  rect.height = std::max(rect.height, std::min(mainWindow.bottom - rect.top, desktopHeight - 5));
  fit.scrollBars = true;
  return fit;
}

WindowRect WidenHintWindow(const WindowRect& window, int screenWidth, int wanted, int minimum,
                           int linesWidth) {
  WindowRect rect = window;
  rect.width = std::max(std::min(std::max(wanted, linesWidth), screenWidth - window.left), minimum);
  return rect;
}

}  // namespace zentaro::hints
