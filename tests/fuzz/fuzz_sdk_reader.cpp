// The puzzle file reader on any bytes, under both file-name cases. Whatever
// it accepts must survive writing and reading back unchanged.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/SdkFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zentaro;
  const std::string_view content(reinterpret_cast<const char*>(data), size);
  for (const std::string_view name : {"fuzz.sdk", "fuzz.txt"}) {
    const files::PuzzleRead read = files::ReadPuzzle(name, content);
    if (!read.ok()) continue;
    const core::Board board = files::RestoredBoard(read);
    const std::string text = files::FormatSdk(board, read.clues, true, true);
    const files::PuzzleRead again = files::ReadPuzzle("again.sdk", text);
    if (!again.ok() || again.clues != read.clues ||
        !core::BoardsEqual(files::RestoredBoard(again), board))
      std::abort();
  }
  return 0;
}
