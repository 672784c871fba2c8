// The 57 standard round enamelled copper wires and the wire rules built on them.
// Diameters in mm, areas in mm², currents in A, current densities in A/mm², frequency in kHz.
#pragma once

#include <array>
#include <string>

namespace impulsor {

struct Wire {
  double d;   // bare copper diameter
  double di;  // diameter over the insulation
  double a;   // copper cross-section as tabulated
};

inline constexpr int kWireCount = 57;
inline constexpr int kLastWire = kWireCount - 1;
inline constexpr double kLargestDiameter = 1.5;  // also the cap of every diameter in the design

// Row index = position of the diameter spin buttons, so the order is part of the interface.
extern const std::array<Wire, kWireCount> kWireTable;

double skinDepth(double F_kHz);
double racRdcRatio(double d, double delta);
double effectiveWireArea(double d, double delta);

struct MaxWire {
  int row = kLastWire;
  double dmax = kLargestDiameter;
  double Aeff_max = 0;
};
MaxWire maxWireDiameter(double delta, double Racdc);

// Smallest standard row not below d (d capped at 1.5 first).
int snapToStandardWire(double d);

struct WireChoice {
  double strands = 1;
  int row = 0;
  double ratio = 1;  // Rac/Rdc of the chosen wire
};
// Wire and parallel strands for a required copper area A (RMS current / current density).
WireChoice chooseWire(double A, double Aeff_max, double delta);

// Strands for a diameter picked with the spin button (always one more than the quotient).
double strandsForDiameter(double Irms, double j, int row, double delta);

double effectiveCurrentDensity(double Irms, double strands, int row, double ratio);

// "%.3f" with trailing zeros and a trailing point removed: 0.500 -> "0.5", 1.000 -> "1".
std::string formatDiameter(double d);

}  // namespace impulsor
