#pragma once

namespace zentaro::hints {

// A window rectangle in screen pixels.
struct WindowRect {
  int left = 0, top = 0, width = 0, height = 0;

  int Right() const { return left + width; }
  int Bottom() const { return top + height; }
  bool operator==(const WindowRect&) const = default;
};

inline constexpr int kHintWindowMinWidth = 205;
inline constexpr int kHintWindowHeight = 270;
inline constexpr int kHintWindowMaxGrowHeight = 1200;

// Where the hint window stands before the first stage of a request: 2 pixels
// right of the board, level with its top. `boardOnScreen` is the board's
// outer frame in screen coordinates (the main window's client origin plus the
// board's left and top, with the full drawn board size); `screenWidth` is the
// width recorded when the main window was first shown. The window is 400 wide
// on screens of 900 pixels or more, else 300, clipped at the screen's right
// edge; if that leaves less than 205 it stands 205 wide at the right edge.
WindowRect PlaceHintWindow(const WindowRect& boardOnScreen, int screenWidth);

// Near the screen's right edge the rule above puts the window over the
// board's last columns. Where the screen has room for it left of the board,
// it stands there instead (2 pixels off the board, as wide as the rule would
// make it, or as the room allows); else it keeps the rule's place.
WindowRect KeepHintWindowOffBoard(const WindowRect& placed, const WindowRect& boardOnScreen,
                                  int screenLeft, int screenWidth);

// The main window as the growth rule sees it.
struct MainWindowFrame {
  int top = 0;        // outer top
  int clientTop = 0;  // the client area's top, screen y
  int bottom = 0;     // outer bottom edge
};

struct HintWindowFit {
  WindowRect rect;
  bool scrollBars = false;  // both scroll bars on the box
};

// The growth rule run each time the window is shown. `boxChrome` is the
// window's height minus the text box's client height (frame, caption and the
// button row), which stays the same as the window grows. `fontHeight` is the
// box font's height as stored (negative for a character height).
//
// Grows by whole lines of |fontHeight| + 2 until the box holds lineCount + 2
// lines (plus 4 pixels), stopping at the first height above 1200; then moves
// the window up (client top, outer top, y = 1) until its bottom is not below
// the main window's; failing that it becomes desktopHeight - 5 high and
// scrolls.
HintWindowFit GrowHintWindow(const WindowRect& window, int boxChrome, int lineCount, int fontHeight,
                             const MainWindowFrame& mainWindow, int desktopHeight);

// The rule above counts |fontHeight| + 2 pixels a line, but the lines as laid
// out may be taller (a larger line spacing, the fixed-pitch font), so a long
// text can still be cut off at the bottom. `textHeight` is the text's height
// as laid out at the box's width. A window the rule left without scroll bars
// whose box holds the text stays exactly as the rule made it; otherwise it
// grows on to the text's height, at the first of its own top, the main
// window's client top, its top and y = 1 where its bottom stays inside the
// main window, and where none has the room it keeps its place, reaches down
// to the main window's bottom (at most desktopHeight - 5 high) and scrolls.
HintWindowFit GrowToShowAllText(const HintWindowFit& grown, int boxChrome, int textHeight,
                                const MainWindowFrame& mainWindow, int desktopHeight);

// The widening before the concrete stage of the fish and chain hints: `wanted`
// wide, or as wide as the space to the screen's right edge when that is less,
// but never below `minimum` (0 for none). `linesWidth` is the window width at
// which the lines that must not wrap (a diagram in the fixed-pitch font) fit,
// as measured; when it is more than `wanted` the window takes it instead,
// within the same screen edge (0: nothing measured).
WindowRect WidenHintWindow(const WindowRect& window, int screenWidth, int wanted, int minimum,
                           int linesWidth = 0);

}  // namespace zentaro::hints
