// Relative permeability of the core material from the series' tables (log-log interpolation,
// end segments extended) and the flux density against field strength, B(H).
// Field strength in Oe, frequency in kHz, flux density in T.
#pragma once

#include <vector>

#include "core_data.h"

namespace impulsor {

inline constexpr double kFourPiTenths = 1.2566370614359172;  // 0.4π: Oe from A·turns per cm

// Factor of one table at v: a power law through the two points bracketing v.
// No point gives 1; one point gives its factor. With a hint (the segment of the previous call,
// whose argument was not larger) the segment search goes on from there: the same segment as a
// search from the start, without walking the table again.
double tableFactor(const std::array<TablePoint, kMaxFieldPoints>& table, int last, double v,
                   int* hint = nullptr);

// µr(H, f) = µH(H) · µF(f).
double relativePermeability(const MaterialData& material, double H_Oe, double F_kHz);

// B(H) at steps of 0.1 Oe: the trapezoidal integral of µi·µr(H, F)·H, continued on demand as
// far as a design's field strength needs.
//
// The plain evaluation builds every entry up to the series' field limit in every pass, looking
// each factor up afresh. The fast one gives the same entries: it keeps the table of an earlier
// pass of the same design (the same µi and F), builds entries only as far as they are read,
// takes the frequency factor once, and moves the field segment forward with H.
class FluxTable {
 public:
  static constexpr int kCapacity = 5001;  // entries 0 .. 500.0 Oe

  // A new design: nothing of an earlier table is kept.
  void reset() { B_.clear(); }
  void build(const MaterialData& material, double mui, double F_kHz, bool plain);
  // B at entry m = trunc(10·H).
  double at(const MaterialData& material, long long m);

 private:
  void extendTo(const MaterialData& material, long long m);

  std::vector<double> B_;
  double mui_ = 0, F_ = 0, lastFactor_ = 1.0, frequencyFactor_ = 1.0;
  int fieldSegment_ = 0;
  bool plain_ = false;
};

}  // namespace impulsor
