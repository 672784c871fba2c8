#include "core_selection.h"

#include <cmath>
#include <string>

#include "automatic_design.h"
#include "magnetics.h"
#include "messages.h"
#include "number_format.h"
#include "operating_point.h"

namespace impulsor {

bool requireCores(const CoreCatalog& catalog, DesignContext& c) {
  if (!catalog.empty()) return true;
  const std::string_view pattern = msg::kEmptySeries;
  const auto at = pattern.find("%s");
  c.host.warn(std::string(pattern.substr(0, at)) + c.inputs.series +
              std::string(pattern.substr(at + 2)));
  return false;
}

namespace {

// The first core that holds the design inductance at the peak current without its field
// exceeding the series' limit; lastCore + 1 when none does.
int firstAdequateCore(const CoreCatalog& catalog, const DesignState& s) {
  const MaterialData& m = catalog.material;
  int i = 0;
  for (; i <= catalog.lastCore(); ++i) {
    const CoreRecord& core = catalog.cores[static_cast<std::size_t>(i)];
    const Stack stack = stackOf(core, s.in.stek);
    const double NI = m.Hmax * core.le / kFourPiTenths / 10;  // ampere-turns at the limit
    const double N = std::trunc(NI / s.Ipk);
    const double H = N * kFourPiTenths * s.Ipk / core.le * 10;
    const double mur = relativePermeability(m, H, s.in.F);
    if ((N * N) * mur * stack.AL_s > s.Lmax) break;
  }
  return i;
}

std::optional<int> designAt(CoreCatalog& catalog, DesignContext& c, int index) {
  catalog.currentCore = index;
  c.core = &catalog.cores[static_cast<std::size_t>(index)];
  return runAutomaticDesign(c);
}

}  // namespace

std::optional<int> automaticCoreSelection(CoreCatalog& catalog, DesignContext& c) {
  c.redMarks.clear();
  if (!requireCores(catalog, c)) return std::nullopt;
  const std::optional<ParsedInputs> parsed = parseAndCheckInputs(c, Computation::AutomaticDesign);
  if (!parsed) return std::nullopt;
  DesignState& s = c.state;
  s.in = *parsed;
  prepareSupply(s, /*fetDropFromZero=*/true);
  s.Umirror = s.in.Umirror;
  s.k = s.in.continuity;
  s.U2est = s.in.U2;
  energyBalance(s);
  if (designInductanceLoop(s)) {
    c.inputs.Unas = formatFixed(s.Unas, 3);
    c.host.refresh();
    c.host.warn(msg::kTransistorDrop);
    return std::nullopt;
  }

  int i = firstAdequateCore(catalog, s);
  if (i > 0) --i;  // the full design starts one size below the estimate
  std::optional<int> status;
  for (;;) {
    status = designAt(catalog, c, i);
    if (*status == kComplete) break;
    if (*status == kTransistorDrop) {
      c.host.warn(msg::kTransistorDropBody);
      break;
    }
    if (i >= catalog.lastCore()) {
      c.host.warn(msg::kNoCoreFits);
      break;
    }
    ++i;
  }
  c.host.refresh();
  return status;
}

std::optional<int> chooseCore(CoreCatalog& catalog, DesignContext& c, int index) {
  c.redMarks.clear();
  if (!requireCores(catalog, c)) return std::nullopt;
  catalog.currentCore = index;
  c.core = &catalog.cores[static_cast<std::size_t>(index)];
  return recalculate(c);
}

std::optional<int> nextSize(CoreCatalog& catalog, DesignContext& c) {
  if (!requireCores(catalog, c)) return std::nullopt;
  if (catalog.currentCore >= catalog.lastCore()) {
    c.host.warn(msg::kLargestSize);
    return std::nullopt;
  }
  return chooseCore(catalog, c, catalog.currentCore + 1);
}

std::optional<int> previousSize(CoreCatalog& catalog, DesignContext& c) {
  if (!requireCores(catalog, c)) return std::nullopt;
  if (catalog.currentCore <= 0) {
    c.host.warn(msg::kSmallestSize);
    return std::nullopt;
  }
  return chooseCore(catalog, c, catalog.currentCore - 1);
}

}  // namespace impulsor
