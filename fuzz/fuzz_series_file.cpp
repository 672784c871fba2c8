// The series-file reader on arbitrary bytes: either a catalog within the tables' limits, whose
// cores and tables the design can compute with, or a reason.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "series_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size >= impulsor::kSeriesFileLimit) return 0;
  const auto parsed =
      impulsor::parseSeriesFile(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!parsed.catalog) {
    if (parsed.problem.empty()) __builtin_trap();
    return 0;
  }
  const impulsor::CoreCatalog& c = *parsed.catalog;
  const impulsor::MaterialData& m = c.material;
  if (c.cores.size() > impulsor::kMaxCores || m.lastH >= impulsor::kMaxFieldPoints ||
      m.lastF >= impulsor::kMaxFrequencyPoints || m.nB >= impulsor::kLossColumns)
    __builtin_trap();
  for (const auto& core : c.cores) {
    if (!(core.le > 0 && core.Ae > 0 && core.AL > 0 && core.OD > core.ID && core.ID > 0))
      __builtin_trap();
  }
  return 0;
}
