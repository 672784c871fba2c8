// The output windings: turns and actual voltages of outputs 2 and 3, diode reverse voltages,
// secondary and capacitor RMS currents, current densities and copper cross-sections.
// Voltages in V, currents in A, current density in A/mm², areas in mm².
#pragma once

#include "design_results.h"
#include "design_state.h"

namespace impulsor {

// ⌈x⌉ as the design counts turns: the integer part, plus one when x has a fraction.
double ceilTurns(double x);

// Output 1 keeps its entered voltage; outputs 2 and 3 get whole turns rounded up from Ns1,
// so every actual voltage is at least the entered one. Present outputs only.
void outputTurns(DesignState& s);

// The diode reverse voltage of output m (1..3): Umax transformed to the output plus U2m'.
double reverseVoltage(const DesignState& s, int m);

// Peak, RMS and capacitor ripple current of output m from D and k at Umin.
void outputCurrents(DesignState& s, int m);

// J, Acu and the texts of output m once its wire and strands are set.
void outputWinding(DesignState& s, int m, DesignResults& r);

}  // namespace impulsor
