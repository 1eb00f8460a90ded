// The hint request: the checks, the reconciliation of the user's pencil marks
// with the computed ones, the search through the techniques from the simplest
// upwards, the explanation of the first instance found, "&Do it !", and the
// end steps that put the window back as it was on every way out.

#include "app/HintSearch.h"

#include <algorithm>
#include <array>
#include <functional>
#include <optional>
#include <utility>

#include "app/Game.h"
#include "core/StringTable.h"
#include "hints/Explanations.h"
#include "techniques/PatternSteps.h"
#include "techniques/Registry.h"
#include "techniques/Singles.h"

namespace zentaro::app {

using core::AddedText;
using core::Board;
using core::Cell;
using core::kButtonsOk;
using core::kButtonsYesNo;
using core::kCount;
using core::kDigit;
using core::kLineBreak;
using core::LoadText;
using core::MsgKind;
using core::Text;

namespace {

// A progress bar's step before the search sets its own.
constexpr int kDefaultProgressStep = 10;

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
bool TwoBlockThirdLineFilled(const Board& board, const techniques::TwoBlockStep& lock) {
  const auto [line1, line2] = lock.lineNumbers;
  if (line1 < 1 || line1 > 9 || line2 < 1 || line2 > 9) return false;
  const int first = 3 * ((line1 - 1) / 3) + 1;
  int third = first;
  while (third == line1 || third == line2) ++third;
  for (const int block : lock.blocks) {
    if (block < 1 || block > 9) return false;
    const core::BlockBounds b = core::BoundsOfBlock(block - 1);
    for (int k = 0; k < 3; ++k) {
      const bool rows = lock.lines == techniques::LineKind::Row;
      const int col = rows ? b.firstCol + k : third;
      const int row = rows ? third : b.firstRow + k;
      if (board.at(col, row)[kDigit] == 0) return false;
    }
  }
  return true;
}

// --- The ladder -------------------------------------------------------------
//
// After the singles the search climbs these rungs in order and offers the
// first instance found: each asks one technique of the registry for a step
// on the working board, which stays as it is; "&Do it !" then carries the
// step out. A rung may wait for a flag an earlier rung set (its search met
// an instance that led to no single) or for the puzzle's level, and may
// leave a flag of its own for later rungs.

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

// Whether a step found is worth offering; nullptr offers every step.
using Worth = bool (*)(const Board& board, const techniques::Step& step);

// A search for exact subsets may still meet a block whose cells hold more;
// the hint leaves that to the later, general rungs.
bool AllCellsExact(const Board& /*board*/, const techniques::Step& step) {
  return std::get<techniques::NakedSubsetStep>(step).exact;
}

// A two-block lock whose third line is already full says nothing new.
bool ThirdLineOpen(const Board& board, const techniques::Step& step) {
  return !TwoBlockThirdLineFilled(board, std::get<techniques::TwoBlockStep>(step));
}

struct Rung {
  int step;
  HintTechnique technique;
  techniques::Ask ask;
  unsigned needs;  // every flag here must be set
  Flag sets;       // set from the search's metAny; kAlways for none
  bool progress;   // advance the progress bar before looking
  Worth worth = nullptr;
};

using enum techniques::TechniqueId;
using techniques::Ask;
using techniques::Cells;
using techniques::ChainPass;
using techniques::Contradictions;
using techniques::HiddenSingles;
using techniques::Reach;

constexpr Ask Leading(int size = 0, Cells cells = Cells::Any) {
  return {Reach::ToSingle, size, cells, {}};
}
constexpr Ask Plain(int size = 0, Cells cells = Cells::Any) {
  return {Reach::AnyInstance, size, cells, {}};
}
constexpr Ask Chain(int depth, HiddenSingles hs, Contradictions c = Contradictions::No) {
  return {Reach::AnyInstance, 0, Cells::Any, ChainPass{depth, hs, c}};
}
constexpr Cells kExact = Cells::Exact;
constexpr HiddenSingles kNoHs = HiddenSingles::No;
constexpr HiddenSingles kHs = HiddenSingles::Yes;

// Exact subsets and pointing for their eliminations alone come early for the
// easier levels and after the two-block and claiming searches otherwise.
// From the hidden subsets on the search may take a moment: the progress
// window shows (kFirstSlowStep). The chains come last, cheapest first, with
// contradictions only at the very end, since they are sound only for a
// puzzle with one solution.
constexpr int kFirstSlowStep = 18;
constexpr int kChainStep = 22;
// The second ladder (techniques::PatternLadder()) goes on from here, a step
// per technique.
constexpr int kFirstPatternStep = kChainStep + 1;
constexpr std::array<Rung, 38> kLadder{{
    {5, NakedSubset, Leading(2, kExact), kAlways, kPairMet, false, AllCellsExact},
    {6, Pointing, Leading(), kAlways, kPointingMet, false},
    {7, NakedSubset, Leading(3, kExact), kAlways, kAlways, false, AllCellsExact},
    {7, NakedSubset, Leading(4, kExact), kAlways, kAlways, false, AllCellsExact},
    {8, NakedSubset, Plain(2, kExact), kEasierLevel | kPairMet, kAlways, false, AllCellsExact},
    {8, Pointing, Plain(), kEasierLevel | kPointingMet, kAlways, false},
    {8, NakedSubset, Plain(3, kExact), kEasierLevel, kAlways, false, AllCellsExact},
    {8, NakedSubset, Plain(4, kExact), kEasierLevel, kAlways, false, AllCellsExact},
    {9, TwoBlocks, Leading(), kAlways, kAlways, false, ThirdLineOpen},
    {10, Claiming, Leading(), kAlways, kClaimingMet, false},
    {11, NakedSubset, Leading(3), kAlways, kAlways, false},
    {12, NakedSubset, Plain(2, kExact), kHarderLevel | kPairMet, kAlways, false, AllCellsExact},
    {12, Pointing, Plain(), kHarderLevel | kPointingMet, kAlways, false},
    {12, NakedSubset, Plain(3, kExact), kHarderLevel, kAlways, false, AllCellsExact},
    {12, NakedSubset, Plain(4, kExact), kHarderLevel, kAlways, false, AllCellsExact},
    {13, TwoBlocks, Plain(), kAlways, kAlways, false, ThirdLineOpen},
    {14, Claiming, Plain(), kClaimingMet, kAlways, false},
    {15, NakedSubset, Leading(4), kAlways, kAlways, false},
    {16, NakedSubset, Leading(3), kAlways, kSubsetMet, false},
    {16, NakedSubset, Plain(3), kSubsetMet, kAlways, false},
    {16, NakedSubset, Leading(4), kAlways, kSubsetMet, false},
    {16, NakedSubset, Plain(4), kSubsetMet, kAlways, false},
    {17, XWing, Leading(), kAlways, kXWingMet, true},
    {18, HiddenSubset, Plain(2), kAlways, kAlways, true},
    {18, HiddenSubset, Plain(3), kAlways, kAlways, true},
    {18, HiddenSubset, Plain(4), kAlways, kAlways, true},
    {19, Swordfish, Leading(), kAlways, kSwordfishMet, true},
    {20, XWing, Plain(), kXWingMet, kAlways, true},
    {21, Swordfish, Plain(), kSwordfishMet, kAlways, true},
    {kChainStep, ForcingChain, Chain(2, kNoHs), kAlways, kAlways, true},
    {kChainStep, ForcingChain, Chain(1, kHs), kAlways, kAlways, true},
    {kChainStep, ForcingChain, Chain(3, kNoHs), kAlways, kAlways, true},
    {kChainStep, ForcingChain, Chain(4, kNoHs), kAlways, kAlways, true},
    {kChainStep, ForcingChain, Chain(2, kHs), kAlways, kAlways, true},
    {kChainStep, ForcingChain, Chain(3, kHs), kAlways, kAlways, true},
    {kChainStep, ForcingChain, Chain(4, kHs), kAlways, kAlways, true},
    {kChainStep, ForcingChain, Chain(4, kNoHs, Contradictions::Yes), kAlways, kAlways, true},
    {kChainStep, ForcingChain, Chain(4, kHs, Contradictions::Yes), kAlways, kAlways, true},
}};

}  // namespace

std::vector<LadderAsk> LadderForAnyInstance() {
  std::vector<LadderAsk> asks;
  for (const Rung& rung : kLadder) {
    Ask ask = rung.ask;
    if (ask.reach == Reach::ToSingle) ask.reach = Reach::AnyInstance;
    // Rungs that differ only in their reach are asked once, as the first
    // of them asks.
    const bool seen = std::ranges::any_of(asks, [&](const LadderAsk& a) {
      return a.technique == rung.technique && a.ask.size == ask.size && a.ask.cells == ask.cells &&
             a.ask.chain == ask.chain;
    });
    if (!seen) asks.push_back({rung.technique, ask});
  }
  return asks;
}

std::string HintTechniqueName(HintTechnique technique,
                              const std::optional<techniques::Step>& step) {
  return techniques::TechniqueName(technique, step ? *step : techniques::Step{});
}

void Game::RequestHint() {
  if (IsEnabled(Command::Hint)) HintSearch();
}

// One request. The destructor is the end of the request, so the cursor, the
// menu and the setting come back on every way out, an exception included.
class HintRequest {
 public:
  explicit HintRequest(HintHost& host)
      : host_(host),
        v_(host.HintView()),
        puzzle_(host.HintPosition()),
        hint_(host.HintDisplay()),
        counters_(host.HintCounters()),
        prefs_(host.HintPreferences()) {}
  ~HintRequest();
  bool OffersMistakeCheck() const { return offerMistakeCheck_; }
  HintRequest(const HintRequest&) = delete;
  HintRequest& operator=(const HintRequest&) = delete;

  void Run();

 private:
  // An instance found after the singles, with how it was asked for: its
  // registry row carries it out on the working board once the user has said
  // "&Do it !".
  struct Found {
    HintTechnique technique;
    int step;
    techniques::Step found;
    techniques::Ask ask;
  };

  bool Start();
  bool ReconcileMarks();
  void BeginSearch();
  bool TrySingles();
  // The player's marks are about to be searched: false when they leave out a
  // digit of the solution, after telling the player so.
  bool MarksHoldTheSolution();
  void UseComputedMarks();
  bool RequireCompleteMarks();
  std::optional<Found> FindElimination();
  std::optional<Found> FindPattern();

  void OfferSingle(HintTechnique technique, int step, const techniques::SingleStep& single);
  void OfferElimination(const Found& found);
  void OfferNoHint();
  core::ModalResult Explain(const hints::Explanation& explanation);
  void Cancelled();

  void RestoreUserMarks();
  void RedrawChanged(const Board& before);
  void CloseProgress();
  void StepProgress();
  void ShowProgress();
  void Finish() noexcept;
  void CopyChangesToComputed();

  HintHost& host_;
  View& v_;
  PuzzleState& puzzle_;
  HintState& hint_;
  PuzzleCounters& counters_;
  Preferences& prefs_;

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
  bool offerMistakeCheck_ = false;

  bool level1To4_ = false;

  WaitWindow wait_;
  bool waitOpen_ = false;
  int progressStep_ = kDefaultProgressStep;
};

void Game::HintSearch() {
  bool offerCheck = false;
  {
    HintRequest request(static_cast<HintHost&>(*this));
    request.Run();
    offerCheck = request.OffersMistakeCheck();
  }
  // A board without a solution, when the puzzle has one, holds a wrong digit:
  // the check can find it once the request has given the window back.
  if (offerCheck &&
      view_.ShowMessageBox(LoadText(AddedText::OfferMistakeCheck), MsgKind::Confirmation,
                           kButtonsYesNo) == core::ModalResult::Yes)
    CheckForMistakes();
}

HintRequest::~HintRequest() {
  Finish();
}

void HintRequest::Run() {
  hint_.last = HintReport{};
  if (!Start()) return;
  if (!ReconcileMarks()) return;
  BeginSearch();
  if (TrySingles()) return;
  if (!RequireCompleteMarks()) return;

  wait_.caption = core::kAppTitle;
  wait_.line1.clear();
  wait_.line2 = kSearchingForHintText;
  wait_.visible = false;
  wait_.cancelVisible = false;
  wait_.position = 0;
  wait_.maximum = 100;
  waitOpen_ = true;
  v_.ShowWaitWindow(wait_);

  level1To4_ = counters_.level >= 1 && counters_.level <= 4;
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
  savedRemoveMarks_ = prefs_.removeMarksOnFill;
  prefs_.removeMarksOnFill = true;
  v_.SetBusyCursor(true);
  started_ = true;
  host_.SetEnabled(Command::Hint, false);
  if (puzzle_.highlightDigit != 0) host_.HighlightButtonClick(puzzle_.highlightDigit, false);

  snapBoard_ = puzzle_.board;
  snapAsk_ = puzzle_.askMarksSource;
  snapReduced_ = puzzle_.marksReduced;

  if (81 - core::CountFilled(puzzle_.digits) == 0) {
    v_.ShowMessageBox(LoadText(Text::PuzzleIsSolved), MsgKind::Information, kButtonsOk);
    return false;
  }

  const Board copy = puzzle_.board;
  solutionCount_ = host_.SolveAndCount(copy, true);
  if (solutionCount_ == 0) {
    v_.ShowMessageBox(LoadText(Text::NoSolution), MsgKind::Error, kButtonsOk);
    offerMistakeCheck_ = puzzle_.clueSolutionKnown;
    return false;
  }
  if (solutionCount_ >= 2 && prefs_.warnMultipleSolutions)
    v_.ShowMessageBox(LoadText(Text::PuzzleNotGood) + kLineBreak +
                          LoadText(Text::MultipleSolutionsMeaning) + kLineBreak +
                          LoadText(Text::NotSolvableByLogic),
                      MsgKind::Warning, kButtonsOk);

  marksComplete_ = core::CheckMarks(puzzle_.board, marksAny_);
  ++counters_.generalHints;
  return true;
}

// Which pencil marks the search works on: the digits' own candidates when
// the player's are incomplete, else the player's or, if they differ from the
// computed ones, whichever the player chooses.
bool HintRequest::ReconcileMarks() {
  if (marksAny_ && !marksComplete_) {
    core::BuildFromDigitsPlain(puzzle_.digits, work_);
    hintMarks_ = true;
    return true;
  }
  work_ = puzzle_.board;
  if (!marksComplete_ || core::BoardsEqual(puzzle_.board, puzzle_.computed)) return true;

  core::ModalResult answer = core::ModalResult::Yes;
  if (puzzle_.askMarksSource)
    answer = v_.AskThreeButtonQuestion(
        core::kAppTitle,
        LoadText(Text::MarksDiffer) + kLineBreak + LoadText(Text::WhichMarksQuestion),
        LoadText(Text::CurrentChoice), LoadText(Text::ComputedChoice), LoadText(Text::Cancel));
  if (answer == core::ModalResult::Yes) {
    puzzle_.askMarksSource = false;
    return MarksHoldTheSolution();
  }
  if (answer != core::ModalResult::No) return false;
  UseComputedMarks();
  return true;
}

// The computed marks replace the user's, as a step of their own.
void HintRequest::UseComputedMarks() {
  CopyEmptyCellMarks(puzzle_.computed, puzzle_.board);
  host_.AddStep();
  work_ = puzzle_.board;
  core::ExtractDigits(puzzle_.board, puzzle_.digits);
  v_.RedrawBoard();
  ++counters_.candidatesCalculated;
}

// Marks that leave out the right digit pass the count, which reads digits
// only, and would lead the search to a wrong digit. Where the solution is
// known the request stops instead and says why, in two stages as a hint does.
bool HintRequest::MarksHoldTheSolution() {
  if (!puzzle_.clueSolutionKnown) return true;
  const MistakeMarks found = FindMistakes(work_, puzzle_.clueSolution);
  if (found.missingMarks == 0) return true;

  int first = 0;
  while (found.missingMark[first] == 0) ++first;
  const core::CellRef cell{first % 9 + 1, first / 9 + 1};
  const std::string name = core::CellName(cell);
  const std::string digit = std::to_string(found.missingMark[first]);

  hints::HintStage general;
  general.kind = hints::StageKind::General;
  general.lines = {"&" + LoadText(AddedText::WrongMarkHeading) + "&", "",
                   LoadText(AddedText::WrongMarkGeneral), "",
                   LoadText(AddedText::WrongMarkConcreteHint)};
  hints::HintStage concrete;
  concrete.kind = hints::StageKind::Concrete;
  concrete.buttonCaption = Text::DoItButton;
  const int others = found.missingMarks - 1;
  const std::string more = others == 0 ? std::string(".")
                                       : " (" + std::to_string(others) +
                                             (others == 1 ? " more cell is" : " more cells are") +
                                             " like it).";
  concrete.lines = {"The pencil marks of the cell @" + name + "& leave out @" + digit +
                        "&, the digit that belongs there" + more,
                    "", LoadText(AddedText::WrongMarkRemedy)};
  hints::HighlightCell(concrete.highlights, cell.col, cell.row, true);
  concrete.highlightsAfter = concrete.highlights;
  concrete.countsConcreteHint = true;
  hints::Explanation explanation;
  explanation.stages = {general, concrete};
  searching_ = true;
  hints::ClearHighlights(hint_.highlights);
  v_.PlaceHintWindow();

  // The request ends here either way; on "Do it !" with the computed marks in
  // place, which the next request searches.
  if (Explain(explanation) == core::ModalResult::Ok) UseComputedMarks();
  return false;
}

// The warning about several solutions has had its one showing for this
// puzzle. Without any marks the search looks at the computed ones, lent to
// the board unseen.
void HintRequest::BeginSearch() {
  prefs_.warnMultipleSolutions = false;
  hints::ClearHighlights(hint_.highlights);
  hint_.highlightOn = true;
  searching_ = true;
  v_.SetHintHighlights(hint_.highlights, true);
  v_.PlaceHintWindow();

  if (!marksAny_) {
    // Not drawn: the marks stand on the board only while the search looks.
    CopyEmptyCellMarks(puzzle_.computed, puzzle_.board);
    work_ = puzzle_.board;
    hintMarks_ = true;
  }
}

bool HintRequest::TrySingles() {
  using techniques::SingleStep;
  const int most = marksComplete_ ? 6 : 3;
  if (const std::optional<core::CellRef> full =
          techniques::FindSingleInFullestUnit(work_, 1, most)) {
    if (const std::optional<SingleStep> single = techniques::NakedSingleAt(work_, *full)) {
      OfferSingle(HintTechnique::SingleCandidate, 1, *single);
      return true;
    }
  }

  const auto hiddenSingle = [&](int step) {
    const std::optional<SingleStep> single = techniques::FindHiddenSingle(work_);
    if (!single) return false;
    OfferSingle(HintTechnique::HiddenSingle, step, *single);
    return true;
  };

  if (techniques::CountBlockHiddenSingles(work_) > 0 && hiddenSingle(2)) return true;

  if (const std::optional<SingleStep> single = techniques::FindNakedSingle(work_)) {
    OfferSingle(HintTechnique::SingleCandidate, 3, *single);
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
  work_ = puzzle_.board;
  if (marksComplete_) {
    DropMarksClashingWithPeers(work_);
    return true;
  }

  const Board before = puzzle_.board;
  core::ClearEmptyCellMarks(puzzle_.board);
  RedrawChanged(before);
  const bool hideWait = waitOpen_ && wait_.visible;
  if (hideWait) {
    wait_.visible = false;
    v_.ShowWaitWindow(wait_);
  }
  const core::ModalResult answer =
      v_.ShowMessageBox(LoadText(Text::HintNeedsCandidates) + kLineBreak +
                            LoadText(Text::FillCandidatesForHintQuestion),
                        MsgKind::Confirmation, kButtonsYesNo);
  if (hideWait) {
    wait_.visible = true;
    v_.ShowWaitWindow(wait_);
  }
  if (answer != core::ModalResult::Yes) {
    // No calculation: the user's own marks come back as they were.
    const Board cleared = puzzle_.board;
    puzzle_.board = before;
    RedrawChanged(cleared);
    return false;
  }
  if (!host_.FillCandidates()) return false;

  snapBoard_ = puzzle_.board;
  snapAsk_ = puzzle_.askMarksSource;
  snapReduced_ = puzzle_.marksReduced;
  work_ = puzzle_.board;
  marksComplete_ = core::CheckMarks(puzzle_.board, marksAny_);
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
    const techniques::Outcome out = techniques::TechniqueOf(rung.technique).find(work_, rung.ask);
    if (rung.sets != kAlways) flags = out.metAny ? flags | rung.sets : flags & ~unsigned{rung.sets};
    if (out.step && (rung.worth == nullptr || rung.worth(work_, *out.step)))
      return Found{out.id, rung.step, *out.step, rung.ask};
  }
  return FindPattern();
}

// Past the chains, only for a puzzle with exactly one solution: one with
// several keeps the answer that it is not good, and the uniqueness rungs are
// sound only when there is a single solution.
std::optional<HintRequest::Found> HintRequest::FindPattern() {
  if (solutionCount_ != 1) return std::nullopt;
  int step = kFirstPatternStep;
  for (const techniques::PatternRung& rung : techniques::PatternLadder()) {
    StepProgress();
    if (std::optional<techniques::Step> found = rung.find(work_))
      return Found{rung.id, step, std::move(*found), techniques::Ask{}};
    ++step;
  }
  return std::nullopt;
}

core::ModalResult HintRequest::Explain(const hints::Explanation& explanation) {
  if (hint_.col > 0 && hint_.row > 0) v_.RedrawCell({hint_.col, hint_.row});
  if (puzzle_.highlightDigit != 0) host_.HighlightButtonClick(puzzle_.highlightDigit, false);
  return ShowExplanation(v_, hint_, explanation, counters_.concreteHints,
                         [this](const hints::HintStage& stage) {
                           if (stage.hintCell) {
                             hint_.col = stage.hintCell->col;
                             hint_.row = stage.hintCell->row;
                           }
                         });
}

void HintRequest::OfferSingle(HintTechnique technique, int step,
                              const techniques::SingleStep& single) {
  hint_.last.technique = technique;
  hint_.last.step = step;
  hint_.last.found = single;

  // A single is explained on a board without pencil marks when the marks
  // are only the hint's own.
  if (hintMarks_) {
    const Board before = puzzle_.board;
    core::ClearEmptyCellMarks(puzzle_.board);
    RedrawChanged(before);
  }
  const bool userMarks = !hintMarks_;
  const hints::Explanation explanation =
      technique == HintTechnique::SingleCandidate
          ? hints::ExplainSingleCandidate(puzzle_.board, single, userMarks)
          : hints::ExplainHiddenSingle(puzzle_.board, single, userMarks);
  if (Explain(explanation) != core::ModalResult::Ok) {
    Cancelled();
    return;
  }
  hint_.last.explained = true;

  const int col = single.cell.col, row = single.cell.row;
  const int digit = single.digit;
  techniques::Apply(single, work_);

  beforeAction_ = puzzle_.board;
  hint_.last.beforeApply = beforeAction_;
  if (hintMarks_) core::ClearEmptyCellMarks(puzzle_.board);
  core::FillCell(puzzle_.board, {col, row}, digit);
  puzzle_.computed.at(col, row)[kDigit] = digit;
  core::RemoveFromPeers(puzzle_.computed, {col, row});

  const core::BlockBounds b = core::BoundsOfBlock(core::BlockOf(col, row));
  for (int k = 1; k <= 9; ++k) {
    v_.RedrawCell({k, row});
    if (k != row) v_.RedrawCell({col, k});
  }
  for (int c = b.firstCol; c <= b.lastCol; ++c)
    for (int r = b.firstRow; r <= b.lastRow; ++r)
      if (c != col && r != row) v_.RedrawCell({c, r});

  if (technique == HintTechnique::HiddenSingle) {
    hint_.col = col;
    hint_.row = row;
  }
  applied_ = true;
  hint_.last.applied = true;
}

void HintRequest::OfferElimination(const Found& found) {
  hint_.last.technique = found.technique;
  hint_.last.step = found.step;
  hint_.last.found = found.found;

  if (Explain(hints::ExplainStep(work_, found.found, true)) != core::ModalResult::Ok) {
    Cancelled();
    return;
  }
  hint_.last.explained = true;

  beforeAction_ = puzzle_.board;
  hint_.last.beforeApply = beforeAction_;
  const Board searched = work_;
  techniques::TechniqueOf(found.technique).carryOut(work_, found.ask, found.found);
  CarryStepOver(searched, work_, puzzle_.board);
  if (core::BoardsEqual(beforeAction_, puzzle_.board)) return;

  // A chain or BUG+1 places its digit; the computed candidates follow it at once.
  bool placed = false;
  for (int c = 1; c <= 9; ++c)
    for (int row = 1; row <= 9; ++row) {
      const int digit = puzzle_.board.at(c, row)[kDigit];
      if (digit == beforeAction_.at(c, row)[kDigit]) continue;
      puzzle_.computed.at(c, row)[kDigit] = digit;
      core::RemoveFromPeers(puzzle_.computed, {c, row});
      --puzzle_.emptyCount;
      placed = true;
    }
  // Eliminations alone leave the marks a subset of the computed ones.
  if (!placed) puzzle_.marksReduced = true;
  applied_ = true;
  hint_.last.applied = true;
}

void HintRequest::OfferNoHint() {
  hint_.last.technique = HintTechnique::NoHint;
  hint_.last.step = 0;
  if (Explain(hints::ExplainNoHint(solutionCount_)) == core::ModalResult::Ok)
    hint_.last.explained = true;
  hint_.highlightOn = false;
  hints::ClearHighlights(hint_.highlights);
  v_.SetHintHighlights(hint_.highlights, false);
}

void HintRequest::Cancelled() {
  hint_.col = 0;
  hint_.row = 0;
  if (hintMarks_) RestoreUserMarks();
}

// The empty cells get back the marks the user had when the request began.
void HintRequest::RestoreUserMarks() {
  const Board before = puzzle_.board;
  CopyEmptyCellMarks(snapBoard_, puzzle_.board);
  RedrawChanged(before);
}

void HintRequest::RedrawChanged(const Board& before) {
  for (int c = 1; c <= 9; ++c)
    for (int r = 1; r <= 9; ++r)
      if (before.at(c, r) != puzzle_.board.at(c, r)) v_.RedrawCell({c, r});
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
  Board& computed = puzzle_.computed;
  for (int c = 1; c <= 9; ++c)
    for (int r = 1; r <= 9; ++r) {
      const Cell& now = puzzle_.board.at(c, r);
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
      host_.AddStep();
      // The one change of the counts a request makes, before the solved
      // report can show: its status bar must say the board is full.
      host_.UpdateCountsDisplay(puzzle_.board);
    }
    core::ExtractDigits(puzzle_.board, puzzle_.digits);

    std::array<std::array<bool, 9>, 9> redraw{};
    for (int c = 1; c <= 9; ++c)
      for (int r = 1; r <= 9; ++r) {
        const hints::CellHighlight& h = hint_.highlights.at(c, r);
        redraw[c - 1][r - 1] = puzzle_.board.at(c, r) != snapBoard_.at(c, r) || h.hasMarkInfo ||
                               h.highlight || h.selected;
      }
    // The layer goes first, so that the cells below are drawn plain.
    hint_.highlightOn = false;
    hints::ClearHighlights(hint_.highlights);
    if (searching_) v_.SetHintHighlights(hint_.highlights, false);
    for (int c = 1; c <= 9; ++c)
      for (int r = 1; r <= 9; ++r)
        if (redraw[c - 1][r - 1]) v_.RedrawCell({c, r});

    // Only a step of this request can have completed the puzzle; a board
    // that was complete before was answered with "The puzzle is solved."
    if (applied_ && core::MatchesSolution(puzzle_.board, puzzle_.solution)) {
      v_.HideHintWindow();
      host_.PuzzleSolved();
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
  prefs_.removeMarksOnFill = savedRemoveMarks_;
  hint_.highlightOn = false;
  try {
    v_.SetBusyCursor(false);
    host_.SetEnabled(Command::Hint, true);
  } catch (...) {
    // Finish runs from the destructor, where nothing may escape; what could
    // be restored has been.
  }
}

}  // namespace zentaro::app
