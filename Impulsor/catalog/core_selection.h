// Which core size the design is made on: the smallest one of the series on which the automatic
// design succeeds, the next or previous size, or the one picked in the core list.
// Each returns the status of the last automatic design it ran, or nullopt when none ran.
#pragma once

#include <optional>

#include "core_catalog.h"
#include "design_context.h"

namespace impulsor {

std::optional<int> automaticCoreSelection(CoreCatalog& catalog, DesignContext& c);
std::optional<int> chooseCore(CoreCatalog& catalog, DesignContext& c, int index);
std::optional<int> nextSize(CoreCatalog& catalog, DesignContext& c);
std::optional<int> previousSize(CoreCatalog& catalog, DesignContext& c);

// The message every computation shows instead of computing when the series has no cores;
// false (after showing it) for an empty catalog.
bool requireCores(const CoreCatalog& catalog, DesignContext& c);

}  // namespace impulsor
