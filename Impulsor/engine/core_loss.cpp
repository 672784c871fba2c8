#include "core_loss.h"

#include <cmath>

#include "number_format.h"

namespace impulsor {

namespace {

constexpr double kCopperTemperatureCoefficient = 0.00428;  // per °C, referred to 20 °C

// The segment bracketing v among values[first .. last] (ascending): the first index whose
// successor is above v, or the end segment that is extended.
int segment(double v, double first, int last, auto valueAt) {
  if (v < first) return 1;
  for (int r = 2; r <= last; ++r) {
    if (v < valueAt(r)) return r - 1;
  }
  return last - 1;
}

}  // namespace

std::optional<double> specificCoreLoss(const MaterialData& m, double F, double Bac) {
  const auto& P = m.loss;
  const int rows = m.lastF;
  const int columns = m.nB;
  if (rows < 2 || columns < 2) return std::nullopt;
  const int i = segment(F, P[1][0], rows, [&](int r) { return P[r][0]; });
  const int j = segment(Bac, P[0][1], columns, [&](int c) { return P[0][c]; });
  if (P[i][j] == 0 || P[i + 1][j] == 0 || P[i][j + 1] == 0 || P[i + 1][j + 1] == 0)
    return std::nullopt;
  const double Fi = P[i][0], Fi1 = P[i + 1][0];
  const double Bj = P[0][j], Bj1 = P[0][j + 1];
  // Along the frequency in both columns, then along the flux density.
  const double a = std::log(P[i + 1][j] / P[i][j]) / std::log(Fi1 / Fi);
  const double Pj = P[i][j] * std::pow(F / Fi, a);
  const double b = std::log(P[i + 1][j + 1] / P[i][j + 1]) / std::log(Fi1 / Fi);
  const double Pj1 = P[i][j + 1] * std::pow(F / Fi, b);
  const double e = std::log(Pj1 / Pj) / std::log(Bj1 / Bj);
  return Pj * std::pow(Bac / Bj, e);
}

bool coreLoss(DesignState& s, const MaterialData& material, DesignResults& r) {
  const std::optional<double> Pv = specificCoreLoss(material, s.in.F, s.Bac);
  if (!Pv) {
    r.set(ctl::kCoreLoss, std::string());
    return false;
  }
  // Ve·ro/10⁶ is the core mass in kg.
  s.Pcore = *Pv * s.Ve * material.ro / 1000000;
  r.set(ctl::kCoreLoss, formatFixed(s.Pcore, 3), s.Pcore);
  return true;
}

double copperLoss(const WindingData& w, double tamax, double dT) {
  const double kT = 1 + (dT + tamax - 20) * kCopperTemperatureCoefficient;
  return w.Irms * w.Irms * w.R * w.ratio * kT;
}

void thermalIteration(DesignState& s, DesignResults& r) {
  double dT = 0;
  for (int iteration = 0; iteration < 5; ++iteration) {
    for (WindingData& w : s.windings) w.loss = copperLoss(w, s.in.tamax, dT);
    s.Pcu = s.windings[0].loss + s.windings[1].loss + s.windings[2].loss + s.windings[3].loss;
    s.Ploss = s.Pcu + s.Pcore;
    // mW per cm² of cooling surface, to the power 0.9.
    dT = std::pow(s.Ploss * 1000 / s.S, 0.9);
    s.T = dT + s.in.tamax;
  }
  s.dT = dT;
  r.set(ctl::kCopperLoss, formatFixed(s.Pcu, 3), s.Pcu);
  r.set(ctl::kPrimaryLoss, formatFixed(s.windings[kPrimary].loss, 3), s.windings[kPrimary].loss);
  for (int m = 1; m <= 3; ++m) {
    if (!s.present(m)) continue;
    const WindingData& w = s.windings[m];
    r.set(ctl::kOutRatio[m - 1], formatFixed(w.ratio, 3), w.ratio);
    r.set(ctl::kOutLoss[m - 1], formatFixed(w.loss, 3), w.loss);
  }
  r.set(ctl::kTotalLoss, formatFixed(s.Ploss, 3), s.Ploss);
  r.set(ctl::kTemperatureRise, formatFixed(s.dT, 1), s.dT);
  r.set(ctl::kTemperature, formatFixed(s.T, 1), s.T);
}

void efficiencyResult(DesignState& s, DesignResults& r) {
  s.efficiency = s.Pload * 100 / (s.Ploss + s.Pload);
  r.set(ctl::kEfficiency, formatFixed(s.efficiency, 2), s.efficiency);
}

}  // namespace impulsor
