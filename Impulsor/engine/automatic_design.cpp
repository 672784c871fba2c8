#include "automatic_design.h"

#include <algorithm>

#include "core_loss.h"
#include "magnetics.h"
#include "messages.h"
#include "number_format.h"
#include "operating_point.h"
#include "output_windings.h"
#include "winding_layout.h"
#include "wire_table.h"

namespace impulsor {

const char* statusMessage(int status) {
  switch (status) {
    case kPrimaryDoesNotFit:
      return msg::kPrimaryDoesNotFit;
    case kOutput1DoesNotFit:
      return msg::kOutput1DoesNotFit;
    case kOutput2DoesNotFit:
      return msg::kOutput2DoesNotFit;
    case kOutput3DoesNotFit:
      return msg::kOutput3DoesNotFit;
    case kTransistorDrop:
      return msg::kTransistorDrop;
    case kFieldTooHigh:
      return msg::kFieldTooHigh;
    case kNoSecondaryTurn:
      return msg::kNoSecondaryTurn;
    case kNoPrimaryTurn:
      return msg::kNoPrimaryTurn;
    case kNoLossData:
      return msg::kNoLossData;
    default:
      return nullptr;
  }
}

std::optional<ParsedInputs> parseAndCheckInputs(DesignContext& c, Computation computation) {
  ParsedInputs in = parseInputs(c.inputs);
  if (const auto refusal = checkInputs(c.inputs, in, computation)) {
    c.host.refresh();
    c.host.warn(*refusal);
    return std::nullopt;
  }
  return in;
}

namespace {

void clearWindingInputs(DesignInputs& in) {
  for (std::string* text :
       {&in.w11, &in.d11, &in.d21, &in.d22, &in.d23, &in.n11, &in.n21, &in.n22, &in.n23})
    text->clear();
}

// The wire and strands for a winding's required copper area, written where the optimization
// starts from them.
void chooseWindingWire(DesignContext& c, int winding, int diameterId, int strandsId) {
  DesignState& s = c.state;
  WindingData& w = s.windings[winding];
  const WireChoice choice = chooseWire(w.Irms / s.in.j, s.Aeff_max, s.delta);
  w.row = choice.row;
  w.strands = choice.strands;
  w.ratio = choice.ratio;
  c.results.set(diameterId, formatDiameter(kWireTable[w.row].d), kWireTable[w.row].d);
  diameterText(c.inputs, winding) = c.results.text(diameterId);
  c.results.set(strandsId, formatFixed(w.strands, 0), w.strands);
  strandsText(c.inputs, winding) = c.results.text(strandsId);
  c.diameterSpins[winding] = w.row;
}

void primaryWire(DesignContext& c) {
  DesignState& s = c.state;
  DesignResults& r = c.results;
  WindingData& w = s.windings[kPrimary];
  w.Irms = s.Irms_p;
  chooseWindingWire(c, kPrimary, ctl::kPrimaryDiameter, ctl::kPrimaryStrands);
  r.set(ctl::kPrimaryRatio, formatFixed(w.ratio, 3), w.ratio);
  w.J = effectiveCurrentDensity(w.Irms, w.strands, w.row, w.ratio);
  r.set(ctl::kPrimaryDensity, formatFixed(w.J, 3), w.J);
  w.Acu = w.strands * kWireTable[w.row].a * s.N1;
}

void outputWires(DesignContext& c) {
  DesignState& s = c.state;
  for (int m = 1; m <= 3; ++m) s.windings[m].Irms = 0;
  s.U2actual = {s.in.U2[0], 0, 0};
  outputTurns(s);
  for (int m = 1; m <= 3; ++m) {
    if (!s.present(m)) continue;
    outputCurrents(s, m);
    chooseWindingWire(c, m, ctl::kOutDiameter[m - 1], ctl::kOutStrands[m - 1]);
    outputWinding(s, m, c.results);
    // The actual voltages are the next pass's estimates.
    s.U2est[m - 1] = s.U2actual[m - 1];
  }
}

int runPass(DesignContext& c) {
  DesignState& s = c.state;
  DesignResults& r = c.results;
  r.clearForDesign();
  clearWindingInputs(c.inputs);
  for (WindingData& w : s.windings) w.turns = w.Acu = 0;

  energyBalance(s);
  if (designInductanceLoop(s)) {
    c.inputs.Unas = formatFixed(s.Unas, 3);
    c.host.refresh();
    return kTransistorDrop;
  }
  c.inductanceTooltip = inductanceTooltip(s.Lmax);
  startMagnetics(s, c.material);
  if (!estimateTurns(s, c.material, r)) {
    c.host.refresh();
    return kFieldTooHigh;
  }
  switch (roundTurns(s, c.inputs, r)) {
    case Rounding::NoSecondaryTurn:
      c.host.refresh();
      return kNoSecondaryTurn;
    case Rounding::NoPrimaryTurn:
      c.host.refresh();
      return kNoPrimaryTurn;
    case Rounding::Ok:
      break;
  }
  reflectedVoltage(s, r);
  refineInductance(s, c.material, c.inputs, r);
  finalMagneticValues(s, c.material, r);
  finishUminResults(s, r);
  operatingPointsAtUmaxUnom(s, r);
  if (!coreLoss(s, c.material, r)) {
    c.host.refresh();
    return kNoLossData;
  }
  primaryWire(c);
  outputWires(c);
  loadPower(s, r);

  c.host.refresh();
  const int layout = layoutWindings(s, r);
  c.host.refresh();
  if (layout != 0) return layout;
  efficiencyResult(s, r);
  s.fill = windowFillFactor(s);
  r.set(ctl::kFillFactor, formatFixed(s.fill, 3), s.fill);

  int status = kComplete;
  if (s.in.tdmax < s.T) status = kTooHot;
  if (s.in.ko + 0.0005 < s.fill) status = kWindowOverfilled;
  c.host.refresh();
  return status;
}

}  // namespace

int runAutomaticDesign(DesignContext& c) {
  DesignState& s = c.state;
  s.in = parseInputs(c.inputs);
  if (checkInputs(c.inputs, s.in, Computation::AutomaticDesign)) return kInputRefused;
  s.delta = skinDepth(s.in.F);
  s.Aeff_max = maxWireDiameter(s.delta, s.in.Racdc).Aeff_max;
  s.flux.reset();
  takeCore(s, *c.core, c.inputs, c.results);
  c.host.coreTaken();
  prepareSupply(s, /*fetDropFromZero=*/true);
  s.Umirror = s.in.Umirror;
  s.k = s.in.continuity;
  s.U2est = s.in.U2;

  int status = kComplete;
  for (int pass = 0; pass < 3; ++pass) {
    status = runPass(c);
    if (status != kComplete && status != kTooHot && status != kWindowOverfilled) return status;
  }
  return status;
}

std::vector<int> overLimitResults(const DesignState& s, const DesignResults& r) {
  std::vector<int> marks;
  const auto mark = [&](int id, double limit, double tolerance) {
    if (!r.text(id).empty() && limit + tolerance < r.value(id)) marks.push_back(id);
  };
  mark(ctl::kPrimaryDensity, s.in.j, 0.0005);
  for (int m = 1; m <= 3; ++m) mark(ctl::kOutDensity[m - 1], s.in.j, 0.0005);
  mark(ctl::kFillFactor, s.in.ko, 0.0005);
  mark(ctl::kTemperature, s.in.tdmax, 0.0);
  std::sort(marks.begin(), marks.end());
  return marks;
}

std::optional<int> recalculate(DesignContext& c) {
  c.redMarks.clear();
  if (!parseAndCheckInputs(c, Computation::AutomaticDesign)) return std::nullopt;
  const int status = runAutomaticDesign(c);
  if (const char* message = statusMessage(status)) c.host.warn(message);
  c.host.refresh();
  c.redMarks = overLimitResults(c.state, c.results);
  return status;
}

}  // namespace impulsor
