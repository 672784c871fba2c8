#include "core_catalog.h"

#include "text_case.h"

namespace impulsor {

int findPrefixIgnoringCase(const std::vector<std::string>& entries, std::string_view prefix) {
  const auto folded = foldCase(prefix);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (foldCase(entries[i]).starts_with(folded)) return static_cast<int>(i);
  }
  return -1;
}

std::vector<std::string> coreNames(const CoreCatalog& catalog) {
  std::vector<std::string> names;
  names.reserve(catalog.cores.size());
  for (const auto& core : catalog.cores) names.push_back(core.name);
  return names;
}

int selectCoreByName(CoreCatalog& catalog, std::string_view name) {
  if (catalog.empty()) return -1;
  const int found = findPrefixIgnoringCase(coreNames(catalog), name);
  // A remembered core the series no longer has: the smallest core keeps the index valid.
  catalog.currentCore = found >= 0 ? found : 0;
  return catalog.currentCore;
}

}  // namespace impulsor
