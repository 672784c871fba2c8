// The loaded core series: its cores in ascending AL·le², the shared material data,
// and which core is current.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core_data.h"

namespace impulsor {

struct CoreCatalog {
  std::vector<CoreRecord> cores;  // at most kMaxCores
  int currentCore = 0;
  MaterialData material;

  int lastCore() const { return static_cast<int>(cores.size()) - 1; }
  bool empty() const { return cores.empty(); }
};

// Index of the first entry that begins with prefix, ignoring case (Latin and Cyrillic
// letters of UTF-8 texts); -1 when there is none. The lookup of every combo box.
int findPrefixIgnoringCase(const std::vector<std::string>& entries, std::string_view prefix);

std::vector<std::string> coreNames(const CoreCatalog& catalog);

// The core named `name` becomes current (first core whose name begins with it, ignoring case);
// when none does, the first core. Returns the new current index (-1 for an empty catalog).
int selectCoreByName(CoreCatalog& catalog, std::string_view name);

}  // namespace impulsor
