#include "output_windings.h"

#include <cmath>

#include "number_format.h"
#include "wire_table.h"

namespace impulsor {

double ceilTurns(double x) {
  const double whole = std::trunc(x);
  return x > whole ? whole + 1 : whole;
}

void outputTurns(DesignState& s) {
  const double Ns1 = s.windings[kOutput1].turns;
  const double base = s.in.U2[0] + s.in.Ud[0];
  s.U2actual[0] = s.in.U2[0];
  for (int m = 2; m <= 3; ++m) {
    if (!s.present(m)) continue;
    const double Ns = ceilTurns((s.in.U2[m - 1] + s.in.Ud[m - 1]) / base * Ns1);
    s.windings[m].turns = Ns;
    s.U2actual[m - 1] = base * Ns / Ns1 - s.in.Ud[m - 1];
  }
}

double reverseVoltage(const DesignState& s, int m) {
  return s.windings[m].turns * s.Umax / s.N1 + s.U2actual[m - 1];
}

void outputCurrents(DesignState& s, int m) {
  const double D = s.D, k = s.k, I = s.in.I2[m - 1];
  // The secondary current falls from I2pk to k·I2pk during the off-time and averages to I.
  const double I2pk = 2 * I / (1 + k) / (1 - D);
  s.I2pk[m - 1] = I2pk;
  s.windings[m].Irms =
      I2pk * std::sqrt(k * k + (1 - k) * k + (1 - k) * (1 - k) / 3) * std::sqrt(1 - D);
  // The capacitor carries the load current during the on-time and the diode current less
  // the load during the off-time.
  const double Imin = k * I2pk;
  const double a = Imin - I;
  const double swing = I2pk * (1 - k);
  s.Icap[m - 1] = std::sqrt(D * (I * I) + (1 - D) * (a * a + a * swing + swing * swing / 3));
}

void outputWinding(DesignState& s, int m, DesignResults& r) {
  WindingData& w = s.windings[m];
  w.J = effectiveCurrentDensity(w.Irms, w.strands, w.row, w.ratio);
  w.Acu = w.strands * kWireTable[w.row].a * w.turns;
  s.Ur[m - 1] = reverseVoltage(s, m);
  const int c = m - 1;
  r.set(ctl::kOutTurns[c], formatFixed(w.turns, 0), w.turns);
  r.set(ctl::kOutVoltage[c], formatFixed(s.U2actual[c], 2), s.U2actual[c]);
  r.set(ctl::kOutReverseVoltage[c], formatFixed(s.Ur[c], 0), s.Ur[c]);
  r.set(ctl::kOutCapacitorCurrent[c], formatFixed(s.Icap[c], 3), s.Icap[c]);
  r.set(ctl::kOutDensity[c], formatFixed(w.J, 3), w.J);
}

}  // namespace impulsor
