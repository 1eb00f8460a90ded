// The kept-game reader on any bytes: whatever it accepts is a whole record
// that reads as a puzzle and is written back as it was read.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/KeptGame.h"
#include "files/SdkFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zentaro;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto kept = files::ParseKeptGame(text);
  if (!kept) return 0;
  if (!files::ReadPuzzle("kept.sdk", kept->sdk).ok()) std::abort();
  const auto again = files::ParseKeptGame(files::FormatKeptGame(*kept));
  if (!again || *again != *kept) std::abort();
  return 0;
}
