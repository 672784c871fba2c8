// The magnetic circuit on the current core (or stack): initial permeability, turns, inductance
// under bias, field strength and flux density. Lengths in mm, areas in mm², AL in µH/turn²,
// inductance in µH, field strength in Oe, flux density in T.
#pragma once

#include "core_data.h"
#include "design_inputs.h"
#include "design_results.h"
#include "design_state.h"

namespace impulsor {

// The initial permeability (from single-core values: the stack changes neither le nor the
// material) and the values of a stack of identical cores.
struct Stack {
  double mui = 0, Ae_s = 0, AL_s = 0, OH_s = 0, Ve = 0;
};
Stack stackOf(const CoreRecord& core, int stek);

// Copies the core, sets the core name, µi and the stack values, and the title and stack texts.
void takeCore(DesignState& s, const CoreRecord& core, DesignInputs& inputs, DesignResults& r);

// The B(H) table of this pass and the unbiased inductance factor of the stack.
void startMagnetics(DesignState& s, const MaterialData& material);

// Ten iterations of turns from Lmax and permeability at the resulting field.
// False when the field exceeds the series' limit (the offending H is shown).
bool estimateTurns(DesignState& s, const MaterialData& material, DesignResults& r);

enum class Rounding { Ok, NoSecondaryTurn, NoPrimaryTurn };
// Whole turns: Ns1 truncated from N/n, N1 truncated from Ns1·n; writes N1 into 1044 and w11.
Rounding roundTurns(DesignState& s, DesignInputs& inputs, DesignResults& r);

// One step of the inductance refinement with N1 fixed: the permeability at the field H of the
// peak current, the biased inductance factor and L.
void updateInductance(DesignState& s, const MaterialData& material, double H);

// Ten refinement iterations of the automatic design (no limit check).
void refineInductance(DesignState& s, const MaterialData& material, DesignInputs& inputs,
                      DesignResults& r);

// Havg, L0, Bac, H, Bmax and L with their texts.
void finalMagneticValues(DesignState& s, const MaterialData& material, DesignResults& r);

// H = 0.4π·N·I/le·10 (Oe, le in mm).
double fieldStrength(double current, double turns, double le);

}  // namespace impulsor
