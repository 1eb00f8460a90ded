#include "app/NewPuzzle.h"

namespace zentaro::app {

namespace {
constexpr int kEasyClueTarget = 30;
constexpr int kEasyClueSpread = 3;
constexpr int kClueTarget = 27;
}  // namespace

bool LevelChoiceAcceptable(const LevelChoice& choice) {
  if (choice.anyLevel) return true;
  for (const bool level : choice.levels)
    if (level) return true;
  return false;
}

GenerationAim DrawGenerationAim(const LevelChoice& choice, core::Random& random) {
  GenerationAim aim;
  // Without a wanted level the draw below would never end.
  const bool any = !LevelChoiceAcceptable(choice) || choice.anyLevel;
  for (int level = 1; level <= 5; ++level)
    aim.wanted[static_cast<std::size_t>(level)] =
        any || choice.levels[static_cast<std::size_t>(level - 1)];
  do aim.aimedLevel = random.Below(5) + 1;
  while (!aim.wanted[static_cast<std::size_t>(aim.aimedLevel)]);

  if (aim.aimedLevel == 1) {
    aim.targetClues = kEasyClueTarget + random.Below(kEasyClueSpread);
    aim.wanted = {};
    aim.wanted[1] = true;
  } else {
    aim.targetClues = kClueTarget;
  }
  return aim;
}

int DigitButtonTag(std::string_view caption) {
  if (caption.empty() || caption[0] < '0' || caption[0] > '9') return 0;
  return caption[0] - '0';
}

}  // namespace zentaro::app
