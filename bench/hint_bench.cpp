// Time of one hint request, on every position met while puzzles are walked
// from their start by hints alone (the player answers as one who wants to go
// on). After the Google Benchmark runs, each position is timed on its own and
// the median, the 90th percentile and the maximum are printed, with the
// slowest position, since a single slow request is what the player notices.
//
// The puzzles come from ZENTARO_BENCH_PUZZLES when it is set (one puzzle a
// line, '#' lines skipped), else from the hint walk list beside the tests and
// the first puzzles of the magictour top1465 and forum-hardest collections.
//
// BM_StuckRequest times, per collection, each request of the walks whose
// step comes after the patterns (a chain of candidates, ALS-XZ or a forcing
// net): the positions where the ladders up to BUG+1 are stuck, so every
// earlier rung runs in vain first. Its counters give the number of those
// positions, how many the forcing net answers, and the median, the 90th
// percentile and the maximum of the requests in milliseconds.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "app/Game.h"
#include "app/GameAccess.h"
#include "app/HintWalk.h"
#include "core/Board.h"
#include "core/Random.h"
#include "rating/Rating.h"
#include "techniques/PatternSteps.h"

namespace {

using zentaro::app::Game;
using zentaro::app::GoOnView;
using zentaro::core::Board;
using zentaro::core::DigitGrid;

// What a request reads of the game, saved before each request of a walk.
struct Position {
  Board board{};
  Board computed{};
  DigitGrid clues{};
  int level = 0;
  bool askMarksSource = true;
  bool marksReduced = false;
};

void AddLines(const std::string& path, std::size_t limit, std::vector<DigitGrid>& out) {
  std::ifstream in(path);
  if (!in) std::cerr << "cannot read " << path << "\n";
  std::size_t taken = 0;
  for (std::string line; taken < limit && std::getline(in, line);) {
    if (line.size() < 81 || line[0] == '#') continue;
    DigitGrid grid{};
    for (int i = 0; i < 81; ++i)
      grid[i] = (line[i] >= '1' && line[i] <= '9') ? static_cast<std::uint8_t>(line[i] - '0') : 0;
    out.push_back(grid);
    ++taken;
  }
}

std::vector<DigitGrid> Puzzles() {
  std::vector<DigitGrid> puzzles;
  if (const char* path = std::getenv("ZENTARO_BENCH_PUZZLES")) {
    AddLines(path, SIZE_MAX, puzzles);
    return puzzles;
  }
  AddLines(ZENTARO_TEST_DATA_DIR "/hint_walk.txt", SIZE_MAX, puzzles);
  AddLines(std::string(ZENTARO_DATA_DIR) + "/puzzles3_magictour_top1465.txt", 300, puzzles);
  AddLines(std::string(ZENTARO_DATA_DIR) + "/puzzles6_forum_hardest_1106.txt", 100, puzzles);
  return puzzles;
}

int RateInteractively(const DigitGrid& grid) {
  zentaro::core::Random random;
  return zentaro::rating::RatePuzzle(grid, {.forGenerator = false}, random).level;
}

Position Save(const Game& game) {
  return {game.Puzzle().board,   game.Puzzle().computed,       game.Puzzle().clues,
          game.Counters().level, game.Puzzle().askMarksSource, game.Puzzle().marksReduced};
}

const std::vector<Position>& Positions() {
  static const std::vector<Position> positions = [] {
    std::vector<Position> result;
    for (const DigitGrid& puzzle : Puzzles()) {
      GoOnView view;
      Game game(view);
      game.SetClueRater(RateInteractively);
      game.LoadPosition(puzzle);
      result.push_back(Save(game));
      zentaro::app::WalkHints(game, view, [&](const zentaro::app::WalkStep&) {
        if (zentaro::core::CountDigits(game.Puzzle().board) < 81) result.push_back(Save(game));
      });
    }
    std::cerr << result.size() << " positions\n";
    if (result.empty()) std::exit(1);
    return result;
  }();
  return positions;
}

// A game standing at the position, as after a step of the history.
void Restore(Game& game, const Position& p) {
  PuzzleOf(game).board = p.board;
  PuzzleOf(game).computed = p.computed;
  PuzzleOf(game).clues = p.clues;
  zentaro::core::ExtractDigits(PuzzleOf(game).board, PuzzleOf(game).digits);
  CountersOf(game).level = p.level;
  PuzzleOf(game).askMarksSource = p.askMarksSource;
  PuzzleOf(game).marksReduced = p.marksReduced;
  PuzzleOf(game).active = true;
  PrefsOf(game).warnMultipleSolutions = false;
}

void BM_HintRequest(benchmark::State& state) {
  const auto& positions = Positions();
  std::size_t i = 0;
  for (auto _ : state) {
    state.PauseTiming();
    GoOnView view;
    Game game(view);
    Restore(game, positions[i]);
    state.ResumeTiming();
    game.HintSearch();
    benchmark::DoNotOptimize(game.Hint().last.step);
    if (++i == positions.size()) i = 0;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_HintRequest)->Unit(benchmark::kMicrosecond);

std::string Line(const Board& board) {
  return zentaro::core::GridToLine(zentaro::core::ExtractDigits(board));
}

// Every position timed on its own, the best of three runs each.
void PrintDistribution() {
  const auto& positions = Positions();
  std::vector<std::pair<double, std::size_t>> times;
  times.reserve(positions.size());
  for (std::size_t i = 0; i < positions.size(); ++i) {
    double best = 1e300;
    for (int run = 0; run < 3; ++run) {
      GoOnView view;
      Game game(view);
      Restore(game, positions[i]);
      const auto start = std::chrono::steady_clock::now();
      game.HintSearch();
      const auto end = std::chrono::steady_clock::now();
      best = std::min(best, std::chrono::duration<double, std::milli>(end - start).count());
    }
    times.emplace_back(best, i);
  }
  std::sort(times.begin(), times.end());
  const auto at = [&](double q) {
    return times[static_cast<std::size_t>(q * static_cast<double>(times.size() - 1))].first;
  };
  const std::size_t over = static_cast<std::size_t>(
      std::count_if(times.begin(), times.end(), [](const auto& t) { return t.first >= 50.0; }));
  std::printf(
      "hint request over %zu positions: median %.3f ms, 90%% %.3f ms, 99%% %.3f ms, "
      "max %.3f ms; %zu at 50 ms or more\n",
      times.size(), at(0.5), at(0.9), at(0.99), times.back().first, over);
  std::printf("slowest position: %s\n", Line(positions[times.back().second].board).c_str());
}

// A rung of the second ladder after BUG+1, the last of the patterns.
bool AfterThePatterns(zentaro::techniques::TechniqueId id) {
  bool after = false;
  for (const zentaro::techniques::PatternRung& rung : zentaro::techniques::PatternLadder()) {
    if (rung.id == id) return after;
    if (rung.id == zentaro::techniques::TechniqueId::BugPlusOne) after = true;
  }
  return false;
}

struct StuckPosition {
  Position before;
  std::string technique;  // the step the walk took there
};

// The positions of the walks through the first `limit` puzzles of the file
// where the step comes after the patterns, each as it stood before that step.
std::vector<StuckPosition> StuckPositions(const std::string& file, std::size_t limit) {
  std::vector<DigitGrid> puzzles;
  AddLines(std::string(ZENTARO_DATA_DIR) + "/" + file, limit, puzzles);
  std::vector<StuckPosition> result;
  for (const DigitGrid& puzzle : puzzles) {
    GoOnView view;
    Game game(view);
    game.SetClueRater(RateInteractively);
    game.LoadPosition(puzzle);
    Position before = Save(game);
    zentaro::app::WalkHints(game, view, [&](const zentaro::app::WalkStep& step) {
      if (AfterThePatterns(step.hint.technique)) result.push_back({before, step.name});
      before = Save(game);
    });
  }
  return result;
}

// One pass over the collection's stuck positions, each request timed.
void BM_StuckRequest(benchmark::State& state, const std::string& file, std::size_t limit) {
  const std::vector<StuckPosition> positions = StuckPositions(file, limit);
  if (positions.empty()) {
    state.SkipWithError("no stuck positions");
    return;
  }
  std::vector<double> times;
  std::size_t wrong = 0;
  for (auto _ : state) {
    times.clear();
    for (const StuckPosition& p : positions) {
      state.PauseTiming();
      GoOnView view;
      Game game(view);
      Restore(game, p.before);
      state.ResumeTiming();
      const auto start = std::chrono::steady_clock::now();
      game.HintSearch();
      const auto end = std::chrono::steady_clock::now();
      times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
      if (zentaro::app::HintTechniqueName(game.Hint().last.technique, game.Hint().last.found) !=
          p.technique)
        ++wrong;
    }
  }
  std::sort(times.begin(), times.end());
  const auto at = [&](double q) {
    return times[static_cast<std::size_t>(q * static_cast<double>(times.size() - 1))];
  };
  state.counters["positions"] = static_cast<double>(positions.size());
  state.counters["nets"] = static_cast<double>(std::count_if(
      positions.begin(), positions.end(),
      [](const StuckPosition& p) { return p.technique == "Forcing net"; }));
  state.counters["median_ms"] = at(0.5);
  state.counters["p90_ms"] = at(0.9);
  state.counters["max_ms"] = times.back();
  // A request that found something else would time another technique.
  if (wrong > 0) state.SkipWithError("a request found another step than its walk did");
}
// The walks through all the forum-hardest puzzles take a few minutes; run
// this one alone with --benchmark_filter=StuckRequest.
BENCHMARK_CAPTURE(BM_StuckRequest, top1465, std::string("puzzles3_magictour_top1465.txt"),
                  SIZE_MAX)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_StuckRequest, forum_hardest, std::string("puzzles6_forum_hardest_1106.txt"),
                  SIZE_MAX)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  PrintDistribution();
  return 0;
}
