#include "wire_table.h"

#include <cmath>

#include "number_format.h"

namespace impulsor {

namespace {
constexpr double kPi = 3.141592653589793;
constexpr double kSkinDepthAt1kHz = 2.0871;  // mm: δ = 2.0871 / √F for copper, F in kHz
}  // namespace

const std::array<Wire, kWireCount> kWireTable = {{
    {0.063, 0.085, 0.003117}, {0.071, 0.095, 0.003959}, {0.08, 0.105, 0.005027},
    {0.09, 0.117, 0.006362},  {0.1, 0.129, 0.007854},   {0.112, 0.143, 0.009852},
    {0.12, 0.153, 0.01131},   {0.125, 0.159, 0.012272}, {0.13, 0.165, 0.013273},
    {0.14, 0.176, 0.015394},  {0.15, 0.19, 0.01767},    {0.16, 0.199, 0.0201},
    {0.17, 0.21, 0.022698},   {0.18, 0.222, 0.025447},  {0.19, 0.234, 0.028353},
    {0.2, 0.245, 0.031416},   {0.21, 0.258, 0.034636},  {0.224, 0.272, 0.039408},
    {0.236, 0.285, 0.043743}, {0.25, 0.301, 0.049087},  {0.265, 0.319, 0.055154},
    {0.28, 0.334, 0.061575},  {0.3, 0.355, 0.070686},   {0.315, 0.371, 0.077931},
    {0.335, 0.393, 0.088141}, {0.355, 0.414, 0.09898},  {0.38, 0.441, 0.113411},
    {0.4, 0.462, 0.125664},   {0.425, 0.489, 0.141862}, {0.45, 0.516, 0.159043},
    {0.475, 0.543, 0.177205}, {0.5, 0.569, 0.196349},   {0.53, 0.601, 0.220618},
    {0.56, 0.632, 0.2463},    {0.6, 0.676, 0.282743},   {0.63, 0.706, 0.311724},
    {0.67, 0.749, 0.352565},  {0.69, 0.77, 0.373928},   {0.71, 0.79, 0.395919},
    {0.75, 0.832, 0.441786},  {0.77, 0.854, 0.465662},  {0.8, 0.885, 0.502655},
    {0.83, 0.916, 0.54106},   {0.85, 0.937, 0.56745},   {0.9, 0.99, 0.636172},
    {0.93, 1.02, 0.67929},    {0.95, 1.041, 0.708821},  {1.0, 1.093, 0.785398},
    {1.06, 1.155, 0.882473},  {1.08, 1.176, 0.916088},  {1.12, 1.217, 0.985203},
    {1.18, 1.279, 1.093588},  {1.25, 1.351, 1.227184},  {1.32, 1.423, 1.368477},
    {1.4, 1.506, 1.53938},    {1.45, 1.557, 1.651299},  {1.5, 1.608, 1.767146},
}};

double skinDepth(double F_kHz) { return kSkinDepthAt1kHz / std::sqrt(F_kHz); }

double racRdcRatio(double d, double delta) {
  // Whole cross-section over the outer ring one skin depth thick.
  if (2 * delta < d) return d * d / (4 * (delta * d - delta * delta));
  return 1.0;
}

double effectiveWireArea(double d, double delta) {
  if (2 * delta < d) return kPi * (delta * d - delta * delta);
  return kPi * d * d / 4;
}

MaxWire maxWireDiameter(double delta, double Racdc) {
  // The larger diameter at which the ring formula gives exactly Racdc.
  double dLimit = 2 * Racdc * delta * (1 + std::sqrt(1 - 1 / Racdc));
  if (dLimit > kLargestDiameter) dLimit = kLargestDiameter;
  MaxWire result;
  if (dLimit < kLargestDiameter) {
    while (result.row > 0 && kWireTable[result.row].d > dLimit) --result.row;
  }
  result.dmax = kWireTable[result.row].d;
  result.Aeff_max = effectiveWireArea(result.dmax, delta);
  return result;
}

int snapToStandardWire(double d) {
  if (d > kLargestDiameter) d = kLargestDiameter;
  for (int i = 0; i < kWireCount; ++i) {
    if (kWireTable[i].d >= d) return i;
  }
  return kLastWire;  // only a diameter that is not a number gets here
}

WireChoice chooseWire(double A, double Aeff_max, double delta) {
  WireChoice choice;
  if (A > Aeff_max) choice.strands = std::trunc(A / Aeff_max + 1);
  const double perStrand = A / choice.strands;
  choice.row = kLastWire;
  for (int i = 0; i < kWireCount; ++i) {
    if (kWireTable[i].a / racRdcRatio(kWireTable[i].d, delta) >= perStrand) {
      choice.row = i;
      break;
    }
  }
  choice.ratio = racRdcRatio(kWireTable[choice.row].d, delta);
  return choice;
}

double strandsForDiameter(double Irms, double j, int row, double delta) {
  const double ratio = racRdcRatio(kWireTable[row].d, delta);
  return std::trunc(Irms / j / kWireTable[row].a * ratio) + 1;
}

double effectiveCurrentDensity(double Irms, double strands, int row, double ratio) {
  return Irms / kWireTable[row].a / strands * ratio;
}

std::string formatDiameter(double d) {
  std::string text = formatFixed(d, 3);
  if (text.find('.') == std::string::npos) return text;
  while (!text.empty() && text.back() == '0') text.pop_back();
  if (!text.empty() && text.back() == '.') text.pop_back();
  return text;
}

}  // namespace impulsor
