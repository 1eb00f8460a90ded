#include "techniques/Pipeline.h"

#include <cstddef>
#include <optional>
#include <utility>

#include "techniques/Singles.h"
#include "techniques/Subsets.h"

namespace zentaro::techniques {

using core::Board;

namespace {

// Every instance that fails is marked and never returned again, so the
// number of runs is bounded by the instances on the board; for naked subsets,
// whose skip count walks one elimination at a time, by the eliminations of a
// pass. The cap only guards against a finder that ignores its tried state.
constexpr int kMaxRuns = 4 * 729;

// Looks for a single on the board the instance left behind, a single
// candidate before a hidden single, and puts it into the result.
bool FindSingleAfter(const Board& work, TechniqueResult& result) {
  const std::optional<SingleStep> single = FindSingle(work);
  if (!single) return false;
  result.singleKind = single->kind == SingleKind::Candidate;
  result.singleDigit = single->digit;
  result.singleColumn = single->cell.col;
  result.singleRow = single->cell.row;
  if (single->kind == SingleKind::Hidden) {
    const Unit& u = single->unit;
    result.singleBlockUnit = u.kind == UnitKind::Block ? u.number : -1;
    result.singleRowUnit = u.kind == UnitKind::Row ? u.number : -1;
    result.singleColumnUnit = u.kind == UnitKind::Column ? u.number : -1;
  }
  return true;
}

struct Outcome {
  bool found = false;
  bool metAny = false;
  Board board{};           // the instance's eliminations applied
  TechniqueResult result;  // the instance and its single
};

// The loop shared by all entries. find(work, result) runs the finder in
// apply mode with the entry's tried state and returns its count; markTried
// records an instance that led to no single and returns false when the
// result does not name an instance it can mark (which ends the search rather
// than meeting the same instance for ever). Each run starts again from the
// caller's board and result, so a failed instance leaves no trace.
template <typename Find, typename MarkTried>
void SearchToSingle(const Board& start, const TechniqueResult& initial, Find find,
                    MarkTried markTried, Outcome& outcome) {
  for (int run = 0; run < kMaxRuns; ++run) {
    Board work = start;
    TechniqueResult trial = initial;
    if (find(work, trial) <= 0) return;
    outcome.metAny = true;
    if (FindSingleAfter(work, trial)) {
      outcome.found = true;
      outcome.board = work;
      outcome.result = std::move(trial);
      return;
    }
    if (!markTried(trial)) return;
  }
}

TechniqueCode Conclude(Board& board, bool keepBoard, TechniqueResult& result, Outcome& outcome,
                       TechniqueCode code) {
  if (!outcome.found) {
    result.techniqueCode = TechniqueCode::None;
    result.metAny = outcome.metAny;
    return TechniqueCode::None;
  }
  result = std::move(outcome.result);
  result.techniqueCode = code;
  result.metAny = true;
  if (!keepBoard) board = outcome.board;
  return code;
}

}  // namespace

TechniqueCode NakedSubsetToSingle(Board& board, int size, bool& strict, bool keepBoard,
                                  TechniqueResult& result) {
  const bool strictIn = strict;
  bool anyStrict = false;
  int skipCount = 0;
  Outcome outcome;
  SearchToSingle(
      board, result,
      [&](Board& work, TechniqueResult& r) {
        r.strict = strictIn;
        const int removed = FindNakedSubset(work, size, skipCount, false, r);
        if (removed > 0 && r.strict) anyStrict = true;
        return removed;
      },
      [&](const TechniqueResult&) {
        ++skipCount;
        return true;
      },
      outcome);
  strict = anyStrict;
  return Conclude(board, keepBoard, result, outcome, TechniqueCode::NakedSubset);
}

}  // namespace zentaro::techniques
