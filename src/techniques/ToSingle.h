#pragma once

// The search for an instance whose eliminations at once leave a single
// candidate or a hidden single: the teaching idea of the hints, that an
// elimination should normally lead the player straight to a placement.
//
// It is one loop for every elimination technique. Each instance is carried
// out on a fresh copy of the board; the first one after which a single
// appears is the answer. One that leaves no single is marked as tried, and
// the technique's search, which passes over tried instances, goes on.

#include <optional>

#include "core/Board.h"
#include "techniques/Singles.h"

namespace zentaro::techniques {

template <typename Step>
struct LeadingStep {
  Step step;
  SingleStep single;  // a single candidate when there is one, else a hidden single
  core::Board after;  // the instance's eliminations made, the single not placed
};

template <typename Step>
struct ToSingleSearch {
  std::optional<LeadingStep<Step>> found;
  bool metAny = false;  // an instance with eliminations was met, leading to a single or not
};

// applyFirst(work, tried) carries out on `work` the first instance not in
// `tried` and returns it; markTried(tried, step) leaves it out from then on.
template <typename Step, typename Tried, typename ApplyFirst, typename MarkTried>
ToSingleSearch<Step> SearchToSingle(const core::Board& board, Tried tried, ApplyFirst applyFirst,
                                    MarkTried markTried) {
  // Every instance that fails is marked and never returned again, so the
  // number of runs is bounded by the instances on the board; for naked
  // subsets, whose tried state walks one elimination at a time, by the
  // eliminations of a pass. The cap only guards against a search that
  // ignores its tried state.
  constexpr int kMaxRuns = 4 * 729;
  ToSingleSearch<Step> search;
  for (int run = 0; run < kMaxRuns; ++run) {
    core::Board work = board;
    const std::optional<Step> step = applyFirst(work, tried);
    if (!step) break;
    search.metAny = true;
    if (const std::optional<SingleStep> single = FindSingle(work)) {
      search.found = LeadingStep<Step>{*step, *single, work};
      break;
    }
    markTried(tried, *step);
  }
  return search;
}

}  // namespace zentaro::techniques
