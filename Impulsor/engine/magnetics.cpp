#include "magnetics.h"

#include <cmath>
#include <limits>

#include "number_format.h"
#include "operating_point.h"

namespace impulsor {

double fieldStrength(double current, double turns, double le) {
  return current * kFourPiTenths * turns / le * 10;
}

Stack stackOf(const CoreRecord& core, int stek) {
  Stack stack;
  stack.mui = core.le * core.AL / core.Ae / kFourPiTenths * 1000;
  stack.Ae_s = core.Ae * stek;
  stack.AL_s = core.AL * stek;
  stack.OH_s = core.OH * stek;
  stack.Ve = core.le * core.Ae * stek;
  return stack;
}

void takeCore(DesignState& s, const CoreRecord& core, DesignInputs& inputs, DesignResults& r) {
  s.core = core;
  inputs.core = core.name;
  const Stack stack = stackOf(core, s.in.stek);
  s.mui = stack.mui;
  s.Ae_s = stack.Ae_s;
  s.AL_s = stack.AL_s;
  s.OH_s = stack.OH_s;
  s.Ve = stack.Ve;
  r.set(ctl::kStackSize,
        formatFixed(core.OD, 1) + " x " + formatFixed(core.ID, 1) + " x " + formatFixed(s.OH_s, 1));
  r.set(ctl::kCoreTitle, formatInt(s.in.stek) + " шт. " + core.name + " (" + core.OD0 + "-" +
                             core.ID0 + "-" + core.H0 + ")");
}

void startMagnetics(DesignState& s, const MaterialData& material) {
  s.flux.build(material, s.mui, s.in.F, s.plainEvaluation);
  s.AL_eff = s.mui * kFourPiTenths * s.Ae_s / s.core.le / 1000;
}

bool estimateTurns(DesignState& s, const MaterialData& material, DesignResults& r) {
  for (int iteration = 0; iteration < 10; ++iteration) {
    s.N = std::trunc(std::sqrt(s.Lmax / s.AL_eff));
    s.H = fieldStrength(s.Ipk, s.N, s.core.le);
    r.set(ctl::kFieldPeak, formatFixed(s.H, 2), s.H);
    if (material.Hmax < s.H) return false;
    const double mu = s.mui * relativePermeability(material, s.H, s.in.F);
    s.AL_eff = mu * kFourPiTenths * s.Ae_s / s.core.le / 1000;
  }
  return true;
}

Rounding roundTurns(DesignState& s, DesignInputs& inputs, DesignResults& r) {
  double& Ns1 = s.windings[kOutput1].turns;
  Ns1 = std::trunc(s.N / s.n);
  if (!(Ns1 >= 1)) return Rounding::NoSecondaryTurn;
  s.N1 = std::trunc(Ns1 * s.n);
  if (!(s.N1 >= 1)) return Rounding::NoPrimaryTurn;
  s.windings[kPrimary].turns = s.N1;
  s.n = s.N1 / Ns1;
  s.L = s.AL_eff * (s.N1 * s.N1);
  r.set(ctl::kPrimaryTurns, formatFixed(s.N1, 0), s.N1);
  inputs.w11 = r.text(ctl::kPrimaryTurns);
  return Rounding::Ok;
}

void updateInductance(DesignState& s, const MaterialData& material, double H) {
  const double mu = s.mui * relativePermeability(material, H, s.in.F);
  s.AL_eff = mu * kFourPiTenths * s.Ae_s / s.core.le / 1000;
  s.L = s.AL_eff * (s.N1 * s.N1);
}

void refineInductance(DesignState& s, const MaterialData& material, DesignInputs& inputs,
                      DesignResults& r) {
  for (int iteration = 0; iteration < 10; ++iteration) {
    operatingPointAtUmin(s, inputs);
    s.H = fieldStrength(s.Imax, s.N1, s.core.le);
    updateInductance(s, material, s.H);
    r.set(ctl::kFieldPeak, formatFixed(s.H, 2), s.H);
  }
}

namespace {

void setInductance(DesignResults& r, int valueId, int unitId, double L) {
  const ValueWithUnit text = inductanceText(L);
  r.set(valueId, text.value, L);
  r.set(unitId, text.unit);
}

}  // namespace

void finalMagneticValues(DesignState& s, const MaterialData& material, DesignResults& r) {
  const double le = s.core.le;
  s.Havg = (s.Imax - s.dI * 0.5) * kFourPiTenths * s.N1 / le * 10;
  r.set(ctl::kFieldMean, formatFixed(s.Havg, 2), s.Havg);
  // At zero bias, with the initial permeability and no frequency factor.
  s.L0 = s.mui * kFourPiTenths * (s.N1 * s.N1) * s.Ae_s / le / 1000;
  setInductance(r, ctl::kInductanceNoBias, ctl::kInductanceNoBiasUnit, s.L0);
  // Half the flux swing at Umin: the amplitude that drives the core loss.
  s.Bac = s.L * s.dI / s.N1 / s.Ae_s * 0.5;
  r.set(ctl::kBac, formatFixed(s.Bac, 3), s.Bac);
  s.H = fieldStrength(s.Imax, s.N1, le);
  r.set(ctl::kFieldPeak, formatFixed(s.H, 2), s.H);
  // The entry at trunc(10·H), no interpolation between entries.
  const double entry = std::trunc(10 * s.H);
  s.Bmax = std::isfinite(entry) ? s.flux.at(material, static_cast<long long>(entry))
                                : std::numeric_limits<double>::quiet_NaN();
  r.set(ctl::kBmax, formatFixed(s.Bmax, 3), s.Bmax);
  setInductance(r, ctl::kInductance, ctl::kInductanceUnit, s.L);
}

}  // namespace impulsor
