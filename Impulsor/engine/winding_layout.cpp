#include "winding_layout.h"

#include <cmath>

#include "core_loss.h"
#include "number_format.h"

namespace impulsor {

namespace {
constexpr double kTwoPi = 6.283185307179586;
constexpr double kPi = 3.141592653589793;
constexpr double kQuarterPi = 0.7853981633974483;
constexpr double kCopperResistivity = 0.0175;  // Ω·mm²/m at 20 °C
constexpr double kPitchPerDiameter = 1.05;
constexpr double kPackingPerDiameter = 1.15;
}  // namespace

LayerFit fitLayers(const Wire& wire, double Df0, double l0, long long enough) {
  LayerFit fit;
  fit.p = wire.di * kPitchPerDiameter;
  fit.t = wire.di * kPackingPerDiameter;
  const double p = fit.p, t = fit.t;
  fit.l[0] = l0;
  int s = 1;
  double Df = Df0;
  while (Df >= p && s < kMaxLayers + 1 && fit.capacity < enough) {
    const double f = t / (Df - t);
    if (f > 0 && f <= 1) {
      // Turns of diameter t whose centres lie on a circle of diameter Df − t.
      fit.r[s] = static_cast<int>(std::trunc(kTwoPi / (2 * std::asin(f))));
      fit.capacity += fit.r[s];
      fit.l[s] = fit.l[s - 1] + (s % 2 == 1 ? 4 * p : 2 * p);
    } else if (Df > p) {  // the hole is too small for a ring, but one turn still passes
      fit.r[s] = 1;
      fit.capacity += 1;
      fit.l[s] = fit.l[s - 1] + 2 * p;
    } else {
      fit.r[s] = 0;
      fit.l[s] = 0;
    }
    Df -= 2 * p;
    ++s;
  }
  fit.r[s] = 0;
  fit.l[s] = 0;
  return fit;
}

Placement placeTurns(const LayerFit& fit, double Df0, long long M) {
  Placement place;
  int s = 1;
  double Df = Df0;
  while (M - fit.r[s] > 0) {
    place.length += fit.r[s] * fit.l[s];
    M -= fit.r[s];
    ++s;
    Df -= 2 * fit.p;
  }
  place.length += static_cast<double>(M) * fit.l[s];
  place.sLast = s;
  place.E = M;
  place.DfLast = Df;
  return place;
}

namespace {

struct Cursor {  // where the next winding starts
  double Df0;
  double l0;
};

// Lays one winding; false when its wire turns exceed the capacity left for it.
bool layOne(DesignState& s, int winding, Cursor& cursor, DesignResults& r) {
  WindingData& w = s.windings[winding];
  const Wire& wire = kWireTable[w.row];
  const double wireTurns = std::trunc(w.turns * w.strands);
  const long long enough = s.plainEvaluation || !(wireTurns < 1e15)
                               ? std::numeric_limits<long long>::max()
                               : static_cast<long long>(wireTurns);
  const LayerFit fit = fitLayers(wire, cursor.Df0, cursor.l0, enough);
  if (!(wireTurns <= static_cast<double>(fit.capacity))) return false;
  const Placement place = placeTurns(fit, cursor.Df0, static_cast<long long>(wireTurns));
  const double p = fit.p;
  const double rLast = fit.r[place.sLast];
  w.layers = place.E / rLast + (place.sLast - 1);
  if (winding != kPrimary) r.set(ctl::kOutLayers[winding - 1], formatFixed(w.layers, 3), w.layers);
  w.length_m = place.length / 1000 / w.strands;
  w.R = w.length_m * kCopperResistivity / wire.a / w.strands;
  if (winding == kPrimary) {
    r.set(ctl::kPrimaryLength, formatFixed(w.length_m, 3), w.length_m);
    const ValueWithUnit text = primaryResistanceText(w.R);
    r.set(ctl::kPrimaryResistance, text.value, w.R);
    r.set(ctl::kPrimaryResistanceUnit, text.unit);
  } else {
    r.set(ctl::kOutLength[winding - 1], formatFixed(w.length_m, 3), w.length_m);
    r.set(ctl::kOutResistance[winding - 1], outputResistanceText(w.R), w.R);
  }

  const double ID = s.core.ID, OD = s.core.OD, Dl = place.DfLast;
  // Complete layers as a ring, plus the filled share of the last layer (or one wire's square
  // when it holds at most one turn).
  const double A =
      place.E <= 1
          ? (ID * ID - Dl * Dl + p * p) * kQuarterPi
          : (ID * ID - Dl * Dl + (Dl * Dl - (Dl - 2 * p) * (Dl - 2 * p)) * place.E / rLast) *
                kQuarterPi;
  // The same cross-section added on the outside, and spread over top and bottom.
  const double Deq = std::sqrt(OD * OD + 4 * A / kPi);
  const double heq = s.OH_s + 2 * A / (kPi * ID);
  s.S = (Deq * Deq / 2 + Deq * heq) * kPi / 100;
  // Outside, two layers lie in the room of one.
  s.Dout += 2 * p * std::ceil(place.sLast / 2.0);
  s.hout += 2 * p * place.sLast;

  cursor.l0 = fit.l[place.sLast] + 4 * p;
  cursor.Df0 = cursor.Df0 - 2 * p * w.layers;
  return true;
}

}  // namespace

int layoutWindings(DesignState& s, DesignResults& r) {
  for (WindingData& w : s.windings) w.R = 0;
  s.Dout = s.core.OD;
  s.hout = s.OH_s;
  std::array<int, 4> order{};
  int count = 0;
  if (s.in.pri_sec == 0) order[count++] = kPrimary;
  for (int m = 1; m <= 3; ++m) {
    if (s.present(m)) order[count++] = m;
  }
  if (s.in.pri_sec != 0) order[count++] = kPrimary;

  Cursor cursor{s.core.ID, s.core.OD - s.core.ID + 2 * s.OH_s};
  for (int k = 0; k < count; ++k) {
    if (!layOne(s, order[k], cursor, r)) return order[k] + 1;
  }
  const double layers = s.windings[kPrimary].layers;
  r.set(ctl::kPrimaryLayers, formatFixed(layers, 3), layers);
  thermalIteration(s, r);
  r.set(ctl::kTransformerSize, formatFixed(s.Dout, 1) + " x " + formatFixed(s.hout, 1));
  return 0;
}

double windowFillFactor(const DesignState& s) {
  double copper = 0;
  for (const WindingData& w : s.windings) copper += w.Acu;
  return copper / s.core.Wa;
}

}  // namespace impulsor
