// The windings laid layer by layer into the window of the toroid stack, in the chosen order:
// whether each fits, its layers, wire length and DC resistance, the wound size and the cooling
// surface. Lengths in mm (winding lengths in m), areas in mm², surface in cm², resistance in Ω.
#pragma once

#include <array>
#include <limits>

#include "design_results.h"
#include "design_state.h"
#include "wire_table.h"

namespace impulsor {

inline constexpr int kMaxLayers = 99;

struct LayerFit {
  double p = 0;                         // layer pitch: the radial thickness of one layer
  double t = 0;                         // packing diameter: the room one turn takes along a layer
  std::array<int, kMaxLayers + 2> r{};  // turns that fit in layer s (r[0] = 0)
  std::array<double, kMaxLayers + 2> l{};  // length of one turn in layer s (l[0] = base)
  long long capacity = 0;
};
// The layers that fit from the free diameter Df0 inwards. Fitting stops once `enough` turns
// have room (the layers after that are not needed to place them); by default every layer.
LayerFit fitLayers(const Wire& wire, double Df0, double l0,
                   long long enough = std::numeric_limits<long long>::max());

struct Placement {
  int sLast = 1;      // layers used, the last possibly partly filled
  long long E = 0;    // turns in the last layer
  double DfLast = 0;  // free inner diameter at which the last layer lies
  double length = 0;  // all wire turns, mm
};
Placement placeTurns(const LayerFit& fit, double Df0, long long M);

// 0 when every winding fits (then the thermal iteration has run); 1 primary, 2..4 output 1..3
// when that winding does not.
int layoutWindings(DesignState& s, DesignResults& r);

// Bare copper of all windings over the window area of one core.
double windowFillFactor(const DesignState& s);

}  // namespace impulsor
