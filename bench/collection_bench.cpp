// Time to list a collection file: 50,000 puzzle lines (the magictour top1465
// collection repeated, with its comment lines), listed from memory and read
// from a file on disk, as the open command does before it shows the list.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "files/Collection.h"

namespace {

constexpr std::size_t kLines = 50000;

const std::string& CollectionText() {
  static const std::string text = [] {
    std::ifstream in(ZENTARO_TEST_DATA_DIR "/puzzles3_magictour_top1465.txt");
    std::vector<std::string> puzzles;
    for (std::string line; std::getline(in, line);)
      if (line.size() >= 81 && line[0] != '#') puzzles.push_back(line.substr(0, 81));
    std::string all = "# 50,000 puzzles\r\n";
    for (std::size_t i = 0; !puzzles.empty() && i < kLines; ++i)
      all += puzzles[i % puzzles.size()] + "\r\n";
    return all;
  }();
  return text;
}

void BM_ListCollection(benchmark::State& state) {
  const std::string& text = CollectionText();
  for (auto _ : state) benchmark::DoNotOptimize(zentaro::files::ListCollection(text));
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kLines));
}
BENCHMARK(BM_ListCollection)->Unit(benchmark::kMillisecond);

void BM_ReadCollectionFile(benchmark::State& state) {
  const auto path = std::filesystem::temp_directory_path() / "zentaro-bench-collection.txt";
  std::ofstream(path, std::ios::binary) << CollectionText();
  for (auto _ : state) benchmark::DoNotOptimize(zentaro::files::ReadCollection(path));
  std::filesystem::remove(path);
}
BENCHMARK(BM_ReadCollectionFile)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
