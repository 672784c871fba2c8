#include "optimization.h"

#include <cmath>

#include "automatic_design.h"
#include "core_loss.h"
#include "magnetics.h"
#include "messages.h"
#include "number_format.h"
#include "operating_point.h"
#include "output_windings.h"
#include "winding_layout.h"
#include "wire_table.h"

namespace impulsor {

namespace {

constexpr const char* kReplacedMessages[4] = {
    msg::kPrimaryDiameterReplaced, msg::kOutput1DiameterReplaced, msg::kOutput2DiameterReplaced,
    msg::kOutput3DiameterReplaced};

std::string replacementMessage(int winding, double entered, double standard) {
  std::string text = kReplacedMessages[winding];
  for (const double value : {entered, standard}) {
    const auto at = text.find("%.3f");
    text.replace(at, 4, formatFixed(value, 3));
  }
  return text;
}

// The entered diameter replaced by a standard one (with a message when it differs).
void takeWire(DesignContext& c, int winding, int diameterId) {
  DesignState& s = c.state;
  WindingData& w = s.windings[winding];
  const double entered = std::min(s.in.d[winding], kLargestDiameter);
  w.row = snapToStandardWire(entered);
  const double d = kWireTable[w.row].d;
  if (d != entered) c.host.warn(replacementMessage(winding, entered, d));
  diameterText(c.inputs, winding) = formatDiameter(d);
  c.results.set(diameterId, formatDiameter(d), d);
  c.diameterSpins[winding] = w.row;
  w.ratio = racRdcRatio(d, s.delta);
  w.strands = s.in.strands[winding];
}

void clearResults(DesignContext& c) {
  DesignState& s = c.state;
  DesignResults& r = c.results;
  r.clearForDesign();
  r.set(ctl::kPrimaryTurns, c.inputs.w11, s.in.w11);
  r.set(ctl::kPrimaryStrands, c.inputs.n11, s.in.strands[0]);
  if (s.present(1)) r.set(ctl::kOutStrands[0], c.inputs.n21, s.in.strands[1]);
  for (WindingData& w : s.windings) w.turns = w.Acu = 0;
  s.U2actual = {0, 0, 0};
}

// Output turns from the entered primary turns, before any magnetic computation.
void turnsFromPrimary(DesignContext& c) {
  DesignState& s = c.state;
  DesignResults& r = c.results;
  const double base = s.in.U2[0] + s.in.Ud[0];
  s.N1 = s.in.w11;
  s.windings[kPrimary].turns = s.N1;
  s.n = s.Umirror / base;
  double& Ns1 = s.windings[kOutput1].turns;
  Ns1 = ceilTurns(s.N1 / s.n);
  s.n = s.N1 / Ns1;
  reflectedVoltage(s, r);
  s.U2actual[0] = s.in.U2[0];
  if (s.present(1)) {
    r.set(ctl::kOutTurns[0], formatFixed(Ns1, 0), Ns1);
    r.set(ctl::kOutVoltage[0], formatFixed(s.U2actual[0], 2), s.U2actual[0]);
    const double Ur = reverseVoltage(s, 1);
    r.set(ctl::kOutReverseVoltage[0], formatFixed(Ur, 0), Ur);
  }
  outputTurns(s);
  const std::string* strands[3] = {nullptr, &c.inputs.n22, &c.inputs.n23};
  for (int m = 2; m <= 3; ++m) {
    if (!s.present(m)) continue;
    const int i = m - 1;
    r.set(ctl::kOutTurns[i], formatFixed(s.windings[m].turns, 0), s.windings[m].turns);
    r.set(ctl::kOutVoltage[i], formatFixed(s.U2actual[i], 2), s.U2actual[i]);
    const double Ur = reverseVoltage(s, m);
    r.set(ctl::kOutReverseVoltage[i], formatFixed(Ur, 0), Ur);
    r.set(ctl::kOutStrands[i], *strands[i], s.in.strands[m]);
  }
  s.U2est = s.U2actual;
}

void stopForDrop(DesignContext& c) {
  c.inputs.Unas = formatFixed(c.state.Unas, 3);
  c.host.refresh();
  c.host.warn(msg::kTransistorDrop);
}

// Ten iterations with the entered turns; false when the field exceeds the series' limit.
bool refineWithFieldLimit(DesignContext& c) {
  DesignState& s = c.state;
  for (int iteration = 0; iteration < 10; ++iteration) {
    operatingPointAtUmin(s, c.inputs);
    s.H = fieldStrength(s.Imax, s.N1, s.core.le);
    c.results.set(ctl::kFieldPeak, formatFixed(s.H, 2), s.H);
    if (c.material.Hmax < s.H) {
      c.host.warn(msg::kFieldTooHigh);
      c.host.refresh();
      return false;
    }
    updateInductance(s, c.material, s.H);
  }
  return true;
}

void windingResults(DesignContext& c) {
  DesignState& s = c.state;
  WindingData& p = s.windings[kPrimary];
  p.Irms = s.Irms_p;
  p.J = effectiveCurrentDensity(p.Irms, p.strands, p.row, p.ratio);
  c.results.set(ctl::kPrimaryDensity, formatFixed(p.J, 3), p.J);
  p.Acu = kWireTable[p.row].a * p.strands * s.N1;
  for (int m = 1; m <= 3; ++m) {
    if (!s.present(m)) continue;
    outputCurrents(s, m);
    outputWinding(s, m, c.results);
  }
}

}  // namespace

void runOptimization(DesignContext& c) {
  c.redMarks.clear();
  const std::optional<ParsedInputs> parsed = parseAndCheckInputs(c, Computation::Optimization);
  if (!parsed) return;
  DesignState& s = c.state;
  DesignResults& r = c.results;
  s.in = *parsed;
  clearResults(c);
  s.delta = skinDepth(s.in.F);
  s.flux.reset();
  takeWire(c, kPrimary, ctl::kPrimaryDiameter);
  r.set(ctl::kPrimaryRatio, formatFixed(s.windings[kPrimary].ratio, 3), s.windings[kPrimary].ratio);
  for (int m = 1; m <= 3; ++m) {
    if (s.present(m)) takeWire(c, m, ctl::kOutDiameter[m - 1]);
  }
  takeCore(s, *c.core, c.inputs, r);
  c.host.coreTaken();
  prepareSupply(s, /*fetDropFromZero=*/false);
  // In Rds mode the Unas text holds the drop of the previous design; a text that cannot be a
  // drop (typed into the disabled field of a design file, say) starts from no drop.
  if (s.in.rds == 1 && !(s.Unas >= 0 && s.Unas <= 1e5)) s.Unas = 0;
  s.Umirror = s.in.Umirror;
  s.k = s.in.continuity;
  turnsFromPrimary(c);

  energyBalance(s);
  if (designInductanceLoop(s)) return stopForDrop(c);
  c.inductanceTooltip = inductanceTooltip(s.Lmax);
  startMagnetics(s, c.material);
  s.L = s.AL_eff * (s.N1 * s.N1);
  if (!refineWithFieldLimit(c)) return;
  if (s.Ulim < s.Unas) return stopForDrop(c);

  finalMagneticValues(s, c.material, r);
  finishUminResults(s, r);
  operatingPointsAtUmaxUnom(s, r);
  if (!coreLoss(s, c.material, r)) {
    c.host.refresh();
    c.host.warn(msg::kNoLossData);
    return;
  }
  windingResults(c);
  loadPower(s, r);

  c.host.refresh();
  const int layout = layoutWindings(s, r);
  c.host.refresh();
  if (layout != 0) {
    c.host.warn(statusMessage(layout));
    return;
  }
  efficiencyResult(s, r);
  s.fill = windowFillFactor(s);
  r.set(ctl::kFillFactor, formatFixed(s.fill, 3), s.fill);
  c.host.refresh();
  c.redMarks = overLimitResults(s, r);
}

void applyDiameterSpin(DesignContext& c, int winding, int row) {
  const DesignState& s = c.state;
  const double d = kWireTable[row].d;
  diameterText(c.inputs, winding) = formatFixed(d, 3);
  // Before any design there is no current or skin depth to size the strands for.
  const bool known = s.delta > 0 && s.in.j > 0 && std::isfinite(s.windings[winding].Irms);
  const double strands =
      known ? strandsForDiameter(s.windings[winding].Irms, s.in.j, row, s.delta) : 1.0;
  strandsText(c.inputs, winding) = formatFixed(strands, 0);
}

}  // namespace impulsor
