// Reading a series data file ("<series>.txt") into a core catalog.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core_catalog.h"

namespace impulsor {

inline constexpr std::size_t kSeriesFileLimit = 100000;  // bytes; a readable file is shorter

// Parses a series file's bytes (Windows-1251) into a fresh catalog (currentCore 0).
// On a damaged file returns the reason as a Russian sentence fragment (UTF-8) instead.
struct SeriesParse {
  std::optional<CoreCatalog> catalog;
  std::string problem;
};
SeriesParse parseSeriesFile(std::string_view bytes);

// Loads "<series>.txt" from folder into catalog. On success the catalog is replaced whole
// (its currentCore is left for the caller to set) and nullopt is returned; on failure the
// catalog is untouched and the message for the user is returned.
std::optional<std::string> loadSeries(const std::filesystem::path& folder, std::string_view series,
                                      CoreCatalog& catalog);

}  // namespace impulsor
