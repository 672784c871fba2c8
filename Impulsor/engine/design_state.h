// The working values of one design computation (units of the design: V, A, kHz, µH, µJ, mm,
// mm², Oe, T, W, °C). Recomputed by every design; the skin depth, the current density and the
// RMS currents stay behind for the diameter spin buttons.
#pragma once

#include <array>

#include "core_data.h"
#include "design_inputs.h"
#include "permeability.h"

namespace impulsor {

enum Winding { kPrimary = 0, kOutput1 = 1, kOutput2 = 2, kOutput3 = 3 };

struct WindingData {
  int row = 0;          // WireTable row
  double strands = 1;   // parallel strands, a whole number
  double ratio = 1;     // Rac/Rdc of the wire
  double turns = 0;     // N1 for the primary, Ns1..Ns3 for the outputs
  double Irms = 0;      // A
  double Acu = 0;       // copper cross-section in the window, mm²
  double J = 0;         // effective current density, A/mm²
  double layers = 0;    // fractional layer count
  double length_m = 0;  // one strand's length
  double R = 0;         // DC resistance at 20 °C, Ω
  double loss = 0;      // copper loss, W
};

struct DesignState {
  // Evaluate every formula step by step as written, without the shortcuts that give the same
  // results faster (the reference the fast path is checked against).
  bool plainEvaluation = false;

  ParsedInputs in;

  // Working copies changed in place during a design.
  double Umin = 0, Unom = 0, Umax = 0, Umirror = 0, Unas = 0, k = 0;
  double Urip = 0, Ue = 0;

  // Energy balance
  std::array<double, 3> U2est{};  // estimates of the actual output voltages
  double Ptot = 0, n = 0, Ein = 0, Ulim = 0;

  // Operating point
  double Lmax = 0, Ipk = 0;
  double D = 0, dI = 0, Imax = 0, Iin = 0, Irms_p = 0;

  // Core of the stack
  CoreRecord core;
  double mui = 0, Ae_s = 0, AL_s = 0, OH_s = 0, Ve = 0;
  FluxTable flux;

  // Magnetics
  double N = 0, N1 = 0, AL_eff = 0, L = 0, L0 = 0, H = 0, Havg = 0, Bmax = 0, Bac = 0;

  // Wires
  double delta = 0;  // skin depth, mm
  double Aeff_max = 0;
  std::array<WindingData, 4> windings{};

  // Outputs
  std::array<double, 3> U2actual{};
  std::array<double, 3> Ur{}, I2pk{}, Icap{};

  // Losses and temperature
  double Pcore = 0, Pcu = 0, Ploss = 0, dT = 0, T = 0, Pload = 0, efficiency = 0, fill = 0;
  double S = 0;  // cooling surface, cm²
  double Dout = 0, hout = 0;

  bool present(int output) const { return in.U2[output - 1] != 0; }
};

}  // namespace impulsor
