#pragma once

namespace zentaro::core {

// The help contexts: the numbers the "Help" buttons and "&Explain" open the
// help pages at, each an anchor in those pages.
inline constexpr int kHelpContents = 0;  // the contents page
inline constexpr int kSettingsHelpContext = 1100;
// The main window's and the hint window's; every hint stage carries it.
inline constexpr int kMainWindowHelpContext = 1300;

}  // namespace zentaro::core
