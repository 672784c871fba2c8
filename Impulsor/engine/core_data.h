// One core size of a series and the material data all cores of the series share.
// Lengths in mm, areas in mm², AL in µH per turn², field strength in Oe, frequency in kHz,
// flux density in T, specific loss in W/kg, density in g/cm³, temperature in °C.
#pragma once

#include <array>
#include <string>

namespace impulsor {

struct CoreRecord {
  std::string name;
  std::string OD0, ID0, H0;  // nominal sizes as written in the series file, for the title only
  double OD = 0, ID = 0, OH = 0;
  double le = 0, Ae = 0;
  double Wa = 0;  // window area π·ID²/4
  double AL = 0;
};

struct TablePoint {
  double x = 0;       // field strength (Oe) or frequency (kHz)
  double factor = 0;  // relative permeability factor
};

inline constexpr int kMaxCores = 100;
inline constexpr int kMaxFieldPoints = 51;
inline constexpr int kMaxFrequencyPoints = 20;
inline constexpr int kLossRows = 20;     // row 0: flux densities; rows 1..19: frequencies
inline constexpr int kLossColumns = 30;  // column 0: frequencies; columns 1..29: flux densities

struct MaterialData {
  std::string tmaxText;
  double ro = 7.3;
  std::array<TablePoint, kMaxFieldPoints> muH{};
  std::array<TablePoint, kMaxFieldPoints> muF{};
  std::array<std::array<double, kLossColumns>, kLossRows> loss{};
  double Hmax = 0;
  double tmax = 0;
  int lastH = -1;
  int lastF = -1;  // also the last loss row the core-loss lookup uses
  int nB = 0;
};

}  // namespace impulsor
