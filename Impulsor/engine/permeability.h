// Relative permeability of the core material from the series' tables (log-log interpolation,
// end segments extended) and the flux density against field strength, B(H).
// Field strength in Oe, frequency in kHz, flux density in T.
#pragma once

#include <vector>

#include "core_data.h"

namespace impulsor {

inline constexpr double kFourPiTenths = 1.2566370614359172;  // 0.4π: Oe from A·turns per cm

// Factor of one table at v: a power law through the two points bracketing v.
// No point gives 1; one point gives its factor.
double tableFactor(const std::array<TablePoint, kMaxFieldPoints>& table, int last, double v);

// µr(H, f) = µH(H) · µF(f).
double relativePermeability(const MaterialData& material, double H_Oe, double F_kHz);

// B(H) at steps of 0.1 Oe: the trapezoidal integral of µi·µr(H, F)·H, built up to the series'
// field limit and continued on demand as far as a design's field strength needs.
class FluxTable {
 public:
  static constexpr int kCapacity = 5001;  // entries 0 .. 500.0 Oe

  void build(const MaterialData& material, double mui, double F_kHz);
  // B at entry m = trunc(10·H).
  double at(const MaterialData& material, long long m);

 private:
  void extendTo(const MaterialData& material, long long m);

  std::vector<double> B_;
  double mui_ = 0, F_ = 0, lastFactor_ = 1.0;
};

}  // namespace impulsor
