#include "design_results.h"

#include <algorithm>

#include "number_format.h"

namespace impulsor {

const std::array<int, 77> kResultControls = [] {
  std::array<int, 77> ids = {ctl::kCoreTitle,
                             ctl::kStackSize,
                             ctl::kTransformerSize,
                             ctl::kFillFactor,
                             ctl::kLoadPower,
                             ctl::kFieldPeak,
                             ctl::kFieldMean,
                             ctl::kBmax,
                             ctl::kBac,
                             ctl::kInductance,
                             ctl::kInductanceUnit,
                             ctl::kInductanceNoBias,
                             ctl::kInductanceNoBiasUnit,
                             ctl::kPrimaryTurns,
                             ctl::kPrimaryDiameter,
                             ctl::kPrimaryStrands,
                             ctl::kPrimaryLayers,
                             ctl::kPrimaryDensity,
                             ctl::kPrimaryLength,
                             ctl::kPrimaryResistance,
                             ctl::kPrimaryResistanceUnit,
                             ctl::kPrimaryRatio,
                             ctl::kPrimaryLoss,
                             ctl::kReflectedVoltage,
                             ctl::kSpikeAllowance,
                             ctl::kPeakCurrent,
                             ctl::kCopperLoss,
                             ctl::kCoreLoss,
                             ctl::kTotalLoss,
                             ctl::kEfficiency,
                             ctl::kTemperatureRise,
                             ctl::kTemperature};
  std::size_t n = 32;
  for (const auto& row : {ctl::kInputCurrent, ctl::kDutyRatio, ctl::kContinuity, ctl::kOutTurns,
                          ctl::kOutVoltage, ctl::kOutDiameter, ctl::kOutStrands, ctl::kOutLayers,
                          ctl::kOutDensity, ctl::kOutLength, ctl::kOutResistance, ctl::kOutRatio,
                          ctl::kOutLoss, ctl::kOutReverseVoltage, ctl::kOutCapacitorCurrent}) {
    for (int id : row) ids[n++] = id;
  }
  std::sort(ids.begin(), ids.end());
  return ids;
}();

void DesignResults::set(int id, std::string text, double value) {
  texts_[slot(id)] = std::move(text);
  values_[slot(id)] = value;
}

void DesignResults::clearForDesign() {
  for (int id : kResultControls) {
    if (id == ctl::kCoreTitle || id == ctl::kStackSize || id == ctl::kPrimaryResistanceUnit)
      continue;
    set(id, std::string());
  }
}

void DesignResults::clearAll() {
  for (int id : kResultControls) set(id, std::string());
}

ValueWithUnit inductanceText(double L_uH) {
  if (L_uH >= 1000) return {formatFixed(L_uH / 1000, 3), "мГн"};
  return {formatFixed(L_uH, 3), "мкГн"};
}

ValueWithUnit primaryResistanceText(double R) {
  if (R < 0.01) return {formatFixed(R * 1000, 2), "мОм"};
  if (R < 0.1) return {formatFixed(R * 1000, 1), "мОм"};
  if (R < 1) return {formatFixed(R * 1000, 0), "мОм"};
  return {formatFixed(R, 3), "Ом"};
}

std::string outputResistanceText(double R) {
  if (R < 0.01) return formatFixed(R * 1000, 2);
  if (R < 0.1) return formatFixed(R * 1000, 1);
  return formatFixed(R * 1000, 0);
}

std::string inductanceTooltip(double Lmax) {
  std::string tip = "Индуктивность первичной обмотки не более ";
  if (Lmax >= 1000) return tip + formatFixed(Lmax / 1000, 3) + " мГн";
  return tip + formatFixed(Lmax, 1) + " мкГн";
}

}  // namespace impulsor
