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

using core::Board;
using core::Cell;
using core::kButtonsOk;
using core::kButtonsYesNo;
using core::kCount;
using core::kDigit;
using core::LoadText;
using core::MsgKind;
using core::Text;
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

// A pencil mark for a digit that already stands in the cell's row, column or
// block says nothing true; a search that took it for a candidate could
// eliminate the very digit the solution puts there. The search leaves such
// marks out of its working board.
void DropMarksClashingWithPeers(Board& board) {
  for (int c = 1; c <= 9; ++c)
    for (int r = 1; r <= 9; ++r) {
      Cell& cell = board.at(c, r);
      if (cell[kDigit] != 0) continue;
      for (int d = 1; d <= 9; ++d)
        if (cell.HasCandidate(d) && !core::CanPlace(board, d, {c, r})) cell.RemoveCandidate(d);
    }
}

// Carries a step worked out on `searched` (which became `after`) over to the
// user's board: the digits it placed and the candidates it took out; marks
// the search had left out stay as the user set them.
void CarryStepOver(const Board& searched, const Board& after, Board& board) {
  for (int c = 1; c <= 9; ++c)
    for (int r = 1; r <= 9; ++r) {
      const Cell& was = searched.at(c, r);
      const Cell& now = after.at(c, r);
      if (now[kDigit] != was[kDigit]) {
        board.at(c, r) = now;
        continue;
      }
      if (now[kDigit] != 0) continue;
      for (int d = 1; d <= 9; ++d)
        if (was.HasCandidate(d) && !now.HasCandidate(d)) board.at(c, r).RemoveCandidate(d);
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

// --- The ladder -------------------------------------------------------------
//
// After the singles the search climbs these rungs in order and offers the
// first instance found. Every rung runs one finder twice: on the working
// board to look (apply false, the board unchanged), and again after "&Do it !"
// to carry the same instance out (apply true). A rung may wait for a flag an
// earlier rung set (the finder met an instance that led to no single) or for
// the puzzle's level, and may leave a flag of its own for later rungs.

using Finder = bool (*)(Board& board, bool apply, TechniqueResult& r);
using Explainer = hints::Explanation (*)(const Board& board, const TechniqueResult& r,
                                         bool userMarks, int helpContext);

// Conditions and flags of the rungs, as bits.
enum Flag : unsigned {
  kAlways = 0,
  kEasierLevel = 1u << 0,  // levels 1 to 4
  kHarderLevel = 1u << 1,  // any other level
  kPairMet = 1u << 2,
  kPointingMet = 1u << 3,
  kClaimingMet = 1u << 4,
  kXWingMet = 1u << 5,
  kSwordfishMet = 1u << 6,
  kSubsetMet = 1u << 7,  // the last leading naked subset search met one
};

struct Rung {
  int step;
  HintTechnique technique;
  unsigned needs;  // every flag here must be set
  Flag sets;       // set from the finder's metAny after looking; kAlways for none
  bool progress;   // advance the progress bar before looking
  Finder find;
};

template <int Size, bool Strict>
bool NakedToSingle(Board& b, bool apply, TechniqueResult& r) {
  bool strict = Strict;
  return techniques::NakedSubsetToSingle(b, Size, strict, !apply, r) ==
             techniques::TechniqueCode::NakedSubset &&
         (!Strict || r.strict);
}

template <int Size, bool Strict>
bool NakedPlain(Board& b, bool apply, TechniqueResult& r) {
  r.strict = Strict;
  return techniques::FindNakedSubset(b, Size, 0, !apply, r) > 0 && (!Strict || r.strict);
}

template <int Size>
bool HiddenPlain(Board& b, bool apply, TechniqueResult& r) {
  const techniques::HiddenSubsetSkips none;
  return techniques::FindHiddenSubset(b, Size, none, true, !apply, r) > 0;
}

bool PointingLeading(Board& b, bool apply, TechniqueResult& r) {
  return techniques::PointingToSingle(b, !apply, r) == techniques::TechniqueCode::Pointing;
}

bool PointingPlain(Board& b, bool apply, TechniqueResult& r) {
  return techniques::FindPointing(b, !apply, r) > 0;
}

// A two-block lock whose third line is already full says nothing new.
bool TwoBlocksLeading(Board& b, bool apply, TechniqueResult& r) {
  return techniques::TwoBlockLockToSingle(b, !apply, r) ==
             techniques::TechniqueCode::TwoBlockLock &&
         !TwoBlockThirdLineFilled(b, r);
}

bool TwoBlocksPlain(Board& b, bool apply, TechniqueResult& r) {
  return techniques::FindTwoBlockLock(b, true, !apply, r) > 0 && !TwoBlockThirdLineFilled(b, r);
}

bool ClaimingLeading(Board& b, bool apply, TechniqueResult& r) {
  return techniques::ClaimingToSingle(b, !apply, r) == techniques::TechniqueCode::Claiming;
}

bool ClaimingPlain(Board& b, bool apply, TechniqueResult& r) {
  return techniques::FindClaimingInRowsOrColumns(b, !apply, r) > 0;
}

bool XWingLeading(Board& b, bool apply, TechniqueResult& r) {
  return techniques::XWingToSingle(b, !apply, r) == techniques::TechniqueCode::XWing;
}

bool XWingPlain(Board& b, bool apply, TechniqueResult& r) {
  return techniques::FindXWing(b, !apply, 0, r) > 0;
}

bool SwordfishLeading(Board& b, bool apply, TechniqueResult& r) {
  return techniques::SwordfishToSingle(b, !apply, r) == techniques::TechniqueCode::Swordfish;
}

bool SwordfishPlain(Board& b, bool apply, TechniqueResult& r) {
  return techniques::FindSwordfish(b, !apply, 0, r) > 0;
}

using enum HintTechnique;

// Exact subsets and pointing for their eliminations alone come early for the
// easier levels and after the two-block and claiming searches otherwise.
// From the hidden subsets on the search may take a moment: the progress
// window shows (kFirstSlowStep).
constexpr int kFirstSlowStep = 18;
constexpr std::array<Rung, 29> kLadder{{
    {5, NakedSubset, kAlways, kPairMet, false, NakedToSingle<2, true>},
    {6, Pointing, kAlways, kPointingMet, false, PointingLeading},
    {7, NakedSubset, kAlways, kAlways, false, NakedToSingle<3, true>},
    {7, NakedSubset, kAlways, kAlways, false, NakedToSingle<4, true>},
    {8, NakedSubset, kEasierLevel | kPairMet, kAlways, false, NakedPlain<2, true>},
    {8, Pointing, kEasierLevel | kPointingMet, kAlways, false, PointingPlain},
    {8, NakedSubset, kEasierLevel, kAlways, false, NakedPlain<3, true>},
    {8, NakedSubset, kEasierLevel, kAlways, false, NakedPlain<4, true>},
    {9, TwoBlocks, kAlways, kAlways, false, TwoBlocksLeading},
    {10, Claiming, kAlways, kClaimingMet, false, ClaimingLeading},
    {11, NakedSubset, kAlways, kAlways, false, NakedToSingle<3, false>},
    {12, NakedSubset, kHarderLevel | kPairMet, kAlways, false, NakedPlain<2, true>},
    {12, Pointing, kHarderLevel | kPointingMet, kAlways, false, PointingPlain},
    {12, NakedSubset, kHarderLevel, kAlways, false, NakedPlain<3, true>},
    {12, NakedSubset, kHarderLevel, kAlways, false, NakedPlain<4, true>},
    {13, TwoBlocks, kAlways, kAlways, false, TwoBlocksPlain},
    {14, Claiming, kClaimingMet, kAlways, false, ClaimingPlain},
    {15, NakedSubset, kAlways, kAlways, false, NakedToSingle<4, false>},
    {16, NakedSubset, kAlways, kSubsetMet, false, NakedToSingle<3, false>},
    {16, NakedSubset, kSubsetMet, kAlways, false, NakedPlain<3, false>},
    {16, NakedSubset, kAlways, kSubsetMet, false, NakedToSingle<4, false>},
    {16, NakedSubset, kSubsetMet, kAlways, false, NakedPlain<4, false>},
    {17, XWing, kAlways, kXWingMet, true, XWingLeading},
    {18, HiddenSubset, kAlways, kAlways, true, HiddenPlain<2>},
    {18, HiddenSubset, kAlways, kAlways, true, HiddenPlain<3>},
    {18, HiddenSubset, kAlways, kAlways, true, HiddenPlain<4>},
    {19, Swordfish, kAlways, kSwordfishMet, true, SwordfishLeading},
    {20, XWing, kXWingMet, kAlways, true, XWingPlain},
    {21, Swordfish, kSwordfishMet, kAlways, true, SwordfishPlain},
}};

// The explanation of each technique the ladder and the chains offer.
Explainer ExplainerOf(HintTechnique technique) {
  switch (technique) {
    case NakedSubset:
      return hints::ExplainNakedSubset;
    case Pointing:
      return hints::ExplainPointing;
    case TwoBlocks:
      return hints::ExplainTwoBlocks;
    case Claiming:
      return hints::ExplainClaiming;
    case XWing:
      return hints::ExplainXWing;
    case HiddenSubset:
      return hints::ExplainHiddenSubset;
    case Swordfish:
      return hints::ExplainSwordfish;
    case ForcingChain:
    case ContradictingChain:
      return hints::ExplainChains;
    default:
      return nullptr;
  }
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
  std::optional<Found> FindChainHint();

  void OfferSingle(HintTechnique technique, int step, const TechniqueResult& result,
                   const std::function<void(Board&)>& place);
  void OfferElimination(const Found& found);
  void OfferNoHint();
  int Explain(const hints::Explanation& explanation);
  void Cancelled();

  void RestoreUserMarks();
  void RedrawChanged(const Board& before);
  void CloseProgress();
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
  const std::optional<Found> found = FindElimination();
  // The search is over: its progress box goes before any answer shows, or
  // it would stand over the hint, or over the message that there is none.
  CloseProgress();
  if (found)
    OfferElimination(*found);
  else
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
    v_.ShowMessageBox(LoadText(Text::PuzzleNotGood) + kCR +
                          LoadText(Text::MultipleSolutionsMeaning) + kCR +
                          LoadText(Text::NotSolvableByLogic),
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
    answer = v_.AskThreeButtonQuestion(
        kAppTitle, LoadText(Text::MarksDiffer) + kCR + LoadText(Text::WhichMarksQuestion),
        LoadText(Text::CurrentChoice), LoadText(Text::ComputedChoice), LoadText(Text::Cancel));
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
  const auto nakedResult = [](const techniques::Single& single) {
    TechniqueResult r;
    techniques::ReportSingle(single, true, r);
    return r;
  };

  if (const std::optional<core::CellRef> full =
          techniques::FindSingleInFullestUnit(work_, 1, most)) {
    if (const auto single = techniques::PlaceNakedSingleAt(work_, *full, empty, true)) {
      OfferSingle(HintTechnique::SingleCandidate, 1, nakedResult(*single),
                  [cell = *full](Board& b) {
                    int e = EmptyCells(b);
                    techniques::PlaceNakedSingleAt(b, cell, e, false);
                  });
      return true;
    }
  }

  const auto hiddenSingle = [&](int step) {
    UnitCountTable bc{}, rc{}, cc{};
    const auto single = techniques::FindHiddenSingle(
        work_, empty, techniques::HiddenSingleMode::ReportOnly, bc, rc, cc);
    if (!single) return false;
    TechniqueResult r;
    techniques::ReportSingle(*single, false, r);
    OfferSingle(HintTechnique::HiddenSingle, step, r, [](Board& b) {
      UnitCountTable bc2{}, rc2{}, cc2{};
      int e = EmptyCells(b);
      techniques::FindHiddenSingle(b, e, techniques::HiddenSingleMode::PlaceFirst, bc2, rc2, cc2);
    });
    return true;
  };

  {
    UnitCountTable bc{}, rc{}, cc{};
    if (techniques::CountBlockHiddenSingles(work_, bc, rc, cc) > 0 && hiddenSingle(2)) return true;
  }

  if (const auto single = techniques::FindNakedSingle(work_, empty, true)) {
    OfferSingle(HintTechnique::SingleCandidate, 3, nakedResult(*single), [](Board& b) {
      int e = EmptyCells(b);
      techniques::FindNakedSingle(b, e, false);
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
  if (marksComplete_) {
    DropMarksClashingWithPeers(work_);
    return true;
  }

  const Board before = g_.puzzle_.board;
  core::ClearEmptyCellMarks(g_.puzzle_.board);
  RedrawChanged(before);
  const bool hideWait = waitOpen_ && wait_.visible;
  if (hideWait) {
    wait_.visible = false;
    v_.ShowWaitWindow(wait_);
  }
  const int answer = v_.ShowMessageBox(
      LoadText(Text::HintNeedsCandidates) + kCR + LoadText(Text::FillCandidatesForHintQuestion),
      MsgKind::Confirmation, kButtonsYesNo);
  if (hideWait) {
    wait_.visible = true;
    v_.ShowWaitWindow(wait_);
  }
  if (answer != core::kResultYes) {
    // No calculation: the user's own marks come back as they were.
    const Board cleared = g_.puzzle_.board;
    g_.puzzle_.board = before;
    RedrawChanged(cleared);
    return false;
  }
  if (!g_.FillCandidates()) return false;

  snapBoard_ = g_.puzzle_.board;
  snapAsk_ = g_.puzzle_.askMarksSource;
  snapReduced_ = g_.puzzle_.marksReduced;
  work_ = g_.puzzle_.board;
  marksComplete_ = core::CheckMarks(g_.puzzle_.board, marksAny_);
  return true;
}

std::optional<HintRequest::Found> HintRequest::FindElimination() {
  unsigned flags = level1To4_ ? kEasierLevel : kHarderLevel;
  bool slow = false;
  for (const Rung& rung : kLadder) {
    if ((flags & rung.needs) != rung.needs) continue;
    if (rung.step >= kFirstSlowStep && !slow) {
      slow = true;
      wait_.maximum = 100;
      progressStep_ = wait_.maximum / 20;
      wait_.visible = true;
      ShowProgress();
    }
    if (rung.progress) StepProgress();
    TechniqueResult r;
    const bool found = rung.find(work_, false, r);
    if (rung.sets != kAlways) flags = r.metAny ? flags | rung.sets : flags & ~unsigned{rung.sets};
    if (found)
      return Found{rung.technique, rung.step, r, [find = rung.find](Board& b) {
                     TechniqueResult x;
                     find(b, true, x);
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

  const Explainer explain = ExplainerOf(found.technique);
  if (explain == nullptr) return;
  const hints::Explanation explanation =
      explain(work_, found.result, true, hints::kMainWindowHelpContext);
  if (Explain(explanation) != hints::kModalOk) {
    Cancelled();
    return;
  }
  g_.hint_.last.explained = true;

  beforeAction_ = g_.puzzle_.board;
  g_.hint_.last.beforeApply = beforeAction_;
  const Board searched = work_;
  found.apply(work_);
  CarryStepOver(searched, work_, g_.puzzle_.board);
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

void HintRequest::CloseProgress() {
  if (waitOpen_) v_.CloseWaitWindow();
  waitOpen_ = false;
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
        redraw[c - 1][r - 1] = g_.puzzle_.board.at(c, r) != snapBoard_.at(c, r) || h.hasMarkInfo ||
                               h.highlight || h.selected;
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
    CloseProgress();
  } catch (...) {
    // A progress window that will not close must not keep the command
    // disabled or the hourglass up: the restoring goes on below.
  }
  g_.prefs_.removeMarksOnFill = savedRemoveMarks_;
  g_.hint_.highlightOn = false;
  try {
    v_.SetBusyCursor(false);
    g_.SetEnabled(Command::Hint, true);
    g_.UpdateCountsDisplay(g_.puzzle_.board);
  } catch (...) {
    // Finish runs from the destructor, where nothing may escape; what could
    // be restored has been.
  }
}

}  // namespace zentaro::app
