// Puzzle generation time per wanted level and rating throughput.
//
// Generate/L makes 300 puzzles of level L (seeds 1..300), each as the "New
// puzzle..." command makes it with only level L checked, and reports the
// median, the 90th percentile and the maximum of the time per puzzle. Rate.../17clue
// rates the first 1,000 puzzles of the 17-clue collection, Rate.../top1465 the
// 300 of the top1465 slice.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>
#include <fstream>
#include <string>
#include <vector>

#include "app/NewPuzzle.h"
#include "rating/Rating.h"
#include "solver/Generator.h"

namespace {

using namespace zentaro;

constexpr int kPuzzlesPerLevel = 300;
constexpr std::size_t kRatedPuzzles = 1000;

struct Timing {
  double wall = 0;  // seconds
  double cpu = 0;   // seconds of processor time, steadier on a shared machine
};

// One puzzle; candidates receives the number of candidate puzzles.
Timing GenerateOne(int level, std::uint32_t seed, int& candidates) {
  core::Random random(seed);
  app::LevelChoice choice;
  choice.anyLevel = false;
  choice.levels.fill(false);
  choice.levels[static_cast<std::size_t>(level - 1)] = true;

  const auto start = std::chrono::steady_clock::now();
  const std::clock_t cpuStart = std::clock();
  const app::GenerationAim aim = app::DrawGenerationAim(choice, random);
  core::Board board{};
  core::DigitGrid clues{}, digits{}, solution{};
  solver::GenerationState state{board, clues, digits, solution};
  const auto rate = [&](const core::DigitGrid& grid) {
    ++candidates;
    return rating::RatePuzzle(grid, {.forGenerator = true}, random).level;
  };
  solver::GenerationProgress noWindow;
  int made = 0;
  solver::GeneratePuzzle(aim.wanted, aim.targetClues, made, state, rate, random, noWindow);
  benchmark::DoNotOptimize(clues);
  return {std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
          static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC};
}

// Nearest-rank percentile of sorted values.
double Percentile(const std::vector<double>& sorted, double p) {
  const auto n = static_cast<double>(sorted.size());
  return sorted[static_cast<std::size_t>(std::max(0.0, std::ceil(p * n) - 1))];
}

void BM_Generate(benchmark::State& state) {
  const int level = static_cast<int>(state.range(0));
  std::vector<double> wall, cpu;
  int candidates = 0;
  for (auto _ : state) {
    wall.clear();
    cpu.clear();
    candidates = 0;
    for (int seed = 1; seed <= kPuzzlesPerLevel; ++seed) {
      const Timing t = GenerateOne(level, static_cast<std::uint32_t>(seed), candidates);
      wall.push_back(t.wall);
      cpu.push_back(t.cpu);
    }
  }
  std::sort(wall.begin(), wall.end());
  std::sort(cpu.begin(), cpu.end());
  state.counters["median_ms"] = 1000 * Percentile(wall, 0.5);
  state.counters["p90_ms"] = 1000 * Percentile(wall, 0.9);
  state.counters["max_ms"] = 1000 * wall.back();
  state.counters["cpu_median_ms"] = 1000 * Percentile(cpu, 0.5);
  state.counters["cpu_p90_ms"] = 1000 * Percentile(cpu, 0.9);
  state.counters["cpu_max_ms"] = 1000 * cpu.back();
  state.counters["candidates_per_puzzle"] =
      static_cast<double>(candidates) / static_cast<double>(kPuzzlesPerLevel);
}
BENCHMARK(BM_Generate)->DenseRange(1, 5)->Iterations(1)->Unit(benchmark::kMillisecond);

std::vector<core::DigitGrid> LoadPuzzles(const std::string& file) {
  std::vector<core::DigitGrid> puzzles;
  std::ifstream in(ZENTARO_DATA_DIR "/" + file);
  for (std::string line; puzzles.size() < kRatedPuzzles && std::getline(in, line);) {
    if (line.size() < 81 || line[0] == '#') continue;
    core::DigitGrid grid{};
    for (int i = 0; i < 81; ++i)
      grid[i] = (line[i] >= '1' && line[i] <= '9') ? static_cast<std::uint8_t>(line[i] - '0') : 0;
    puzzles.push_back(grid);
  }
  return puzzles;
}

void RateAll(benchmark::State& state, const std::string& file, bool forGenerator) {
  const std::vector<core::DigitGrid> puzzles = LoadPuzzles(file);
  if (puzzles.empty()) {
    state.SkipWithError("puzzle collection missing");
    return;
  }
  core::Random random(1);
  for (auto _ : state) {
    for (const auto& puzzle : puzzles) {
      benchmark::DoNotOptimize(
          rating::RatePuzzle(puzzle, {.forGenerator = forGenerator}, random).level);
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(puzzles.size()));
}

void BM_RateInteractive(benchmark::State& state, const char* file) {
  RateAll(state, file, false);
}
void BM_RateForGenerator(benchmark::State& state, const char* file) {
  RateAll(state, file, true);
}
BENCHMARK_CAPTURE(BM_RateInteractive, 17clue, "puzzles2_17_clue.txt")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RateForGenerator, 17clue, "puzzles2_17_clue.txt")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RateInteractive, top1465, "puzzles3_magictour_top1465.txt")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RateForGenerator, top1465, "puzzles3_magictour_top1465.txt")
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
