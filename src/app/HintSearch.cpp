// The hint request: the checks, the reconciliation of the user's pencil marks
// with the computed ones, the search through the techniques from the simplest
// upwards, the explanation of the first instance found, "&Do it !", and the
// end steps that put the window back as it was on every way out.

#include "app/HintSearch.h"

#include <algorithm>
#include <array>
#include <bit>
#include <functional>
#include <optional>
#include <utility>

#include "app/Game.h"
#include "core/StringTable.h"
#include "hints/Explanations.h"
#include "techniques/Chains.h"
#include "techniques/Fish.h"
#include "techniques/LockedCandidates.h"
#include "techniques/Pipeline.h"
#include "techniques/Singles.h"
#include "techniques/Subsets.h"

namespace zentaro::app {

using core::kButtonsOk;
using core::kButtonsYesNo;
using core::kCount;
using core::kDigit;
using core::LoadText;
using core::Text;
using core::MsgKind;
using core::Board;
using core::Cell;
using core::UnitCountTable;
using techniques::TechniqueResult;

namespace {

constexpr char kCR = '\r';

// The chain passes, cheapest first; contradictions only at the very end,
// since they are sound only for a puzzle with one solution.
struct ChainPass {
  int maxDepth;
  bool useHiddenSingles;
  bool allowContradiction;
};
constexpr std::array<ChainPass, 9> kChainPasses{{
    {2, false, false},
    {1, true, false},
    {3, false, false},
    {4, false, false},
    {2, true, false},
    {3, true, false},
    {4, true, false},
    {4, false, true},
    {4, true, true},
}};

// A progress bar's step before the search sets its own.
constexpr int kDefaultProgressStep = 10;

int EmptyCells(const Board& board) {
  return 81 - core::CountDigits(board);
}

bool SameMarks(const Cell& a, const Cell& b) {
  for (int d = 1; d <= 9; ++d)
    if (a.HasCandidate(d) != b.HasCandidate(d)) return false;
  return true;
}

// The empty cells of `to` take their marks (flags and count) from `from`.
void CopyEmptyCellMarks(const Board& from, Board& to) {
  for (int c = 1; c <= 9; ++c)
    for (int r = 1; r <= 9; ++r) {
      Cell& cell = to.at(c, r);
      if (cell[kDigit] != 0) continue;
      for (int k = 1; k <= kCount; ++k) cell[k] = from.at(c, r)[k];
    }
}

// The third row (column) of the band (stack) of a two-block lock holds none
// of the candidates; when its six cells in the two blocks are all filled the
// instance says nothing the player could not see at a glance.
bool TwoBlockThirdLineFilled(const Board& board, const TechniqueResult& r) {
  if (r.lines[0] < 1 || r.lines[0] > 9 || r.lines[1] < 1 || r.lines[1] > 9) return false;
  const int first = 3 * ((r.lines[0] - 1) / 3) + 1;
  int third = first;
  while (third == r.lines[0] || third == r.lines[1]) ++third;
  for (const int block : {r.block, r.secondBlock}) {
    if (block < 1 || block > 9) return false;
    const core::BlockBounds b = core::BoundsOfBlock(block - 1);
    for (int k = 0; k < 3; ++k) {
      const int col = r.orientation == 0 ? b.firstCol + k : third;
      const int row = r.orientation == 0 ? third : b.firstRow + k;
      if (board.at(col, row)[kDigit] == 0) return false;
    }
  }
  return true;
}

int SubsetSize(const TechniqueResult& r, HintTechnique technique) {
  if (technique == HintTechnique::NakedSubset) return std::popcount(r.digitSet);
  int n = 0;
  for (const int d : r.subsetDigits) n += d > 0 ? 1 : 0;
  return n;
}

}  // namespace

std::string HintTechniqueName(HintTechnique technique, const TechniqueResult& result) {
  static constexpr std::array<const char*, 5> kSizes{"subset", "subset", "pair", "triple", "quad"};
  switch (technique) {
    case HintTechnique::None:
      return "none";
    case HintTechnique::SingleCandidate:
      return "single candidate";
    case HintTechnique::HiddenSingle:
      return "hidden single";
    case HintTechnique::NakedSubset:
    case HintTechnique::HiddenSubset: {
      const int size = SubsetSize(result, technique);
      const char* word = size >= 0 && size <= 4 ? kSizes[static_cast<std::size_t>(size)] : "subset";
      return std::string(technique == HintTechnique::NakedSubset ? "naked " : "hidden ") + word;
    }
    case HintTechnique::Pointing:
      return "pointing";
    case HintTechnique::TwoBlocks:
      return "two blocks";
    case HintTechnique::Claiming:
      return "claiming";
    case HintTechnique::XWing:
      return "X-Wing";
    case HintTechnique::Swordfish:
      return "Swordfish";
    case HintTechnique::ForcingChain:
      return "forcing chain";
    case HintTechnique::ContradictingChain:
      return "contradicting chain";
    case HintTechnique::NoHint:
      return "no hint";
  }
  return "none";
}

void Game::RequestHint() {
  if (IsEnabled(Command::Hint)) HintSearch();
}

// One request. The destructor is the end of the request, so the cursor, the
// menu and the setting come back on every way out, an exception included.
class HintRequest {
 public:
  explicit HintRequest(Game& game) : g_(game), v_(game.view_) {}
  ~HintRequest();
  HintRequest(const HintRequest&) = delete;
  HintRequest& operator=(const HintRequest&) = delete;

  void Run();

 private:
  // An instance found by an elimination step, with the call that applies it
  // to the working board once the user has said "&Do it !".
  struct Found {
    HintTechnique technique;
    int step;
    TechniqueResult result;
    std::function<void(Board&)> apply;
  };

  bool Start();
  bool ReconcileMarks();
  void BeginSearch();
  bool TrySingles();
  bool RequireCompleteMarks();
  std::optional<Found> FindElimination();
  std::optional<Found> StrictOrAnySteps(int step);
  std::optional<Found> NakedLeading(int size, bool strict, int step, bool* met = nullptr);
  std::optional<Found> NakedAny(int size, bool strict, int step);
  std::optional<Found> FindChainHint();

  void OfferSingle(HintTechnique technique, int step, const TechniqueResult& result,
                   const std::function<void(Board&)>& place);
  void OfferElimination(const Found& found);
  void OfferNoHint();
  int Explain(const hints::Explanation& explanation);
  void Cancelled();

  void RestoreUserMarks();
  void RedrawChanged(const Board& before);
  void StepProgress();
  void ShowProgress();
  void Finish() noexcept;
  void CopyChangesToComputed();

  Game& g_;
  View& v_;

  bool started_ = false;
  bool finished_ = false;
  bool savedRemoveMarks_ = true;
  bool searching_ = false;  // the highlights and the hint window are in use

  Board snapBoard_{};
  bool snapAsk_ = true;
  bool snapReduced_ = false;
  Board work_{};
  Board beforeAction_{};
  bool marksComplete_ = false;
  bool marksAny_ = false;
  bool hintMarks_ = false;  // the working marks were computed by the hint
  bool applied_ = false;
  int solutionCount_ = 0;

  bool level1To4_ = false;
  bool pairMet_ = false, pointingMet_ = false, claimingMet_ = false;
  bool xWingMet_ = false, swordfishMet_ = false;

  WaitWindow wait_;
  bool waitOpen_ = false;
  int progressStep_ = kDefaultProgressStep;
};

void Game::HintSearch() {
  HintRequest request(*this);
  request.Run();
}

HintRequest::~HintRequest() {
  Finish();
}

void HintRequest::Run() {
  g_.hint_.last = HintReport{};
  if (!Start()) return;
  if (!ReconcileMarks()) return;
  BeginSearch();
  if (TrySingles()) return;
  if (!RequireCompleteMarks()) return;

  wait_.caption = kAppTitle;
  wait_.line1.clear();
  wait_.line2 = kSearchingForHintText;
  wait_.visible = false;
  wait_.cancelVisible = false;
  wait_.position = 0;
  wait_.maximum = 100;
  waitOpen_ = true;
  v_.ShowWaitWindow(wait_);

  level1To4_ = g_.counters_.level >= 1 && g_.counters_.level <= 4;
  if (const std::optional<Found> found = FindElimination()) {
    OfferElimination(*found);
    return;
  }
  OfferNoHint();
}

// The setting, the cursor and the menu, then the positions no hint can help
// with: a solved board, and one without a solution.
bool HintRequest::Start() {
  savedRemoveMarks_ = g_.prefs_.removeMarksOnFill;
  g_.prefs_.removeMarksOnFill = true;
  v_.SetBusyCursor(true);
  started_ = true;
  g_.SetEnabled(Command::Hint, false);
  if (g_.puzzle_.highlightDigit != 0) g_.HighlightButtonClick(g_.puzzle_.highlightDigit, false);

  snapBoard_ = g_.puzzle_.board;
  snapAsk_ = g_.puzzle_.askMarksSource;
  snapReduced_ = g_.puzzle_.marksReduced;

  if (81 - core::CountFilled(g_.puzzle_.digits) == 0) {
    v_.ShowMessageBox(LoadText(Text::PuzzleIsSolved), MsgKind::Information, kButtonsOk);
    return false;
  }

  const Board copy = g_.puzzle_.board;
  solutionCount_ = g_.SolveAndCount(copy, true);
  if (solutionCount_ == 0) {
    v_.ShowMessageBox(LoadText(Text::NoSolution), MsgKind::Error, kButtonsOk);
    return false;
  }
  if (solutionCount_ >= 2 && g_.prefs_.warnMultipleSolutions)
    v_.ShowMessageBox(LoadText(Text::PuzzleNotGood) + kCR + LoadText(Text::MultipleSolutionsMeaning) + kCR + LoadText(Text::NotSolvableByLogic),
                      MsgKind::Warning, kButtonsOk);

  marksComplete_ = core::CheckMarks(g_.puzzle_.board, marksAny_);
  ++g_.counters_.generalHints;
  return true;
}

// Which pencil marks the search works on: the digits' own candidates when
// the player's are incomplete, else the player's or, if they differ from the
// computed ones, whichever the player chooses.
bool HintRequest::ReconcileMarks() {
  if (marksAny_ && !marksComplete_) {
    core::BuildFromDigitsPlain(g_.puzzle_.digits, work_);
    hintMarks_ = true;
    return true;
  }
  work_ = g_.puzzle_.board;
  if (!marksComplete_ || core::BoardsEqual(g_.puzzle_.board, g_.puzzle_.computed)) return true;

  int answer = core::kResultYes;
  if (g_.puzzle_.askMarksSource)
    answer = v_.AskThreeButtonQuestion(kAppTitle, LoadText(Text::MarksDiffer) + kCR + LoadText(Text::WhichMarksQuestion), LoadText(Text::CurrentChoice),
                            LoadText(Text::ComputedChoice), LoadText(Text::Cancel));
  if (answer == core::kResultYes) {
    g_.puzzle_.askMarksSource = false;
    return true;
  }
  if (answer != core::kResultNo) return false;

  // The computed marks replace the user's, as a step of their own.
  CopyEmptyCellMarks(g_.puzzle_.computed, g_.puzzle_.board);
  g_.AddStep();
  work_ = g_.puzzle_.board;
  core::ExtractDigits(g_.puzzle_.board, g_.puzzle_.digits);
  v_.RedrawBoard();
  ++g_.counters_.candidatesCalculated;
  return true;
}

// The warning about several solutions has had its one showing for this
// puzzle. Without any marks the search looks at the computed ones, lent to
// the board unseen.
void HintRequest::BeginSearch() {
  g_.prefs_.warnMultipleSolutions = false;
  hints::ClearHighlights(g_.hint_.highlights);
  g_.hint_.highlightOn = true;
  searching_ = true;
  v_.SetHintHighlights(g_.hint_.highlights, true);
  v_.PlaceHintWindow();

  if (!marksAny_) {
    // Not drawn: the marks stand on the board only while the search looks.
    CopyEmptyCellMarks(g_.puzzle_.computed, g_.puzzle_.board);
    work_ = g_.puzzle_.board;
    hintMarks_ = true;
  }
}

bool HintRequest::TrySingles() {
  const int most = marksComplete_ ? 6 : 3;
  int empty = EmptyCells(work_);
  int digit = -1, row = -1, col = -1;

  int fullCol = -1, fullRow = -1;
  if (techniques::FindSingleInFullestUnit(work_, 1, most, fullCol, fullRow) &&
      techniques::PlaceNakedSingleAt(work_, fullCol, fullRow, empty, true, digit, row, col) == 1) {
    TechniqueResult r;
    r.singleKind = true;
    r.singleDigit = digit;
    r.singleColumn = col;
    r.singleRow = row;
    OfferSingle(HintTechnique::SingleCandidate, 1, r, [fullCol, fullRow](Board& b) {
      int e = EmptyCells(b), d = -1, rr = -1, cc = -1;
      techniques::PlaceNakedSingleAt(b, fullCol, fullRow, e, false, d, rr, cc);
    });
    return true;
  }

  const auto hiddenSingle = [&](int step) {
    UnitCountTable bc{}, rc{}, cc{};
    TechniqueResult r;
    if (techniques::FindHiddenSingle(work_, empty, techniques::HiddenSingleMode::ReportOnly,
                                     r.singleBlockUnit, r.singleRowUnit, r.singleColumnUnit,
                                     r.singleDigit, r.singleRow, r.singleColumn, bc, rc, cc) != 1)
      return false;
    r.singleKind = false;
    OfferSingle(HintTechnique::HiddenSingle, step, r, [](Board& b) {
      UnitCountTable bc2{}, rc2{}, cc2{};
      int e = EmptyCells(b), bu = -1, ru = -1, cu = -1, d = -1, rr = -1, c2 = -1;
      techniques::FindHiddenSingle(b, e, techniques::HiddenSingleMode::PlaceFirst, bu, ru, cu, d,
                                   rr, c2, bc2, rc2, cc2);
    });
    return true;
  };

  {
    UnitCountTable bc{}, rc{}, cc{};
    if (techniques::CountBlockHiddenSingles(work_, bc, rc, cc) > 0 && hiddenSingle(2)) return true;
  }

  if (techniques::FindNakedSingle(work_, empty, true, digit, row, col) == 1) {
    TechniqueResult r;
    r.singleKind = true;
    r.singleDigit = digit;
    r.singleColumn = col;
    r.singleRow = row;
    OfferSingle(HintTechnique::SingleCandidate, 3, r, [](Board& b) {
      int e = EmptyCells(b), d = -1, rr = -1, cc = -1;
      techniques::FindNakedSingle(b, e, false, d, rr, cc);
    });
    return true;
  }

  return hiddenSingle(4);
}

// Between the singles and the rest: everything else needs every candidate.
bool HintRequest::RequireCompleteMarks() {
  if (hintMarks_) {
    RestoreUserMarks();
    hintMarks_ = false;
  }
  work_ = g_.puzzle_.board;
  if (marksComplete_) return true;

  const Board before = g_.puzzle_.board;
  core::ClearEmptyCellMarks(g_.puzzle_.board);
  RedrawChanged(before);
  const bool hideWait = waitOpen_ && wait_.visible;
  if (hideWait) {
    wait_.visible = false;
    v_.ShowWaitWindow(wait_);
  }
  const int answer = v_.ShowMessageBox(LoadText(Text::HintNeedsCandidates) + kCR + LoadText(Text::FillCandidatesForHintQuestion), MsgKind::Confirmation,
                                       kButtonsYesNo);
  if (hideWait) {
    wait_.visible = true;
    v_.ShowWaitWindow(wait_);
  }
  if (answer != core::kResultYes) return false;
  if (!g_.FillCandidates()) return false;

  snapBoard_ = g_.puzzle_.board;
  snapAsk_ = g_.puzzle_.askMarksSource;
  snapReduced_ = g_.puzzle_.marksReduced;
  work_ = g_.puzzle_.board;
  marksComplete_ = core::CheckMarks(g_.puzzle_.board, marksAny_);
  return true;
}

std::optional<HintRequest::Found> HintRequest::NakedLeading(int size, bool strict, int step,
                                                            bool* met) {
  TechniqueResult r;
  bool strictFlag = strict;
  const int code = techniques::NakedSubsetToSingle(work_, size, strictFlag, true, r);
  if (met != nullptr) *met = r.metAny;
  if (code != techniques::kNakedSubset || (strict && !r.strict)) return std::nullopt;
  return Found{HintTechnique::NakedSubset, step, r, [size, strict](Board& b) {
                 bool s = strict;
                 TechniqueResult x;
                 techniques::NakedSubsetToSingle(b, size, s, false, x);
               }};
}

std::optional<HintRequest::Found> HintRequest::NakedAny(int size, bool strict, int step) {
  TechniqueResult r;
  r.strict = strict;
  if (techniques::FindNakedSubset(work_, size, 0, true, r) <= 0 || (strict && !r.strict))
    return std::nullopt;
  return Found{HintTechnique::NakedSubset, step, r, [size, strict](Board& b) {
                 TechniqueResult x;
                 x.strict = strict;
                 techniques::FindNakedSubset(b, size, 0, false, x);
               }};
}

// Exact subsets and pointing for their eliminations alone: early for the
// easier levels, after the two-block and claiming searches otherwise.
std::optional<HintRequest::Found> HintRequest::StrictOrAnySteps(int step) {
  if (pairMet_)
    if (auto found = NakedAny(2, true, step)) return found;
  if (pointingMet_) {
    TechniqueResult r;
    if (techniques::FindPointing(work_, true, r) > 0)
      return Found{HintTechnique::Pointing, step, r, [](Board& b) {
                     TechniqueResult x;
                     techniques::FindPointing(b, false, x);
                   }};
  }
  for (int size = 3; size <= 4; ++size)
    if (auto found = NakedAny(size, true, step)) return found;
  return std::nullopt;
}

std::optional<HintRequest::Found> HintRequest::FindElimination() {
  if (auto found = NakedLeading(2, true, 5, &pairMet_)) return found;

  {
    TechniqueResult r;
    if (techniques::PointingToSingle(work_, true, r) == techniques::kPointing)
      return Found{HintTechnique::Pointing, 6, r, [](Board& b) {
                     TechniqueResult x;
                     techniques::PointingToSingle(b, false, x);
                   }};
    pointingMet_ = r.metAny;
  }

  for (int size = 3; size <= 4; ++size)
    if (auto found = NakedLeading(size, true, 7)) return found;

  if (level1To4_)
    if (auto found = StrictOrAnySteps(8)) return found;

  {
    TechniqueResult r;
    if (techniques::TwoBlockLockToSingle(work_, true, r) == techniques::kTwoBlockLock &&
        !TwoBlockThirdLineFilled(work_, r))
      return Found{HintTechnique::TwoBlocks, 9, r, [](Board& b) {
                     TechniqueResult x;
                     techniques::TwoBlockLockToSingle(b, false, x);
                   }};
  }

  {
    TechniqueResult r;
    if (techniques::ClaimingToSingle(work_, true, r) == techniques::kClaiming)
      return Found{HintTechnique::Claiming, 10, r, [](Board& b) {
                     TechniqueResult x;
                     techniques::ClaimingToSingle(b, false, x);
                   }};
    claimingMet_ = r.metAny;
  }

  if (auto found = NakedLeading(3, false, 11)) return found;

  if (!level1To4_)
    if (auto found = StrictOrAnySteps(12)) return found;

  {
    TechniqueResult r;
    if (techniques::FindTwoBlockLock(work_, true, true, r) > 0 &&
        !TwoBlockThirdLineFilled(work_, r))
      return Found{HintTechnique::TwoBlocks, 13, r, [](Board& b) {
                     TechniqueResult x;
                     techniques::FindTwoBlockLock(b, true, false, x);
                   }};
  }

  if (claimingMet_) {
    TechniqueResult r;
    if (techniques::FindClaimingInRowsOrColumns(work_, true, r) > 0)
      return Found{HintTechnique::Claiming, 14, r, [](Board& b) {
                     TechniqueResult x;
                     techniques::FindClaimingInRowsOrColumns(b, false, x);
                   }};
  }

  if (auto found = NakedLeading(4, false, 15)) return found;

  for (int size = 3; size <= 4; ++size) {
    bool met = false;
    if (auto found = NakedLeading(size, false, 16, &met)) return found;
    if (met)
      if (auto found = NakedAny(size, false, 16)) return found;
  }

  StepProgress();
  {
    TechniqueResult r;
    if (techniques::XWingToSingle(work_, true, r) == techniques::kXWing)
      return Found{HintTechnique::XWing, 17, r, [](Board& b) {
                     TechniqueResult x;
                     techniques::XWingToSingle(b, false, x);
                   }};
    xWingMet_ = r.metAny;
  }

  // From here on the search may take a moment; the progress window shows.
  wait_.maximum = 100;
  progressStep_ = wait_.maximum / 20;
  wait_.visible = true;
  ShowProgress();
  const techniques::HiddenSubsetSkips noSkips;
  for (int size = 2; size <= 4; ++size) {
    StepProgress();
    TechniqueResult r;
    if (techniques::FindHiddenSubset(work_, size, noSkips, true, true, r) > 0)
      return Found{HintTechnique::HiddenSubset, 18, r, [size](Board& b) {
                     const techniques::HiddenSubsetSkips none;
                     TechniqueResult x;
                     techniques::FindHiddenSubset(b, size, none, true, false, x);
                   }};
  }

  StepProgress();
  {
    TechniqueResult r;
    if (techniques::SwordfishToSingle(work_, true, r) == techniques::kSwordfish)
      return Found{HintTechnique::Swordfish, 19, r, [](Board& b) {
                     TechniqueResult x;
                     techniques::SwordfishToSingle(b, false, x);
                   }};
    swordfishMet_ = r.metAny;
  }

  if (xWingMet_) {
    StepProgress();
    TechniqueResult r;
    int orientation = -1;
    if (techniques::FindXWing(work_, true, 0, orientation, r) > 0)
      return Found{HintTechnique::XWing, 20, r, [](Board& b) {
                     TechniqueResult x;
                     int o = -1;
                     techniques::FindXWing(b, false, 0, o, x);
                   }};
  }

  if (swordfishMet_) {
    StepProgress();
    TechniqueResult r;
    int orientation = -1;
    if (techniques::FindSwordfish(work_, true, 0, r, orientation) > 0)
      return Found{HintTechnique::Swordfish, 21, r, [](Board& b) {
                     TechniqueResult x;
                     int o = -1;
                     techniques::FindSwordfish(b, false, 0, x, o);
                   }};
  }

  return FindChainHint();
}

std::optional<HintRequest::Found> HintRequest::FindChainHint() {
  for (const ChainPass pass : kChainPasses) {
    StepProgress();
    // A fresh record each pass: the chain texts start empty.
    TechniqueResult r;
    int empty = EmptyCells(work_);
    const int forcing = techniques::FindChain(work_, true, pass.allowContradiction,
                                              pass.useHiddenSingles, pass.maxDepth, empty, r);
    if (forcing == 1 && r.excludedDigit == 0) {
      // The forced digit goes straight into its cell.
      return Found{HintTechnique::ForcingChain, 22, r, [r](Board& b) {
                     Cell& cell = b.at(r.cellColumn, r.cellRow);
                     cell.fill(0);
                     cell[kDigit] = r.digit;
                     core::RemoveFromPeers(b, {r.cellColumn, r.cellRow});
                   }};
    }
    if (r.excludedDigit > 0)
      return Found{HintTechnique::ContradictingChain, 22, r, [pass](Board& b) {
                     TechniqueResult x;
                     int e = EmptyCells(b);
                     techniques::FindChain(b, false, pass.allowContradiction, pass.useHiddenSingles,
                                           pass.maxDepth, e, x);
                   }};
  }
  return std::nullopt;
}

int HintRequest::Explain(const hints::Explanation& explanation) {
  if (g_.hint_.col > 0 && g_.hint_.row > 0) v_.RedrawCell({g_.hint_.col, g_.hint_.row});
  if (g_.puzzle_.highlightDigit != 0) g_.HighlightButtonClick(g_.puzzle_.highlightDigit, false);
  const auto showStage = [this](const hints::HintStage& stage) {
    if (stage.hintCell) {
      g_.hint_.col = stage.hintCell->col;
      g_.hint_.row = stage.hintCell->row;
    }
    g_.hint_.highlights = stage.highlights;
    g_.hint_.highlightOn = true;
    v_.SetHintHighlights(g_.hint_.highlights, true);
    const int result = v_.ShowHintStage(stage);
    g_.hint_.highlights = stage.highlightsAfter;
    v_.SetHintHighlights(g_.hint_.highlights, g_.hint_.highlightOn);
    return result;
  };
  const auto showMessage = [this](const std::string& text) {
    v_.ShowMessageBox(text, MsgKind::Information, kButtonsOk);
  };
  return hints::DriveExplanation(explanation, showStage, showMessage, g_.counters_.concreteHints);
}

void HintRequest::OfferSingle(HintTechnique technique, int step, const TechniqueResult& result,
                              const std::function<void(Board&)>& place) {
  g_.hint_.last.technique = technique;
  g_.hint_.last.step = step;
  g_.hint_.last.result = result;

  // A single is explained on a board without pencil marks when the marks
  // are only the hint's own.
  if (hintMarks_) {
    const Board before = g_.puzzle_.board;
    core::ClearEmptyCellMarks(g_.puzzle_.board);
    RedrawChanged(before);
  }
  const bool userMarks = !hintMarks_;
  const hints::Explanation explanation =
      technique == HintTechnique::SingleCandidate
          ? hints::ExplainSingleCandidate(g_.puzzle_.board, result, userMarks)
          : hints::ExplainHiddenSingle(g_.puzzle_.board, result, userMarks);
  if (Explain(explanation) != hints::kModalOk) {
    Cancelled();
    return;
  }
  g_.hint_.last.explained = true;

  const int col = result.singleColumn, row = result.singleRow;
  place(work_);
  const int digit = work_.at(col, row)[kDigit];
  // The finder places what it reported; anything else would not be the step
  // that was explained, so nothing is done.
  if (digit != result.singleDigit) {
    Cancelled();
    return;
  }

  beforeAction_ = g_.puzzle_.board;
  g_.hint_.last.beforeApply = beforeAction_;
  if (hintMarks_) core::ClearEmptyCellMarks(g_.puzzle_.board);
  core::FillCell(g_.puzzle_.board, {col, row}, digit);
  g_.puzzle_.computed.at(col, row)[kDigit] = digit;
  core::RemoveFromPeers(g_.puzzle_.computed, {col, row});

  const core::BlockBounds b = core::BoundsOfBlock(core::BlockOf(col, row));
  for (int k = 1; k <= 9; ++k) {
    v_.RedrawCell({k, row});
    if (k != row) v_.RedrawCell({col, k});
  }
  for (int c = b.firstCol; c <= b.lastCol; ++c)
    for (int r = b.firstRow; r <= b.lastRow; ++r)
      if (c != col && r != row) v_.RedrawCell({c, r});

  if (technique == HintTechnique::HiddenSingle) {
    g_.hint_.col = col;
    g_.hint_.row = row;
  }
  applied_ = true;
  g_.hint_.last.applied = true;
}

void HintRequest::OfferElimination(const Found& found) {
  g_.hint_.last.technique = found.technique;
  g_.hint_.last.step = found.step;
  g_.hint_.last.result = found.result;

  const TechniqueResult& r = found.result;
  hints::Explanation explanation;
  switch (found.technique) {
    case HintTechnique::NakedSubset:
      explanation = hints::ExplainNakedSubset(work_, r, true);
      break;
    case HintTechnique::Pointing:
      explanation = hints::ExplainPointing(work_, r, true);
      break;
    case HintTechnique::TwoBlocks:
      explanation = hints::ExplainTwoBlocks(work_, r, true);
      break;
    case HintTechnique::Claiming:
      explanation = hints::ExplainClaiming(work_, r, true);
      break;
    case HintTechnique::XWing:
      explanation = hints::ExplainXWing(work_, r, true);
      break;
    case HintTechnique::HiddenSubset:
      explanation = hints::ExplainHiddenSubset(work_, r, true);
      break;
    case HintTechnique::Swordfish:
      explanation = hints::ExplainSwordfish(work_, r, true);
      break;
    case HintTechnique::ForcingChain:
    case HintTechnique::ContradictingChain:
      explanation = hints::ExplainChains(work_, r, true);
      break;
    default:
      return;
  }
  if (Explain(explanation) != hints::kModalOk) {
    Cancelled();
    return;
  }
  g_.hint_.last.explained = true;

  beforeAction_ = g_.puzzle_.board;
  g_.hint_.last.beforeApply = beforeAction_;
  found.apply(work_);
  g_.puzzle_.board = work_;
  if (core::BoardsEqual(beforeAction_, g_.puzzle_.board)) return;

  // A chain places its digit; the computed candidates follow it at once.
  for (int c = 1; c <= 9; ++c)
    for (int row = 1; row <= 9; ++row) {
      const int digit = g_.puzzle_.board.at(c, row)[kDigit];
      if (digit == beforeAction_.at(c, row)[kDigit]) continue;
      g_.puzzle_.computed.at(c, row)[kDigit] = digit;
      core::RemoveFromPeers(g_.puzzle_.computed, {c, row});
      --g_.puzzle_.emptyCount;
    }
  if (found.technique != HintTechnique::ForcingChain &&
      found.technique != HintTechnique::ContradictingChain)
    g_.puzzle_.marksReduced = true;
  applied_ = true;
  g_.hint_.last.applied = true;
}

void HintRequest::OfferNoHint() {
  g_.hint_.last.technique = HintTechnique::NoHint;
  g_.hint_.last.step = 0;
  if (Explain(hints::ExplainNoHint(solutionCount_)) == hints::kModalOk)
    g_.hint_.last.explained = true;
  g_.hint_.highlightOn = false;
  hints::ClearHighlights(g_.hint_.highlights);
  v_.SetHintHighlights(g_.hint_.highlights, false);
}

void HintRequest::Cancelled() {
  g_.hint_.col = 0;
  g_.hint_.row = 0;
  if (hintMarks_) RestoreUserMarks();
}

// The empty cells get back the marks the user had when the request began.
void HintRequest::RestoreUserMarks() {
  const Board before = g_.puzzle_.board;
  CopyEmptyCellMarks(snapBoard_, g_.puzzle_.board);
  RedrawChanged(before);
}

void HintRequest::RedrawChanged(const Board& before) {
  for (int c = 1; c <= 9; ++c)
    for (int r = 1; r <= 9; ++r)
      if (before.at(c, r) != g_.puzzle_.board.at(c, r)) v_.RedrawCell({c, r});
}

void HintRequest::ShowProgress() {
  if (waitOpen_) v_.ShowWaitWindow(wait_);
}

void HintRequest::StepProgress() {
  if (!waitOpen_) return;
  if (wait_.position >= wait_.maximum) wait_.position = 0;
  wait_.position = std::min(wait_.position + progressStep_, wait_.maximum);
  ShowProgress();
}

// What a hint took out of the marks goes into the computed candidates too,
// so that the next request does not find the two sets different. Only the
// candidates the step removed are carried over: the user's own marks may
// differ from the computed ones elsewhere, and a cell's count must stay the
// number of its flags.
void HintRequest::CopyChangesToComputed() {
  Board& computed = g_.puzzle_.computed;
  for (int c = 1; c <= 9; ++c)
    for (int r = 1; r <= 9; ++r) {
      const Cell& now = g_.puzzle_.board.at(c, r);
      const Cell& was = beforeAction_.at(c, r);
      Cell& cell = computed.at(c, r);
      if (now[kDigit] != was[kDigit]) {
        if (cell[kDigit] != now[kDigit]) {
          cell[kDigit] = now[kDigit];
          core::RemoveFromPeers(computed, {c, r});
        }
        continue;
      }
      if (now[kDigit] != 0 || cell[kDigit] != 0 || SameMarks(now, was)) continue;
      for (int d = 1; d <= 9; ++d)
        if (was.HasCandidate(d) && !now.HasCandidate(d)) cell.RemoveCandidate(d);
    }
}

void HintRequest::Finish() noexcept {
  if (finished_ || !started_) return;
  finished_ = true;
  try {
    // Marks the hint computed for itself never outlive the request, however
    // it ended.
    if (hintMarks_ && !applied_) RestoreUserMarks();
    if (applied_) {
      CopyChangesToComputed();
      g_.AddStep();
    }
    core::ExtractDigits(g_.puzzle_.board, g_.puzzle_.digits);

    std::array<std::array<bool, 9>, 9> redraw{};
    for (int c = 1; c <= 9; ++c)
      for (int r = 1; r <= 9; ++r) {
        const hints::CellHighlight& h = g_.hint_.highlights.at(c, r);
        redraw[c - 1][r - 1] =
            g_.puzzle_.board.at(c, r) != snapBoard_.at(c, r) || h.hasMarkInfo || h.highlight || h.selected;
      }
    // The layer goes first, so that the cells below are drawn plain.
    g_.hint_.highlightOn = false;
    hints::ClearHighlights(g_.hint_.highlights);
    if (searching_) v_.SetHintHighlights(g_.hint_.highlights, false);
    for (int c = 1; c <= 9; ++c)
      for (int r = 1; r <= 9; ++r)
        if (redraw[c - 1][r - 1]) v_.RedrawCell({c, r});

    // Only a step of this request can have completed the puzzle; a board
    // that was complete before was answered with "The puzzle is solved."
    if (applied_ && core::MatchesSolution(g_.puzzle_.board, g_.puzzle_.solution)) {
      v_.HideHintWindow();
      g_.PuzzleSolved();
    }
  } catch (...) {
    // The restoring below must happen whatever went wrong above.
  }
  try {
    if (waitOpen_) v_.CloseWaitWindow();
    waitOpen_ = false;
  } catch (...) {
  }
  g_.prefs_.removeMarksOnFill = savedRemoveMarks_;
  g_.hint_.highlightOn = false;
  try {
    v_.SetBusyCursor(false);
    g_.SetEnabled(Command::Hint, true);
    g_.UpdateCountsDisplay(g_.puzzle_.board);
  } catch (...) {
  }
}

}  // namespace zentaro::app
