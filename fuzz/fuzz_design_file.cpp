// The design-file reader on arbitrary bytes, and the writer on what it read: what the program
// writes it can always read back. (The same texts come back only for texts without line feeds
// or key names inside them; the lookup's plain text search sees no lines.)
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "design_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size >= impulsor::kDesignFileLimit) return 0;
  const auto read = impulsor::parseDesignFile(
      std::string_view(reinterpret_cast<const char*>(data), size), "fuzz.sav");
  if (read.status != impulsor::DesignFileStatus::Ok) return 0;
  const std::string bytes = impulsor::designFileBytes(read.inputs);
  const auto again = impulsor::parseDesignFile(bytes, "fuzz.sav");
  if (again.status != impulsor::DesignFileStatus::Ok) __builtin_trap();
  return 0;
}
