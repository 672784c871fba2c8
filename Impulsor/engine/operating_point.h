// The converter's operating point: bus voltages, energy per cycle, design inductance with the
// transistor drop, and duty ratio, currents and continuity at the minimum, nominal and maximum
// bus voltage. Voltages in V, currents in A, F in kHz, inductance in µH, energy in µJ.
#pragma once

#include "design_inputs.h"
#include "design_results.h"
#include "design_state.h"

namespace impulsor {

// AC mains become bus voltages; the assumed ripple; the starting transistor drop
// (0 for a field-effect transistor when fetDropFromZero, else the drop in the Unas text).
void prepareSupply(DesignState& s, bool fetDropFromZero);

// Output power with the current voltage estimates, turns ratio, energy per cycle, drop limit.
void energyBalance(DesignState& s);

// At most five iterations of duty ratio, design inductance, peak current and, for a
// field-effect transistor, its drop. True when the drop ends above 5 % of Umin.
bool designInductanceLoop(DesignState& s);

// One operating point at Umin with the inductance s.L; for a field-effect transistor the
// drop is recomputed and written to the Unas text.
void operatingPointAtUmin(DesignState& s, DesignInputs& inputs);

// Iin and Irms_p at Umin and their texts.
void finishUminResults(DesignState& s, DesignResults& r);

// Duty ratio, continuity and input current at Umax, then at Unom (shown only).
void operatingPointsAtUmaxUnom(DesignState& s, DesignResults& r);

// The working reflected voltage from the actual turns ratio, and the spike allowance.
void reflectedVoltage(DesignState& s, DesignResults& r);

// Load power with the actual output voltages (diode losses not included).
void loadPower(DesignState& s, DesignResults& r);

}  // namespace impulsor
