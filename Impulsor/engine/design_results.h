// The result texts of the main window by control identifier, with the number behind each,
// and the unit switches that belong to the texts.
#pragma once

#include <array>
#include <limits>
#include <string>

namespace impulsor {

namespace ctl {
// Core and build
inline constexpr int kCoreTitle = 1033, kStackSize = 1115, kTransformerSize = 1116,
                     kFillFactor = 1112;
// Magnetics and power
inline constexpr int kLoadPower = 1126, kFieldPeak = 1036, kFieldMean = 1127, kBmax = 1034,
                     kBac = 1035, kInductance = 1040, kInductanceUnit = 1042,
                     kInductanceNoBias = 1041, kInductanceNoBiasUnit = 1043, kPrimaryTurns = 1044;
// Primary winding
inline constexpr int kPrimaryDiameter = 1045, kPrimaryStrands = 1128, kPrimaryLayers = 1155,
                     kPrimaryDensity = 1146, kPrimaryLength = 1129, kPrimaryResistance = 1130,
                     kPrimaryResistanceUnit = 1131, kPrimaryRatio = 1079, kPrimaryLoss = 1133;
// Operating point: minimum / nominal / maximum bus voltage
inline constexpr int kReflectedVoltage = 1047, kSpikeAllowance = 1048, kPeakCurrent = 1055;
inline constexpr std::array<int, 3> kInputCurrent = {1052, 1054, 1053};
inline constexpr std::array<int, 3> kDutyRatio = {1051, 1050, 1049};
inline constexpr std::array<int, 3> kContinuity = {1039, 1124, 1125};
// Outputs 1 / 2 / 3
inline constexpr std::array<int, 3> kOutTurns = {1056, 1057, 1058};
inline constexpr std::array<int, 3> kOutVoltage = {1066, 1067, 1068};
inline constexpr std::array<int, 3> kOutDiameter = {1061, 1062, 1063};
inline constexpr std::array<int, 3> kOutStrands = {1139, 1140, 1141};
inline constexpr std::array<int, 3> kOutLayers = {1142, 1147, 1151};
inline constexpr std::array<int, 3> kOutDensity = {1081, 1082, 1083};
inline constexpr std::array<int, 3> kOutLength = {1143, 1144, 1145};
inline constexpr std::array<int, 3> kOutResistance = {1148, 1149, 1150};
inline constexpr std::array<int, 3> kOutRatio = {1080, 1084, 1085};
inline constexpr std::array<int, 3> kOutLoss = {1152, 1153, 1154};
inline constexpr std::array<int, 3> kOutReverseVoltage = {1071, 1072, 1073};
inline constexpr std::array<int, 3> kOutCapacitorCurrent = {1076, 1077, 1078};
// Totals
inline constexpr int kCopperLoss = 1119, kCoreLoss = 1118, kTotalLoss = 1120, kEfficiency = 1113,
                     kTemperatureRise = 1121, kTemperature = 1117;
// The diameter spin buttons of the primary and outputs 1..3.
inline constexpr std::array<int, 4> kDiameterSpins = {1099, 1100, 1101, 1102};
}  // namespace ctl

// Every result control, ascending.
extern const std::array<int, 77> kResultControls;

class DesignResults {
 public:
  const std::string& text(int id) const { return texts_[slot(id)]; }
  double value(int id) const { return values_[slot(id)]; }
  void set(int id, std::string text, double value = std::numeric_limits<double>::quiet_NaN());
  // The start of every design: everything but the core title, the stack size and the unit of
  // the primary resistance becomes empty.
  void clearForDesign();
  void clearAll();

  bool operator==(const DesignResults&) const = default;

 private:
  static constexpr int kFirst = 1000;
  static std::size_t slot(int id) { return static_cast<std::size_t>(id - kFirst); }
  std::array<std::string, 160> texts_{};
  std::array<double, 160> values_{};
};

// µH below 1000, mH from 1000 on: {value text, unit text}.
struct ValueWithUnit {
  std::string value, unit;
};
ValueWithUnit inductanceText(double L_uH);
// The primary switches to Ω at 1 Ω; the outputs' row is labelled mΩ and stays in mΩ.
ValueWithUnit primaryResistanceText(double R_ohm);
std::string outputResistanceText(double R_ohm);
// The tooltip of the inductance row, from the design inductance of the last pass.
std::string inductanceTooltip(double Lmax_uH);
inline constexpr const char* kInitialInductanceTooltip =
    "Индуктивность первичной обмотки, не более";

}  // namespace impulsor
